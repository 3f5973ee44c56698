import QtQuick
import "qrc:/Classes/LayoutString.js" as LayoutString
import "qrc:/Classes/LockFile.js" as LockFile
import "qrc:/Classes/Modules.js" as Modules
import "G1000Layout.js" as G1000Layout
import "EIS"
import "ReferencesScreen"
import "SpeedReferences"

// One numbered G1000 screen with a configuration file of its own,
// G1000\configN<screen>.txt: the engine strip, the references page (shown
// while value field 92 is 2) and the speed markers in a transparent window,
// which follow the avionics pages that the simulator shows (fields 93 and 94):
//  - screen 2 leaves the screen while the PFD shows the databases or the
//    splash screen, and comes back to its place afterwards;
//  - screens 1 and 3 hide the engine strip while the default navigation page
//    is shown.
// Each display is dragged, and keeps where it is dropped. The wheel zooms the
// engine strip (0.1 to 3) while lockGeral.txt reads exactly "0". S stores the
// layout and the window's place and size, R reads the file again, L flips
// lockGeral.txt, "-" and "+" shrink and grow the speed markers.
Item {
    id: root

    // ---- inputs ----------------------------------------------------------------

    property var instrumentValues: typeof TimedProcessing === "string" ? TimedProcessing.split(";") : []
    readonly property string pushedConfig: typeof configString === "string" ? configString : ""
    // Every push of the file places the window again.
    onPushedConfigChanged: applyWindowLine(pushedConfig, false)
    readonly property int screenNumber: typeof id === "number" ? id : 1

    readonly property var files: typeof fileclass !== "undefined" ? fileclass : null
    readonly property var geometry: typeof viewManager !== "undefined" ? viewManager : null
    readonly property string lockPath: Modules.lockGeralPath
    readonly property string configPath: Modules.G1000Screen.configPath.replace("%1", screenNumber)

    // ---- the layout ----------------------------------------------------------

    // The window line as last applied, and each display's line (without its
    // prefix) as the drops, the wheel and the keys leave it.
    property string windowLine: ""
    property bool appliedOnce: false
    property string engineConfig: ""
    property string referencesConfig: ""
    property string speedsConfig: ""
    readonly property var defaults: G1000Layout.screenParts(Modules.G1000Screen.defaultLayout)
    readonly property int screenScaleField: 4
    readonly property int engineZoomField: 2
    readonly property int displayScaleField: 4

    // Wheel angle (1/8 degree units) per unit of zoom: one notch adds 0.05.
    readonly property real wheelAnglePerZoom: 2400
    readonly property real minimumZoom: 0.1
    readonly property real maximumZoom: 3
    // The speed markers' scale per "-" or "+", and the least it goes down to.
    readonly property real speedsScaleStep: 0.05
    readonly property real minimumSpeedsScale: 0.05

    // ---- the avionics pages --------------------------------------------------

    readonly property string pageA: instrumentValues.length > 93 ? instrumentValues[93] : ""
    readonly property string pageB: instrumentValues.length > 94 ? instrumentValues[94].trim() : ""
    readonly property bool pfdShown: pageA === "PFD - PFD"
    readonly property bool offScreen: screenNumber === 2 && pfdShown
                                      && (pageB === "DATABASES" || pageB === "SPLASHSCREEN")
    readonly property bool engineHidden: (screenNumber === 1 || screenNumber === 3) && pfdShown
                                         && pageB === "NAV - DEFAULT NAV"
    readonly property bool referencesOpen: instrumentValues.length > 92 && Number(instrumentValues[92]) === 2
    // Where the window goes while it is off screen.
    readonly property int offScreenX: -10000

    transformOrigin: Item.TopLeft
    focus: true

    onOffScreenChanged: placeWindow()

    // The window at line 0's place, or off screen while the page rules say so.
    function placeWindow() {
        if (!geometry)
            return
        const g = LayoutString.windowGeometry(windowLine, G1000Layout.windowFields)
        if (offScreen)
            geometry.setPosition(offScreenX, g.y !== undefined ? g.y : 0)
        else if (g.x !== undefined)
            geometry.setPosition(g.x, g.y)
    }

    // Line 0 of a configuration text: the window's place and size, and the
    // scale of the whole screen. A line that is not one leaves all three; a
    // line as it was applied last is not applied again unless `always`.
    function applyWindowLine(text, always) {
        const line = G1000Layout.screenParts(text).window
        if (!always && appliedOnce && line === windowLine)
            return
        appliedOnce = true
        windowLine = line
        const s = LayoutString.positiveNumberAt(windowLine, screenScaleField)
        if (s !== undefined)
            root.scale = s
        placeWindow()
        const g = LayoutString.windowGeometry(windowLine, G1000Layout.windowFields)
        if (geometry && g.width !== undefined)
            geometry.setSize(g.width, g.height)
    }

    function clampedZoom(zoom) {
        return Math.min(Math.max(zoom, minimumZoom), maximumZoom)
    }

    // Lines 1 to 3 of a configuration text to the displays.
    function distribute(text) {
        const p = G1000Layout.screenParts(text)
        const d = defaults
        const at = G1000Layout.numberOr
        engineConfig = p.engine !== "" ? p.engine : d.engine
        referencesConfig = p.references !== "" ? p.references : d.references
        speedsConfig = p.speeds !== "" ? p.speeds : d.speeds
        engineSlot.x = at(engineConfig, d.engine, 0)
        engineSlot.y = at(engineConfig, d.engine, 1)
        engine.zoom = clampedZoom(at(engineConfig, d.engine, engineZoomField))
        references.config = referencesConfig
        references.x = at(referencesConfig, d.references, 0)
        references.y = at(referencesConfig, d.references, 1)
        references.zoom = G1000Layout.zoomOr(referencesConfig, d.references, displayScaleField, minimumZoom)
        speeds.config = speedsConfig
        speeds.x = at(speedsConfig, d.speeds, 0)
        speeds.y = at(speedsConfig, d.speeds, 1)
        speeds.scale = G1000Layout.zoomOr(speedsConfig, d.speeds, displayScaleField, minimumSpeedsScale)
    }

    function zoomEngine(angle) {
        if (angle === 0 || !LockFile.reads(files, lockPath, "0"))
            return
        engine.zoom = clampedZoom(engine.zoom + angle / wheelAnglePerZoom)
        engineConfig = LayoutString.replaceField(engineConfig, engineZoomField, engine.zoom.toFixed(4))
    }

    function scaleSpeeds(step) {
        speeds.scale = Math.max(speeds.scale + step, minimumSpeedsScale)
        speedsConfig = LayoutString.replaceField(speedsConfig, displayScaleField, speeds.scale.toFixed(4))
    }

    // S: line 0 as it was read (the default's when it was none) and the three
    // display lines, then the window's place and size into line 0, unless
    // the page rules have put the window off screen.
    function save() {
        const valid = LayoutString.windowGeometry(windowLine, G1000Layout.windowFields).width !== undefined
        files.writeFile(G1000Layout.screenText({
            window: valid ? windowLine : defaults.window,
            engine: engineConfig,
            references: referencesConfig,
            speeds: speedsConfig
        }), configPath)
        if (geometry && !offScreen)
            geometry.saveWindowGeometry()
    }

    function reload() {
        const text = files.readTextFromFile(configPath)
        distribute(text)
        applyWindowLine(text, true)
    }

    Keys.onPressed: event => {
        if (!files)
            return
        switch (event.key) {
        case Qt.Key_S:
            save()
            break
        case Qt.Key_R:
            reload()
            break
        case Qt.Key_L:
            LockFile.toggle(files, lockPath)
            break
        case Qt.Key_Minus:
            scaleSpeeds(-speedsScaleStep)
            break
        case Qt.Key_Plus:
            scaleSpeeds(speedsScaleStep)
            break
        default:
            return
        }
        event.accepted = true
    }

    // The engine strip sits in a slot of its own size, which is what is
    // placed and dragged (the strip keeps itself inside its parent).
    Item {
        id: engineSlot
        objectName: "engineSlot"
        width: engine.width
        height: engine.height
        visible: !root.engineHidden

        EIS {
            id: engine
            objectName: "engine"
            focus: false
            DisplayDragArea {
                target: engineSlot
                onDropped: root.engineConfig = LayoutString.replaceFields(
                               root.engineConfig, 0,
                               [Math.round(engineSlot.x), Math.round(engineSlot.y), engine.zoom.toFixed(4)])
            }
        }
    }
    ReferencesScreen {
        id: references
        objectName: "references"
        visible: root.referencesOpen
        placesWindow: false
        DisplayDragArea {
            onDropped: root.referencesConfig = LayoutString.replaceFields(
                           root.referencesConfig, 0, [Math.round(references.x), Math.round(references.y)])
        }
    }
    SpeedReferences {
        id: speeds
        objectName: "speeds"
        transformOrigin: Item.TopLeft
        DisplayDragArea {
            onDropped: root.speedsConfig = LayoutString.replaceFields(
                           root.speedsConfig, 0, [Math.round(speeds.x), Math.round(speeds.y)])
        }
    }

    // The wheel anywhere zooms the engine strip (above the displays' own).
    MouseArea {
        objectName: "wheelArea"
        anchors.fill: parent
        z: 1
        acceptedButtons: Qt.NoButton
        onWheel: wheel => {
            root.zoomEngine(wheel.angleDelta.y)
            wheel.accepted = true
        }
    }

    Component.onCompleted: {
        const text = files ? files.readTextFromFile(configPath) : pushedConfig
        distribute(text)
        applyWindowLine(text, false)
    }
}
