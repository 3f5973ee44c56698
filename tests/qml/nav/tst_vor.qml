import QtQuick
import QtTest
import "qrc:/Cessna/Instrumentos/Vor"

Item {
    id: stage
    width: 210
    height: 210

    VorInst { id: vor }

    TestCase {
        name: "VorInst"
        when: windowShown

        function part(name) { return findChild(vor, name) }
        function init() {
            for (const p of ["hDefDot", "vDefDot", "compRingDeg", "tofromnav", "glideslope", "nav2sig"])
                vor[p] = 0
            tryCompare(part("courseNeedle").transform[0], "angle", 0, 1000)
            tryCompare(part("glideNeedle").transform[0], "angle", -90, 1000)
        }

        function test_inputsAndDefaults() {
            const fresh = createTemporaryObject(Qt.createComponent("qrc:/Cessna/Instrumentos/Vor/VorInst.qml"), stage)
            for (const p of ["hDefDot", "vDefDot", "compRingDeg", "tofromnav", "glideslope", "nav2sig"])
                compare(fresh[p], 0, p)
            compare([fresh.width, fresh.height], [210, 210])
        }

        function test_layers_data() {
            return [
                {tag: "gsFlagOff", geo: [0, 0, 210, 210]}, {tag: "gsFlag", geo: [0, 0, 210, 210]},
                {tag: "navFlag", geo: [0, 0, 210, 210]}, {tag: "fromFlag", geo: [0, 0, 210, 210]},
                {tag: "toFlag", geo: [0, 0, 210, 210]}, {tag: "face", geo: [0, 0, 210, 210]},
                {tag: "glideNeedle", geo: [-65, 5, 200, 210], pivot: [35, 105]},
                {tag: "courseNeedle", geo: [0, -60, 210, 205], pivot: [100, 40]},
                {tag: "card", geo: [0, 0, 210, 210], pivot: [105, 105]},
                {tag: "cover", geo: [0, 0, 210, 210]},
            ]
        }
        function test_layers(d) {
            const l = part(d.tag)
            compare([l.x, l.y, l.width, l.height], d.geo)
            compare(l.status, Image.Ready)
            if (d.pivot)
                compare([l.x + l.transform[0].origin.x, l.y + l.transform[0].origin.y], d.pivot)
        }

        function test_ring() {
            const ring = part("ring")
            compare([ring.x, ring.y, ring.width, ring.height, ring.radius], [5, 5, 200, 200, 100])
            compare(ring.border.width, 13)
            compare(String(ring.border.color), "#000000")
            compare(ring.color.a, 0)
        }

        // 12 degrees per dot for the course needle, 8 for the glide slope,
        // both stopping at 5 dots.
        function test_needles_data() {
            return [
                {tag: "centred", h: 0, v: 0, course: 0, glide: -90},
                {tag: "one dot", h: 1, v: 1, course: -12, glide: -82},
                {tag: "fractions", h: -2.5, v: -0.5, course: 30, glide: -94},
                {tag: "full scale", h: 5, v: -5, course: -60, glide: -130},
                {tag: "past full scale", h: 7, v: -7, course: -60, glide: -130},
                {tag: "past the other side", h: -40, v: 12, course: 60, glide: -50},
            ]
        }
        function test_needles(d) {
            vor.hDefDot = d.h
            vor.vDefDot = d.v
            tryCompare(part("courseNeedle").transform[0], "angle", d.course, 1000)
            tryCompare(part("glideNeedle").transform[0], "angle", d.glide, 1000)
        }

        // The needles ease into place: right after a change they are on the way.
        function test_needleEases() {
            const t = part("courseNeedle").transform[0]
            vor.hDefDot = 5
            verify(t.angle > -60, "on the way: " + t.angle)
            tryCompare(t, "angle", -60, 1000)
        }

        function test_card_data() {
            return [{tag: "zero", deg: 0}, {tag: "course 30", deg: 30}, {tag: "course 359", deg: 359},
                    {tag: "course 360", deg: 360}, {tag: "negative", deg: -45}]
        }
        function test_card(d) {
            vor.compRingDeg = d.deg
            compare(part("card").transform[0].angle, -d.deg)
        }

        // Which flags each to/from value shows; 3 and other values show none.
        function test_flags_data() {
            return [
                {tag: "no signal", tf: 0, nav: true, to: false, from: false},
                {tag: "TO", tf: 1, nav: false, to: true, from: false},
                {tag: "FROM", tf: 2, nav: false, to: false, from: true},
                {tag: "3 shows none", tf: 3, nav: false, to: false, from: false},
                {tag: "fraction shows none", tf: 0.5, nav: false, to: false, from: false},
                {tag: "negative shows none", tf: -1, nav: false, to: false, from: false},
            ]
        }
        function test_flags(d) {
            vor.tofromnav = d.tf
            compare([part("navFlag").visible, part("toFlag").visible, part("fromFlag").visible],
                    [d.nav, d.to, d.from])
            verify(part("gsFlagOff").visible)
        }

        // The GS flag is in view while no glide slope is received (0) and out
        // of view while one is (1).
        function test_glideSlopeFlag_data() {
            return [{tag: "not received", gs: 0, shown: true}, {tag: "received", gs: 1, shown: false},
                    {tag: "2", gs: 2, shown: false}, {tag: "0.5", gs: 0.5, shown: false},
                    {tag: "no number", gs: NaN, shown: true}]
        }
        function test_glideSlopeFlag(d) {
            vor.glideslope = d.gs
            compare(part("gsFlag").visible, d.shown)
            verify(part("gsFlagOff").visible)
        }

        // A text that is no number leaves the needles centred and shows the NAV flag.
        function test_notANumber() {
            vor.hDefDot = NaN
            vor.tofromnav = NaN
            tryCompare(part("courseNeedle").transform[0], "angle", 0, 1000)
            verify(part("navFlag").visible)
        }

        function test_unusedInput() {
            vor.hDefDot = 2
            tryCompare(part("courseNeedle").transform[0], "angle", -24, 1000)
            vor.nav2sig = 1
            compare(part("courseNeedle").transform[0].angle, -24)
            compare(part("navFlag").visible, true)
        }
    }
}
