import QtQuick
import QtTest
import "qrc:/Caravan/instrumentos/Airspeed"
import "qrc:/Caravan/instrumentos/Torque"

// The Caravan's airspeed and torque indicators: the needle angle for a value,
// given as a number or as the field text a panel hands over.
Item {
    width: 420
    height: 210

    Airspeed { id: airspeed }
    Torque { id: torque; x: 210 }

    TestCase {
        name: "CaravanGauges"
        when: windowShown

        function needleOf(gauge) { return findChild(gauge, "needle") }

        function test_needle_data() {
            return [
                // Airspeed: table points and segments 3 degrees on, the stops without.
                {tag: "airspeed below", g: airspeed, input: "speed", v: -5, a: 0},
                {tag: "airspeed 0", g: airspeed, input: "speed", v: 0, a: 0},
                {tag: "airspeed 0.1", g: airspeed, input: "speed", v: 0.1, a: 3.02},
                {tag: "airspeed 30", g: airspeed, input: "speed", v: 30, a: 9},
                {tag: "airspeed 100", g: airspeed, input: "speed", v: 100, a: 115},
                {tag: "airspeed 105 text", g: airspeed, input: "speed", v: "105", a: 125},
                {tag: "airspeed 175", g: airspeed, input: "speed", v: 175, a: 265.5},
                {tag: "airspeed 209.9", g: airspeed, input: "speed", v: 209.9, a: 332.82},
                {tag: "airspeed 210", g: airspeed, input: "speed", v: 210, a: 330},
                {tag: "airspeed above", g: airspeed, input: "speed", v: 400, a: 330},
                // Torque: no offset anywhere.
                {tag: "torque below", g: torque, input: "torque", v: -100, a: 273},
                {tag: "torque 0", g: torque, input: "torque", v: 0, a: 273},
                {tag: "torque 250", g: torque, input: "torque", v: 250, a: 297.5},
                {tag: "torque 1000 text", g: torque, input: "torque", v: "1000", a: 360},
                {tag: "torque 1750", g: torque, input: "torque", v: 1750, a: 421},
                {tag: "torque 2500", g: torque, input: "torque", v: 2500, a: 492},
                {tag: "torque above", g: torque, input: "torque", v: 9999, a: 492},
            ]
        }
        function test_needle(d) {
            d.g[d.input] = d.v
            fuzzyCompare(d.g.angle, d.a, 1e-9)
            fuzzyCompare(needleOf(d.g).transform[0].angle, d.a, 1e-9)
        }

        // Both faces and the shared needle are in the resource tree.
        function test_images_data() {
            return [{tag: "airspeed", g: airspeed}, {tag: "torque", g: torque}]
        }
        function test_images(d) {
            compare(findChild(d.g, "face").status, Image.Ready)
            compare(needleOf(d.g).status, Image.Ready)
        }
    }
}
