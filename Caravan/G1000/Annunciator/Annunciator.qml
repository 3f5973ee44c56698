import QtQuick
import "qrc:/Classes/LayoutString.js" as LayoutString
import "qrc:/Classes/LockFile.js" as LockFile
import "qrc:/Classes/Modules.js" as Modules
import "Annunciations.js" as Annunciations

// The crew-alerting list of the Caravan's glass cockpit: the warnings,
// cautions and advisories whose conditions hold in the value vector, from the
// top in their fixed order with no gaps, in a black box that the window is
// fitted to. Window 1 or 2 (the context property `id`) keeps its layout in a
// file of its own: x, y, width, height, zoom.
//
// The wheel zooms the list (1 to 5), S stores the zoom and the window's place,
// R brings them back from the file, L flips the general lock file; the wheel,
// S and R work only while that file reads exactly "0".
Rectangle {
    id: root

    property var instrumentValues: typeof TimedProcessing === "string" ? TimedProcessing.split(";") : []
    property string config: typeof configStringAnnunciator === "string" ? configStringAnnunciator : ""
    // The window number (1 or 2; any other has no layout file).
    property int windowNumber: typeof id === "number" ? id : 0

    readonly property var files: typeof fileclass !== "undefined" ? fileclass : null
    readonly property var geometry: typeof viewManager !== "undefined" ? viewManager : null
    readonly property string lockPath: Modules.lockGeralPath
    readonly property string configPath: {
        const name = Modules.Annunciator.configFiles[windowNumber - 1]
        return name === undefined ? "" : Modules.path(name)
    }

    readonly property real listWidth: 120
    // Room above and below the list.
    readonly property real margin: 16
    readonly property int zoomField: 4
    // Wheel angle (1/8 degree units) per unit of zoom: one notch adds 0.1.
    readonly property real wheelAnglePerZoom: 1200
    readonly property real minimumZoom: 1
    readonly property real maximumZoom: 5
    property real zoom: 1

    readonly property real fittedWidth: listWidth * zoom
    readonly property real fittedHeight: list.height * zoom + 2 * margin

    width: fittedWidth
    height: fittedHeight
    color: "black"
    border.color: "white"
    border.width: 1
    focus: true

    function clampZoom(z) {
        return Math.min(Math.max(z, minimumZoom), maximumZoom)
    }

    function lockFileReads(text) {
        return LockFile.reads(files, lockPath, text)
    }

    // The window always fits the list.
    function fitWindow() {
        if (geometry)
            geometry.setFixedSize(fittedWidth, fittedHeight)
    }

    // S: the zoom into the layout string, the string into the window's file,
    // then the window's place and size.
    function storeLayout() {
        config = LayoutString.replaceField(config, zoomField, String(zoom))
        if (configPath !== "")
            files.writeFile(config, configPath)
        if (geometry)
            geometry.saveWindowGeometry()
    }

    // R: the zoom and the window's place from the file, when it holds them.
    function reloadLayout() {
        if (configPath === "")
            return
        const text = files.readTextFromFile(configPath)
        if (LayoutString.fields(text).length < zoomField + 1)
            return
        const z = LayoutString.numberAt(text, zoomField)
        if (z !== undefined)
            zoom = clampZoom(z)
        const x = LayoutString.numberAt(text, 0), y = LayoutString.numberAt(text, 1)
        if (geometry && x !== undefined && y !== undefined)
            geometry.setPosition(x, y)
    }

    function toggleLockFile() {
        LockFile.toggle(files, lockPath)
    }

    onFittedWidthChanged: fitWindow()
    onFittedHeightChanged: fitWindow()

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
            if (lockFileReads("0")) {
                reloadLayout()
                event.accepted = true
            }
            break
        case Qt.Key_L:
            toggleLockFile()
            event.accepted = true
            break
        }
    }

    FontLoader {
        id: a1000
        source: "qrc:/Caravan/fonts/a1000.ttf"
    }

    Column {
        id: list
        objectName: "container"
        y: root.margin
        width: root.listWidth
        spacing: 2
        scale: root.zoom
        transformOrigin: Item.TopLeft

        Repeater {
            model: Annunciations.lines.length

            AnnunciationLine {
                required property int index
                readonly property var line: Annunciations.lines[index]

                objectName: line.item
                width: list.width
                text: line.text
                color: line.colour
                font.family: a1000.name
                visible: Annunciations.shown(index, root.instrumentValues)
            }
        }
    }

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.NoButton
        onWheel: wheel => {
            if (wheel.angleDelta.y !== 0 && root.lockFileReads("0"))
                root.zoom = root.clampZoom(root.zoom + wheel.angleDelta.y / root.wheelAnglePerZoom)
            wheel.accepted = true
        }
    }

    Component.onCompleted: {
        // The zoom the S key stored, where there is one.
        const stored = LayoutString.numberAt(config, zoomField)
        if (stored !== undefined)
            zoom = clampZoom(stored)
        fitWindow()
    }
}
