import QtQuick
import QtTest
import "qrc:/Cessna/Instrumentos/Manifold"
import "qrc:/Cessna/Instrumentos/Suction"
import "qrc:/Cessna/Instrumentos/Trim"
import "qrc:/Cessna/Instrumentos/Manifold/ManifoldScale.js" as ManifoldScale
import "qrc:/Cessna/Instrumentos/Suction/SuctionScale.js" as SuctionScale

// The gauges the stand-by panel shares with the Cessna panel: manifold
// pressure and suction (eased needles) and the trim and flap indicator.
Item {
    width: 600
    height: 210

    ManifoldInst { id: manifold }
    SuctionInst { id: suction; x: 220 }
    TrimInst { id: trim; x: 440 }

    // The layer of a gauge with the given object name.
    function layerNamed(item, name) {
        for (let i = 0; i < item.children.length; ++i) {
            const child = item.children[i]
            if (child.objectName === name)
                return child
            const found = layerNamed(child, name)
            if (found)
                return found
        }
        return null
    }
    function needleOf(gauge) { return layerNamed(gauge, "needle").transform[0] }

    // Sets an eased gauge to a new value and follows its needle to `target`:
    // true when the needle passed through angles in between and took at least
    // the second the sweep lasts (a loaded machine may make it longer).
    function sweep(test, gauge, apply, from, target) {
        const start = Date.now()
        let between = false
        apply()
        test.tryVerify(function() {
            const a = needleOf(gauge).angle
            if (Math.abs(a - target) > 1e-6 && Math.min(from, target) < a && a < Math.max(from, target))
                between = true
            return Math.abs(a - target) < 1e-6
        }, 5000)
        test.verify(between, "no angle between " + from + " and " + target)
        const took = Date.now() - start
        test.verify(took >= 950, "took " + took + " ms")
    }

    TestCase {
        name: "Manifold"
        when: windowShown

        function test_scale_data() {
            return [
                {tag: "below", m: 5, a: 0}, {tag: "10", m: 10, a: 0}, {tag: "just above 10", m: 10.1, a: 0.75},
                {tag: "30", m: 30, a: 150}, {tag: "49.9", m: 49.9, a: 299.25},
                {tag: "50", m: 50, a: 300}, {tag: "60", m: 60, a: 300},
                {tag: "not a number", m: NaN, a: 0},
            ]
        }
        function test_scale(d) {
            fuzzyCompare(ManifoldScale.needleAngle(d.m), d.a, 1e-9)
        }

        // The needle sweeps to a new reading over one second instead of jumping.
        function test_sweepTakesOneSecond() {
            manifold.manifoldValue = 10
            tryCompare(needleOf(manifold), "angle", 0, 3000)
            sweep(this, manifold, function() { manifold.manifoldValue = 30 }, 0, 150)
        }

        function test_layers() {
            const face = findChild(manifold, "face"), needle = findChild(manifold, "needle")
            compare([face.width, face.height, needle.width, needle.height], [210, 210, 210, 210])
            compare([needleOf(manifold).origin.x, needleOf(manifold).origin.y], [105, 105])
            compare(face.status, Image.Ready)
            compare(needle.status, Image.Ready)
        }
    }

    TestCase {
        name: "Suction"
        when: windowShown

        function test_scale_data() {
            return [
                {tag: "-1", s: -1, a: -21.6667}, {tag: "0", s: 0, a: 0}, {tag: "3", s: 3, a: 65},
                {tag: "3.5", s: 3.5, a: 91.5}, {tag: "4", s: 4, a: 118}, {tag: "5", s: 5, a: 180},
                {tag: "6", s: 6, a: 242}, {tag: "7", s: 7, a: 295}, {tag: "no upper stop", s: 8, a: 348},
            ]
        }
        function test_scale(d) {
            fuzzyCompare(SuctionScale.needleAngle(d.s), d.a, 1e-4)
        }

        function test_needleSweeps() {
            suction.suctionValue = 0
            tryCompare(needleOf(suction), "angle", 0, 3000)
            sweep(this, suction, function() { suction.suctionValue = 5 }, 0, 180)
            sweep(this, suction, function() { suction.suctionValue = -1 }, 180, -65 / 3)
        }

        function test_layers() {
            compare(findChild(suction, "face").status, Image.Ready)
            compare(findChild(suction, "needle").status, Image.Ready)
            compare([needleOf(suction).origin.x, needleOf(suction).origin.y], [105, 105])
        }
    }

    TestCase {
        name: "Trim"
        when: windowShown

        function test_flapText_data() {
            return [
                {tag: "full", f: 1, t: "FULL"}, {tag: "0.9", f: 0.9, t: "20"},
                {tag: "past a third", f: 0.34, t: "20"}, {tag: "at a third", f: 1 / 3, t: "10"},
                {tag: "0.2", f: 0.2, t: "10"}, {tag: "zero", f: 0, t: "0"},
                {tag: "negative", f: -0.1, t: "0"}, {tag: "beyond full", f: 1.2, t: "20"},
            ]
        }
        function test_flapText(d) {
            trim.flaps = d.f
            compare(findChild(trim, "flapText").text, d.t)
        }

        function test_indicator_data() {
            return [
                {tag: "neutral", t: 0, y: 58}, {tag: "nose down", t: -1, y: 11.5},
                {tag: "nose up", t: 1, y: 104.5}, {tag: "no stop", t: 2, y: 151},
            ]
        }
        function test_indicator(d) {
            trim.trim = d.t
            fuzzyCompare(findChild(trim, "indicator").y, d.y, 1e-9)
        }

        function test_layers() {
            compare([trim.width, trim.height], [86, 182])
            const panel = findChild(trim, "panel"), ind = findChild(trim, "indicator")
            compare([panel.width, panel.height], [86, 182])
            compare([ind.x, ind.width, ind.height], [64.5, 21.5, 10])
            compare(panel.status, Image.Ready)
            compare(ind.status, Image.Ready)
            const text = findChild(trim, "flapText")
            compare([text.y, text.font.pixelSize, String(text.color)], [145, 33, "#ffffff"])
            // Centring anchors align to whole pixels.
            fuzzyCompare(text.x + text.width / 2, 43, 0.5)
        }
    }

    // The stand-by panel loads these gauges from its own folder.
    TestCase {
        name: "StandByMounts"
        when: windowShown

        function test_loads_data() {
            return [
                {tag: "Manifold", url: "qrc:/Cessna/StandBy/instrumentos/Manifold/ManifoldInst.qml"},
                {tag: "Suction", url: "qrc:/Cessna/StandBy/instrumentos/Suction/SuctionInst.qml"},
                {tag: "Trim", url: "qrc:/Cessna/StandBy/instrumentos/Trim/TrimInst.qml"},
                {tag: "Trim (Cessna)", url: "qrc:/Cessna/instrumentos/Trim/TrimInst.qml"},
            ]
        }
        function test_loads(d) {
            const component = Qt.createComponent(d.url)
            compare(component.status, Component.Ready, component.errorString())
            const gauge = createTemporaryObject(component, parent)
            verify(gauge)
            for (const name of ["face", "needle", "panel", "indicator"]) {
                const layer = findChild(gauge, name)
                if (layer)
                    compare(layer.status, Image.Ready, name)
            }
        }
    }
}
