import QtQuick
import "LinearCompassScale.js" as Scale

// Strip (wet) compass: the heading tape behind a 150 x 89 window, and the
// window frame with its lubber line. The item is as wide as the tape; only
// its left 150 px show anything.
Item {
    id: compass

    property real value: 0  // magnetic heading, degrees 0 to 360

    width: 712
    height: 90

    Rectangle {
        objectName: "window"
        width: 150
        height: 89
        color: "Black"
        clip: true

        Image {
            objectName: "tape"
            source: "comp.png"
            x: Scale.tapeX(compass.value)
            y: 0
            width: 712
            height: 86
        }
    }
    Image {
        objectName: "frame"
        source: "comp_window.png"
        x: -4
        width: 158
        height: 90
    }
}
