import QtQuick

// The orange pointer of the engine dials: pointing up as drawn, placed so that
// its middle is the dial's centre, and turned about that middle.
Image {
    id: needle

    property real angle: 0

    source: "engine_neddle.png"
    x: 90
    y: 30
    width: 30
    height: 150
    transform: Rotation {
        origin.x: needle.width / 2
        origin.y: needle.height / 2
        angle: needle.angle
    }
}
