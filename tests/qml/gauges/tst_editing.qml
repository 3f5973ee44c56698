import QtQuick
import QtTest
import "qrc:/Classes"
import "qrc:/Classes/LayoutString.js" as Layout

// The shared editing pattern: slot replacement in a layout string and the drag
// handle every panel puts on its gauges.
Item {
    id: testRoot
    width: 800
    height: 600
    readonly property string configPath: testSupport.literalPath("config.txt")

    // A panel that records what its handles hand it.
    PanelDocument {
        id: panel
        config: "10,20,210,1,300,20,215,1,RADOD"
        property var calls: []
        function writeDataToFile(pos, x, y, size, visible) {
            calls.push([pos, x, y, size, visible])
            if (flagLock)
                return
            fileclass.writeFile(Layout.replaceSlot(config, pos, 0, x, y, size, visible), testRoot.configPath)
        }
        width: 800
        height: 600

        Rectangle {
            id: gaugeA
            x: 10; y: 20; width: 210; height: 210
            GaugeSlot { id: handleA; panel: panel; slot: 0; nominalSize: 210 }
        }
        Rectangle {
            id: gaugeB
            x: 300; y: 20; width: 210; height: 210
            scale: 215 / 210
            GaugeSlot { id: handleB; panel: panel; slot: 1; nominalSize: 210 }
        }
    }

    TestCase {
        name: "Editing"
        when: windowShown

        function init() {
            testSupport.clearExchange()
            panel.flagLock = false
            panel.calls = []
            gaugeA.x = 10; gaugeA.y = 20
        }

        function test_integerText_data() {
            return [
                {tag: "positive fraction", v: 12.9, t: "12"}, {tag: "negative fraction", v: -3.7, t: "-3"},
                {tag: "size after scale", v: 215 / 210 * 210, t: "214"}, {tag: "exact", v: 180, t: "180"},
                {tag: "negative zero", v: -0.4, t: "0"}, {tag: "tiny", v: 5e-7, t: "0"},
                {tag: "not a number", v: NaN, t: "0"}, {tag: "infinite", v: Infinity, t: "0"},
            ]
        }
        function test_integerText(d) {
            compare(Layout.integerText(d.v), d.t)
        }

        function test_replaceSlot() {
            compare(Layout.replaceSlot("1,2,3,4,5,6,7,8,X", 1, 0, 12.9, -3.7, 210, false), "1,2,3,4,12,-3,210,0,X")
            compare(Layout.replaceSlot("a,b,c,d,e,f", 0, 2, 1, 2, 3, true), "a,b,1,2,3,1")
            // A short string is extended with empty fields in between.
            compare(Layout.replaceSlot("a,b", 1, 0, 1, 2, 3, true), "a,b,,,1,2,3,1")
            compare(Layout.replaceSlot("", 0, 0, 1, 2, 3, true), "1,2,3,1")
            compare(Layout.replaceSlot(undefined, 0, 0, 1, 2, 3, true), "1,2,3,1")
            compare(Layout.replaceField("a,b,c", 5, "1.15"), "a,b,c,,,1.15")
        }

        function test_slotPlacement() {
            const p = Layout.slotPlacement("0,0,0,0,12,-3,105,1", 1, 0, 210)
            compare([p.x, p.y, p.scale, p.visible], [12, -3, 0.5, true])
            const q = Layout.slotPlacement("1,x,,0", 0, 0, 210)
            compare([q.x, q.y, q.scale, q.visible], [1, undefined, undefined, false])
            const r = Layout.slotPlacement("1,2", 0, 0, 210)
            compare([r.x, r.y, r.scale, r.visible], [1, 2, undefined, undefined])
            // Damaged fields far beyond any screen are not numbers either.
            const s = Layout.slotPlacement("1e300,-20000,2e6,1", 0, 0, 210)
            compare([s.x, s.y, s.scale, s.visible], [undefined, -20000, undefined, true])
            compare(Layout.slotPlacement("0,0,4201,1", 0, 0, 210).scale, undefined)
            compare(Layout.slotPlacement("0,0,-1,1", 0, 0, 210).scale, undefined)
            compare(Layout.slotPlacement("0,0,4200,1", 0, 0, 210).scale, 20)
        }

        function test_applyKeepsWhatTheStringLacks() {
            handleA.apply("40,50,105,1")
            compare([gaugeA.x, gaugeA.y, gaugeA.scale, gaugeA.visible], [40, 50, 0.5, true])
            handleA.apply("7,nope")
            compare([gaugeA.x, gaugeA.y, gaugeA.scale], [7, 50, 0.5])
            handleA.apply("10,20,210,1")
            compare(gaugeA.scale, 1)
        }

        function test_clickWithoutMoveRewritesSameSlot() {
            mouseClick(gaugeA, 100, 100)
            compare(panel.calls.length, 1)
            compare(testSupport.read(configPath), "10,20,210,1,300,20,215,1,RADOD")
        }

        function test_sizeIsTruncatedAfterScale() {
            mouseClick(panel, 405, 125)
            compare(panel.calls.length, 1)
            compare(panel.calls[0][0], 1)
            compare(testSupport.read(configPath), "10,20,210,1,300,20,214,1,RADOD")
        }

        function test_dragMovesAndStores() {
            mousePress(gaugeA, 100, 100)
            for (let i = 1; i <= 10; ++i)
                mouseMove(gaugeA, 100 + i * 5, 100 + i * 3)
            mouseRelease(gaugeA, 150, 130)
            verify(gaugeA.x > 10, "gauge moved right")
            verify(gaugeA.y > 20, "gauge moved down")
            const stored = testSupport.read(configPath).split(",")
            compare(stored[0], String(Math.trunc(gaugeA.x)))
            compare(stored[1], String(Math.trunc(gaugeA.y)))
            compare(stored.slice(2).join(","), "210,1,300,20,215,1,RADOD")
        }

        function test_lockedHandleIgnoresMouse() {
            panel.flagLock = true
            verify(!handleA.enabled)
            mousePress(gaugeA, 100, 100)
            mouseMove(gaugeA, 150, 150)
            mouseRelease(gaugeA, 150, 150)
            compare([gaugeA.x, gaugeA.y], [10, 20])
            compare(panel.calls.length, 0)
            compare(testSupport.read(configPath), "<missing>")
        }
    }
}
