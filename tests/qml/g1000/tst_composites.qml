import QtQuick
import QtTest
import "qrc:/Classes/Modules.js" as Modules

// The composed G1000 screens and the Analogicos block on a real file service:
// the shared file's save (this screen's block only), the distribution of both
// configuration forms, the avionics page rules of a screen with its own file,
// and the zoom limits.
Item {
    id: stage
    width: 1920
    height: 1080

    readonly property var sharedComponent: Qt.createComponent("qrc:/Caravan/G1000/g1000.qml")
    readonly property var ownComponent: Qt.createComponent("qrc:/Caravan/G1000/n1.qml")
    readonly property var blockComponent: Qt.createComponent("qrc:/Caravan/G1000/Analogicos/Analogicos.qml")

    QtObject {
        id: windowStandIn
        property var calls: []
        function setPosition(x, y) { calls = calls.concat([["position", x, y]]) }
        function setSize(w, h) { calls = calls.concat([["size", w, h]]) }
        function saveWindowGeometry() { calls = calls.concat([["save"]]) }
        function saveWindowGeometryByModuleId(key) { calls = calls.concat([["save", key]]) }
    }

    // A block of the shared file as g1000.qml writes it for a 700 x 1000
    // screen, its engine strip at x `engineX`.
    function block(screen, engineX) {
        return ["N" + screen + "-0,0,700,1000,1.0000", "A-0,0,0,0,0", "E-" + engineX + ",20,240,1000,1.5000",
                "R-250,360,330,230,1", "S-590,305,90,342,0.8000"].join("\n")
    }
    // A value vector with fields 92 to 94 set.
    function pages(references, a, b) {
        const v = new Array(95).fill("0")
        v[92] = references
        v[93] = a
        v[94] = b
        return v.join(";")
    }

    TestCase {
        name: "G1000Composites"
        when: windowShown

        property var doc: null

        // g1000.qml on `screen` over the shared file, or n1.qml over its own.
        function make(form, screen, text, values) {
            testSupport.clearExchange()
            testSupport.write(Modules.lockGeralPath, "0")
            testSupport.setContextProperty("TimedProcessing", values === undefined ? "" : values)
            testSupport.setContextProperty("viewManager", windowStandIn)
            windowStandIn.calls = []
            let component = stage.sharedComponent
            if (form === "shared") {
                testSupport.write(Modules.G1000.configPath, text)
                testSupport.setContextProperty("configStringG1000", text)
                testSupport.setContextProperty("idScreen", screen)
            } else {
                // (The service's read creates the G1000 folder with the file.)
                fileclass.readConfigFromFile(ownPath(screen), text)
                testSupport.setContextProperty("configString", text)
                testSupport.setContextProperty("id", screen)
                component = stage.ownComponent
            }
            compare(component.status, Component.Ready, component.errorString())
            doc = createTemporaryObject(component, stage, {width: 700, height: 1000})
            verify(doc)
            doc.forceActiveFocus()
            return doc
        }
        function ownPath(screen) {
            return Modules.G1000Screen.configPath.replace("%1", screen)
        }
        function display(name) {
            const d = findChild(doc, name)
            verify(d, name)
            return d
        }
        // x, y and zoom (the speed markers' scale) of a display; the engine
        // strip is placed by its slot.
        function placement(name) {
            const d = display(name)
            const placed = name === "engine" ? display("engineSlot") : d
            return [placed.x, placed.y, name === "speeds" ? d.scale : d.zoom]
        }

        // S writes this screen's block where it stood (or at the end), keeps
        // every other line and drops empty ones; the window's place follows
        // under the screen's key. The engine strip is moved to x 33 first.
        function test_sharedSave_data() {
            const b = stage.block
            const defaultBlock2 = ["N2-0,0,700,1000,1.0000", "A-0,0,0,0,0", "E-33,0,240,1000,1.0000",
                                   "R-250,360,330,230,1", "S-590,305,90,342,1.0000"].join("\n")
            return [
                {tag: "one screen", screen: 1, before: b(1, 10), after: b(1, 33)},
                {tag: "two screens, the second saved", screen: 2, before: b(1, 10) + "\n\n" + b(2, 10),
                 after: b(1, 10) + "\n" + b(2, 33)},
                {tag: "two screens, the first saved", screen: 1, before: b(1, 10) + "\n\n" + b(2, 10),
                 after: b(1, 33) + "\n\n" + b(2, 10)},
                {tag: "a missing screen appended, placed by the default", screen: 2, before: b(1, 10),
                 after: b(1, 10) + "\n" + defaultBlock2},
                {tag: "stray empty lines and blanks", screen: 1,
                 before: "\n  \n" + b(1, 10).replace("\nA-", "\n\nA-") + "  \n\n\n" + b(2, 10) + "\n\n",
                 after: b(1, 33) + "\n\n" + b(2, 10)},
                {tag: "a damaged block keeps the next screen's", screen: 1,
                 before: "N1-5,5,700,1000,1\nE-10,20,240,1000,1.5000\n" + b(2, 10),
                 after: ["N1-0,0,700,1000,1.0000", "A-0,0,0,0,0", "E-33,20,240,1000,1.5000", "R-250,360,330,230,1",
                         "S-590,305,90,342,1.0000"].join("\n") + "\n\n" + b(2, 10)},
                {tag: "locked: nothing written", screen: 1, before: b(1, 10), lock: "1", after: b(1, 10)},
            ]
        }
        function test_sharedSave(d) {
            make("shared", d.screen, d.before)
            if (d.lock !== undefined)
                testSupport.write(Modules.lockGeralPath, d.lock)
            display("engineSlot").x = 33
            windowStandIn.calls = []
            keyClick(Qt.Key_S)
            compare(testSupport.read(Modules.G1000.configPath), d.after)
            compare(windowStandIn.calls, d.lock === undefined ? [["save", "N" + d.screen]] : [])
        }

        // Each form to the window and the three displays: x, y and zoom (the
        // speed markers' scale); a missing or damaged line gives the default's.
        function test_distribution_data() {
            const b = stage.block
            const own = "100,50,800,900,1.25\nE-5,6,1.5\nR-7,8,330,230,1.2\nS-9,10,90,342,0.9"
            const defaults = {engine: [0, 0, 1], references: [250, 360, 1], speeds: [590, 305, 1]}
            return [
                {tag: "shared: screen 2's own block, not the last lines", form: "shared", screen: 2,
                 text: b(2, 70).replace("N2-0,0", "N2-960,40").replace("R-250,360", "R-11,12")
                       + "\n\n" + b(1, 10) + "\nS-1,1,90,342,2",
                 window: [["position", 960, 40], ["size", 700, 1000]],
                 engine: [70, 20, 1.5], references: [11, 12, 1], speeds: [590, 305, 0.8]},
                {tag: "shared: no block for the screen", form: "shared", screen: 3, text: b(1, 10),
                 window: [["position", 0, 40], ["size", 700, 1000]],
                 engine: defaults.engine, references: defaults.references, speeds: defaults.speeds},
                {tag: "shared: window line not numbers", form: "shared", screen: 1,
                 text: b(1, 10).replace("N1-0,0,700,1000", "N1-a,b,c,d"), window: [],
                 engine: [10, 20, 1.5], references: defaults.references, speeds: [590, 305, 0.8]},
                {tag: "own file", form: "own", screen: 1, text: own, scale: 1.25,
                 window: [["position", 100, 50], ["size", 800, 900]],
                 engine: [5, 6, 1.5], references: [7, 8, 1.2], speeds: [9, 10, 0.9]},
                {tag: "own file: zoom beyond 3", form: "own", screen: 1, text: own.replace("E-5,6,1.5", "E-5,6,7"),
                 scale: 1.25, window: [["position", 100, 50], ["size", 800, 900]],
                 engine: [5, 6, 3], references: [7, 8, 1.2], speeds: [9, 10, 0.9]},
                {tag: "own file: display zooms beyond any layout's held", form: "own", screen: 1,
                 text: own.replace("330,230,1.2", "330,230,50").replace("90,342,0.9", "90,342,99"), scale: 1.25,
                 window: [["position", 100, 50], ["size", 800, 900]],
                 engine: [5, 6, 1.5], references: [7, 8, 20], speeds: [9, 10, 20]},
                {tag: "shared: display zoom beyond any layout's held", form: "shared", screen: 1,
                 text: b(1, 10).replace("E-10,20,240,1000,1.5000", "E-10,20,240,1000,60"), window: [["position", 0, 0], ["size", 700, 1000]],
                 engine: [10, 20, 20], references: defaults.references, speeds: [590, 305, 0.8]},
                {tag: "own file: lines without their prefixes", form: "own", screen: 1,
                 text: "junk\n5,6,1.5\nX-7,8\n", scale: 1, window: [],
                 engine: defaults.engine, references: defaults.references, speeds: defaults.speeds},
            ]
        }
        function test_distribution(d) {
            make(d.form, d.screen, d.text)
            compare(windowStandIn.calls, d.window)
            compare(placement("engine"), d.engine)
            compare(placement("references"), d.references)
            compare(placement("speeds"), d.speeds)
            if (d.scale !== undefined)
                compare(doc.scale, d.scale)
        }

        // Pages A (field 93) and B (94, trimmed) of a screen with its own
        // file: where its window goes, whether its engine strip shows, and
        // that a later neutral page puts both back. The references page
        // shows while field 92 is 2.
        function test_pageRules_data() {
            return [
                {tag: "2 on the databases: off screen", screen: 2, a: "PFD - PFD", b: "DATABASES", x: -10000, engine: true},
                {tag: "2 on the splash screen, padded", screen: 2, a: "PFD - PFD", b: " SPLASHSCREEN ", x: -10000, engine: true},
                {tag: "2 with page A padded stays", screen: 2, a: " PFD - PFD", b: "DATABASES", engine: true},
                {tag: "2 on the navigation page stays", screen: 2, a: "PFD - PFD", b: "NAV - DEFAULT NAV", engine: true},
                {tag: "1 on the navigation page hides the strip", screen: 1, a: "PFD - PFD", b: "NAV - DEFAULT NAV", engine: false},
                {tag: "3 on the navigation page hides the strip", screen: 3, a: "PFD - PFD", b: "NAV - DEFAULT NAV", engine: false},
                {tag: "1 on the databases stays", screen: 1, a: "PFD - PFD", b: "DATABASES", engine: true},
                {tag: "references page open", screen: 1, a: "", b: "", references: "2", engine: true},
            ]
        }
        function test_pageRules(d) {
            make("own", d.screen, "100,50,800,900,1\nE-5,6,1\nR-7,8,330,230,1\nS-9,10,90,342,1")
            windowStandIn.calls = []
            testSupport.setContextProperty("TimedProcessing",
                                           stage.pages(d.references === undefined ? "0" : d.references, d.a, d.b))
            compare(windowStandIn.calls, d.x === undefined ? [] : [["position", d.x, 50]])
            compare(display("engineSlot").visible, d.engine)
            compare(display("references").visible, d.references === "2")
            // S keeps an off-screen place out of the file.
            windowStandIn.calls = []
            keyClick(Qt.Key_S)
            compare(windowStandIn.calls, d.x === undefined ? [["save"]] : [])
            windowStandIn.calls = []
            testSupport.setContextProperty("TimedProcessing", stage.pages("0", "MFD - MFD", ""))
            compare(windowStandIn.calls, d.x === undefined ? [] : [["position", 100, 50]])
            compare([display("engineSlot").visible, display("references").visible], [true, false])
        }

        // Wheel notches on a screen with its own file (engine strip, 1/20 a
        // notch, 0.1 to 3, only while lockGeral.txt reads "0") and on the
        // Analogicos block (x 1.05 a notch, 1.01 with Ctrl, 0.2 to 5).
        function test_zoomLimits_data() {
            return [
                {tag: "strip: a notch up", doc: "own", notches: 1, zoom: 1.05, stored: "1.0500"},
                {tag: "strip: stops at 3", doc: "own", notches: 60, zoom: 3, stored: "3.0000"},
                {tag: "strip: stops at 0.1", doc: "own", notches: -40, zoom: 0.1, stored: "0.1000"},
                {tag: "strip: locked", doc: "own", notches: 5, lock: "1", zoom: 1, stored: "1"},
                {tag: "block: a notch up", doc: "block", notches: 1, zoom: 1.05},
                {tag: "block: a notch with Ctrl", doc: "block", notches: 1, ctrl: true, zoom: 1.01},
                {tag: "block: a notch down", doc: "block", notches: -1, zoom: 1 / 1.05},
                {tag: "block: a touchpad's 40 pixels", doc: "block", pixels: 40, zoom: 1.05},
                {tag: "block: stops at 5", doc: "block", notches: 40, zoom: 5},
                {tag: "block: stops at 0.2", doc: "block", notches: -40, zoom: 0.2},
            ]
        }
        function test_zoomLimits(d) {
            if (d.doc === "own") {
                make("own", 1, "0,0,700,1000,1\nE-5,6,1\nR-7,8,330,230,1\nS-9,10,90,342,1")
                if (d.lock !== undefined)
                    testSupport.write(Modules.lockGeralPath, d.lock)
                for (let i = 0; i < Math.abs(d.notches); ++i)
                    mouseWheel(doc, 400, 500, 0, d.notches > 0 ? 120 : -120)
                fuzzyCompare(display("engine").zoom, d.zoom, 1e-9)
                compare(doc.engineConfig, "5,6," + d.stored)
                return
            }
            testSupport.setContextProperty("configStringCaravan", Modules.Caravan.defaultLayout)
            testSupport.setContextProperty("viewManager", null)
            compare(stage.blockComponent.status, Component.Ready, stage.blockComponent.errorString())
            const block = createTemporaryObject(stage.blockComponent, stage)
            verify(block)
            compare(block.files, null, "no file service unless the host sets one")
            if (d.pixels !== undefined)
                block.zoomByWheel(0, d.pixels, false)
            for (let i = 0; i < Math.abs(d.notches || 0); ++i)
                mouseWheel(block, 100, 100, 0, d.notches > 0 ? 120 : -120, Qt.NoButton,
                           d.ctrl ? Qt.ControlModifier : Qt.NoModifier)
            fuzzyCompare(block.scale, d.zoom, 1e-9)
        }
    }
}
