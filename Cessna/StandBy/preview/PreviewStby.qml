import QtQuick
import "qrc:/Classes"
import "qrc:/Classes/Modules.js" as Modules

// The picture behind previewStby.png, the preview of the stand-by menu: the
// stand-by panel itself, locked, at rest, its seven gauges laid out in the
// grid of the menu's click areas (attitude and wide-range airspeed on top,
// airspeed and altimeter, manifold and suction, the trim below at the left).
PanelPicture {
    // Each gauge of 210 is pictured 110 wide.
    readonly property real gaugeScale: 110 / 210

    document: "qrc:/Cessna/StandBy/StandBy.qml"
    layoutProperty: Modules.StandBy.layoutProperty
    // Slot positions are the click areas' corners divided by the scale; the
    // window is the frame's size at that scale, zoom 1.
    layout: "216,271,210,1,477,271,210,1,216,15,210,1,216,523,210,1,477,533,210,1,"
            + "72,814,210,1,477,15,210,1,0,0,752,1050,1,1"
    values: {
        const v = new Array(107).fill("0")
        v[59] = "29.92"
        v[64] = "1"
        return v.join(";")
    }
    frame: Qt.size(394, 550)
    panelScale: gaugeScale
}
