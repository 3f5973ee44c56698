import QtQuick
import "qrc:/Classes/VectorImage"
import "qrc:/Classes/LayoutString.js" as LayoutString
import "qrc:/Classes/LockFile.js" as LockFile
import "qrc:/Classes/Modules.js" as Modules
import "EisScale.js" as Scale

// The engine indication strip of the Caravan's glass cockpit: torque, ITT and
// Ng on arcs, propeller RPM, oil pressure and temperature on bars, the two
// fuel columns, fuel flow, battery current and bus voltage, from the value
// vector. The scales, bands and labels are the background image; the pointers
// are vector images over it; nothing is animated and nothing changes colour.
//
// The strip is 240 x 1000 units in `container`, scaled by the zoom. It can be
// dragged within its parent (when embedded); the wheel zooms it, S stores the
// zoom and the window's place, R does nothing else, L flips the general lock
// file. The wheel, S and R work only while that file reads exactly "0".
Rectangle {
    id: root

    // ---- inputs ----------------------------------------------------------------

    property var instrumentValues: typeof TimedProcessing === "string" ? TimedProcessing.split(";") : []
    // The layout string (window x, y, width, height, zoom); an embedding
    // document may set it instead.
    property string config: typeof configStringEIS === "string" ? configStringEIS : ""

    readonly property var files: typeof fileclass !== "undefined" ? fileclass : null
    readonly property var geometry: typeof viewManager !== "undefined" ? viewManager : null
    readonly property string lockPath: Modules.lockGeralPath
    readonly property string configPath: Modules.EIS.configPath

    // ---- the strip -------------------------------------------------------------

    readonly property real stripWidth: 240
    readonly property real stripHeight: 1000
    readonly property int zoomField: 4
    // Wheel angle (1/8 degree units) per unit of zoom: one notch adds 0.05.
    readonly property real wheelAnglePerZoom: 2400
    readonly property real minimumZoom: 0.1
    property alias zoom: container.scale

    // The numbers, as the strip shows them.
    readonly property string torqueText: Scale.converted(field(65), 0, Scale.footPoundsPerNewtonMetre, 0)
    readonly property string ittText: Scale.validated(field(70), 0)
    readonly property string ngText: Scale.validated(field(71), 1)
    readonly property string propRpmText: Scale.validated(field(72), 0)
    readonly property string oilPsiText: Scale.validated(field(1), 0)
    readonly property string oilTempText: Scale.validated(field(0), 0)
    readonly property string fuelLeftText: Scale.converted(field(2), 1, Scale.poundsPerKilogram, 1)
    readonly property string fuelRightText: Scale.converted(field(3), 1, Scale.poundsPerKilogram, 1)
    readonly property string fuelFlowText: Scale.fuelFlow(field(7))
    readonly property string batAmpsText: Scale.validated(field(73), 1)
    readonly property string busVoltsText: Scale.validated(field(47), 1)

    width: stripWidth * zoom
    height: stripHeight * zoom
    color: "black"
    focus: true

    // Field i as text, or undefined when the vector is too short.
    function field(i) {
        return i < instrumentValues.length ? instrumentValues[i] : undefined
    }

    function lockFileReads(text) {
        return LockFile.reads(files, lockPath, text)
    }

    function zoomBy(angle) {
        if (angle === 0 || !lockFileReads("0"))
            return
        zoom = Math.max(zoom + angle / wheelAnglePerZoom, minimumZoom)
        config = LayoutString.replaceField(config, zoomField, zoom.toFixed(4))
    }

    // S: the zoom into the layout string, the string into configEIS.txt, and
    // the window's place and size after it.
    function storeLayout() {
        config = LayoutString.replaceField(config, zoomField, String(zoom))
        files.writeFile(config, configPath)
        if (geometry)
            geometry.saveWindowGeometry()
    }

    function toggleLockFile() {
        LockFile.toggle(files, lockPath)
    }

    // Keeps the strip inside its parent, where the drag may take it.
    function updateDragLimits() {
        const p = root.parent
        if (!p)
            return
        dragArea.drag.maximumX = Math.max(0, p.width - root.width * root.scale)
        dragArea.drag.maximumY = Math.max(0, p.height - root.height * root.scale)
        root.x = Math.min(Math.max(root.x, 0), dragArea.drag.maximumX)
        root.y = Math.min(Math.max(root.y, 0), dragArea.drag.maximumY)
    }

    Keys.onPressed: event => {
        if (!files)
            return
        switch (event.key) {
        case Qt.Key_S:
            if (lockFileReads("0")) {
                storeLayout()
                event.accepted = true
            }
            break
        case Qt.Key_R:
            event.accepted = lockFileReads("0")
            break
        case Qt.Key_L:
            toggleLockFile()
            event.accepted = true
            break
        }
    }

    Item {
        id: container
        objectName: "container"
        width: root.stripWidth
        height: root.stripHeight
        transformOrigin: Item.TopLeft

        Image {
            objectName: "background"
            anchors.fill: parent
            source: "qrc:/Caravan/images/EIS.png"
        }

        BoxedNumber {
            id: torqueValue
            objectName: "torqueValue"
            boxWidth: 74; boxHeight: 40; boxTop: 140
            text: root.torqueText
            color: "white"
            font.pixelSize: 30
        }
        BoxedNumber {
            id: ittValue
            objectName: "ittValue"
            boxWidth: 73; boxHeight: 37; boxTop: 260
            text: root.ittText
            color: "white"
            font.pixelSize: 28
        }
        BoxedNumber {
            id: ngRMPValue
            objectName: "ngRMPValue"
            boxWidth: 73; boxHeight: 37; boxTop: 380
            text: root.ngText
            color: "white"
            font.pixelSize: 28
        }
        BoxedNumber {
            id: propRPMValue
            objectName: "propRPMValue"
            boxWidth: 63; boxHeight: 33; boxTop: 440
            text: root.propRpmText
            color: "#008000"
            font.pixelSize: 25
        }
        BoxedNumber {
            id: oilPsiValue
            objectName: "oilPsiValue"
            boxWidth: 63; boxHeight: 33; boxTop: 483
            text: root.oilPsiText
            color: "#008000"
            font.pixelSize: 25
        }
        BoxedNumber {
            id: oilDegCValue
            objectName: "oilDegCValue"
            boxWidth: 63; boxHeight: 33; boxTop: 550
            text: root.oilTempText
            color: "#008000"
            font.pixelSize: 25
        }
        Text {
            id: fuelLeftValue
            objectName: "fuelLeftValue"
            x: 4
            y: 741
            text: root.fuelLeftText
            textFormat: Text.PlainText
            color: "white"
        }
        Text {
            id: fuelRightValue
            objectName: "fuelRightValue"
            x: 235 - width
            y: 741
            text: root.fuelRightText
            textFormat: Text.PlainText
            color: "white"
        }
        Text {
            id: fuelFlowValue
            objectName: "fuelFlowValue"
            x: 230 - width
            y: 837
            text: root.fuelFlowText
            textFormat: Text.PlainText
            color: "white"
            font.pixelSize: 25
        }
        Text {
            id: batAmpsValue
            objectName: "batAmpsValue"
            x: 230 - width
            y: 888
            text: root.batAmpsText
            textFormat: Text.PlainText
            color: "white"
            font.pixelSize: 25
        }
        Text {
            id: busVoltsValue
            objectName: "busVoltsValue"
            x: 230 - width
            y: 922
            text: root.busVoltsText
            textFormat: Text.PlainText
            color: "white"
            font.pixelSize: 25
        }

        // ---- pointers, above everything else -----------------------------------

        VectorImage {
            id: ponteiroTorque
            objectName: "ponteiroTorque"
            x: 43; y: 29; scale: 1.4
            source: "qrc:/Caravan/images/ponteiro.svg"
            rotation: Scale.torqueAngle(root.torqueText)
        }
        VectorImage {
            id: ponteiroItt
            objectName: "ponteiroItt"
            x: 43; y: 210; scale: 1.4
            source: "qrc:/Caravan/images/ponteiro.svg"
            rotation: Scale.ittAngle(root.ittText)
        }
        VectorImage {
            id: ponteiroNgRpm
            objectName: "ponteiroNgRpm"
            x: 43; y: 325; scale: 1.4
            source: "qrc:/Caravan/images/ponteiro.svg"
            rotation: Scale.ngAngle(root.ngText)
        }
        VectorImage {
            id: ponteiroOilPsi
            objectName: "ponteiroOilPsi"
            x: Scale.oilPressureX(root.oilPsiText); y: 519; scale: 1.4
            source: "qrc:/Caravan/images/ponteiro3.svg"
        }
        VectorImage {
            id: ponteiroOilDegC
            objectName: "ponteiroOilDegC"
            x: Scale.oilTemperatureX(root.oilTempText); y: 588; scale: 1.4
            source: "qrc:/Caravan/images/ponteiro3.svg"
        }
        FuelColumn {
            id: ponteiroFuelLeft
            objectName: "ponteiroFuelLeft"
            x: 36
            extent: Scale.fuelExtent(root.fuelLeftText)
        }
        FuelColumn {
            id: ponteiroFuelRight
            objectName: "ponteiroFuelRight"
            x: 181
            extent: Scale.fuelExtent(root.fuelRightText)
        }
    }

    // Drag of the whole strip, within its parent; the wheel zooms it.
    MouseArea {
        id: dragArea
        objectName: "dragArea"
        anchors.fill: parent
        cursorShape: pressed ? Qt.ClosedHandCursor : Qt.OpenHandCursor
        drag.target: root
        drag.minimumX: 0
        drag.minimumY: 0
        onPressed: root.updateDragLimits()
        onWheel: wheel => {
            root.zoomBy(wheel.angleDelta.y)
            wheel.accepted = true
        }
    }

    Component.onCompleted: {
        // The zoom the S key stored, where there is one.
        const stored = LayoutString.positiveNumberAt(config, zoomField)
        if (stored !== undefined)
            zoom = Math.max(stored, minimumZoom)
        updateDragLimits()
    }
}
