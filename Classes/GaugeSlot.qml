import QtQuick
import "qrc:/Classes/LayoutString.js" as Layout

// The editing handle of one gauge on a panel: a mouse area over the gauge,
// enabled only while the panel is unlocked, that drags the gauge in its
// parent's coordinates (without bounds) and, on every release (a plain click
// included), hands the gauge's placement to the panel's writeDataToFile(slot,
// x, y, scale x nominal size, visible).
//
// Usage, as a child of the gauge instance in a panel document:
//
//   import "qrc:/Classes"
//   Airspeed {
//       id: airspeedInst
//       GaugeSlot { panel: root; slot: 0; nominalSize: 210 }
//   }
//
// `panel` is the panel's root (Classes/PanelDocument.qml): it provides
// `flagLock`, `firstSlotField` (the layout field where slot 0 starts) and
// writeDataToFile(pos, x, y, size, visible). The handle covers the whole gauge
// unless the panel sets its width and height (the compass uses a 150 x 90
// area at the top-left). Being a MouseArea, it also gives the panel onClicked
// and friends (the placard counts clicks). apply(layout) places the gauge from
// a layout string (for updateInsts).
//
// A dragged gauge stays exactly under the pointer whatever the panel's zoom
// and the gauge's own scale, and is drawn above the other gauges until it is
// let go. With `wheelStep` above 0 the wheel over the gauge resizes it by
// that step per event (up when the vertical angle is positive, otherwise
// down, to at least `minimumScale`) and stores the slot.
MouseArea {
    id: handle

    property PanelDocument panel: null
    property int slot: 0
    property real nominalSize: 210
    property int firstField: panel ? panel.firstSlotField : 0
    // The gauge being placed: the item this handle is declared in.
    property Item gauge: parent
    // Locked while the panel's flagLock is true (or when there is no panel).
    property bool locked: panel ? panel.flagLock : true
    // Scale change per wheel event; 0: the wheel is left to the panel.
    property real wheelStep: 0
    readonly property real minimumScale: 0.1
    // Stacking order of a gauge while it is dragged: above every slot.
    readonly property real draggedZ: 1000

    // Emitted after writeDataToFile has been called with these values.
    signal placed(int slot, real x, real y, real size, bool shown)

    // Where the press happened (scene) and where the gauge was then.
    property point pressScene
    property point pressPosition
    property real restingZ: 0
    property bool dragging: false

    width: gauge ? gauge.width : 0
    height: gauge ? gauge.height : 0
    enabled: !locked

    function store() {
        if (!gauge)
            return
        const size = gauge.scale * nominalSize
        if (panel)
            panel.writeDataToFile(slot, gauge.x, gauge.y, size, gauge.visible)
        placed(slot, gauge.x, gauge.y, size, gauge.visible)
    }

    onPressed: mouse => {
        if (!gauge)
            return
        if (panel)
            panel.forceActiveFocus()
        pressScene = handle.mapToItem(null, mouse.x, mouse.y)
        pressPosition = Qt.point(gauge.x, gauge.y)
        restingZ = gauge.z
        gauge.z = draggedZ
        dragging = true
    }
    onPositionChanged: mouse => {
        if (!dragging || !gauge.parent)
            return
        // Both points in the coordinates the gauge is placed in: the pointer's
        // travel there is exactly the gauge's.
        const now = handle.mapToItem(null, mouse.x, mouse.y)
        const from = gauge.parent.mapFromItem(null, pressScene.x, pressScene.y)
        const to = gauge.parent.mapFromItem(null, now.x, now.y)
        gauge.x = pressPosition.x + to.x - from.x
        gauge.y = pressPosition.y + to.y - from.y
    }
    function finishDrag() {
        if (!dragging)
            return
        dragging = false
        gauge.z = restingZ
    }
    onReleased: {
        finishDrag()
        store()
    }
    onCanceled: finishDrag()

    onWheel: wheel => {
        if (!(wheelStep > 0) || !gauge) {
            wheel.accepted = false
            return
        }
        const delta = wheel.angleDelta.y > 0 ? wheelStep : -wheelStep
        gauge.scale = Math.max(minimumScale, gauge.scale + delta)
        store()
    }

    // Sets the gauge's x, y, scale and visible from this slot of a layout
    // string; fields that are missing or not numbers leave the gauge as it is.
    function apply(layout) {
        if (!gauge)
            return
        const p = Layout.slotPlacement(layout, slot, firstField, nominalSize)
        if (p.x !== undefined)
            gauge.x = p.x
        if (p.y !== undefined)
            gauge.y = p.y
        if (p.scale !== undefined)
            gauge.scale = p.scale
        if (p.visible !== undefined)
            gauge.visible = p.visible
    }
}
