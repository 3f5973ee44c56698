import QtQuick
import QtTest
import "qrc:/Cessna/Instrumentos/LinearCompass"

Item {
    id: stage
    width: 712
    height: 90

    LinearCompassInst { id: compass }

    TestCase {
        name: "LinearCompassInst"
        when: windowShown

        function part(name) { return findChild(compass, name) }

        function test_layout() {
            compare([compass.width, compass.height, compass.value], [712, 90, 0])
            const window = part("window")
            compare([window.x, window.y, window.width, window.height, window.clip], [0, 0, 150, 89, true])
            compare(String(window.color), "#000000")
            const tape = part("tape")
            compare([tape.y, tape.width, tape.height, tape.status], [0, 712, 86, Image.Ready])
            compare(tape.parent, window)
            const frame = part("frame")
            compare([frame.x, frame.y, frame.width, frame.height, frame.status], [-4, 0, 158, 90, Image.Ready])
        }

        // 125 px per 90 degrees; 360 is drawn as 0, the input stays 360.
        function test_tape_data() {
            return [
                {tag: "north", v: 0, x: -536}, {tag: "east", v: 90, x: -411},
                {tag: "south", v: 180, x: -286}, {tag: "west", v: 270, x: -161},
                {tag: "45", v: 45, x: -473.5}, {tag: "359", v: 359, x: -536 + 125 / 90 * 359},
                {tag: "360 as north", v: 360, x: -536}, {tag: "just past 360", v: 360.5, x: -536 + 125 / 90 * 360.5},
                {tag: "negative", v: -10, x: -536 - 125 / 90 * 10},
                {tag: "not a number", v: NaN, x: -536},
            ]
        }
        function test_tape(d) {
            compass.value = d.v
            fuzzyCompare(part("tape").x, d.x, 1e-9)
            if (!isNaN(d.v))
                compare(compass.value, d.v)
        }

        // The mark under the lubber line (gauge x 75, the frame's middle) is the
        // one the tape carries for the heading shown.
        function test_lubberOverHeading() {
            const frame = part("frame")
            compare(frame.x + frame.width / 2, 75)
            for (const h of [0, 30, 90, 183, 359]) {
                compass.value = h
                fuzzyCompare(75 - part("tape").x, 611 - 125 / 90 * h, 1e-9)
            }
        }
    }
}
