import QtQuick
import QtTest
import "qrc:/Cessna/Instrumentos/Heading"

Item {
    width: 210
    height: 210

    HeadingInst { id: dg }

    TestCase {
        name: "Heading"
        when: windowShown

        function angleOf(layer) { return findChild(dg, layer).transform[0].angle }

        function test_cardAndBug_data() {
            return [
                {tag: "north", h: 0, b: 0, card: 0, bug: 0},
                {tag: "127 bug 150", h: 127, b: 150, card: -127, bug: 23},
                {tag: "bug behind", h: 350, b: 10, card: -350, bug: -340},
                {tag: "past a turn", h: 720, b: 700, card: -720, bug: -20},
            ]
        }
        function test_cardAndBug(d) {
            dg.headingMag = d.h
            dg.headingDegMag = d.b
            compare(angleOf("card"), d.card)
            compare(angleOf("bug"), d.bug)
        }

        function test_layers() {
            for (const name of ["background", "card", "lubber", "bug"]) {
                const layer = findChild(dg, name)
                compare([layer.x, layer.y, layer.width, layer.height, layer.status],
                        [0, 0, 210, 210, Image.Ready], name)
            }
            compare([findChild(dg, "card").transform[0].origin.x, findChild(dg, "card").transform[0].origin.y],
                    [105, 105])
        }
    }
}
