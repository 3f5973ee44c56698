import QtQuick
import QtTest
import "qrc:/Cessna/Instrumentos/AirspeedB58"

Item {
    width: 420
    height: 210

    AirspeedB58 { id: unbound }
    AirspeedB58 { id: asi; x: 210 }

    TestCase {
        name: "AirspeedB58"
        when: windowShown

        function needleOf(gauge) { return findChild(gauge, "needle") }

        function test_restsAtDefaultUntilBound() {
            compare(unbound.value, 260)
            compare(needleOf(unbound).transform[0].angle, 340)
        }

        function test_needle_data() {
            return [
                {tag: "below zero", v: -5, a: 0}, {tag: "zero", v: 0, a: 0},
                {tag: "30", v: 30, a: 14.25}, {tag: "40", v: 40, a: 19},
                {tag: "150", v: 150, a: 178.5}, {tag: "200", v: 200, a: 250},
                {tag: "250", v: 250, a: 324.5}, {tag: "260", v: 260, a: 340},
                {tag: "past the end", v: 270, a: 340},
            ]
        }
        function test_needle(d) {
            asi.value = d.v
            fuzzyCompare(needleOf(asi).transform[0].angle, d.a, 1e-9)
        }

        function test_layers() {
            const n = needleOf(asi)
            compare([n.width, n.height, n.transform[0].origin.x, n.transform[0].origin.y], [210, 210, 105, 105])
            compare(n.status, Image.Ready)
            compare(findChild(asi, "face").status, Image.Ready)
        }
    }
}
