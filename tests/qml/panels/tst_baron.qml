import QtQuick
import QtTest
import "qrc:/Baron"
import "qrc:/Classes/Modules.js" as Modules

// The Baron panel and its menu on a real file service: its bindings, its
// layout with the window and zoom first, the per-gauge wheel resize, and the
// menu's rules (slots from field 5, the Visible box written while locked,
// the Screen box leaving the menu's lock alone).
Item {
    id: testRoot
    width: 1920
    height: 1080

    readonly property string configPath: Modules.Baron.configPath
    readonly property string defaultLayout: Modules.Baron.defaultLayout

    QtObject {
        id: windowStandIn
        property var calls: []
        function setPosition(x, y) { calls = calls.concat([["position", x, y]]) }
        function setSize(w, h) { calls = calls.concat([["size", w, h]]) }
        function saveWindowGeometry() { calls = calls.concat([["save"]]) }
    }

    Component {
        id: panelComponent
        Baron {}
    }

    TestCase {
        name: "BaronPanel"
        when: windowShown

        property var panel: null

        function makePanel(layout, values, lockText) {
            testSupport.clearExchange()
            testSupport.write(Modules.lockPath, lockText === undefined ? "0" : lockText)
            testSupport.setContextProperty("TimedProcessing", values === undefined ? "" : values)
            testSupport.setContextProperty("lock", lockText === undefined ? "0" : lockText)
            testSupport.setContextProperty("configStringBaron", layout === undefined ? defaultLayout : layout)
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
        // The menu is made when its window first shows.
        function menu() {
            panel.layoutWindow.show()
            tryVerify(() => panel.layoutMenu !== null)
            panel.layoutWindow.close()
            return panel.layoutMenu
        }
        function stored() {
            return testSupport.read(configPath).split(",")
        }
        // The point of a gauge's centre in the panel's coordinates.
        function centreOf(g) {
            return g.mapToItem(panel, g.width / 2, g.height / 2)
        }

        function test_defaultLayout() {
            makePanel()
            compare(windowStandIn.calls, [["position", 0, 23], ["size", 1920, 1009]])
            compare(findChild(panel, "container").scale, 0.8999999999999964)
            const ids = ["airspeedInst", "altimeterInst", "hsiInst", "attitudeInst", "rpmLeft", "rpmRight",
                         "pressLeft", "pressRight", "fuelFlowLeft", "fuelFlowRight", "oilLeft", "oilRight",
                         "vs", "engTempLeft", "engTempRight", "instrumentAir", "turnCoordinatorInst", "vorInst"]
            const f = defaultLayout.split(",")
            for (let k = 0; k < ids.length; ++k) {
                const g = gauge(ids[k])
                compare(panel.slotHandles[k].gauge, g, "slot order")
                compare([g.x, g.y, g.visible], [Number(f[5 + 4 * k]), Number(f[6 + 4 * k]), true], ids[k])
                fuzzyCompare(g.scale, Number(f[7 + 4 * k]) / 210, 1e-12, ids[k])
            }
        }

        function test_bindings() {
            const v = []
            for (let i = 0; i < 107; ++i)
                v.push(String(i))
            makePanel(undefined, v.join(";"))
            const expected = [
                ["oilLeft", "temp", 0], ["oilLeft", "press", 1], ["fuelFlowLeft", "value", 7],
                ["engTempLeft", "egt", 9], ["hsiInst", "heading", 10], ["airspeedInst", "value", 15],
                ["vs", "value", 16], ["hsiInst", "cdi_dots", 22], ["vorInst", "hDefDot", 22],
                ["hsiInst", "gsi_dots", 23], ["vorInst", "vDefDot", 23], ["hsiInst", "obs", 24],
                ["vorInst", "compRingDeg", 24], ["vorInst", "nav2sig", 25], ["vorInst", "tofromnav", 26],
                ["vorInst", "glideslope", 27], ["altimeterInst", "altitude", 31],
                ["turnCoordinatorInst", "slipSkid", 32], ["attitudeInst", "altVacuum", 34],
                ["attitudeInst", "rotationVacuum", 35], ["instrumentAir", "value", 38], ["hsiInst", "bat", 47],
                ["pressLeft", "value", 48], ["hsiInst", "to_from", 53], ["hsiInst", "gsi_signal", 54],
                ["hsiInst", "nav_signal", 55], ["hsiInst", "ap_heading", 57], ["altimeterInst", "barometer", 59],
                ["rpmLeft", "value", 72], ["pressRight", "value", 99], ["rpmRight", "value", 100],
                ["fuelFlowRight", "value", 101], ["oilRight", "press", 102], ["oilRight", "temp", 103],
                ["engTempLeft", "cht", 104], ["engTempRight", "cht", 105], ["engTempRight", "egt", 106],
                ["turnCoordinatorInst", "turnRate", 0],
            ]
            for (const [name, input, value] of expected)
                compare(gauge(name)[input], value, name + "." + input)
            testSupport.setContextProperty("TimedProcessing", "1;2")
            compare(gauge("rpmRight").value, 0, "a field the vector lacks reads 0")
        }

        // The wheel over a gauge: +0.05 up, -0.05 otherwise (a horizontal
        // movement too), never below 0.1, stored truncated; only unlocked.
        function test_wheelResizesGauge() {
            const layout = defaultLayout.split(",")
            layout[4] = "1"                      // zoom 1; the vertical speed at scale 1
            makePanel(layout.join(","))
            const g = gauge("vs")
            const c = centreOf(g)
            mouseWheel(panel, c.x, c.y, 0, 120)
            compare(g.scale, 1.05)
            compare(stored()[55], "220")
            testSupport.setContextProperty("configStringBaron", testSupport.read(configPath))
            fuzzyCompare(g.scale, 220 / 210, 1e-12)
            mouseWheel(panel, c.x, c.y, 120, 0)
            compare(stored()[55], "209", "a horizontal movement shrinks")
            for (let i = 0; i < 30; ++i)
                mouseWheel(panel, c.x, c.y, 0, -120)
            compare(g.scale, 0.1)
            compare(stored()[55], "21")
            compare(stored().slice(0, 5).join(","), "0,23,1920,1009,1", "window and zoom kept")
            testSupport.setContextProperty("lock", "1")
            testSupport.remove(configPath)
            mouseWheel(panel, c.x, c.y, 0, 120)
            mouseDrag(panel, c.x, c.y, 30, 30)
            compare(g.scale, 0.1)
            compare(testSupport.read(configPath), "<missing>")
        }

        function test_dragHandsStringToMenu() {
            makePanel()
            const m = menu()
            const g = gauge("vs")
            const c = centreOf(g)
            mouseDrag(panel, c.x, c.y, 45, -18)
            const text = testSupport.read(configPath)
            compare(m.configText, text)
            compare(text.split(",").slice(53, 55), [String(Math.trunc(g.x)), String(Math.trunc(g.y))])
        }

        function test_menuRules() {
            makePanel()
            const m = menu()
            m.selectSlot(15)
            compare([m.xField.text, m.yField.text, m.sizeField.text, m.visibleBox.checked], ["12", "345", "160", true])
            m.selectSlot(4)
            m.xField.text = "500"
            compare(m.configText.split(",")[21], "500")
            m.lockBox.checked = true
            m.lockBox.toggled()
            const locked = m.configText
            m.xField.text = "7"
            compare(m.configText, locked, "typed edits stay in the field while locked")
            m.selectSlot(2)
            m.visibleBox.checked = false
            compare(m.configText.split(",")[16], "0", "the Visible box is written while locked")
            m.lockBox.checked = false
            m.lockBox.toggled()
            m.screenBox.checked = true
            m.screenBox.toggled()
            compare(testSupport.read(Modules.lockGeralPath), "1")
            compare(m.lock, false, "the Screen box leaves the menu's lock alone")
            m.reset()
            compare(testSupport.read(configPath), "<missing>")
            m.save()
            compare(testSupport.read(configPath), defaultLayout)
            compare(windowStandIn.calls[windowStandIn.calls.length - 1], ["save"])
        }
    }
}
