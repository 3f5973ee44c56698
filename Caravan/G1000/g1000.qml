import QtQuick
import "qrc:/Classes/LayoutString.js" as LayoutString
import "qrc:/Classes/LockFile.js" as LockFile
import "qrc:/Classes/Modules.js" as Modules
import "G1000Layout.js" as G1000Layout
import "EIS"
import "ReferencesScreen"
import "SpeedReferences"

// One G1000 screen of the shared configuration file configG1000.txt: the
// engine strip, the references page (shown while value field 92 is 2) and
// the speed markers in a transparent window, all placed from the screen's
// block of the file (a file without one gives the screen the first block of
// the default). Each display is dragged with the mouse. While lockGeral.txt
// reads exactly "0", S stores this screen's block, leaving the other screens'
// blocks as they are, and the window's place and size under the screen's key;
// R reads the file again. L flips lockGeral.txt.
Item {
    id: root

    // ---- inputs ----------------------------------------------------------------

    property var instrumentValues: typeof TimedProcessing === "string" ? TimedProcessing.split(";") : []
    readonly property string pushedConfig: typeof configStringG1000 === "string" ? configStringG1000 : ""
    // The configuration text's lines: every push replaces them, and so does R.
    property var configParts: G1000Layout.lines(pushedConfig)
    onPushedConfigChanged: configParts = G1000Layout.lines(pushedConfig)
    readonly property int screenId: typeof idScreen === "number" ? idScreen : 1

    readonly property var files: typeof fileclass !== "undefined" ? fileclass : null
    readonly property var geometry: typeof viewManager !== "undefined" ? viewManager : null
    readonly property string lockPath: Modules.lockGeralPath
    readonly property string configPath: Modules.G1000.configPath

    // The block last applied, as text: a push that leaves it as it was (another
    // screen saved its own) leaves the displays where they were dragged.
    property string appliedBlock: ""
    readonly property var defaultBlock: G1000Layout.sharedBlock(G1000Layout.lines(Modules.G1000.defaultLayout), 1)
    readonly property int zoomField: 4
    readonly property real minimumZoom: 0.1

    readonly property bool referencesOpen: instrumentValues.length > 92 && Number(instrumentValues[92]) === 2

    focus: true

    onConfigPartsChanged: distribute(false)

    function zoomOf(text, fallback) {
        return G1000Layout.zoomOr(text, fallback, zoomField, minimumZoom)
    }

    // The window from the window line, and each display from its line.
    function distribute(always) {
        const block = G1000Layout.sharedBlock(configParts, screenId) || defaultBlock
        const text = JSON.stringify(block)
        if (!always && text === appliedBlock)
            return
        appliedBlock = text

        const g = LayoutString.windowGeometry(block.window, G1000Layout.windowFields)
        if (geometry && g.x !== undefined)
            geometry.setPosition(g.x, g.y)
        if (geometry && g.width !== undefined)
            geometry.setSize(g.width, g.height)

        const d = defaultBlock
        const at = G1000Layout.numberOr
        engine.config = block.engine !== "" ? block.engine : d.engine
        engineSlot.x = at(block.engine, d.engine, 0)
        engineSlot.y = at(block.engine, d.engine, 1)
        engine.zoom = zoomOf(block.engine, d.engine)
        references.config = block.references !== "" ? block.references : d.references
        references.x = at(block.references, d.references, 0)
        references.y = at(block.references, d.references, 1)
        references.zoom = zoomOf(block.references, d.references)
        speeds.config = block.speeds !== "" ? block.speeds : d.speeds
        speeds.x = at(block.speeds, d.speeds, 0)
        speeds.y = at(block.speeds, d.speeds, 1)
        speeds.scale = zoomOf(block.speeds, d.speeds)
    }

    // This screen's five lines as the displays stand now. The window line's
    // place and size are written again by the geometry service.
    function blockLines() {
        const round = Math.round
        const s = root.scale
        const pageField = i => {
            const n = LayoutString.numberAt(references.config, i)
            return n !== undefined ? n : [round(references.width / references.zoom),
                                          round(references.height / references.zoom), references.zoom][i - 2]
        }
        return [
            G1000Layout.line(G1000Layout.windowKey(screenId), [round(root.x), round(root.y), round(root.width / s),
                                                               round(root.height / s), s.toFixed(4)]),
            G1000Layout.line("A-", [0, 0, 0, 0, 0]),
            G1000Layout.line("E-", [round(engineSlot.x), round(engineSlot.y), round(engine.width / engine.zoom),
                                    round(engine.height / engine.zoom), engine.zoom.toFixed(4)]),
            G1000Layout.line("R-", [round(references.x), round(references.y),
                                    pageField(2), pageField(3), pageField(4)]),
            G1000Layout.line("S-", [round(speeds.x), round(speeds.y), round(speeds.width), round(speeds.height),
                                    speeds.scale.toFixed(4)])
        ]
    }

    // S: this screen's block into the file, then the window under its key.
    function save() {
        const text = files.readTextFromFile(configPath)
        files.writeFile(G1000Layout.savedSharedText(text, screenId, blockLines()), configPath)
        if (geometry)
            geometry.saveWindowGeometryByModuleId("N" + screenId)
    }

    function reload() {
        configParts = G1000Layout.lines(files.readTextFromFile(configPath))
        distribute(true)
    }

    Keys.onPressed: event => {
        if (!files)
            return
        switch (event.key) {
        case Qt.Key_S:
            if (LockFile.reads(files, lockPath, "0")) {
                save()
                event.accepted = true
            }
            break
        case Qt.Key_R:
            if (LockFile.reads(files, lockPath, "0")) {
                reload()
                event.accepted = true
            }
            break
        case Qt.Key_L:
            LockFile.toggle(files, lockPath)
            event.accepted = true
            break
        }
    }

    // The engine strip sits in a slot of its own size, which is what is
    // placed and dragged (the strip keeps itself inside its parent); its
    // keys are the screen's.
    Item {
        id: engineSlot
        objectName: "engineSlot"
        width: engine.width
        height: engine.height

        EIS {
            id: engine
            objectName: "engine"
            focus: false
            DisplayDragArea { target: engineSlot }
        }
    }
    ReferencesScreen {
        id: references
        objectName: "references"
        visible: root.referencesOpen
        placesWindow: false
        DisplayDragArea {}
    }
    SpeedReferences {
        id: speeds
        objectName: "speeds"
        transformOrigin: Item.TopLeft
        DisplayDragArea {}
    }

    Component.onCompleted: distribute(false)
}
