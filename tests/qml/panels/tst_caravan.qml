import QtQuick
import QtTest
import "qrc:/Classes/Modules.js" as Modules

// The Caravan panel and its menu on a real file service: what they do beyond
// the shared panel base (gauges as direct children, the torque factor, the S,
// R and L keys and their lock-file rules, the menu's Reset that writes the
// working copy as it stands).
Item {
    id: testRoot
    width: 1920
    height: 1080

    readonly property string configPath: Modules.Caravan.configPath
    readonly property string defaultLayout: Modules.Caravan.defaultLayout

    QtObject {
        id: windowStandIn
        property var calls: []
        function setPosition(x, y) { calls = calls.concat([["position", x, y]]) }
        function setSize(w, h) { calls = calls.concat([["size", w, h]]) }
        function saveWindowGeometry() { calls = calls.concat([["save"]]) }
    }

    // The document's file name starts in lower case, so it is no type name.
    readonly property var panelComponent: Qt.createComponent("qrc:/Caravan/caravan.qml")

    TestCase {
        name: "CaravanPanel"
        when: windowShown

        property var panel: null

        function makePanel(layout, values, lockText) {
            testSupport.clearExchange()
            testSupport.write(Modules.lockPath, lockText === undefined ? "0" : lockText)
            testSupport.setContextProperty("TimedProcessing", values === undefined ? "" : values)
            testSupport.setContextProperty("lock", lockText === undefined ? "0" : lockText)
            testSupport.setContextProperty("configStringCaravan", layout === undefined ? defaultLayout : layout)
            testSupport.setContextProperty("viewManager", windowStandIn)
            windowStandIn.calls = []
            compare(testRoot.panelComponent.status, Component.Ready, testRoot.panelComponent.errorString())
            panel = createTemporaryObject(testRoot.panelComponent, testRoot)
            verify(panel)
            panel.forceActiveFocus()
            return panel
        }
        function gauge(name) {
            const g = findChild(panel, name)
            verify(g, name)
            return g
        }

        function test_layoutAndBindings() {
            const v = new Array(107).fill("0")
            v[15] = "100"; v[31] = "3500"; v[34] = "4"; v[35] = "-7"; v[59] = "29.92"
            v[65] = String(1000 / 0.74)
            makePanel(undefined, v.join(";"))
            const airspeed = gauge("airspeedInst"), attitude = gauge("attitudeInst")
            compare([airspeed.x, airspeed.y], [285, 356])
            fuzzyCompare(airspeed.scale, 300 / 210, 1e-12)
            fuzzyCompare(attitude.scale, 400 / 210, 1e-12)
            compare(windowStandIn.calls, [["position", 0, 0], ["size", 1920, 1080]])
            compare(airspeed.speed, 100)
            fuzzyCompare(gauge("torqueInst").torque, 1000, 1e-9)
            compare([gauge("altimeterInst").altitude, gauge("altimeterInst").barometer], [3500, 29.92])
            compare([attitude.altVacuum, attitude.rotationVacuum], [4, -7])
            testSupport.setContextProperty("TimedProcessing", "")
            compare([airspeed.speed, gauge("torqueInst").torque], [0, 0])
        }

        function test_dropStoresTruncated() {
            makePanel()
            const g = gauge("torqueInst")
            const grip = g.mapToItem(panel, 105, 105)
            mouseDrag(panel, grip.x, grip.y, 40, -20)
            const stored = testSupport.read(configPath).split(",")
            compare(stored.slice(12, 16), [String(Math.trunc(g.x)), String(Math.trunc(g.y)), "300", "1"])
            compare(stored.slice(16).join(","), "0,0,1920,1080")
        }

        // S and R need lock.txt to read exactly "0"; L flips "0" and "1" only.
        function test_keys_data() {
            return [
                {tag: "unlocked", lock: "0", saves: true, reloads: true, after: "1"},
                {tag: "locked", lock: "1", saves: false, reloads: false, after: "0"},
                {tag: "line break", lock: "0\n", saves: false, reloads: false, after: "0\n"},
                {tag: "empty", lock: "", saves: false, reloads: false, after: ""},
            ]
        }
        function test_keys(d) {
            makePanel(undefined, "", d.lock)
            const edited = "10,20,210,1,665,367,400,1,1045,352,300,1,1420,338,300,1,5,6,800,600"
            testSupport.write(configPath, edited)
            windowStandIn.calls = []
            keyClick(Qt.Key_S)
            compare(windowStandIn.calls.some(c => c[0] === "save"), d.saves, "S")
            windowStandIn.calls = []
            keyClick(Qt.Key_R)
            const a = gauge("airspeedInst")
            compare([a.x, a.y].join(","), d.reloads ? "10,20" : "285,356", "R")
            compare(windowStandIn.calls.length > 0, d.reloads, "R places the window")
            if (d.reloads)
                compare(panel.config, edited)
            keyClick(Qt.Key_L)
            compare(testSupport.read(Modules.lockPath), d.after, "L")
            // A later push still replaces the layout.
            testSupport.setContextProperty("configStringCaravan", defaultLayout.replace("285,356", "33,44"))
            compare([a.x, a.y], [33, 44])
        }

        function test_menu() {
            makePanel()
            keyClick(Qt.Key_Escape)
            verify(panel.layoutWindow.visible)
            const m = panel.layoutWindow.contentItem.children[0]
            m.selectSlot(3)
            compare([m.xField.text, m.yField.text, m.sizeField.text, m.visibleBox.checked],
                    ["1420", "338", "300", true])
            m.xField.text = "1400"
            m.reset()
            compare(testSupport.read(configPath), defaultLayout.replace("1420", "1400"))
            compare(windowStandIn.calls.some(c => c[0] === "save"), false, "no window geometry")
            m.screenBox.checked = true
            m.screenBox.toggled()
            compare(testSupport.read(Modules.lockGeralPath), "1")
            m.xField.text = "7"
            m.visibleBox.checked = false
            compare(m.configText, defaultLayout.replace("1420", "1400"), "screen lock blocks edits")
            panel.layoutWindow.close()
        }
    }
}
