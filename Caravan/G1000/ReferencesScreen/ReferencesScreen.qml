import QtQuick
import "qrc:/Classes/LayoutString.js" as LayoutString
import "qrc:/Classes/Modules.js" as Modules
import "ReferencesPage.js" as Page

// The TIMER/REFERENCES page of the Caravan's glass cockpit, worked with the
// bezel's knobs through the G1000 command channel: a timer with its count
// direction and START?, the reference speeds Vx, Vy and Vr, and MINIMUMS.
// The outer knob moves the cursor over the eight selectable items, the inner
// knob steps the item under it, a cursor press presses or releases the timer
// direction, START? and the minimums status (any of them pressed locks the
// page). A changed speed is written to speedsRef.txt.
//
// The page shows itself only while the avionics have it open (value field 92
// reads 2): at every value vector its window goes to fields 0 and 1 of the
// layout string, or off screen.
Rectangle {
    id: root

    // ---- inputs ----------------------------------------------------------------

    property var instrumentValues: typeof TimedProcessing === "string" ? TimedProcessing.split(";") : []
    // The reference speeds as published (and pushed when speedsRef.txt changes).
    property string speedsText: typeof speedsRefValues === "string" ? speedsRefValues : ""
    // The layout string (x, y, width, height, zoom); an embedding document may
    // set it instead.
    property string config: typeof configStringReferences === "string" ? configStringReferences : ""
    property var commandChannel: typeof g1000CommandManager !== "undefined" ? g1000CommandManager : null
    // The page places its window (at its place, or off screen); a screen that
    // composes it with other displays places its own window instead.
    property bool placesWindow: true

    readonly property var files: typeof fileclass !== "undefined" ? fileclass : null
    readonly property var geometry: typeof viewManager !== "undefined" ? viewManager : null
    readonly property string lockPath: Modules.lockGeralPath

    // ---- the page's state ------------------------------------------------------

    // Vx, Vy, Vr (and whatever follows, written back as it is). A list pushed
    // empty (speedsRef.txt deleted) leaves the page's own.
    property var speeds: speedsText.split(",")
    onSpeedsTextChanged: {
        if (speedsText.trim() !== "")
            speeds = speedsText.split(",")
    }

    property string timerValue: "00:00:00"
    property string timerDirection: "UP"
    property string lastTimerValue: "00:00:00"
    property string minimumsStatus: "OFF"
    property string minimumsValue: "_____"
    property int currentSelectionIndex: 2
    property bool upPressed: false
    property bool startPressed: true
    property bool minimumsOffPressed: false
    // Any pressed item locks the page.
    readonly property bool isLocked: upPressed || startPressed || minimumsOffPressed

    // The selectable items, in cursor order.
    readonly property var navigableItems: [timerValueItem, upItem, startButton, vxRow.value, vyRow.value,
                                           vrRow.value, minimumsOffItem, minimumsItem]
    readonly property int lastIndex: 7

    readonly property int zoomField: 4
    readonly property real wheelAnglePerZoom: 2400
    readonly property real minimumZoom: 0.1
    property real zoom: 1
    // Where the window goes while the page is not open.
    readonly property int offScreenX: -10000

    readonly property color cyan: "#00ffff"
    readonly property color green: "#008000"

    width: page.width * zoom
    height: page.height * zoom
    color: "black"

    // ---- commands ----------------------------------------------------------------

    function moveCursor(step) {
        if (!isLocked)
            currentSelectionIndex = Math.min(Math.max(currentSelectionIndex + step, 0), lastIndex)
    }

    // The inner knob on the item under the cursor (`step` +1 or -1).
    function turnInner(step) {
        switch (currentSelectionIndex) {
        case 0:
            if (timerDirection === "DN")
                timerValue = Page.stepTimer(timerValue, step)
            break
        case 1:
            toggleDirection()
            break
        case 3:
        case 4:
        case 5:
            if (!isLocked)
                saveSpeed(currentSelectionIndex - 3, Page.stepWhole(speeds[currentSelectionIndex - 3], step))
            break
        case 6:
            if (!minimumsOffPressed)
                setMinimumsStatus(step > 0 ? "ON" : "OFF")
            break
        case 7:
            setMinimumsStatus("ON")
            if (!isLocked)
                minimumsValue = Page.stepWhole(minimumsValue, 10 * step)
            break
        }
    }

    function toggleDirection() {
        if (timerDirection === "UP") {
            timerDirection = "DN"
            timerValue = lastTimerValue
        } else {
            timerDirection = "UP"
            lastTimerValue = timerValue
            timerValue = "00:00:00"
        }
    }

    function setMinimumsStatus(status) {
        if (status === "ON" && minimumsStatus !== "ON")
            minimumsValue = "0"
        minimumsStatus = status
    }

    // A press of the cursor: presses or releases the direction, START? or the
    // minimums status under it; unless the page is then locked, the cursor
    // goes to START?.
    function pressCursor() {
        if (currentSelectionIndex === 1)
            upPressed = !upPressed
        else if (currentSelectionIndex === 2)
            startPressed = !startPressed
        else if (currentSelectionIndex === 6)
            minimumsOffPressed = !minimumsOffPressed
        if (!isLocked)
            currentSelectionIndex = 2
    }

    // A speed replaced, and the whole list written to speedsRef.txt.
    function saveSpeed(index, text) {
        const list = speeds.slice()
        list[index] = text
        speeds = list
        if (files)
            files.writeFile(list.join(","), Modules.speedsRefPath)
    }

    // ---- window --------------------------------------------------------------------

    // The page's window at its place while the avionics show the page, off
    // screen otherwise.
    function placeWindow() {
        if (!geometry || !placesWindow)
            return
        const open = instrumentValues.length > 92 && Number(instrumentValues[92]) === 2
        const x = LayoutString.numberAt(config, 0), y = LayoutString.numberAt(config, 1)
        geometry.setPosition(open ? (x === undefined ? 0 : x) : offScreenX, y === undefined ? 0 : y)
    }
    onInstrumentValuesChanged: placeWindow()

    function lockFileReads(text) {
        return files !== null && files.readTextFromFile(lockPath) === text
    }

    Connections {
        target: root.commandChannel
        ignoreUnknownSignals: true
        function onOuterKnobUp() { root.moveCursor(1) }
        function onOuterKnobDown() { root.moveCursor(-1) }
        function onInnerKnobUp() { root.turnInner(1) }
        function onInnerKnobDown() { root.turnInner(-1) }
        function onCursorPressed() { root.pressCursor() }
        function onEnterPressed() { console.debug("ENT pressed") }
    }

    FontLoader {
        id: a1000
        source: "qrc:/Caravan/fonts/a1000.ttf"
    }

    // ---- the page --------------------------------------------------------------------

    Item {
        id: page
        objectName: "page"
        width: 330
        height: 230
        scale: root.zoom
        transformOrigin: Item.TopLeft

        readonly property real inset: 10
        readonly property real rowWidth: 310

        Text {
            id: title
            textFormat: Text.PlainText
            y: 5
            anchors.horizontalCenter: parent.horizontalCenter
            text: "REFERENCES"
            color: root.cyan
            font.family: a1000.name
            font.pixelSize: 18
            font.bold: true
        }
        PageRule {
            id: titleRule
            anchors.top: title.bottom
            width: page.width
        }

        // Timer row: TIMER, the timer, its direction, START?.
        Item {
            id: timerRow
            x: page.inset
            anchors.top: titleRule.bottom
            width: page.rowWidth
            height: 38

            Text {
                textFormat: Text.PlainText
                anchors.verticalCenter: parent.verticalCenter
                text: "TIMER"
                color: "white"
                font.family: a1000.name
                font.pixelSize: 16
                font.bold: true
            }
            SelectableText {
                id: timerValueItem
                objectName: "timerValueItem"
                x: 62
                anchors.verticalCenter: parent.verticalCenter
                text: root.timerValue
                font.family: a1000.name
                font.pixelSize: 30
                selected: root.currentSelectionIndex === 0
                locked: root.isLocked
            }
            SelectableText {
                id: upItem
                objectName: "upItem"
                anchors.left: timerValueItem.right
                anchors.leftMargin: 8
                anchors.verticalCenter: parent.verticalCenter
                text: root.timerDirection
                font.family: a1000.name
                font.pixelSize: 21
                selected: root.currentSelectionIndex === 1
                pressed: root.upPressed
                locked: root.isLocked
            }
            SelectableText {
                id: startButton
                objectName: "startButton"
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                text: "START?"
                font.family: a1000.name
                font.pixelSize: 20
                selected: root.currentSelectionIndex === 2
                pressed: root.startPressed
                locked: root.isLocked
            }
        }
        PageRule {
            id: timerRule
            anchors.top: timerRow.bottom
            anchors.topMargin: 1
            width: page.width
        }

        // The reference speeds: labels, and their values right-aligned.
        Column {
            id: speedGrid
            x: page.inset
            anchors.top: timerRow.bottom
            anchors.topMargin: 10
            spacing: 5

            readonly property real labelColumnWidth: 30
            readonly property real valueColumnWidth: 60

            SpeedRow {
                id: vxRow
                label: "Vx"
                fontFamily: a1000.name
                valueColumnX: speedGrid.labelColumnWidth + 10
                valueColumnWidth: speedGrid.valueColumnWidth
                value.objectName: "vxItem"
                value.text: root.speeds[0] === undefined ? "" : root.speeds[0]
                value.selected: root.currentSelectionIndex === 3
                value.locked: root.isLocked
            }
            SpeedRow {
                id: vyRow
                label: "Vy"
                fontFamily: a1000.name
                valueColumnX: speedGrid.labelColumnWidth + 10
                valueColumnWidth: speedGrid.valueColumnWidth
                value.objectName: "vyItem"
                value.text: root.speeds[1] === undefined ? "" : root.speeds[1]
                value.selected: root.currentSelectionIndex === 4
                value.locked: root.isLocked
            }
            SpeedRow {
                id: vrRow
                label: "Vr"
                fontFamily: a1000.name
                valueColumnX: speedGrid.labelColumnWidth + 10
                valueColumnWidth: speedGrid.valueColumnWidth
                value.objectName: "vrItem"
                value.text: root.speeds[2] === undefined ? "" : root.speeds[2]
                value.selected: root.currentSelectionIndex === 5
                value.locked: root.isLocked
            }
        }
        PageRule {
            id: speedRule
            anchors.top: speedGrid.bottom
            anchors.topMargin: 10
            width: page.width
        }

        // Minimums row: MINIMUMS, the status with its arrow, the altitude.
        Item {
            id: minimumsRow
            x: page.inset
            anchors.top: speedRule.bottom
            anchors.topMargin: 10
            width: page.rowWidth
            height: minimumsOffItem.implicitHeight

            readonly property bool on: root.minimumsStatus === "ON"

            Text {
                id: minimumsLabel
                textFormat: Text.PlainText
                anchors.verticalCenter: parent.verticalCenter
                text: "MINIMUMS"
                color: "white"
                font.family: a1000.name
                font.pixelSize: 16
                font.bold: true
            }
            SelectableText {
                id: minimumsOffItem
                objectName: "minimumsOffItem"
                x: minimumsLabel.width + 33
                anchors.verticalCenter: parent.verticalCenter
                text: root.minimumsStatus
                font.family: a1000.name
                font.pixelSize: 16
                margin: 5
                idleColour: minimumsRow.on ? "white" : root.cyan
                selected: root.currentSelectionIndex === 6
                pressed: root.minimumsOffPressed
                locked: root.isLocked
            }
            // The arrow that says which way the status turns: ">" to its
            // right while OFF, "<" to its left while ON.
            Text {
                textFormat: Text.PlainText
                objectName: "minimumsArrow"
                x: minimumsRow.on ? minimumsOffItem.x - 15 - width : minimumsOffItem.x + minimumsOffItem.width + 5
                y: -1
                text: minimumsRow.on ? "<" : ">"
                color: root.green
                font.pixelSize: 16
                font.bold: true
            }
            // The altitude and "FT" on one highlight; while OFF a cyan line,
            // at least 40 units long, stands for the altitude.
            Rectangle {
                id: minimumsItem
                objectName: "minimumsItem"
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                width: altitudeCell.width + feetGap + feet.implicitWidth
                height: feet.implicitHeight
                color: highlighted ? root.cyan : "black"

                readonly property real feetGap: 5
                readonly property real shortestLine: 40
                readonly property bool highlighted: root.currentSelectionIndex === 7 && !root.isLocked
                readonly property color ink: highlighted ? "black" : root.cyan

                Item {
                    id: altitudeCell
                    width: minimumsRow.on ? altitude.implicitWidth
                                          : Math.max(altitude.implicitWidth, minimumsItem.shortestLine)
                    height: parent.height

                    Text {
                        id: altitude
                        objectName: "minimumsValue"
                        anchors.centerIn: parent
                        visible: minimumsRow.on
                        text: root.minimumsValue
                        textFormat: Text.PlainText
                        color: minimumsItem.ink
                        font.family: a1000.name
                        font.pixelSize: 16
                    }
                    Rectangle {
                        objectName: "minimumsLine"
                        anchors.centerIn: parent
                        visible: !minimumsRow.on
                        width: altitude.implicitWidth
                        height: 2
                        color: minimumsItem.ink
                    }
                }
                Text {
                    id: feet
                    textFormat: Text.PlainText
                    anchors.right: parent.right
                    anchors.verticalCenter: parent.verticalCenter
                    text: "FT"
                    color: minimumsItem.ink
                    font.family: a1000.name
                    font.pixelSize: 16
                    font.bold: true
                }
            }
        }
    }

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.NoButton
        onWheel: wheel => {
            if (wheel.angleDelta.y !== 0 && root.lockFileReads("0")) {
                root.zoom = Math.max(root.zoom + wheel.angleDelta.y / root.wheelAnglePerZoom, root.minimumZoom)
                root.config = LayoutString.replaceField(root.config, root.zoomField, root.zoom.toFixed(4))
            }
            wheel.accepted = true
        }
    }

    Component.onCompleted: placeWindow()
}
