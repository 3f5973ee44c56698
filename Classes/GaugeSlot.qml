import QtQuick
import "qrc:/Classes/LayoutString.js" as Layout

// The editing handle of one gauge on a panel: a mouse area over the gauge,
// enabled only while the panel is unlocked, that drags the gauge in container
// coordinates (without bounds) and, on every release (a plain click included),
// hands the gauge's placement to the panel's writeDataToFile(slot, x, y,
// scale x nominal size, visible).
//
// Usage, as a child of the gauge instance in a panel document:
//
//   import "qrc:/Classes"
//   Airspeed {
//       id: airspeedInst
//       GaugeSlot { panel: root; slot: 0; nominalSize: 210 }
//   }
//
// `panel` is the panel's root: it provides `flagLock` and
// writeDataToFile(pos, x, y, size, visible), which builds the new layout string
// with Layout.replaceSlot (Classes/LayoutString.js). `firstField` is the layout
// field where slot 0 starts (0 for the Cessna and stand-by panels). The handle
// covers the whole gauge unless the panel sets its width and height (the
// compass uses a 150 x 90 area at the top-left). Being a MouseArea, it also
// gives the panel onClicked and friends (the placard counts clicks).
// apply(layout) places the gauge from a layout string (for updateInsts).
MouseArea {
    id: handle

    property Item panel: null
    property int slot: 0
    property real nominalSize: 210
    property int firstField: 0
    // The gauge being placed: the item this handle is declared in.
    property Item gauge: parent
    // Locked while the panel's flagLock is true (or when there is no panel).
    property bool locked: panel ? panel.flagLock === true : true

    // Emitted after writeDataToFile has been called with these values.
    signal placed(int slot, real x, real y, real size, bool shown)

    width: gauge ? gauge.width : 0
    height: gauge ? gauge.height : 0
    enabled: !locked
    drag.target: gauge

    onReleased: {
        if (!gauge)
            return
        const size = gauge.scale * nominalSize
        if (panel && typeof panel.writeDataToFile === "function")
            panel.writeDataToFile(slot, gauge.x, gauge.y, size, gauge.visible)
        placed(slot, gauge.x, gauge.y, size, gauge.visible)
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
