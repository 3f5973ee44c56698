import QtQuick
import QtTest
import "qrc:/Cessna/Instrumentos/Rpm"
import "qrc:/Cessna/Instrumentos/DualFuel"
import "qrc:/Cessna/Instrumentos/EgtFuelFlow"
import "qrc:/Cessna/Instrumentos/OilTempPress"
import "qrc:/Cessna/Instrumentos/VacAmp"

// Needle gauges without animation, bound to value-vector fields the way the
// Cessna panel binds them: the field's text, or 0 when the field is missing.
Item {
    width: 1100
    height: 210

    property var fields: []
    function field(i) { return i < fields.length ? fields[i] : 0 }
    function setFields(map) {
        const f = []
        for (const k in map) {
            while (f.length <= k) f.push("0")
            f[k] = map[k]
        }
        fields = f
    }

    RpmInst { id: rpm; value: field(17) }
    DualFuelInst { id: fuel; x: 220; leftFuel: field(2); rightFuel: field(3) }
    EgtFuelFlowInst { id: egt; x: 440; egtDeg: field(9); fuelGalhour: field(7) }
    OilTempPressInst { id: oil; x: 660; temp: field(0); press: field(1) }
    VacAmpInst { id: vacAmp; x: 880; vac: field(13); amp: field(14) }

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
    function angleOf(gauge, name) { return layerNamed(gauge, name).transform[0].angle }
    // Gauge point about which a layer turns.
    function pivotOf(gauge, name) {
        const l = layerNamed(gauge, name), r = l.transform[0]
        return [l.x + r.origin.x, l.y + r.origin.y]
    }
    function checkLayers(test, gauge, names, width, height) {
        for (const n of names) {
            const l = layerNamed(gauge, n)
            test.verify(l, n)
            test.compare([l.width, l.height], [width, height], n)
            test.compare(l.status, Image.Ready, n)
        }
    }

    TestCase {
        name: "Rpm"
        when: windowShown

        function test_needle_data() {
            return [
                {tag: "negative", v: -100, a: -126}, {tag: "zero", v: 0, a: -126},
                {tag: "2500", v: 2500, a: 54}, {tag: "3500", v: 3500, a: 126},
                {tag: "no upper stop", v: 4000, a: 162}, {tag: "fraction", v: 1250.5, a: -35.964},
            ]
        }
        function test_needle(d) {
            setFields({17: String(d.v)})
            fuzzyCompare(angleOf(rpm, "needle"), d.a, 1e-9)
        }
        function test_missingFieldRests() {
            fields = []
            compare(angleOf(rpm, "needle"), -126)
        }
        function test_layers() {
            checkLayers(this, rpm, ["face", "needle"], 210, 210)
            compare(pivotOf(rpm, "needle"), [105, 105])
            compare([rpm.width, rpm.height], [210, 210])
        }
    }

    TestCase {
        name: "DualFuel"
        when: windowShown

        // Kilograms of avgas on a face in US gallons (0 to 26): 14 and 19
        // gallons of a real simulator's tanks read 14 and 19.
        function test_needles_data() {
            return [
                {tag: "empty", f: 0, a: 148}, {tag: "14 gal", f: 38.21, a: 148 - 90 * 14 / 26},
                {tag: "19 gal", f: 51.856, a: 148 - 90 * 19 / 26}, {tag: "full", f: 70.961, a: 58},
                {tag: "stops at full", f: 80, a: 58}, {tag: "no lower stop", f: -5, a: 154.341},
            ]
        }
        function test_needles(d) {
            setFields({2: String(d.f), 3: String(d.f)})
            fuzzyCompare(angleOf(fuel, "leftNeedle"), d.a, d.tol || 5e-4)
            fuzzyCompare(angleOf(fuel, "rightNeedle"), -d.a, d.tol || 5e-4)
        }
        function test_tanksAreIndependent() {
            setFields({2: "0", 3: "76"})
            compare(angleOf(fuel, "leftNeedle"), 148)
            compare(angleOf(fuel, "rightNeedle"), -58)
        }
        function test_layers() {
            checkLayers(this, fuel, ["face", "leftNeedle", "rightNeedle", "cover"], 210, 210)
            compare(pivotOf(fuel, "leftNeedle"), [50, 105])
            compare(pivotOf(fuel, "rightNeedle"), [160, 105])
            compare(layerNamed(fuel, "leftNeedle").source, layerNamed(fuel, "rightNeedle").source)
        }
    }

    TestCase {
        name: "EgtFuelFlow"
        when: windowShown

        function test_egt_data() {
            return [
                {tag: "cold", e: 0, a: 145}, {tag: "at 961", e: 961, a: 145},
                {tag: "1100", e: 1100, a: 105.337}, {tag: "at 1350", e: 1350, a: 34},
                {tag: "beyond", e: 1600, a: 34},
            ]
        }
        function test_egt(d) {
            setFields({9: String(d.e)})
            fuzzyCompare(angleOf(egt, "egtNeedle"), d.a, 5e-4)
        }
        function test_flow_data() {
            return [
                {tag: "negative", q: -5, a: 204}, {tag: "zero", q: 0, a: 212},
                {tag: "at 5", q: 5, a: 220}, {tag: "just past 5", q: 5.0001, a: 222.00077},
                {tag: "10", q: 10, a: 260.5}, {tag: "19", q: 19, a: 329.8},
                {tag: "no upper stop", q: 30, a: 414.5},
            ]
        }
        function test_flow(d) {
            setFields({7: String(d.q)})
            fuzzyCompare(angleOf(egt, "flowNeedle"), d.a, 1e-4)
        }
        // gallonsFsx and batteryVolts are accepted but move nothing.
        function test_unusedInputs() {
            setFields({7: "10", 9: "1100"})
            compare([egt.gallonsFsx, egt.batteryVolts], [0, 0])
            egt.gallonsFsx = 30
            egt.batteryVolts = 24
            fuzzyCompare(angleOf(egt, "flowNeedle"), 260.5, 1e-9)
            fuzzyCompare(angleOf(egt, "egtNeedle"), 105.337, 5e-4)
        }
        function test_layers() {
            checkLayers(this, egt, ["face", "egtNeedle", "flowNeedle", "cover"], 210, 210)
            compare(pivotOf(egt, "egtNeedle"), [45, 105])
            compare(pivotOf(egt, "flowNeedle"), [165, 105])
        }
    }

    TestCase {
        name: "OilTempPress"
        when: windowShown

        function test_temperature_data() {
            return [
                {tag: "below the scale", t: 50, a: 137}, {tag: "75", t: 75, a: 137},
                {tag: "87.5", t: 87.5, a: 132}, {tag: "100", t: 100, a: 127},
                {tag: "125", t: 125, a: 111.5}, {tag: "150", t: 150, a: 96},
                {tag: "200", t: 200, a: 63}, {tag: "245", t: 245, a: 38},
                {tag: "top segment runs on", t: 250, a: 35.2222}, {tag: "stops at 250", t: 300, a: 35.2222},
            ]
        }
        function test_temperature(d) {
            setFields({0: String(d.t)})
            fuzzyCompare(angleOf(oil, "tempNeedle"), d.a, 1e-4)
        }
        function test_pressure_data() {
            return [
                {tag: "negative", p: -10, a: -155}, {tag: "zero", p: 0, a: -145},
                {tag: "60", p: 60, a: -85}, {tag: "no upper stop", p: 200, a: 55},
            ]
        }
        function test_pressure(d) {
            setFields({1: String(d.p)})
            fuzzyCompare(angleOf(oil, "pressNeedle"), d.a, 1e-9)
        }
        function test_layers() {
            checkLayers(this, oil, ["face", "tempNeedle", "pressNeedle", "cover"], 210, 210)
            compare(pivotOf(oil, "tempNeedle"), [50, 105])
            compare(pivotOf(oil, "pressNeedle"), [160, 105])
        }
    }

    TestCase {
        name: "VacAmp"
        when: windowShown

        function test_suction_data() {
            return [
                {tag: "zero", v: 0, a: 147.5}, {tag: "at 2.9", v: 2.9, a: 147.5},
                {tag: "3", v: 3, a: 145}, {tag: "5", v: 5, a: 95},
                {tag: "at 7.1", v: 7.1, a: 42.5}, {tag: "beyond", v: 9, a: 42.5},
            ]
        }
        function test_suction(d) {
            setFields({13: String(d.v)})
            fuzzyCompare(angleOf(vacAmp, "vacNeedle"), d.a, 1e-9)
        }
        function test_ammeter_data() {
            return [
                {tag: "below", i: -80, a: 207}, {tag: "-60", i: -60, a: 207},
                {tag: "zero", i: 0, a: 267}, {tag: "10", i: 10, a: 277},
                {tag: "60", i: 60, a: 327}, {tag: "above", i: 75, a: 327},
            ]
        }
        function test_ammeter(d) {
            setFields({14: String(d.i)})
            fuzzyCompare(angleOf(vacAmp, "ampNeedle"), d.a, 1e-9)
        }
        function test_layers() {
            checkLayers(this, vacAmp, ["face", "vacNeedle", "ampNeedle", "cover"], 210, 210)
            compare(pivotOf(vacAmp, "vacNeedle"), [50, 105])
            compare(pivotOf(vacAmp, "ampNeedle"), [160, 105])
        }
    }
}
