import QtQuick
import QtTest
import "qrc:/Cessna/StandBy"
import "qrc:/Classes/Modules.js" as Modules

// The stand-by panel and its menu on a real file service: what it does
// differently from the shared panel base (its bindings, the zoom about the
// centre that works locked or not, field 33 carried along, the menu's rules).
Item {
    id: testRoot
    width: 700
    height: 1000

    readonly property string configPath: Modules.StandBy.configPath
    readonly property string defaultLayout: Modules.StandBy.defaultLayout

    QtObject {
        id: windowStandIn
        property var calls: []
        function setPosition(x, y) { calls = calls.concat([["position", x, y]]) }
        function setSize(w, h) { calls = calls.concat([["size", w, h]]) }
        function saveWindowGeometry() { calls = calls.concat([["save"]]) }
    }

    Component {
        id: panelComponent
        StandBy {}
    }

    TestCase {
        name: "StandByPanel"
        when: windowShown

        property var panel: null

        function makePanel(layout, values, lockText) {
            testSupport.clearExchange()
            testSupport.write(Modules.lockPath, lockText === undefined ? "0" : lockText)
            testSupport.setContextProperty("TimedProcessing", values === undefined ? "" : values)
            testSupport.setContextProperty("lock", lockText === undefined ? "0" : lockText)
            testSupport.setContextProperty("configStringStandBy", layout === undefined ? defaultLayout : layout)
            testSupport.setContextProperty("viewManager", windowStandIn)
            windowStandIn.calls = []
            panel = createTemporaryObject(panelComponent, testRoot)
            verify(panel)
            return panel
        }
        function gauge(name) {
            const g = findChild(panel, name)
            verify(g, name)
            return g
        }
        function pushConfig() {
            testSupport.setContextProperty("configStringStandBy", testSupport.read(configPath))
        }

        function test_defaultLayout() {
            makePanel()
            compare(windowStandIn.calls, [["position", 1, 23], ["size", 600, 1000]])
            const trim = gauge("trimInst")
            fuzzyCompare(trim.scale, 182 / 210, 1e-12)
            const wide = gauge("airspeed58Instance"), standard = gauge("airspeedInst")
            compare([wide.x, wide.y, wide.visible], [standard.x, standard.y, true])
            const top = findChild(panel, "container").childAt(standard.x + 105, standard.y + 105)
            compare(top, wide, "the wide-range airspeed indicator lies on top")
        }

        function test_bindings() {
            const v = []
            for (let i = 0; i < 107; ++i)
                v.push(String(i))
            makePanel(undefined, v.join(";"))
            const expected = [
                ["airspeedInst", "value", 15], ["airspeed58Instance", "value", 15],
                ["altimeterInst", "altitude", 31], ["horizonteInst", "altVacuum", 34],
                ["horizonteInst", "rotationVacuum", 35], ["manifoldInst", "manifoldValue", 48],
                ["suctionInst", "suctionValue", 49], ["trimInst", "trim", 50], ["trimInst", "flaps", 51],
                ["altimeterInst", "barometer", 59], ["airspeedInst", "is172", true],
            ]
            for (const [name, input, value] of expected)
                compare(gauge(name)[input], value, name + "." + input)
            testSupport.setContextProperty("TimedProcessing", "")
            for (const [name, input, value] of expected)
                compare(gauge(name)[input], typeof value === "boolean" ? false : 0, name + "." + input)
        }

        // The panel zooms about its centre, whatever the lock says, and field
        // 33 survives zoom, drag and menu saves.
        function test_zoomLockedAboutCentreKeepsField33() {
            makePanel(defaultLayout.replace(/,1$/, ",keep"), undefined, "1")
            const container = findChild(panel, "container")
            mouseWheel(panel, 300, 500, 0, -120)
            compare(container.scale, 0.95)
            const centre = container.mapToItem(panel, container.width / 2, container.height / 2)
            compare([centre.x, centre.y], [300, 500])
            let stored = testSupport.read(configPath).split(",")
            compare([stored[32], stored[33], stored.length], ["0.95", "keep", 34])
            pushConfig()
            testSupport.setContextProperty("lock", "0")
            const trim = gauge("trimInst")
            const grip = trim.mapToItem(panel, trim.width / 2, trim.height / 2)
            mouseDrag(panel, grip.x, grip.y, 20, 10)
            stored = testSupport.read(configPath).split(",")
            compare(stored[33], "keep")
            verify(stored.slice(20, 22).join(",") !== "60,687", "the trim moved")
        }

        function test_escapeShowsMenu() {
            makePanel()
            keyClick(Qt.Key_Escape)
            verify(panel.layoutWindow.visible)
            compare(panel.layoutWindow.title, "C172 StandBy Instruments Configuration Panel")
            compare([panel.layoutWindow.width, panel.layoutWindow.height], [690, 600])
            panel.layoutWindow.close()
        }

        // The menu's own rules: fields follow the selection while locked, the
        // Visible box is an edit like any other, Reset then Save writes the
        // default with the window.
        function test_menuRules() {
            makePanel()
            panel.layoutWindow.show() // the menu is made when its window first shows
            tryVerify(() => panel.layoutWindow.menuItem !== null)
            panel.layoutWindow.close()
            const m = panel.layoutWindow.menuItem
            m.lockBox.checked = true
            m.lockBox.toggled()
            compare(testSupport.read(Modules.lockPath), "1")
            m.selectSlot(5)
            compare([m.xField.text, m.yField.text, m.sizeField.text], ["60", "687", "182"])
            const before = m.configText
            m.visibleBox.checked = false
            m.xField.text = "99"
            compare(m.configText, before, "nothing reaches the working copy while locked")
            m.lockBox.checked = false
            m.lockBox.toggled()
            m.reset()
            compare(testSupport.read(configPath), "<missing>")
            testSupport.write(configPath, "x")
            m.save()
            compare(testSupport.read(configPath), defaultLayout)
            compare(windowStandIn.calls[windowStandIn.calls.length - 1], ["save"])
        }
    }
}
