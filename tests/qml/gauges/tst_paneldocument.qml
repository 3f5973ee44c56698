import QtQuick
import QtTest
import "qrc:/Classes"

// The panel base every analogue panel is built on, with a two-slot panel whose
// slots start at field 5 (as on a panel that keeps its window first): layout
// application of damaged strings, the lock rule after start, the wheel zoom,
// and a drag through real mouse events that keeps the gauge under the pointer.
Item {
    id: testRoot
    width: 800
    height: 600

    readonly property string configPath: testSupport.literalPath("configTest.txt")
    //  window x, y, width, height, zoom, then two slots
    readonly property string defaultLayout: "0,23,800,600,1,10,20,210,1,300,40,105,1"

    QtObject {
        id: windowStandIn
        property var calls: []
        function setPosition(x, y) { calls = calls.concat([["position", x, y]]) }
        function setSize(w, h) { calls = calls.concat([["size", w, h]]) }
    }

    Component {
        id: panelComponent
        PanelDocument {
            id: root
            width: 800
            height: 600
            module: ({ configPath: testRoot.configPath, defaultLayout: testRoot.defaultLayout,
                       windowFields: { x: 0, y: 1, width: 2, height: 3 } })
            config: typeof configStringTest === "string" ? configStringTest : ""
            firstSlotField: 5
            zoomField: 4
            zoomItem: container
            zoomNeedsUnlockFile: false
            slotHandles: [slotA, slotB]

            Item {
                id: container
                objectName: "container"
                Rectangle {
                    objectName: "gaugeA"
                    width: 210; height: 210
                    color: "red"
                    GaugeSlot { id: slotA; objectName: "slotA"; panel: root; slot: 0 }
                }
                Rectangle {
                    objectName: "gaugeB"
                    width: 210; height: 210
                    color: "blue"
                    GaugeSlot { id: slotB; panel: root; slot: 1 }
                }
            }
        }
    }

    TestCase {
        name: "PanelDocument"
        when: windowShown

        property var panel: null

        function makePanel(layout, lockText) {
            testSupport.clearExchange()
            testSupport.setContextProperty("TimedProcessing", "")
            testSupport.setContextProperty("lock", lockText === undefined ? "0" : lockText)
            testSupport.setContextProperty("configStringTest", layout === undefined ? defaultLayout : layout)
            testSupport.setContextProperty("viewManager", windowStandIn)
            windowStandIn.calls = []
            panel = createTemporaryObject(panelComponent, testRoot)
            verify(panel)
            return panel
        }
        function gauge(name) {
            return findChild(panel, name)
        }
        function push(layout) {
            testSupport.setContextProperty("configStringTest", layout)
        }

        // A string cut off anywhere applies what it has and leaves the rest
        // (the visible flag of a slot included) as it was.
        function test_cutOffLayout_data() {
            return [
                {tag: "before B's visible field", cut: "0,23,800,600,1,10,20,210,1,40,50,105",
                 b: [40, 50, 0.5, false]},
                {tag: "before B's size", cut: "0,23,800,600,1,10,20,210,1,40,50", b: [40, 50, 0.5, false]},
                {tag: "inside the window fields", cut: "5,6,7", b: [300, 40, 0.5, false]},
                {tag: "damaged numbers", cut: "0,23,800,600,1,10,20,210,1,x,,abc,yes", b: [300, 40, 0.5, false]},
            ]
        }
        function test_cutOffLayout(d) {
            makePanel(defaultLayout.replace(/1$/, "0"))
            const b = gauge("gaugeB")
            compare([b.x, b.y, b.scale, b.visible], [300, 40, 0.5, false])
            windowStandIn.calls = []
            push(d.cut)
            compare([b.x, b.y, b.scale, b.visible], d.b)
            // Only a complete pair of window fields moves or sizes the window.
            if (d.tag === "inside the window fields")
                compare(windowStandIn.calls, [["position", 5, 6]])
        }

        // Only exactly "1" locks, at start and for every later push.
        function test_lockRuleAfterStart() {
            makePanel(undefined, "0")
            const a = gauge("gaugeA")
            const pushes = [["1", true], ["", false], ["1", true], ["1\n", false], ["2", false],
                            [" 1", false], ["1", true], ["0", false]]
            for (const [text, locked] of pushes) {
                testSupport.setContextProperty("lock", text)
                compare(panel.flagLock, locked, JSON.stringify(text))
                compare(findChild(panel, "slotA").enabled, !locked, JSON.stringify(text))
            }
            testSupport.setContextProperty("lock", "1")
            mouseDrag(panel, 50, 50, 100, 100)
            compare([a.x, a.y], [10, 20])
            compare(testSupport.read(configPath), "<missing>")
        }

        // The dragged gauge stays exactly under the pointer at any zoom and
        // gauge size, is drawn above the others while it moves, and is stored
        // where it was let go.
        function test_dragFollowsPointer_data() {
            return [
                {tag: "zoom 0.75, gauge 1", zoom: 0.75, gauge: "gaugeA"},
                {tag: "zoom 1.4, gauge 0.5", zoom: 1.4, gauge: "gaugeB"},
            ]
        }
        function test_dragFollowsPointer(d) {
            makePanel(defaultLayout.replace("0,23,800,600,1,", "0,23,800,600," + d.zoom + ","))
            const g = gauge(d.gauge)
            const other = gauge(d.gauge === "gaugeA" ? "gaugeB" : "gaugeA")
            const start = g.mapToItem(panel, g.width / 2, g.height / 2)
            const grabbed = panel.mapToItem(g, start.x, start.y)
            mousePress(panel, start.x, start.y)
            let onTop = true
            for (let i = 1; i <= 10; ++i) {
                mouseMove(panel, start.x + 15 * i, start.y + 10 * i)
                onTop = onTop && g.z > other.z
            }
            const under = panel.mapToItem(g, start.x + 150, start.y + 100)
            fuzzyCompare(under.x, grabbed.x, 0.01)
            fuzzyCompare(under.y, grabbed.y, 0.01)
            verify(onTop, "the dragged gauge is drawn on top")
            mouseRelease(panel, start.x + 150, start.y + 100)
            compare(g.z, 0)
            const slot = d.gauge === "gaugeA" ? 0 : 1
            const stored = testSupport.read(configPath).split(",")
            compare(stored.slice(5 + 4 * slot, 7 + 4 * slot), [String(Math.trunc(g.x)), String(Math.trunc(g.y))])
        }

        // The zoom field: one notch of 120 adds 0.05, never below 0.1; stored as
        // the shortest text that reads back as the same number.
        function test_wheelZoom() {
            makePanel("0,23,800,600,0.15,10,20,210,1,300,40,105,1")
            const container = findChild(panel, "container")
            mouseWheel(panel, 400, 300, 0, -120)
            compare(container.scale, 0.1)
            compare(testSupport.read(configPath).split(",")[4], "0.1")
            push(testSupport.read(configPath).replace(",0.1,", ",1,"))
            for (let i = 0; i < 3; ++i)
                mouseWheel(panel, 400, 300, 0, 120)
            compare(testSupport.read(configPath).split(",")[4], "1.1500000000000001")
        }

        // An edit made on an emptied layout writes a whole layout.
        function test_editOnEmptyLayoutWritesWholeLayout() {
            makePanel()
            push("")
            panel.writeDataToFile(1, 7.9, -2.5, 210, true)
            compare(testSupport.read(configPath), "0,23,800,600,1,10,20,210,1,7,-2,210,1")
        }
    }
}
