import QtQuick
import QtTest
import "qrc:/Cessna/Instrumentos/VerticalSpeed"

Item {
    width: 210
    height: 210

    VerticalSpeedInst { id: vsi }

    TestCase {
        name: "VerticalSpeed"
        when: windowShown

        function angle() { return findChild(vsi, "needle").transform[0].angle }

        function test_needle_data() {
            return [
                {tag: "level", v: 0, a: -90}, {tag: "500", v: 500, a: -56.538},
                {tag: "just under 500", v: 499.999, a: -55.0}, {tag: "1000", v: 1000, a: -9.538},
                {tag: "2000", v: 2000, a: 84.462}, {tag: "2001 at the stop", v: 2001, a: 82},
                {tag: "-500", v: -500, a: -124.484}, {tag: "-2000", v: -2000, a: -262.484},
                {tag: "-2001 at the stop", v: -2001, a: 97}, {tag: "-250", v: -250, a: -107.39},
            ]
        }
        function test_needle(d) {
            vsi.value = d.v
            fuzzyCompare(angle(), d.a, 1e-3)
        }

        function test_needleLayer() {
            const n = findChild(vsi, "needle")
            compare([n.x, n.y, n.width, n.height], [98, 15, 15, 95])
            compare([n.x + n.transform[0].origin.x, n.y + n.transform[0].origin.y], [106, 105])
            compare(n.status, Image.Ready)
        }
    }
}
