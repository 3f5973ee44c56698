import QtQuick
import "HeadingScale.js" as Scale

// Directional gyro: compass card under fixed lubber marks and aeroplane, with
// the heading bug on top.
Item {
    id: heading

    property real headingMag: 0     // magnetic heading, degrees
    property real headingDegMag: 0  // heading bug setting, degrees

    width: 210
    height: 210

    Image {
        objectName: "background"
        source: "heading1.png"
        width: 210
        height: 210
    }
    Image {
        objectName: "card"
        source: "heading2.png"
        width: 210
        height: 210
        transform: Rotation { origin.x: 105; origin.y: 105; angle: Scale.cardAngle(heading.headingMag) }
    }
    Image {
        objectName: "lubber"
        source: "heading3.png"
        width: 210
        height: 210
    }
    Image {
        objectName: "bug"
        source: "heading4.png"
        width: 210
        height: 210
        transform: Rotation {
            origin.x: 105
            origin.y: 105
            angle: Scale.bugAngle(heading.headingDegMag, heading.headingMag)
        }
    }
}
