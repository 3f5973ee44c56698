import QtQuick
import QtQuick.Controls
import "qrc:/Classes/LayoutString.js" as LayoutString
import "../CessnaLayout.js" as CessnaLayout

// The Cessna panel's layout menu: places, sizes and hides the 22 gauges by
// number on a working copy of the layout string (configText), saves it with
// the window geometry, puts the default back, and sets the two lock flags.
Rectangle {
    id: root
    width: 902
    height: 771
    color: "black"

    // While true the fields are neither filled from nor written into the
    // working copy (set by the Lock and Screen boxes).
    property bool lock: false
    // The selected slot (0 to 21).
    property real instId: 0
    property var fileClass: null
    // The working copy of the layout string.
    property string configText: ""
    property var viewmanager: null

    // Combo entries; the index is the slot number.
    readonly property var instrumentNames: [
        "Airspeed", "Altimeter", "Horizonte", "Heading", "TurnSlip", "VerticalSpeed",
        "OilTempPress", "VacAmp", "DualFuel", "EgtFuelFlow", "Davtron", "Rpm", "VOR1", "VOR2",
        "ADF", "Compass", "Annunciator", "MarkerBeacon", "Plate", "HSI", "Trim/Flaps", "DME"
    ]

    // Click areas on the preview, in its 800 x 526 frame: x, y, width, height, slot.
    readonly property var previewAreas: [
        [278, 131, 98, 107, 0], [525, 122, 127, 125, 1], [407, 131, 104, 107, 2],
        [407, 262, 104, 107, 3], [267, 262, 115, 107, 4], [534, 262, 112, 107, 5],
        [8, 391, 117, 106, 6], [139, 391, 117, 106, 7], [8, 262, 117, 113, 8],
        [139, 262, 117, 113, 9], [132, 122, 124, 125, 10], [535, 391, 111, 106, 11],
        [658, 125, 123, 120, 12], [658, 251, 123, 129, 13], [658, 386, 123, 124, 14],
        [658, 22, 117, 54, 15], [344, 14, 230, 50, 16], [0, 22, 120, 35, 17],
        [183, 22, 120, 35, 18], [8, 131, 130, 120, 19], [303, 381, 58, 116, 20],
        [399, 409, 130, 64, 21]
    ]

    // ---- working copy ------------------------------------------------------

    // Shows slot `pos` of the working copy in the fields (not while locked).
    // A field the working copy lacks leaves its control as it is.
    function fillTextFields(pos) {
        if (lock)
            return
        const f = LayoutString.fields(configText)
        const first = 4 * pos
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
    function writeField(pos, value) {
        const changed = LayoutString.replaceField(CessnaLayout.complete(configText), pos, String(value))
        if (changed !== configText)
            configText = changed
    }

    // An edit of X, Y or Size (not while locked).
    function updateTextFile(pos, value) {
        if (lock)
            return
        writeField(pos, value)
    }

    function selectSlot(slot) {
        instId = slot
        instrumentBox.currentIndex = slot
        fillTextFields(instId)
    }

    // Writes the working copy to config.txt, then lets the geometry service
    // store the window's position and size into it.
    function save() {
        const whole = CessnaLayout.complete(configText)
        if (whole !== configText)
            configText = whole
        if (fileClass)
            fileClass.writeFile(configText, CessnaLayout.configPath)
        if (viewmanager)
            viewmanager.saveWindowGeometry()
    }

    // Deletes config.txt and takes the default layout as the working copy;
    // the next Save writes it.
    function reset() {
        if (fileClass)
            fileClass.deleteFile(CessnaLayout.configPath)
        configText = CessnaLayout.defaultLayout
    }

    // A shortcut: the field as a number (empty counts as 0) changed by one,
    // then Save. A field that does not hold a number is left alone.
    function step(field, delta) {
        const text = field.text.trim()
        const n = text === "" ? 0 : Number(text)
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

    function readLock() {
        return fileClass ? fileClass.readTextFromFile(CessnaLayout.lockPath) === "1" : false
    }
    function readLockGeral() {
        return fileClass ? fileClass.readTextFromFile(CessnaLayout.lockGeralPath) === "1" : false
    }
    function readLockBoxes() {
        lockBox.checked = readLock()
        screenBox.checked = readLockGeral()
    }
    function setLockFile(path, locked) {
        if (fileClass)
            fileClass.writeFile(locked ? "1" : "0", path)
        lock = locked
    }

    onConfigTextChanged: {
        if (configText !== "")
            fillTextFields(instId)
    }
    onFileClassChanged: readLockBoxes()
    Component.onCompleted: {
        readLockBoxes()
        if (configText !== "")
            fillTextFields(instId)
    }

    Shortcut { sequence: "Left"; onActivated: root.step(xField, -1) }
    Shortcut { sequence: "Right"; onActivated: root.step(xField, 1) }
    Shortcut { sequence: "Up"; onActivated: root.step(yField, -1) }
    Shortcut { sequence: "Down"; onActivated: root.step(yField, 1) }
    Shortcut { sequence: "+"; onActivated: root.step(sizeField, 1) }
    Shortcut { sequence: "-"; onActivated: root.step(sizeField, -1) }

    // A label gets the width up to its control; where the system font is too
    // wide for that at 26 px, the text is made smaller instead of running
    // under the control.
    component MenuLabel: Label {
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
        width: 80
        height: 35
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
        onAccepted: root.commit()
    }

    Image {
        id: background
        objectName: "background"
        anchors.fill: parent
        source: "qrc:/Cessna/images/bg_config.jpg"
        fillMode: Image.Stretch

        Item {
            id: focusHolder
            objectName: "focusHolder"
            anchors.fill: parent
            focus: true
        }
    }

    // A picture of the default panel; a click on a gauge selects it.
    Image {
        id: preview
        objectName: "preview"
        x: (root.width - width) / 2
        y: 1
        width: 800
        height: 526
        source: "qrc:/Cessna/images/previewPainel.png"
        fillMode: Image.Stretch
        smooth: true

        Repeater {
            model: root.previewAreas
            MouseArea {
                required property var modelData
                objectName: "area" + modelData[4]
                x: modelData[0]
                y: modelData[1]
                width: modelData[2]
                height: modelData[3]
                onClicked: root.selectSlot(modelData[4])
            }
        }
    }

    Item {
        id: controls
        x: 9
        y: 11

        MenuLabel { x: 595; y: 540; width: 127; text: qsTr("Position X: ") }
        NumberField {
            id: xField
            objectName: "xField"
            x: 722; y: 540
            onTextChanged: root.updateTextFile(4 * root.instId, text)
        }
        MenuLabel { x: 596; y: 600; width: 126; text: qsTr("Position Y: ") }
        NumberField {
            id: yField
            objectName: "yField"
            x: 722; y: 600
            onTextChanged: root.updateTextFile(4 * root.instId + 1, text)
        }
        MenuLabel { x: 368; y: 600; width: 62; text: qsTr("Size: ") }
        NumberField {
            id: sizeField
            objectName: "sizeField"
            x: 430; y: 600
            onTextChanged: root.updateTextFile(4 * root.instId + 2, text)
        }

        MenuLabel { x: 368; y: 540; width: 92; text: qsTr("Visible: ") }
        TickBox {
            id: visibleBox
            objectName: "visibleBox"
            x: 460; y: 540
            // Every change of state reaches the working copy: once as an edit,
            // and once more whatever the menu's lock says.
            onCheckedChanged: {
                const field = 4 * root.instId + 3
                root.updateTextFile(field, checked ? "1" : "0")
                root.writeField(field, checked ? "1" : "0")
            }
        }

        MenuLabel { x: 620; y: 665; width: 60; text: qsTr("Lock: ") }
        TickBox {
            id: lockBox
            objectName: "lockBox"
            x: 680; y: 665
            onToggled: root.setLockFile(CessnaLayout.lockPath, checked)
        }
        MenuLabel { x: 730; y: 665; width: 85; height: 35; text: qsTr("Screen: ") }
        TickBox {
            id: screenBox
            objectName: "screenBox"
            x: 815; y: 665
            onToggled: root.setLockFile(CessnaLayout.lockGeralPath, checked)
        }

        Button {
            id: saveButton
            objectName: "saveButton"
            x: 259; y: 660
            width: 340; height: 46
            text: qsTr("Save")
            font.pixelSize: 30
            background: WhiteBackground {}
            onClicked: root.save()
        }
        Button {
            id: resetButton
            objectName: "resetButton"
            x: 100; y: 660
            width: 100; height: 46
            text: qsTr("Reset")
            font.pixelSize: 21
            background: WhiteBackground {}
            onClicked: root.reset()
        }

        MenuLabel { x: 79; y: 540; text: qsTr("Instrument:") }
        ComboBox {
            id: instrumentBox
            objectName: "instrumentBox"
            x: 79; y: 600
            width: 190; height: 40
            font.pixelSize: height * 0.65
            model: root.instrumentNames
            background: WhiteBackground {}
            onActivated: index => root.selectSlot(index)
        }
    }
}
