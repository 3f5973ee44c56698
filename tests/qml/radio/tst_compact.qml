import QtQuick
import QtTest
import "RadioTestSupport.js" as T

// The compact radio panel: its own reading of the shared fields, the powered
// look and the off look, recolouring, the layout rule and the wheel zoom.
Item {
    id: top
    width: 1000
    height: 1000

    readonly property string configPath: testSupport.literalPath("configRadio.txt")

    ViewManagerStandIn { id: views }

    // The document's file name is not a type name.
    readonly property Component panelComponent: Qt.createComponent("qrc:/RadioCompacto/radioCompac.qml")

    TestCase {
        name: "CompactRadio"
        when: windowShown

        readonly property string ghost: "0.09,0.10,0.09,1.00"
        readonly property string red: "1.00,0.00,0.00,1.00"

        function init() {
            testSupport.clearExchange()
            views.clear()
            testSupport.setContextProperty("viewManager", views)
            testSupport.setContextProperty("timedDataString", T.compactVector({}))
            testSupport.setContextProperty("formDataString", T.defaultLayout)
            failOnWarning(/.*/)
        }

        function createPanel(vector, layout) {
            if (vector !== undefined)
                testSupport.setContextProperty("timedDataString", vector)
            if (layout !== undefined)
                testSupport.setContextProperty("formDataString", layout)
            var panel = createTemporaryObject(panelComponent, top)
            verify(panel)
            return panel
        }
        function push(vector) {
            testSupport.setContextProperty("timedDataString", vector)
        }
        function item(panel, name) {
            var found = findChild(panel, name)
            verify(found, name)
            return found
        }
        function texts(panel, names) {
            return names.map(name => item(panel, name).text).join(" ")
        }
        readonly property var frequencyNames: ["com", "comStby", "nav", "navStby", "nav2", "navStby2"]
        readonly property var digitNames: ["transponder1", "transponder2", "transponder3", "transponder4"]
        readonly property var annunciatorNames: ["ap", "rev", "apr", "gs", "arm", "hdg", "navhdg", "gpss",
                                                 "alt", "seta1", "vs", "seta2"]

        function test_powered() {
            var panel = createPanel()
            verify(panel.powered)
            compare(texts(panel, frequencyNames), "118.10 119.25 108.50 109.10 110.30 113.90")
            compare(item(panel, "adfFreq").text, "0350")
            compare(texts(panel, digitNames), "7 0 0 0")
            compare(item(panel, "approach").text, "-500")
            compare(item(panel, "altitudeDial").text, "950")
            for (const name of frequencyNames.concat(digitNames, ["adfFreq"])) {
                compare(T.rgb(item(panel, name).color), red, name)
                compare(item(panel, name).litOpacity, 1)
            }
            for (const name of annunciatorNames) {
                compare(T.rgb(item(panel, name).color), "0.00,0.00,0.00,1.00", name)
                compare(item(panel, name).litOpacity, 1)
            }
            var approach = findChild(item(panel, "approach"), "lit")
            compare(approach.x + approach.width, 220)
        }

        // No six-digit rule; no decimal point needed for the ADF.
        function test_formats() {
            var panel = createPanel(T.compactVector({1: "108.5", 30: "118.100", 14: "350", 4: "70"}))
            compare(item(panel, "nav2").text, "108.5")
            compare(item(panel, "com").text, "118.10")
            compare(item(panel, "adfFreq").text, "0350")
            compare(texts(panel, digitNames), "- - - -")
            push(T.compactVector({30: "x", 14: "adf", 20: "", 21: "abc"}))
            compare(item(panel, "com").text, "----")
            compare(item(panel, "adfFreq").text, "----")
            compare(item(panel, "approach").text, "----")
            compare(item(panel, "altitudeDial").text, "----")
            // a powered vector too short for the frequencies of set 1
            push(T.vector({25: "1", 29: "1"}, 30))
            compare(item(panel, "com").text, "0.")
        }

        function test_annunciators_data() {
            return [
                {tag: "none", f: {}, shown: []},
                {tag: "exactly 1", f: {12: "1", 15: "1", 17: "1", 18: "1", 19: "1", 23: "1", 24: "1", 26: "1"},
                 shown: ["ap", "rev", "apr", "arm", "hdg", "alt", "seta1", "vs"]},
                {tag: "above 1 is not 1", f: {15: "2", 17: "0.5", 18: "3", 19: "x", 23: "2", 24: "1.5"}, shown: []},
                {tag: "lower arrow", f: {26: "0"}, shown: ["seta2"]},
                {tag: "nav from field 16", f: {16: "1"}, shown: ["navhdg"]},
                {tag: "nav from field 27", f: {27: "1"}, shown: ["navhdg"]},
                {tag: "GPSS", f: {27: "2"}, shown: ["gpss"]},
                {tag: "GPSS and nav", f: {27: "2", 16: "1"}, shown: ["navhdg", "gpss"]},
                {tag: "GS", f: {34: "1"}, shown: ["gs"]},
            ]
        }
        function test_annunciators(d) {
            var f = {26: "2"}
            for (var k in d.f)
                f[k] = d.f[k]
            var panel = createPanel(T.compactVector(f))
            for (const name of annunciatorNames)
                compare(item(panel, name).shown, d.shown.indexOf(name) >= 0, name)
        }

        function test_offLook_data() {
            return [
                {tag: "bus 12 V", f: {29: "12"}},
                {tag: "switch 0", f: {25: "0"}},
                {tag: "switch 2", f: {25: "2"}},
                {tag: "switch absent", vector: "118.1;108.5"},
                {tag: "empty vector", vector: ""},
            ]
        }
        function test_offLook(d) {
            var panel = createPanel(d.vector !== undefined ? d.vector : T.compactVector(d.f))
            verify(!panel.powered)
            compare(texts(panel, frequencyNames), "188.88 188.88 188.88 188.88 188.88 188.88")
            compare(item(panel, "adfFreq").text, "8888")
            compare(texts(panel, digitNames), "8 8 8 8")
            for (const name of frequencyNames.concat(digitNames, ["adfFreq"])) {
                compare(T.rgb(item(panel, name).color), ghost, name)
                verify(item(panel, name).shown)
            }
            for (const name of annunciatorNames) {
                verify(item(panel, name).shown, name)
                compare(T.rgb(item(panel, name).color), "0.00,0.00,0.00,1.00")
                compare(item(panel, name).litOpacity, 0.1)
            }
            // no powered vector yet: the numbers read as before the first update
            compare(item(panel, "altitudeDial").text, "88888")
            compare(item(panel, "approach").text, "-8888")
        }

        function test_powerCycle() {
            var panel = createPanel()
            push(T.compactVector({29: "28"})) // a bus written in volts also powers
            verify(panel.powered)
            push(T.compactVector({29: "12", 20: "100", 21: "200"}))
            verify(!panel.powered)
            // the numbers keep the texts of the last powered vector
            compare(item(panel, "approach").text, "-500")
            compare(item(panel, "altitudeDial").text, "950")
            compare(item(panel, "com").text, "188.88")
            push(T.compactVector({20: "100", 21: "200"}))
            compare(item(panel, "approach").text, "100")
            compare(item(panel, "com").text, "118.10")
            compare(T.rgb(item(panel, "com").color), red)
            verify(!item(panel, "ap").shown)
            compare(item(panel, "ap").litOpacity, 1)
        }

        // Every colour change recolours the lit items at once; an unpowered
        // panel keeps its off look and shows the new colour when powered.
        function test_recolour() {
            var panel = createPanel()
            testSupport.setContextProperty("formDataString", "0,0,1.00,0,0.5,1,0,0.30")
            for (const name of frequencyNames.concat(digitNames, ["adfFreq"]))
                compare(T.rgb(item(panel, name).color), "0.00,0.50,1.00,1.00", name)
            compare(T.rgb(item(panel, "ap").color), "0.00,0.00,0.00,1.00")

            push(T.compactVector({25: "0"}))
            testSupport.setContextProperty("formDataString", "0,0,1.00,1,1,0,0,0.30")
            compare(item(panel, "com").text, "188.88")
            compare(T.rgb(item(panel, "com").color), ghost)
            push(T.compactVector({}))
            compare(T.rgb(item(panel, "com").color), "1.00,1.00,0.00,1.00")
        }

        function test_layoutRule() {
            var panel = createPanel(undefined, "30,40,1.00,1,0,0,1,0.30")
            compare(views.calls, ["setPosition 30 40", "setFixedSize 340 779"])
            verify(panel.freqSet === undefined, "no frequency set")
            // field 6 does not change what the compact panel shows
            compare(item(panel, "com").text, "118.10")
            compare(item(panel, "nav2").text, "110.30")
            views.clear()
            testSupport.setContextProperty("formDataString", "30,40,1.5,1,0,0,1,0.30")
            compare(views.calls, ["setPosition 30 40", "setFixedSize 510 1168"])
            compare(panel.width, 510)
            compare(panel.height, 1168.5)
        }

        function test_wheelZoom() {
            var panel = createPanel(undefined, "3,4,1.00,1.00,0,0,0,0.30")
            mouseWheel(panel, 50, 50, 0, 120)
            compare(panel.container.scale, 1.05)
            compare(panel.width, 340 * 1.05)
            compare(panel.height, 779 * 1.05)
            compare(testSupport.read(configPath), "3,4,1.05,1.00,0,0,0,0.30")
            mouseWheel(panel, 50, 50, 0, -120 * 100)
            compare(testSupport.read(configPath), "3,4,0.30,1.00,0,0,0,0.30")
        }

        function test_settingsWindow() {
            var panel = createPanel()
            var window = panel.settingsWindow
            verify(!window.visible)
            compare(window.title, "")
            compare(window.minimumWidth, 630)
            compare(window.maximumHeight, 450)
            verify(!findChild(window.contentItem, "frequencySetRow").visible)
            if (Qt.platform.pluginName === "offscreen")
                ignoreWarning("This plugin does not support raise()")
            panel.forceActiveFocus()
            keyClick(Qt.Key_Escape)
            verify(window.visible)
            window.hide()
        }
    }
}
