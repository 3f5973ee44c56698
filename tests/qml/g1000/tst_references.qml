import QtQuick
import QtTest
import "qrc:/Classes/Modules.js" as Modules

// The references page's looks and zoom (its knobs are worked through the real
// command channel in tst_g1000_windows): which item is highlighted, and the
// wheel zoom under the general lock file.
Item {
    id: stage
    width: 800
    height: 600

    readonly property var pageComponent: Qt.createComponent("qrc:/Caravan/G1000/ReferencesScreen/ReferencesScreen.qml")

    TestCase {
        name: "ReferencesPage"
        when: windowShown

        property var page: null

        function make() {
            testSupport.clearExchange()
            compare(stage.pageComponent.status, Component.Ready, stage.pageComponent.errorString())
            page = createTemporaryObject(stage.pageComponent, stage, {speedsText: "85,105,70", config: "1,2,330,230"})
            verify(page)
            return page
        }
        function cyanItems() {
            return page.navigableItems.filter(i => String(i.color) === "#00ffff").map(i => i.objectName)
        }

        // Under the cursor and unlocked: cyan; pressed items and a locked page
        // show no highlight.
        function test_highlight() {
            make()
            compare(page.navigableItems.length, 8)
            compare(cyanItems(), []) // START? under the cursor, but pressed
            page.startPressed = false
            compare(cyanItems(), ["startButton"])
            page.currentSelectionIndex = 4
            compare(cyanItems(), ["vyItem"])
            compare(findChild(page, "vyItem").text, "105")
            page.upPressed = true
            compare(cyanItems(), [])
            page.upPressed = false
            page.currentSelectionIndex = 7
            compare(cyanItems(), ["minimumsItem"])
        }

        function test_wheelZoom() {
            make()
            testSupport.write(Modules.lockGeralPath, "1")
            mouseWheel(page, 20, 20, 0, 120)
            compare(page.zoom, 1)
            testSupport.write(Modules.lockGeralPath, "0")
            mouseWheel(page, 20, 20, 0, 240)
            fuzzyCompare(page.zoom, 1.1, 1e-12)
            compare([page.width, page.height], [363, 253])
            compare(page.config, "1,2,330,230,1.1000")
            for (let i = 0; i < 30; ++i)
                mouseWheel(page, 20, 20, 0, -120)
            compare(page.zoom, 0.1)
        }
    }
}
