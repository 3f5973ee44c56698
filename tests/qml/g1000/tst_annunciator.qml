import QtQuick
import QtTest
import "qrc:/Classes/Modules.js" as Modules

// The annunciator list: every line's condition (absent fields are not
// numbers, empty fields read 0), the order without gaps, the window fitted to
// the list, the zoom and the keys with the general lock file's rules.
Item {
    id: stage
    width: 700
    height: 900

    readonly property var annunciatorComponent: Qt.createComponent("qrc:/Caravan/G1000/Annunciator/Annunciator.qml")

    QtObject {
        id: windowStandIn
        property var calls: []
        function setFixedSize(w, h) { calls = calls.concat([["fixed", w, h]]) }
        function setPosition(x, y) { calls = calls.concat([["position", x, y]]) }
        function saveWindowGeometry() { calls = calls.concat([["save"]]) }
    }

    // A value vector under which no line is shown.
    function quiet() {
        const v = new Array(107).fill("50")
        v[79] = "28"
        v[85] = v[86] = v[87] = "0"
        v[40] = v[41] = "100"
        return v
    }

    TestCase {
        name: "AnnunciatorDisplay"
        when: windowShown

        property var display: null

        function make(config, windowNumber) {
            testSupport.clearExchange()
            windowStandIn.calls = []
            testSupport.setContextProperty("viewManager", windowStandIn)
            compare(stage.annunciatorComponent.status, Component.Ready, stage.annunciatorComponent.errorString())
            const props = {windowNumber: windowNumber === undefined ? 1 : windowNumber}
            if (config !== undefined)
                props.config = config
            display = createTemporaryObject(stage.annunciatorComponent, stage, props)
            verify(display)
            return display
        }
        // The list laid out now (a column places its lines when it is next
        // polished).
        function layOut() {
            findChild(display, "container").forceLayout()
        }
        // The names of the lines shown, from the top.
        function shownLines() {
            layOut()
            const list = findChild(display, "container")
            const out = []
            for (let i = 0; i < list.children.length; ++i) {
                const c = list.children[i]
                if (c.visible && c.objectName !== "")
                    out.push([c.objectName, c.y])
            }
            out.sort((a, b) => a[1] - b[1])
            return out.map(e => e[0])
        }

        // Fields changed from the quiet vector (undefined: the vector ends
        // before that field) and the lines then shown, in display order.
        function test_conditions_data() {
            return [
                {tag: "quiet", f: {}, lines: []},
                {tag: "engine fire", f: {75: "1"}, lines: ["engineFire"]},
                {tag: "engine fire 1.0", f: {75: "1.0"}, lines: ["engineFire"]},
                {tag: "oil pressure 35", f: {1: "35"}, lines: ["oilPressLow"]},
                {tag: "oil pressure 40", f: {1: "40"}, lines: []},
                {tag: "oil pressure empty reads 0", f: {1: ""}, lines: ["oilPressLow"]},
                {tag: "reservoir fuel", f: {78: "2.9"}, lines: ["rsvrFuelLow"]},
                {tag: "voltage low", f: {36: "1"}, lines: ["voltageLow"]},
                {tag: "voltage high", f: {79: "32.1"}, lines: ["voltageHigh"]},
                {tag: "voltage 32 is not high", f: {79: "32"}, lines: []},
                {tag: "alternator amps high", f: {91: "76"}, lines: ["altnrAmps"]},
                {tag: "alternator amps low", f: {91: "-11"}, lines: ["altnrAmps"]},
                {tag: "chip", f: {80: "1"}, lines: ["chipDetect"]},
                {tag: "door", f: {81: "1"}, lines: ["doorUnlatched"]},
                {tag: "boost pump", f: {82: "1"}, lines: ["fuelBoostOn"]},
                {tag: "fuel pressure", f: {83: "2.4"}, lines: ["fuelPressLow"]},
                {tag: "generator off", f: {73: "0"}, lines: ["generatorOff"]},
                {tag: "generator amps high", f: {73: "250"}, lines: ["generatorAmps"]},
                {tag: "generator amps low", f: {73: "-10.5"}, lines: ["generatorAmps"]},
                {tag: "both tanks low", f: {40: "50", 41: "50"}, lines: ["lrFuelLow"]},
                {tag: "left tank low", f: {40: "50", 41: "100"}, lines: ["lFuelLow"]},
                {tag: "right tank low", f: {40: "77", 41: "76.9"}, lines: ["rFuelLow"]},
                {tag: "both pitot heats", f: {85: "1", 86: "1"}, lines: ["lrPsHeat"]},
                {tag: "left pitot heat", f: {85: "1"}, lines: ["lPsHeat"]},
                {tag: "right pitot heat", f: {86: "0.5"}, lines: ["rPsHeat"]},
                {tag: "stall heat", f: {87: "1"}, lines: ["stallHeat"]},
                {tag: "starter", f: {88: "1"}, lines: ["starterOn"]},
                {tag: "stand-by power inop", f: {84: "0", 90: "0", 91: "0"}, lines: ["stbyPwrInop"]},
                {tag: "stand-by power on", f: {84: "0", 90: "1", 91: "0"}, lines: ["stbyPwOn"]},
                {tag: "ignition", f: {89: "1"}, lines: ["ignitionOn"]},
                {tag: "fire and ignition in order", f: {89: "1", 75: "1"}, lines: ["engineFire", "ignitionOn"]},
                {tag: "many in order", f: {88: "1", 1: "10", 40: "1", 41: "1", 36: "1"},
                 lines: ["oilPressLow", "voltageLow", "lrFuelLow", "starterOn"]},
                // Absent fields: every comparison with them is false.
                {tag: "empty vector", vector: [], lines: []},
            ]
        }
        function test_conditions(d) {
            make()
            const v = d.vector === undefined ? stage.quiet() : d.vector
            for (const k in d.f)
                v[k] = d.f[k]
            display.instrumentValues = v
            compare(shownLines(), d.lines)
        }

        // The left-tank line with field 41 absent: "not below" holds.
        function test_absentIsNotANumber() {
            make()
            const v = stage.quiet().slice(0, 41)
            v[40] = "10"
            display.instrumentValues = v
            // Fields 73 and above are absent too: no generator or heat line.
            compare(shownLines(), ["lFuelLow"])
        }

        // Lines close up from 16 units below the top, 2 apart; the window
        // follows every line shown or hidden.
        function test_listAndWindowSize() {
            make()
            const v = stage.quiet()
            v[75] = "1"; v[89] = "1"
            display.instrumentValues = v
            layOut()
            const fire = findChild(display, "engineFire"), ignition = findChild(display, "ignitionOn")
            compare(fire.mapToItem(display, 0, 0).y, 16)
            compare(ignition.mapToItem(display, 0, 0).y, 16 + fire.height + 2)
            const twoLines = display.height
            compare(twoLines, fire.height + ignition.height + 2 + 32)
            compare(windowStandIn.calls[windowStandIn.calls.length - 1], ["fixed", 120, twoLines])
            v[75] = "0"
            display.instrumentValues = v
            layOut()
            compare(display.height, ignition.height + 32)
            compare(windowStandIn.calls[windowStandIn.calls.length - 1], ["fixed", 120, display.height])
            display.instrumentValues = stage.quiet()
            layOut()
            compare(display.height, 32)
        }

        function test_wheelZoom() {
            make()
            display.instrumentValues = stage.quiet().map((t, i) => i === 75 ? "1" : t)
            layOut()
            const oneLine = display.height - 32
            testSupport.write(Modules.lockGeralPath, "1")
            mouseWheel(display, 10, 10, 0, 120)
            compare(display.zoom, 1)
            testSupport.write(Modules.lockGeralPath, "0")
            mouseWheel(display, 10, 10, 0, 120)
            fuzzyCompare(display.zoom, 1.1, 1e-12)
            fuzzyCompare(display.width, 132, 1e-9)
            fuzzyCompare(display.height, oneLine * 1.1 + 32, 1e-9)
            compare(windowStandIn.calls[windowStandIn.calls.length - 1][0], "fixed")
            for (let i = 0; i < 50; ++i)
                mouseWheel(display, 10, 10, 0, 120)
            compare(display.zoom, 5)
            for (let i = 0; i < 60; ++i)
                mouseWheel(display, 10, 10, 0, -120)
            compare(display.zoom, 1)
        }

        // S writes the file of the window number, R reads it back; L flips
        // the general lock file whatever it says.
        function test_keys_data() {
            return [{tag: "window 1", n: 1, file: Modules.Annunciator.configFiles[0]},
                    {tag: "window 2", n: 2, file: Modules.Annunciator.configFiles[1]}]
        }
        function test_keys(d) {
            make("30,40,120,80,2.5", d.n)
            compare(display.zoom, 2.5) // the stored zoom, restored
            display.forceActiveFocus()
            const path = Modules.path(d.file)
            testSupport.write(Modules.lockGeralPath, "1")
            keyClick(Qt.Key_S)
            compare(testSupport.read(path), "<missing>")
            testSupport.write(Modules.lockGeralPath, "0")
            display.zoom = 3
            keyClick(Qt.Key_S)
            compare(testSupport.read(path), "30,40,120,80,3")
            compare(windowStandIn.calls[windowStandIn.calls.length - 1], ["save"])
            testSupport.write(path, "300,400,120,80,1.5")
            keyClick(Qt.Key_R)
            compare(display.zoom, 1.5)
            compare(windowStandIn.calls[windowStandIn.calls.length - 1], ["position", 300, 400])
            // Too short a file changes nothing.
            testSupport.write(path, "1,2,3,4")
            keyClick(Qt.Key_R)
            compare(display.zoom, 1.5)
            keyClick(Qt.Key_L)
            compare(testSupport.read(Modules.lockGeralPath), "1")
            keyClick(Qt.Key_L)
            compare(testSupport.read(Modules.lockGeralPath), "0")
        }

        // A window number without a file stores nothing of its own.
        function test_otherWindowNumberWritesNoFile() {
            make("30,40,120,80,2", 3)
            display.forceActiveFocus()
            testSupport.write(Modules.lockGeralPath, "0")
            keyClick(Qt.Key_S)
            for (const f of Modules.Annunciator.configFiles)
                compare(testSupport.read(Modules.path(f)), "<missing>")
        }
    }
}
