import QtQuick
import QtTest
import "qrc:/Caravan/G1000/SpeedReferences"

// The speed markers: each line at 169 + (current speed - marker speed) x 5.8
// in the 90 x 342 strip, following every value vector and every speed list.
Item {
    width: 200
    height: 400

    SpeedReferences { id: overlay }

    TestCase {
        name: "SpeedReferences"
        when: windowShown

        function marker(name) { return findChild(overlay, name) }
        // The marker's line: the middle of its triangle, in the strip.
        function lineOf(name) { const m = marker(name); return m.y + m.height / 2 }

        function test_lines_data() {
            return [
                {tag: "Vr below the current speed", speed: "80", speeds: "85,105,70", name: "vrMarker", line: 227},
                {tag: "Vr at the current speed", speed: "70", speeds: "85,105,70", name: "vrMarker", line: 169},
                {tag: "Vx with the speed absent", speed: undefined, speeds: "85,105,70", name: "vxMarker", line: -324},
                {tag: "Vx with the speed empty", speed: "", speeds: "85,105,70", name: "vxMarker", line: -324},
                {tag: "Vy above", speed: "100", speeds: "85,105,70", name: "vyMarker", line: 140},
                {tag: "decimals", speed: "99.5", speeds: "85,100.5,70", name: "vyMarker", line: 163.2},
            ]
        }
        function test_lines(d) {
            const v = new Array(15).fill("1")
            if (d.speed !== undefined)
                v.push(d.speed)
            overlay.instrumentValues = v
            overlay.speedsText = d.speeds
            fuzzyCompare(lineOf(d.name), d.line, 1e-9)
            verify(marker(d.name).visible)
        }

        // A new speed list moves the markers at once; an entry that is not a
        // number hides its marker only.
        function test_followsTheSpeeds() {
            overlay.instrumentValues = new Array(15).fill("0").concat(["90"])
            overlay.speedsText = "85,105,70"
            compare(lineOf("vxMarker"), 169 + 5 * 5.8)
            overlay.speedsText = "90,105,abc"
            compare(lineOf("vxMarker"), 169)
            verify(!marker("vrMarker").visible)
            verify(marker("vyMarker").visible)
        }

        function test_labels() {
            compare(String(marker("vrMarker").colour), "#00ffff")
            compare(findChild(marker("vrMarker"), "label").text, "VR")
            verify(findChild(overlay, "strip").clip)
        }
    }
}
