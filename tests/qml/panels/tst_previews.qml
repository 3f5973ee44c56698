import QtQuick
import QtTest

// The pictures behind the layout menus' previews: each panel pictured so that
// every click area of its menu lies on its own gauge, and the compiled preview
// is that picture.
Item {
    id: testRoot
    width: 1600
    height: 1100

    TestCase {
        name: "Previews"
        when: windowShown

        function test_clickAreasLieOnTheirGauges_data() {
            return [
                {tag: "Cessna", picture: "qrc:/Cessna/preview/PreviewPainel.qml",
                 menu: "qrc:/Cessna/CessnaConfig/CessnaConfig.qml",
                 png: "qrc:/Cessna/images/previewPainel.png"},
                {tag: "StandBy", picture: "qrc:/Cessna/StandBy/preview/PreviewStby.qml",
                 menu: "qrc:/Cessna/StandBy/StandByConfig/StandByConfigMenu.qml",
                 png: "qrc:/Cessna/StandBy/images/previewStby.png"},
                {tag: "Baron", picture: "qrc:/Baron/preview/PreviewBaron.qml",
                 menu: "qrc:/Baron/BaronConfig/BaronConfig.qml",
                 png: "qrc:/Baron/images/baronPreview.png"},
                {tag: "Caravan", picture: "qrc:/Caravan/preview/PreviewCaravan.qml",
                 menu: "qrc:/Caravan/CaravanConfig/CaravanConfig.qml",
                 png: "qrc:/Caravan/images/caravan_preview.png"},
            ]
        }

        // Part of rectangle a (x, y, width, height) that lies in b.
        function overlap(a, b) {
            const w = Math.min(a.x + a.width, b.x + b.width) - Math.max(a.x, b.x)
            const h = Math.min(a.y + a.height, b.y + b.height) - Math.max(a.y, b.y)
            return w > 0 && h > 0 ? (w * h) / (a.width * a.height) : 0
        }

        function create(url, parent) {
            const component = Qt.createComponent(url)
            compare(component.status, Component.Ready, component.errorString())
            const object = component.createObject(parent)
            verify(object, url)
            return object
        }

        function test_clickAreasLieOnTheirGauges(d) {
            testSupport.setContextProperty("renderSupport", testSupport)
            const picture = create(d.picture, testRoot)
            tryVerify(() => picture.ready, 10000)
            verify(!picture.failed)
            const menu = create(d.menu, null)
            const panel = picture.panel
            compare(panel.flagLock, true, "pictured locked")
            const frame = picture.frame

            // Each gauge's picture in the preview's frame.
            const boxes = panel.slotHandles.map(handle => {
                const g = handle.gauge
                if (!g.visible)
                    return Qt.rect(0, 0, 0, 0)
                // The compass draws only the tape's window at its left.
                const a = g.mapToItem(picture, 0, 0), b = g.mapToItem(picture, handle.width, handle.height)
                const k = picture.pixelsPerUnit
                return Qt.rect(a.x / k, a.y / k, (b.x - a.x) / k, (b.y - a.y) / k)
            })
            for (const [x, y, w, h, slot] of menu.previewAreas) {
                const box = boxes[slot]
                verify(box.x >= 0 && box.y >= 0, "slot " + slot + " inside the frame")
                verify(box.x + box.width <= frame.width && box.y + box.height <= frame.height,
                       "slot " + slot + " inside the frame")
                const area = Qt.rect(x, y, w, h)
                const own = overlap(area, box)
                verify(own >= 1 / 3, "area of slot " + slot + " lies on its gauge (" + own + ")")
                for (let other = 0; other < boxes.length; ++other) {
                    if (other !== slot && boxes[other].width > 0)
                        verify(overlap(area, boxes[other]) < own, "area of slot " + slot + " over slot " + other)
                }
            }
            const size = [frame.width * picture.pixelsPerUnit, frame.height * picture.pixelsPerUnit]
            menu.destroy()
            picture.destroy()

            const image = createTemporaryQmlObject("import QtQuick; Image { source: '" + d.png + "' }", testRoot)
            compare(image.status, Image.Ready)
            compare([image.sourceSize.width, image.sourceSize.height], size)
        }
    }
}
