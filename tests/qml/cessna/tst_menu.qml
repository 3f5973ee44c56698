import QtQuick
import QtTest
import "qrc:/Cessna/CessnaConfig"
import "qrc:/Classes/Modules.js" as Modules

// The Cessna layout menu on a real file service over a temporary exchange
// folder: the working copy and its rules, Save, Reset, the boxes, the
// shortcuts and the selection of a gauge.
Item {
    id: testRoot
    width: 902
    height: 771

    readonly property string configPath: testSupport.literalPath("config.txt")
    readonly property string lockPath: testSupport.literalPath("lock.txt")
    readonly property string lockGeralPath: testSupport.literalPath("lockGeral.txt")
    readonly property string defaultLayout: Modules.Cessna.defaultLayout

    // Stands in for the geometry service: records what config.txt held each
    // time the menu asked it to store the window geometry.
    QtObject {
        id: windowStandIn
        property var savedFiles: []
        function saveWindowGeometry() {
            savedFiles = savedFiles.concat([testSupport.read(testRoot.configPath)])
        }
    }

    // Stands in for the panel's layout string.
    property string panelString: defaultLayout

    Component {
        id: menuComponent
        CessnaConfig {
            fileClass: fileclass
            configText: testRoot.panelString
            viewmanager: windowStandIn
        }
    }

    TestCase {
        id: test
        name: "CessnaMenu"
        when: windowShown

        property var menu: null

        function fieldOf(layout, i) {
            return layout.split(",")[i]
        }
        function child(name) {
            const found = findChild(menu, name)
            verify(found, name)
            return found
        }
        function clickItem(item) {
            mouseClick(item, item.width / 2, item.height / 2)
        }
        // Clicks into a field, selects what it holds and types a new text.
        function typeInto(field, text) {
            clickItem(field)
            field.selectAll()
            for (const c of text)
                keyClick(c)
        }

        function init() {
            testSupport.clearExchange()
            windowStandIn.savedFiles = []
            testRoot.panelString = testRoot.defaultLayout
            menu = createTemporaryObject(menuComponent, testRoot)
            verify(menu)
            waitForRendering(menu)
        }

        function test_startsOnSlotZero() {
            compare(menu.instId, 0)
            compare(menu.lock, false)
            compare(child("xField").text, "440")
            compare(child("yField").text, "226")
            compare(child("sizeField").text, "210")
            compare(child("visibleBox").checked, true)
            const combo = child("instrumentBox")
            compare(combo.count, 22)
            compare(combo.textAt(0), "Airspeed")
            compare(combo.textAt(12), "VOR1")
            compare(combo.textAt(20), "Trim/Flaps")
            compare(combo.textAt(21), "DME")
            compare(testSupport.read(configPath), "<missing>", "nothing written at start")
        }

        function test_selectionByCombo() {
            const combo = child("instrumentBox")
            clickItem(combo)
            tryVerify(() => combo.popup.opened)
            const list = combo.popup.contentItem
            list.positionViewAtIndex(12, ListView.Center)
            const entry = list.itemAtIndex(12)
            verify(entry)
            clickItem(entry)
            tryVerify(() => !combo.popup.visible)
            compare(menu.instId, 12)
            compare(child("xField").text, "1088")
            compare(child("yField").text, "182")
            compare(child("sizeField").text, "210")
        }

        function test_selectionByPreview_data() {
            return [{tag: "VOR1", slot: 12, x: "1088"}, {tag: "DME", slot: 21, x: "630"},
                    {tag: "Plate", slot: 18, x: "424"}, {tag: "Compass", slot: 15, x: "1117"}]
        }
        function test_selectionByPreview(d) {
            const area = child("area" + d.slot)
            clickItem(area)
            compare(menu.instId, d.slot)
            compare(child("instrumentBox").currentIndex, d.slot)
            compare(child("xField").text, d.x)
        }

        function test_typingChangesWorkingCopyOnly() {
            typeInto(child("xField"), "500")
            compare(fieldOf(menu.configText, 0), "500")
            compare(testSupport.read(configPath), "<missing>", "typing writes nothing")
            typeInto(child("sizeField"), "180")
            compare(fieldOf(menu.configText, 2), "180")
            // Return drops the focus and saves.
            keyClick(Qt.Key_Return)
            verify(!child("sizeField").activeFocus)
            const expected = menu.configText
            compare(testSupport.read(configPath), expected)
            compare(windowStandIn.savedFiles, [expected], "geometry stored after the write")
        }

        function test_saveButton() {
            typeInto(child("yField"), "300")
            clickItem(child("saveButton"))
            compare(fieldOf(testSupport.read(configPath), 1), "300")
            compare(windowStandIn.savedFiles.length, 1)
        }

        function test_shortcuts_data() {
            return [
                {tag: "Left", key: Qt.Key_Left, field: 0, values: ["439", "438", "437"]},
                {tag: "Right", key: Qt.Key_Right, field: 0, values: ["441", "442", "443"]},
                {tag: "Up", key: Qt.Key_Up, field: 1, values: ["225", "224", "223"]},
                {tag: "Down", key: Qt.Key_Down, field: 1, values: ["227", "228", "229"]},
                {tag: "plus", key: Qt.Key_Plus, field: 2, values: ["211", "212", "213"]},
                {tag: "minus", key: Qt.Key_Minus, field: 2, values: ["209", "208", "207"]},
            ]
        }
        function test_shortcuts(d) {
            for (let i = 0; i < 3; ++i)
                keyClick(d.key)
            // Three writes, each followed by the geometry service.
            compare(windowStandIn.savedFiles.map(text => fieldOf(text, d.field)), d.values)
            compare(fieldOf(menu.configText, d.field), d.values[2])
        }

        function test_shortcutLeavesNonNumberAlone() {
            typeInto(child("xField"), "abc")
            child("focusHolder").forceActiveFocus()
            keyClick(Qt.Key_Right)
            compare(child("xField").text, "abc")
            compare(testSupport.read(configPath), "<missing>")
            // An emptied field counts as 0.
            typeInto(child("yField"), "")
            keyClick(Qt.Key_Delete)
            compare(child("yField").text, "")
            child("focusHolder").forceActiveFocus()
            keyClick(Qt.Key_Down)
            compare(child("yField").text, "1")
            compare(fieldOf(testSupport.read(configPath), 1), "1")
        }

        function test_resetThenSave() {
            testSupport.write(configPath, "1,2,3,1")
            clickItem(child("area12"))
            typeInto(child("xField"), "7")
            verify(menu.configText !== testRoot.defaultLayout)
            clickItem(child("resetButton"))
            verify(!testSupport.exists(configPath), "Reset deletes config.txt")
            compare(menu.configText, testRoot.defaultLayout)
            compare(child("xField").text, "1088", "the default of the selected slot at once")
            clickItem(child("saveButton"))
            compare(testSupport.read(configPath), testRoot.defaultLayout)
            compare(windowStandIn.savedFiles, [testRoot.defaultLayout])
        }

        function test_followsPanelUntilChanged() {
            const moved = testRoot.defaultLayout.replace(/^440,226/, "100,120")
            testRoot.panelString = moved
            compare(menu.configText, moved)
            compare(child("xField").text, "100")
            // Saving without an edit keeps following.
            clickItem(child("saveButton"))
            testRoot.panelString = testRoot.defaultLayout
            compare(menu.configText, testRoot.defaultLayout)
            // After the menu's own edit it no longer follows.
            typeInto(child("xField"), "5")
            testRoot.panelString = moved
            compare(fieldOf(menu.configText, 0), "5")
        }

        function test_visibleBox() {
            const box = child("visibleBox")
            clickItem(box)
            compare(box.checked, false)
            compare(fieldOf(menu.configText, 3), "0")
            compare(findChild(box, "tick").visible, false)
            clickItem(box)
            compare(fieldOf(menu.configText, 3), "1")
            compare(findChild(box, "tick").visible, true)
        }

        function test_lockBoxes() {
            const lockBox = child("lockBox"), screenBox = child("screenBox")
            compare(lockBox.checked, false)
            clickItem(lockBox)
            compare(testSupport.read(lockPath), "1")
            compare(menu.lock, true)
            clickItem(lockBox)
            compare(testSupport.read(lockPath), "0")
            compare(menu.lock, false)
            clickItem(screenBox)
            compare(testSupport.read(lockGeralPath), "1")
            compare(menu.lock, true, "Screen locks the menu too")
            clickItem(screenBox)
            compare(testSupport.read(lockGeralPath), "0")
            compare(menu.lock, false)
        }

        function test_lockedMenu() {
            clickItem(child("lockBox"))
            // Selection no longer fills the fields, edits stay out of the copy.
            clickItem(child("area12"))
            compare(menu.instId, 12)
            compare(child("xField").text, "440")
            typeInto(child("xField"), "999")
            compare(fieldOf(menu.configText, 48), "1088")
            compare(fieldOf(menu.configText, 0), "440")
            // The visible box still reaches the copy (its second write).
            clickItem(child("visibleBox"))
            compare(fieldOf(menu.configText, 51), "0")
            // Save still writes the copy.
            clickItem(child("saveButton"))
            compare(testSupport.read(configPath), menu.configText)
        }

        function test_boxesReadTheLockFiles() {
            testSupport.write(lockPath, "1")
            testSupport.write(lockGeralPath, "1\n")
            const m = createTemporaryObject(menuComponent, testRoot)
            compare(findChild(m, "lockBox").checked, true)
            compare(findChild(m, "screenBox").checked, false, "only exactly 1 counts")
            compare(m.lock, false, "the menu starts unlocked whatever the files hold")
            compare(m.readLock(), true)
            compare(m.readLockGeral(), false)
            m.fileClass = null
            compare(m.readLock(), false)
            testSupport.write(lockGeralPath, "1")
            m.fileClass = fileclass
            compare(findChild(m, "screenBox").checked, true, "read again when the file service is set")
        }

        function test_shortWorkingCopyIsCompleted() {
            testRoot.panelString = "10,20,105,1"
            compare(child("xField").text, "10")
            typeInto(child("xField"), "11")
            const fields = menu.configText.split(",")
            compare(fields.length, 94)
            compare(fields.slice(0, 4), ["11", "20", "105", "1"])
            compare(fields.slice(4).join(","), testRoot.defaultLayout.split(",").slice(4).join(","))
            testRoot.panelString = ""
            const m = createTemporaryObject(menuComponent, testRoot)
            clickItem(findChild(m, "saveButton"))
            compare(testSupport.read(configPath), testRoot.defaultLayout, "an empty copy saves the default")
        }
    }
}
