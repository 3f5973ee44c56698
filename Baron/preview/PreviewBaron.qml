import QtQuick
import "qrc:/Classes"
import "qrc:/Classes/Modules.js" as Modules

// The picture behind baronPreview.png, the preview of the Baron layout menu:
// the Baron panel itself, locked, at rest, its sixteen listed gauges in a
// four-by-four grid (flight instruments in the first column, then the engine
// and system gauges), each centred on its click area in the menu; the turn
// coordinator and the VOR indicator, which the menu does not list, hidden.
PanelPicture {
    document: "qrc:/Baron/Baron.qml"
    layoutProperty: Modules.Baron.layoutProperty
    // Window, zoom 1, then per slot: the click area's centre less half a
    // gauge (105), plus the container's 10 px above the window; the size is
    // the area's smaller side.
    layout: "0,0,686,622,1,-15,282,137,1,-15,435,137,1,-15,129,134,1,-15,-25,124,1,"
            + "479,-21,137,1,479,127,137,1,311,439,132,1,479,282,137,1,311,282,137,1,"
            + "311,127,137,1,144,129,134,1,144,435,137,1,144,282,137,1,144,-20,134,1,"
            + "311,-21,137,1,479,436,137,1,0,0,210,0,0,0,210,0"
    values: {
        const v = new Array(107).fill("0")
        v[59] = "29.92"
        return v.join(";")
    }
    frame: Qt.size(686, 622)
}
