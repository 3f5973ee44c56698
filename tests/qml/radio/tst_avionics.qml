import QtQuick
import QtTest
import "qrc:/RadioAvionico"
import "RadioTestSupport.js" as T

// The avionics radio panel: what each item shows for the radio value vector,
// the frequency sets, the transponder, the power test, the colour, the layout
// rule with the fixed window size, the wheel zoom and the settings window.
Item {
    id: top
    width: 1000
    height: 900

    readonly property string configPath: testSupport.literalPath("configRadio.txt")

    ViewManagerStandIn { id: views }

    Component {
        id: panelComponent
        RadioAvionico {}
    }

    TestCase {
        name: "AvionicsRadio"
        when: windowShown

        function init() {
            testSupport.clearExchange()
            views.clear()
            testSupport.setContextProperty("viewManager", views)
            testSupport.setContextProperty("timedDataString", T.avionicsVector({}))
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
        function pushLayout(layout) {
            testSupport.setContextProperty("formDataString", layout)
        }
        function lit(panel, group, name) {
            var item = findChild(findChild(panel, group), name)
            verify(item, group + "/" + name)
            return item
        }
        function freq(panel, name) {
            return lit(panel, "containerON", name)
        }
        function ap(panel, name) {
            return lit(panel, "containerAP", name)
        }
        function digits(panel) {
            var out = []
            for (var i = 1; i <= 4; ++i)
                out.push(lit(panel, "containerTransponder", "transponder" + i).text)
            return out.join("")
        }
        function frequencies(panel) {
            return [freq(panel, "com").text, freq(panel, "comStby").text,
                    freq(panel, "nav").text, freq(panel, "navStby").text].join(" ")
        }

        function test_defaultLayout() {
            var panel = createPanel()
            compare(views.calls, ["setPosition 0 0", "setFixedSize 433 496"])
            compare(panel.container.scale, 1)
            compare(panel.width, 433)
            compare(panel.height, 496)
            compare(panel.freqSet, 0)
            compare(T.rgb(freq(panel, "com").color), "1.00,0.00,0.00,1.00")
            // set 2: value fields 0 to 3
            compare(frequencies(panel), "121.50 122.80 110.30 113.90")
        }

        function test_frequencySets() {
            var panel = createPanel(undefined, T.layoutWith(6, "1"))
            compare(panel.freqSet, 1)
            compare(frequencies(panel), "118.10 119.25 108.50 109.10")
            // a new layout string switches the set at once
            pushLayout(T.layoutWith(6, "2"))
            compare(frequencies(panel), "121.50 122.80 110.30 113.90")
            pushLayout(T.layoutWith(6, "1"))
            compare(frequencies(panel), "118.10 119.25 108.50 109.10")
            // fewer than seven fields select set 2
            pushLayout("0,0,1.00,1.00,0,0")
            compare(panel.freqSet, 0)
            compare(frequencies(panel), "121.50 122.80 110.30 113.90")
        }

        function test_frequencyFormats() {
            var panel = createPanel(T.avionicsVector({0: "118.1", 1: "108.5", 2: "118.105", 3: "abc"}))
            compare(frequencies(panel), "118.1 118.10 ---- ----")
            push(T.avionicsVector({1: "108.500"}))
            compare(freq(panel, "nav").text, "108.50")
        }

        function test_emptyVector() {
            var panel = createPanel("")
            verify(panel.powered)
            compare(frequencies(panel), ". 0. ---- ----")
            compare(digits(panel), "----")
            compare(freq(panel, "adfFreq").text, "----")
            compare(freq(panel, "nav1Dme").text, "--.-")
            compare(freq(panel, "nav1Kt").text, "--.-")
            compare(freq(panel, "nav1Min").text, "--.-")
            verify(freq(panel, "um").visible)
            verify(!freq(panel, "dois").visible)
            compare(lit(panel, "containerTransponder", "stby").text, "----")
            verify(findChild(panel, "containerTransponder").visible)
            compare(ap(panel, "altitudeDial").text, "----")
            compare(ap(panel, "approach").text, "----")
            for (const name of ["ap", "navhdg", "alt", "apr", "arm", "rev", "vs", "seta1", "seta2"])
                verify(!ap(panel, name).visible, name)
        }

        // Text where numbers belong: every item shows its dash pattern or its
        // "off" state, and nothing reaches the log (failOnWarning).
        function test_textVector() {
            var text = []
            for (var i = 0; i < 35; ++i)
                text.push("x" + i)
            var panel = createPanel(text.join(";"))
            verify(panel.powered)
            compare(frequencies(panel), "---- ---- ---- ----")
            compare(digits(panel), "----")
            compare(freq(panel, "nav1Dme").text, "--.-")
            compare(freq(panel, "adfFreq").text, "----")
            compare(lit(panel, "containerTransponder", "stby").text, "----")
            compare(ap(panel, "altitudeDial").text, "----")
            verify(freq(panel, "um").visible)
            verify(!ap(panel, "ap").visible)
            verify(!ap(panel, "seta1").visible)
            verify(!ap(panel, "seta2").visible)
            // a short vector: the fields it lacks are absent
            push("118.100;108.500")
            compare(frequencies(panel), "118.10 0. 108.50 ----")
            push("\u0000\u0001;;;;;")
            compare(frequencies(panel), "---- . ---- ----")
        }

        function test_dme_data() {
            return [
                {tag: "station", f: {5: "12.34", 6: "135", 7: "5", 9: "0"}, dme: "12.3", kt: "99.9", min: "05.0", two: false},
                {tag: "rounding", f: {5: "99.96", 6: "9.96", 7: "7.25", 9: "0.0"}, dme: "99.9", kt: "10.0", min: "07.3", two: false},
                {tag: "NAV 2", f: {5: "0", 6: "100", 7: "0", 9: "140"}, dme: "00.0", kt: "99.9", min: "00.0", two: true},
                {tag: "NAV 2 text", f: {9: "n/a"}, dme: "12.4", kt: "99.9", min: "05.5", two: false},
            ]
        }
        function test_dme(d) {
            var panel = createPanel(T.avionicsVector(d.f))
            compare(freq(panel, "nav1Dme").text, d.dme)
            compare(freq(panel, "nav1Kt").text, d.kt)
            compare(freq(panel, "nav1Min").text, d.min)
            compare(freq(panel, "dois").visible, d.two)
            compare(freq(panel, "um").visible, !d.two)
        }

        function test_adf() {
            var panel = createPanel(T.avionicsVector({14: "350.0"}))
            compare(freq(panel, "adfFreq").text, "0350")
            push(T.avionicsVector({14: "350"}))
            compare(freq(panel, "adfFreq").text, "----")
        }

        function test_transponder_data() {
            return [
                {tag: "off", code: "1200", mode: "0", shown: false, digits: "1200", text: "----"},
                {tag: "standby", code: "1200", mode: "1", shown: true, digits: "1200", text: "STBY"},
                {tag: "altitude", code: "7700", mode: "4", shown: true, digits: "7700", text: "ALT"},
                {tag: "unknown mode", code: "1200", mode: "7", shown: true, digits: "1200", text: "----"},
                {tag: "short code", code: "700", mode: "3", shown: true, digits: "----", text: "ON"},
            ]
        }
        function test_transponder(d) {
            var panel = createPanel(T.avionicsVector({4: d.code, 34: d.mode}))
            var group = findChild(panel, "containerTransponder")
            compare(group.visible, d.shown)
            compare(digits(panel), d.digits)
            compare(lit(panel, "containerTransponder", "stby").text, d.text)
            compare(lit(panel, "containerTransponder", "mode").text, "mode")
        }

        function test_autopilot() {
            var panel = createPanel(T.avionicsVector({
                8: "1", 15: "1", 17: "0.5", 18: "1", 19: "0", 23: "2", 24: "1", 26: "1", 20: "-500.5", 21: "950.6"}))
            verify(ap(panel, "ap").visible)
            verify(ap(panel, "navhdg").visible)
            compare(ap(panel, "navhdg").text, "hdg")
            verify(ap(panel, "rev").visible)
            verify(ap(panel, "alt").visible)
            verify(!ap(panel, "vs").visible)
            compare(ap(panel, "vs").text, "<vs>")
            verify(ap(panel, "apr").visible)
            verify(ap(panel, "arm").visible)
            verify(ap(panel, "seta1").visible)
            verify(!ap(panel, "seta2").visible)
            compare(ap(panel, "approach").text, "-500")
            compare(ap(panel, "altitudeDial").text, "951")
            // right-aligned at 387
            compare(ap(panel, "approach").x + ap(panel, "approach").width, 387)
            compare(ap(panel, "altitudeDial").x + ap(panel, "altitudeDial").width, 387)
            compare(T.rgb(ap(panel, "ap").color), "0.00,0.00,0.00,1.00")

            push(T.avionicsVector({8: "0", 15: "1.0", 19: "3", 23: "1", 24: "2", 26: "0"}))
            compare(ap(panel, "navhdg").text, "nav")
            verify(ap(panel, "navhdg").visible)
            verify(ap(panel, "vs").visible)
            verify(!ap(panel, "apr").visible)
            verify(!ap(panel, "arm").visible)
            verify(!ap(panel, "seta1").visible)
            verify(ap(panel, "seta2").visible)

            // the mode text goes with "ap"
            push(T.avionicsVector({15: "0", 26: "2"}))
            verify(!ap(panel, "ap").visible)
            verify(!ap(panel, "navhdg").visible)
            verify(!ap(panel, "seta1").visible)
            verify(!ap(panel, "seta2").visible)
        }

        function test_power_data() {
            return [
                {tag: "bus 12 V", f: {29: "12"}, on: false},
                {tag: "switch 0", f: {25: "0"}, on: false},
                {tag: "bus 28 V", f: {29: "28"}, on: true},
                {tag: "bus flag 1", f: {29: "1"}, on: true},
                {tag: "bus text", f: {29: "n/a"}, on: true},
                {tag: "switch 1.0", f: {25: "1.0"}, on: true},
            ]
        }
        function test_power(d) {
            var panel = createPanel(T.avionicsVector(d.f))
            compare(panel.powered, d.on)
            compare(findChild(panel, "containerAP").visible, d.on)
            compare(findChild(panel, "containerTransponder").visible, d.on)
            compare(findChild(panel, "containerON").visible, d.on)
            // the ghost layer stays
            verify(findChild(panel, "conteinerOFF").visible)
        }

        function test_powerReturns() {
            var panel = createPanel(T.avionicsVector({29: "12", 34: "3"}))
            verify(!findChild(panel, "containerAP").visible)
            push(T.avionicsVector({29: "28", 25: "1", 34: "3"}))
            verify(findChild(panel, "containerAP").visible)
            verify(findChild(panel, "containerTransponder").visible)
            verify(ap(panel, "altitudeDial").visible)
            verify(ap(panel, "approach").visible)
            compare(ap(panel, "altitudeDial").text, "4500")
            // transponder switched off while powered
            push(T.avionicsVector({34: "0"}))
            verify(!findChild(panel, "containerTransponder").visible)
            verify(findChild(panel, "containerAP").visible)
        }

        function test_recolour() {
            var panel = createPanel()
            pushLayout("0,0,1.00,0.2,1,0.4,0,0.30")
            for (const name of ["com", "nav", "nav1Dme", "nm", "adfFreq", "um"])
                compare(T.rgb(freq(panel, name).color), "0.20,1.00,0.40,1.00", name)
            compare(T.rgb(findChild(findChild(panel, "containerON"), "divNavCom").color), "0.20,1.00,0.40,1.00")
            compare(T.rgb(lit(panel, "containerTransponder", "transponder1").color), "0.20,1.00,0.40,1.00")
            compare(T.rgb(lit(panel, "containerTransponder", "stby").color), "0.20,1.00,0.40,1.00")
            compare(T.rgb(ap(panel, "alt").color), "0.00,0.00,0.00,1.00")
            // the ghost layer keeps its colour and texts
            var ghost = findChild(findChild(panel, "conteinerOFF"), "com")
            compare(ghost.color, "#111111")
            compare(ghost.text, "888.88")
            compare(findChild(findChild(panel, "conteinerOFF"), "stby").text, "8888")
            // out of range and damaged components
            pushLayout("0,0,1.00,3,-1,x,0,0.30")
            compare(T.rgb(freq(panel, "com").color), "1.00,0.00,0.40,1.00")
        }

        function test_layoutRule() {
            var panel = createPanel(undefined, "100,-200,1.5,1,1,1,0,0.30")
            compare(views.calls, ["setPosition 100 -200", "setFixedSize 649 744"])
            compare(panel.container.scale, 1.5)
            compare(panel.width, 649.5)
            compare(panel.height, 744)
            // growing and shrinking both go through the fixed size
            views.clear()
            pushLayout("10,20,0.5,1,1,1,0,0.30")
            compare(views.calls, ["setPosition 10 20", "setFixedSize 216 248"])
        }

        // An emptied or damaged layout string leaves the window where and as
        // large as it is.
        function test_damagedLayout() {
            var panel = createPanel(undefined, "50,60,2.00,0,0,1,0,0.30")
            views.clear()
            pushLayout("")
            compare(views.calls, ["setFixedSize 866 992"])
            compare(panel.container.scale, 2)
            compare(T.rgb(freq(panel, "com").color), "0.00,0.00,1.00,1.00")
            views.clear()
            pushLayout("abc,7,zero,,,")
            compare(views.calls, ["setFixedSize 866 992"])
            pushLayout("50,60,-3,0,0,1,0,0.30")
            compare(panel.container.scale, 2)
        }

        function test_wheelZoom() {
            var panel = createPanel()
            views.clear()
            mouseWheel(panel, 100, 100, 0, 120)
            compare(panel.container.scale, 1.05)
            compare(panel.width, 433 * 1.05)
            compare(testSupport.read(configPath), "0,0,1.05,1.00,0,0,0,0.30")
            // the window follows only when the string comes back
            compare(views.calls, [])
            pushLayout(testSupport.read(configPath))
            compare(views.calls, ["setPosition 0 0", "setFixedSize 454 520"])

            mouseWheel(panel, 100, 100, 0, -240)
            compare(testSupport.read(configPath), "0,0,0.95,1.00,0,0,0,0.30")
        }

        function test_wheelClamp() {
            var panel = createPanel(undefined, "7,8,4.95,0.5,0.5,0.5,1,0.30")
            mouseWheel(panel, 10, 10, 0, 120)
            mouseWheel(panel, 10, 10, 0, 120)
            compare(panel.container.scale, 5)
            compare(testSupport.read(configPath), "7,8,5.00,0.5,0.5,0.5,1,0.30")
            // at the limit nothing more is written
            testSupport.remove(configPath)
            mouseWheel(panel, 10, 10, 0, 120)
            compare(testSupport.exists(configPath), false)

            pushLayout("7,8,0.35,0.5,0.5,0.5,1,0.30")
            mouseWheel(panel, 10, 10, 0, -120 * 4)
            compare(panel.container.scale, 0.3)
            compare(testSupport.read(configPath), "7,8,0.30,0.5,0.5,0.5,1,0.30")
        }

        // The zoom always writes a whole layout string.
        function test_wheelWithoutLayout() {
            var panel = createPanel(undefined, "")
            compare(panel.container.scale, 1.6)
            mouseWheel(panel, 10, 10, 0, 120)
            compare(testSupport.read(configPath), "0,0,1.65,1.00,0,0,0,0.30")
        }

        function test_settingsWindow() {
            var panel = createPanel()
            var window = panel.settingsWindow
            verify(!window.visible)
            compare(window.title, "Dozaz Ovuzoved Configuration Panel")
            compare(window.minimumWidth, 630)
            compare(window.maximumWidth, 630)
            compare(window.minimumHeight, 450)
            compare(window.maximumHeight, 450)
            verify(findChild(window.contentItem, "checkBox"), "the avionics menu with its frequency set")
            // Escape raises the window; the offscreen platform says it cannot
            for (var i = 0; i < 2 && Qt.platform.pluginName === "offscreen"; ++i)
                ignoreWarning("This plugin does not support raise()")

            panel.forceActiveFocus()
            keyClick(Qt.Key_Escape)
            verify(window.visible)
            window.close()
            tryVerify(() => !window.visible)
            panel.forceActiveFocus()
            keyClick(Qt.Key_Escape)
            verify(window.visible)
            window.hide()
        }
    }
}
