import QtQuick
import QtTest
import "qrc:/Cessna/Instrumentos/MarkerBeacon"

Rectangle {
    id: stage
    width: 174
    height: 45
    color: "black"

    MarkerBeaconInst { id: marker }

    TestCase {
        name: "MarkerBeaconInst"
        when: windowShown

        readonly property var lamps: ["outerLamp", "middleLamp", "innerLamp"]
        function part(name) { return findChild(marker, name) }
        function init() { marker.outer = 0; marker.middle = 0; marker.inner = 0 }

        function test_defaultsAndSheets() {
            const fresh = createTemporaryObject(Qt.createComponent("qrc:/Cessna/Instrumentos/MarkerBeacon/MarkerBeaconInst.qml"), stage)
            compare([fresh.outer, fresh.middle, fresh.inner], [0, 0, 0])
            compare([fresh.width, fresh.height], [174, 45])
            const bg = findChild(fresh, "background")
            compare([bg.x, bg.y, bg.width, bg.height, bg.status], [0, 0, 174, 45, Image.Ready])
        }

        // Each lamp is one third of the lit sheet, shown where that third belongs.
        function test_thirds() {
            for (let i = 0; i < 3; ++i) {
                const lamp = part(lamps[i])
                compare([lamp.x, lamp.y, lamp.width, lamp.height, lamp.clip], [58 * i, 0, 58, 45, true])
                const sheet = lamp.children[0]
                compare([lamp.x + sheet.x, sheet.width, sheet.height], [0, 174, 45])
                verify(String(sheet.source).endsWith("on.png"), String(sheet.source))
                compare(sheet.status, Image.Ready)
            }
        }

        function test_lit_data() {
            return [
                {tag: "all dark", o: 0, m: 0, i: 0, lit: [false, false, false]},
                {tag: "outer", o: 1, m: 0, i: 0, lit: [true, false, false]},
                {tag: "middle", o: 0, m: 1, i: 0, lit: [false, true, false]},
                {tag: "inner", o: 0, m: 0, i: 1, lit: [false, false, true]},
                {tag: "any non-zero", o: 2, m: -1, i: 7, lit: [true, true, true]},
            ]
        }
        function test_lit(d) {
            marker.outer = d.o; marker.middle = d.m; marker.inner = d.i
            compare(lamps.map(n => part(n).visible), d.lit)
        }

        // On screen: the middle lamp alone glows amber; the others stay dark.
        function test_middleLampOnScreen() {
            marker.middle = 1
            const image = grabImage(stage)
            const brightness = c => c.r + c.g + c.b
            const m = image.pixel(87 - 8, 22)
            verify(m.r > 0.8 && m.g > 0.4 && m.r - m.b > 0.3, "amber M: " + m)
            verify(brightness(image.pixel(29 - 8, 22)) < 1.2, "outer dark")
            verify(brightness(image.pixel(145 - 8, 22)) < 1.2, "inner dark")
            marker.middle = 0
            marker.inner = 1
            const lit = grabImage(stage)
            verify(brightness(lit.pixel(145 - 8, 22)) > 2.4, "white I")
            verify(brightness(lit.pixel(87 - 8, 22)) < 1.2, "middle dark again")
        }
    }
}
