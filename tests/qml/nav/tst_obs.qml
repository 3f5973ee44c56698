import QtQuick
import QtTest
import "qrc:/Cessna/Instrumentos/Obs"

Item {
    id: stage
    width: 210
    height: 210

    ObsInst { id: obs }

    TestCase {
        name: "ObsInst"
        when: windowShown

        function part(name) { return findChild(obs, name) }
        function init() {
            for (const p of ["obs_hDefDot", "nav2sig", "toFromNav", "compRingDeg"])
                obs[p] = 0
            tryCompare(part("needle").transform[0], "angle", 0, 1000)
        }

        function test_inputsAndDefaults() {
            const fresh = createTemporaryObject(Qt.createComponent("qrc:/Cessna/Instrumentos/Obs/ObsInst.qml"), stage)
            for (const p of ["obs_hDefDot", "nav2sig", "toFromNav", "compRingDeg"])
                compare(fresh[p], 0, p)
            compare([fresh.width, fresh.height], [210, 210])
        }

        function test_layers_data() {
            return [
                {tag: "fromFlag", geo: [0, 0, 210, 210]}, {tag: "toFlag", geo: [0, 0, 210, 210]},
                {tag: "navFlag", geo: [0, 0, 210, 210]}, {tag: "face", geo: [0, 0, 210, 210]},
                {tag: "needle", geo: [0, -55, 210, 210], pivot: [105, 50]},
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
            compare([ring.x, ring.y, ring.width, ring.height, ring.radius], [6, 6, 198, 198, 99])
            compare(ring.border.width, 12)
            compare(ring.color.a, 0)
        }

        // 12 degrees per dot, stopping at 4 dots.
        function test_needle_data() {
            return [
                {tag: "centred", dots: 0, angle: 0}, {tag: "one right", dots: 1, angle: -12},
                {tag: "half left", dots: -0.5, angle: 6}, {tag: "full scale", dots: 4, angle: -48},
                {tag: "past full scale", dots: 9, angle: -48}, {tag: "past the other side", dots: -9, angle: 48},
            ]
        }
        function test_needle(d) {
            obs.obs_hDefDot = d.dots
            tryCompare(part("needle").transform[0], "angle", d.angle, 1000)
        }

        function test_needleEases() {
            const t = part("needle").transform[0]
            obs.obs_hDefDot = -4
            verify(t.angle < 48, "on the way: " + t.angle)
            tryCompare(t, "angle", 48, 1000)
        }

        function test_card() {
            obs.compRingDeg = 90
            compare(part("card").transform[0].angle, -90)
            obs.compRingDeg = 0
            compare(part("card").transform[0].angle, 0)
        }

        // The NAV flag stands with "no signal" on either input, also beside TO or FROM.
        function test_flags_data() {
            return [
                {tag: "no signal, receiver off", tf: 0, sig: 0, nav: true, to: false, from: false},
                {tag: "no to/from, signal", tf: 0, sig: 1, nav: true, to: false, from: false},
                {tag: "TO", tf: 1, sig: 1, nav: false, to: true, from: false},
                {tag: "FROM", tf: 2, sig: 1, nav: false, to: false, from: true},
                {tag: "TO without signal", tf: 1, sig: 0, nav: true, to: true, from: false},
                {tag: "FROM without signal", tf: 2, sig: 0, nav: true, to: false, from: true},
                {tag: "3 with signal shows none", tf: 3, sig: 1, nav: false, to: false, from: false},
                {tag: "3 without signal", tf: 3, sig: 0, nav: true, to: false, from: false},
                {tag: "negative signal counts", tf: 1, sig: -1, nav: false, to: true, from: false},
            ]
        }
        function test_flags(d) {
            obs.toFromNav = d.tf
            obs.nav2sig = d.sig
            compare([part("navFlag").visible, part("toFlag").visible, part("fromFlag").visible],
                    [d.nav, d.to, d.from])
        }
    }
}
