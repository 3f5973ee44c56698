import QtQuick
import QtTest
import "qrc:/Cessna/images"
import "qrc:/Cessna/CessnaConfig"

// The picture behind the layout menu's preview: the panel in its default
// layout, placed so that each click area of the menu lies on its own gauge.
Item {
    id: testRoot
    width: 1600
    height: 1052

    Component {
        id: pictureComponent
        PreviewPainel {}
    }
    Component {
        id: menuComponent
        CessnaConfig {}
    }

    TestCase {
        name: "CessnaPreview"
        when: windowShown

        // Part of rectangle a (x, y, width, height) that lies in b.
        function overlap(a, b) {
            const w = Math.min(a.x + a.width, b.x + b.width) - Math.max(a.x, b.x)
            const h = Math.min(a.y + a.height, b.y + b.height) - Math.max(a.y, b.y)
            return w > 0 && h > 0 ? (w * h) / (a.width * a.height) : 0
        }

        function test_clickAreasLieOnTheirGauges() {
            testSupport.setContextProperty("renderSupport", testSupport)
            const picture = createTemporaryObject(pictureComponent, testRoot)
            tryVerify(() => picture.ready, 10000)
            verify(!picture.failed)
            const menu = createTemporaryObject(menuComponent, null)
            const panel = picture.panel
            compare(panel.flagLock, true, "pictured locked")

            // Each gauge's picture in the preview's 800 x 526 frame.
            const boxes = panel.slotHandles.map(handle => {
                const g = handle.gauge
                // The compass draws only the tape's window at its left.
                const w = handle.width, h = handle.height
                const a = g.mapToItem(picture, 0, 0), b = g.mapToItem(picture, w, h)
                const k = picture.pixelsPerUnit
                return Qt.rect(a.x / k, a.y / k, (b.x - a.x) / k, (b.y - a.y) / k)
            })
            for (const box of boxes) {
                verify(box.x >= 0 && box.y >= 0, "inside the frame")
                verify(box.x + box.width <= 800 && box.y + box.height <= 526, "inside the frame")
            }
            for (const [x, y, w, h, slot] of menu.previewAreas) {
                const area = Qt.rect(x, y, w, h)
                const own = overlap(area, boxes[slot])
                verify(own >= 1 / 3, "area of slot " + slot + " lies on its gauge (" + own + ")")
                for (let other = 0; other < 22; ++other) {
                    if (other !== slot)
                        verify(overlap(area, boxes[other]) < own, "area of slot " + slot + " over slot " + other)
                }
            }
        }

        function test_compiledPreviewIsThePicture() {
            const image = createTemporaryQmlObject(
                "import QtQuick; Image { source: 'qrc:/Cessna/images/previewPainel.png' }", testRoot)
            compare(image.status, Image.Ready)
            compare([image.sourceSize.width, image.sourceSize.height], [1600, 1052])
        }
    }
}
