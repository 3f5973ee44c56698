import QtQuick
import "qrc:/Classes/LayoutString.js" as LayoutString
import "qrc:/Classes/Numbers.js" as Numbers
import "qrc:/Classes/Modules.js" as Modules

// What every analogue panel document does, whatever its gauges: it reads the
// value vector (TimedProcessing) and the lock flag (lock) that its module
// window publishes, applies its layout string to its gauge slots, its window
// and its zoom, stores edited slots and the zoom in its configuration file,
// and opens its own windows centred on a screen.
//
// A panel document is this component plus its own data and gauges:
//
//   PanelDocument {
//       id: root
//       module: Modules.Cessna          // config file, default layout, window fields
//       config: typeof configStringCessna === "string" ? configStringCessna : ""
//       zoomField: 93                   // -1: the panel has no stored zoom
//       zoomItem: container             // the item whose scale is the zoom
//       slotHandles: [airspeedSlot, ...] // GaugeSlot of slot s at index s
//       layoutMenu: configMenu          // receives every slot written; optional
//       Item { id: container; Airspeed { value: root.num(15); GaugeSlot { panel: root; slot: 0 } } }
//   }
//
// Slot s of the layout string is the four fields starting at
// firstSlotField + 4 s (x, y, size, visible), as GaugeSlot applies them.
Rectangle {
    id: panel

    // ---- the panel's own data -------------------------------------------------

    // The module table's row of this panel (Classes/Modules.js).
    property var module: null
    // The layout string (the module's layout property, published and pushed).
    property string config: ""
    // Layout field where slot 0 starts.
    property int firstSlotField: 0
    // Layout field of the panel zoom, and the item it scales; -1 / null: none.
    property int zoomField: -1
    property Item zoomItem: null
    // Each slot's GaugeSlot, in slot order.
    property var slotHandles: []
    // The layout menu whose working copy follows every slot written, if any.
    property var layoutMenu: null
    // The wheel anywhere over the panel zooms it; false: the wheel is left to
    // the gauges (which may resize themselves, GaugeSlot.wheelStep).
    property bool wheelZoomsPanel: true
    // The wheel zoom works only while lock.txt reads exactly "0" (read at each
    // wheel event); false: it works whatever the lock says.
    property bool zoomNeedsUnlockFile: true

    // ---- what the module window publishes ------------------------------------

    property var instrumentValues: typeof TimedProcessing === "string" ? TimedProcessing.split(";") : []
    property string lockString: typeof lock === "string" ? lock : ""
    // True while the layout is locked: exactly "1" locks.
    property bool flagLock: false

    readonly property var files: typeof fileclass !== "undefined" ? fileclass : null
    readonly property var geometry: typeof viewManager !== "undefined" ? viewManager : null
    readonly property string configPath: module ? module.configPath : ""

    // Wheel angle (1/8 degree units) per unit of zoom: one notch of 120 adds 0.05.
    readonly property real wheelAnglePerZoom: 2400
    readonly property real minimumZoom: 0.1

    // Emitted after a layout string has been applied, with its fields, for
    // what a panel keeps in its layout besides slots, window and zoom.
    signal layoutApplied(var fields)

    color: "#000000"

    // ---- value vector --------------------------------------------------------

    // Field i as text, or undefined when the vector is too short.
    function field(i) {
        return i < instrumentValues.length ? instrumentValues[i] : undefined
    }
    // Field i as a number: 0 when missing or not a decimal number (see Numbers.finite).
    function num(i) {
        const t = field(i)
        return t === undefined ? 0 : Numbers.finite(t)
    }
    // Field i as a flag: any text that is not empty is true.
    function flag(i) {
        const t = field(i)
        return t !== undefined && t !== ""
    }
    // Field i as text, or the fallback when missing.
    function text(i, fallback) {
        const t = field(i)
        return t === undefined ? fallback : t
    }

    // ---- layout --------------------------------------------------------------

    // A layout string with every field that it lacks taken from the module's
    // default, so that an edit made on a short or empty string (the file
    // emptied by hand, or deleted by a menu's Reset) is written as a whole
    // layout. Fields that are present are kept as they are.
    function completeLayout(layout) {
        return LayoutString.complete(layout, module ? module.defaultLayout : "")
    }

    // Applies a layout string as far as it is valid: a slot field, the window
    // geometry or the zoom that is missing or not a number leaves what it
    // would set as it is.
    function updateInsts(texto) {
        const layout = typeof texto === "string" ? texto : ""
        for (const handle of slotHandles)
            handle.apply(layout)
        const w = module ? module.windowFields : null
        if (w) {
            const g = LayoutString.windowGeometry(layout, w)
            if (g.x !== undefined && geometry)
                geometry.setPosition(g.x, g.y)
            if (g.width !== undefined) {
                if (geometry)
                    geometry.setSize(g.width, g.height)
                panel.width = g.width
                panel.height = g.height
            }
        }
        if (zoomField >= 0 && zoomItem) {
            const z = LayoutString.positiveNumberAt(layout, zoomField)
            if (z !== undefined)
                zoomItem.scale = z
        }
        layoutApplied(LayoutString.fields(layout))
    }

    // Writes a layout string to the panel's configuration file.
    function store(layout) {
        if (files && configPath !== "")
            files.writeFile(layout, configPath)
    }

    // Replaces one field of the (completed) layout string and stores it.
    function storeField(index, value) {
        store(LayoutString.replaceField(completeLayout(config), index, value))
    }

    // Stores one slot (GaugeSlot calls this on every release); the new string
    // goes to the layout menu's working copy first. Nothing while locked.
    function writeDataToFile(pos, x, y, size, visible) {
        if (flagLock)
            return
        const layout = LayoutString.replaceSlot(completeLayout(config), pos, firstSlotField, x, y, size, visible)
        if (layoutMenu)
            layoutMenu.configText = layout
        store(layout)
    }

    function lockFileReads(text) {
        return files !== null && files.readTextFromFile(Modules.lockPath) === text
    }

    // Wheel zoom of the whole panel.
    function zoomBy(angle) {
        if (angle === 0 || zoomField < 0 || !zoomItem)
            return
        if (zoomNeedsUnlockFile && !lockFileReads("0"))
            return
        const zoom = Math.max(zoomItem.scale + angle / wheelAnglePerZoom, minimumZoom)
        zoomItem.scale = zoom
        // String() gives the shortest decimal that reads back as the same number.
        storeField(zoomField, String(zoom))
    }

    // Shows one of the panel's own windows centred on its screen (where a
    // window first opens: the primary one), raised and active.
    function showCentred(window) {
        window.show()
        const s = window.screen
        if (s) {
            window.x = s.virtualX + (s.width - window.width) / 2
            window.y = s.virtualY + (s.height - window.height) / 2
        }
        window.raise()
        window.requestActivate()
    }

    // The wheel anywhere over the panel zooms it (where the panel has a zoom
    // field); presses go through to the gauges.
    MouseArea {
        objectName: "wheelZoomArea"
        z: 1
        anchors.fill: parent
        acceptedButtons: Qt.NoButton
        enabled: panel.wheelZoomsPanel && panel.zoomField >= 0 && panel.zoomItem !== null
        onWheel: wheel => {
            panel.zoomBy(wheel.angleDelta.y)
            wheel.accepted = true
        }
    }

    // Set once the document has been created: from then on every new layout
    // string is applied (the first one is applied by onCompleted).
    property bool created: false

    onConfigChanged: {
        if (created)
            updateInsts(config)
    }
    onLockStringChanged: flagLock = lockString === "1"

    Component.onCompleted: {
        created = true
        if (config !== "")
            updateInsts(config)
        if (typeof lock === "string")
            flagLock = lock === "1"
        else if (files)
            flagLock = lockFileReads("1")
    }
}
