import QtQuick
import QtQuick.Controls
import "qrc:/Classes/LayoutString.js" as LayoutString
import "qrc:/Classes/Modules.js" as Modules

// What every panel's layout menu does: it places, sizes and hides the
// panel's gauges by number on a working copy of the layout string
// (configText), saves it with the window geometry, puts the default back, and
// sets the two lock flags. A menu document is this component plus its data:
// its module, the field where slot 0 starts, its entries and preview, where
// its controls stand, and the few rules in which the menus differ.
//
// The working copy starts as the panel's layout string and follows each new
// one until the menu changes it; after that it changes only by the menu's own
// edits, by Reset, and by the panel handing it a string it stored.
Rectangle {
    id: menu

    // ---- the menu's state ----------------------------------------------------

    // While true, edits of X, Y and Size do not reach the working copy (set
    // by the Lock box, and by the Screen box where `screenSetsLock`).
    property bool lock: false
    // The selected slot.
    property real instId: 0
    property var fileClass: null
    // The working copy of the layout string.
    property string configText: ""
    property var viewmanager: null

    // ---- the menu's data -----------------------------------------------------

    // The module table's row of the panel (Classes/Modules.js).
    property var module: null
    // Layout field where slot 0 starts.
    property int firstSlotField: 0
    // The background image, stretched over the menu.
    property url backgroundSource
    // Entry names (the index is the slot number) and the preview: its image,
    // its place [x, y, width, height] and its click areas [x, y, width,
    // height, slot] in its own frame.
    property var instrumentNames: []
    property url previewSource
    property var previewPlace: [0, 0, 0, 0]
    property var previewAreas: []
    // Offset of the controls group, and each control's place in it:
    // labels [x, y, width], fields and boxes [x, y], buttons [x, y, width,
    // height, font pixel size], the selector [x, y, width, height]. A control
    // without a place is not shown.
    property point controlsOffset: Qt.point(0, 0)
    property var places: ({})
    // Label and button texts by control (marked for translation by the menu).
    property var texts: ({})
    // What the X, Y and Size fields hold before a slot is shown, by field
    // name ("xField", "yField", "sizeField"); empty where not given.
    property var initialTexts: ({})
    // Tick images and the share of the box they cover.
    property url tickSource: "qrc:/Cessna/images/check.jpg"
    property url screenTickSource: tickSource
    property real visibleTickShare: 0.9

    // ---- the rules in which the menus differ ----------------------------------

    // The fields show the selected slot also while `lock` is true.
    property bool fillWhileLocked: false
    // The Visible box reaches the working copy whatever `lock` says.
    property bool visibleIgnoresLock: false
    // Ticking Screen also sets the menu's own `lock`.
    property bool screenSetsLock: true
    // Reset deletes the file and takes the default layout as the working copy;
    // false: Reset writes the working copy as it is, without the geometry.
    property bool resetRestoresDefault: true
    // The "+" shortcut is also written to the debug log.
    property bool logsPlus: false

    readonly property alias instrumentBox: instrumentBox
    readonly property alias xField: xField
    readonly property alias yField: yField
    readonly property alias sizeField: sizeField
    readonly property alias visibleBox: visibleBox
    readonly property alias lockBox: lockBox
    readonly property alias screenBox: screenBox

    readonly property string configPath: module ? module.configPath : ""

    // ---- working copy --------------------------------------------------------

    function slotField(pos) {
        return firstSlotField + 4 * pos
    }

    // Shows slot `pos` of the working copy in the fields. A field the working
    // copy lacks leaves its control as it is.
    function fillTextFields(pos) {
        if (lock && !fillWhileLocked)
            return
        const f = LayoutString.fields(configText)
        const first = slotField(pos)
        if (first < f.length)
            xField.text = f[first]
        if (first + 1 < f.length)
            yField.text = f[first + 1]
        if (first + 2 < f.length)
            sizeField.text = f[first + 2]
        if (first + 3 < f.length) {
            if (f[first + 3] === "1")
                visibleBox.checked = true
            else if (f[first + 3] === "0")
                visibleBox.checked = false
        }
    }

    // Sets one field of the working copy. A working copy that lacks fields is
    // completed from the default layout first, so the copy stays a whole
    // layout. Assigns only on a real change: the copy keeps following the
    // panel's layout string until the menu changes it.
    function writeField(index, value) {
        const changed = LayoutString.replaceField(
                    LayoutString.complete(configText, module ? module.defaultLayout : ""), index, String(value))
        if (changed !== configText)
            configText = changed
    }

    // An edit of slot field `pos` (counted from slot 0's x); not while locked,
    // and not while the menu is being built (the fields taking their first
    // texts are no edits).
    function updateTextFile(pos, value) {
        if (lock || !created)
            return
        writeField(firstSlotField + pos, value)
    }

    function selectSlot(slot) {
        instId = slot
        instrumentBox.currentIndex = slot
        fillTextFields(instId)
    }

    function store(text) {
        if (fileClass && configPath !== "")
            fileClass.writeFile(text, configPath)
    }

    // Writes the working copy to the configuration file, then lets the
    // geometry service store the window's position and size into it.
    function save() {
        const whole = LayoutString.complete(configText, module ? module.defaultLayout : "")
        if (whole !== configText)
            configText = whole
        store(configText)
        if (viewmanager)
            viewmanager.saveWindowGeometry()
    }

    function reset() {
        if (!resetRestoresDefault) {
            store(configText)
            return
        }
        // The file goes; the next Save writes the default.
        if (fileClass && configPath !== "")
            fileClass.deleteFile(configPath)
        configText = module ? module.defaultLayout : ""
    }

    // A shortcut: the field as a number (empty counts as 0) changed by one,
    // then Save. A field that does not hold a number is left alone.
    function step(field, delta) {
        const t = field.text.trim()
        const n = t === "" ? 0 : Number(t)
        if (!isFinite(n))
            return
        field.text = String(n + delta)
        save()
    }

    // Return or Enter in a field: give up the focus and save.
    function commit() {
        focusHolder.forceActiveFocus()
        save()
    }

    function readFlag(path) {
        return fileClass ? fileClass.readTextFromFile(path) === "1" : false
    }
    function readLock() {
        return readFlag(Modules.lockPath)
    }
    function readLockGeral() {
        return readFlag(Modules.lockGeralPath)
    }
    function readLockBoxes() {
        lockBox.checked = readLock()
        screenBox.checked = readLockGeral()
    }
    function setLockFile(path, locked, setsLock) {
        if (fileClass)
            fileClass.writeFile(locked ? "1" : "0", path)
        if (setsLock)
            lock = locked
    }

    function place(name) {
        return places[name]
    }

    // Set once the menu has been built.
    property bool created: false

    onConfigTextChanged: {
        if (configText !== "")
            fillTextFields(instId)
    }
    onFileClassChanged: readLockBoxes()
    Component.onCompleted: {
        created = true
        readLockBoxes()
        if (configText !== "")
            fillTextFields(instId)
    }

    Shortcut { sequence: "Left"; onActivated: menu.step(xField, -1) }
    Shortcut { sequence: "Right"; onActivated: menu.step(xField, 1) }
    Shortcut { sequence: "Up"; onActivated: menu.step(yField, -1) }
    Shortcut { sequence: "Down"; onActivated: menu.step(yField, 1) }
    Shortcut {
        sequence: "+"
        onActivated: {
            if (menu.logsPlus)
                console.debug("+")
            menu.step(sizeField, 1)
        }
    }
    Shortcut { sequence: "-"; onActivated: menu.step(sizeField, -1) }

    // A label gets the width up to its control; where the system font is too
    // wide for that at 26 px, the text is made smaller instead of running
    // under the control.
    component MenuLabel: Label {
        textFormat: Text.PlainText
        property string name
        // The menu: the controls group's parent (ids do not reach inline components).
        readonly property var owner: parent ? parent.parent : null
        readonly property var at: owner ? owner.place(name) : undefined
        visible: at !== undefined
        x: at ? at[0] : 0
        y: at ? at[1] : 0
        width: at && at.length > 2 ? at[2] : implicitWidth
        text: owner ? qsTranslate("LayoutMenu", owner.texts[name] || "") : ""
        color: "white"
        font.pixelSize: 26
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: 14
        height: 35
        verticalAlignment: Text.AlignVCenter
    }
    component WhiteBackground: Rectangle {
        radius: 10
        color: "white"
        border.width: 3
        border.color: "#434343"
    }
    component NumberField: TextField {
        property string name
        // The menu: the controls group's parent (ids do not reach inline components).
        readonly property var owner: parent ? parent.parent : null
        readonly property var at: owner ? owner.place(name) : undefined
        visible: at !== undefined
        x: at ? at[0] : 0
        y: at ? at[1] : 0
        width: 80
        height: 35
        text: owner ? owner.initialTexts[name] || "" : ""
        // The style's own paddings and insets would push the text out of
        // this small field.
        topPadding: 0
        bottomPadding: 0
        leftPadding: 8
        rightPadding: 8
        topInset: 0
        bottomInset: 0
        color: "black"
        font.pixelSize: 20
        verticalAlignment: TextInput.AlignVCenter
        background: WhiteBackground {}
        onAccepted: owner.commit()
    }
    component MenuBox: TickBox {
        property string name
        // The menu: the controls group's parent (ids do not reach inline components).
        readonly property var owner: parent ? parent.parent : null
        readonly property var at: owner ? owner.place(name) : undefined
        visible: at !== undefined
        x: at ? at[0] : 0
        y: at ? at[1] : 0
    }
    component MenuButton: Button {
        property string name
        // The menu: the controls group's parent (ids do not reach inline components).
        readonly property var owner: parent ? parent.parent : null
        readonly property var at: owner ? owner.place(name) : undefined
        visible: at !== undefined
        x: at ? at[0] : 0
        y: at ? at[1] : 0
        width: at ? at[2] : 0
        height: at ? at[3] : 0
        font.pixelSize: at ? at[4] : 20
        text: owner ? qsTranslate("LayoutMenu", owner.texts[name] || "") : ""
        background: WhiteBackground {}
    }

    Image {
        id: background
        objectName: "background"
        anchors.fill: parent
        source: menu.backgroundSource
        fillMode: Image.Stretch

        // Takes the keyboard focus from a field that has been committed.
        Item {
            id: focusHolder
            objectName: "focusHolder"
            anchors.fill: parent
            focus: true
        }
    }

    // A picture of the panel; a click on a gauge selects it.
    Image {
        id: preview
        objectName: "preview"
        x: menu.previewPlace[0]
        y: menu.previewPlace[1]
        width: menu.previewPlace[2]
        height: menu.previewPlace[3]
        source: menu.previewSource
        fillMode: Image.Stretch
        smooth: true

        Repeater {
            model: menu.previewAreas
            MouseArea {
                required property var modelData
                objectName: "area" + modelData[4]
                x: modelData[0]
                y: modelData[1]
                width: modelData[2]
                height: modelData[3]
                onClicked: menu.selectSlot(modelData[4])
            }
        }
    }

    Item {
        id: controls
        x: menu.controlsOffset.x
        y: menu.controlsOffset.y

        MenuLabel { name: "xLabel" }
        NumberField {
            id: xField
            objectName: "xField"
            name: "xField"
            onTextChanged: menu.updateTextFile(4 * menu.instId, text)
        }
        MenuLabel { name: "yLabel" }
        NumberField {
            id: yField
            objectName: "yField"
            name: "yField"
            onTextChanged: menu.updateTextFile(4 * menu.instId + 1, text)
        }
        MenuLabel { name: "sizeLabel" }
        NumberField {
            id: sizeField
            objectName: "sizeField"
            name: "sizeField"
            onTextChanged: menu.updateTextFile(4 * menu.instId + 2, text)
        }

        MenuLabel { name: "visibleLabel" }
        MenuBox {
            id: visibleBox
            objectName: "visibleBox"
            name: "visibleBox"
            tickSource: menu.tickSource
            tickShare: menu.visibleTickShare
            // Every change of state reaches the working copy as an edit, and
            // where the menu says so, whatever its lock says.
            onCheckedChanged: {
                const value = checked ? "1" : "0"
                menu.updateTextFile(4 * menu.instId + 3, value)
                if (menu.visibleIgnoresLock && menu.created)
                    menu.writeField(menu.slotField(menu.instId) + 3, value)
            }
        }

        MenuLabel { name: "lockLabel" }
        MenuBox {
            id: lockBox
            objectName: "lockBox"
            name: "lockBox"
            tickSource: menu.tickSource
            onToggled: menu.setLockFile(Modules.lockPath, checked, true)
        }
        MenuLabel { name: "screenLabel" }
        MenuBox {
            id: screenBox
            objectName: "screenBox"
            name: "screenBox"
            tickSource: menu.screenTickSource
            onToggled: menu.setLockFile(Modules.lockGeralPath, checked, menu.screenSetsLock)
        }

        MenuButton {
            id: saveButton
            objectName: "saveButton"
            name: "saveButton"
            onClicked: menu.save()
        }
        MenuButton {
            id: resetButton
            objectName: "resetButton"
            name: "resetButton"
            onClicked: menu.reset()
        }

        MenuLabel { name: "instrumentLabel" }
        ComboBox {
            id: instrumentBox
            objectName: "instrumentBox"
            readonly property var at: menu.place("instrumentBox")
            x: at ? at[0] : 0
            y: at ? at[1] : 0
            width: at ? at[2] : 190
            height: at ? at[3] : 40
            font.pixelSize: height * 0.65
            model: menu.instrumentNames
            background: WhiteBackground {}
            onActivated: index => menu.selectSlot(index)
        }
    }
}
