import QtQuick
import "HeadingScale.js" as Scale
import "Cutouts.js" as Cutouts
import "qrc:/Cessna/Instrumentos/Layers"

// Directional gyro: compass card under fixed lubber marks and aeroplane, with
// the heading bug on top.
Item {
    id: heading

    property real headingMag: 0     // magnetic heading, degrees
    property real headingDegMag: 0  // heading bug setting, degrees

    width: 210
    height: 210

    LayerImage {
        objectName: "background"
        source: Qt.resolvedUrl("heading1.png")
        width: 210
        height: 210
    }
    CutOutLayer {
        objectName: "card"
        source: Qt.resolvedUrl("heading2.png")
        cutouts: Cutouts.rects
        width: 210
        height: 210
        transform: Rotation { origin.x: 105; origin.y: 105; angle: Scale.cardAngle(heading.headingMag) }
    }
    LayerImage {
        objectName: "lubber"
        source: Qt.resolvedUrl("heading3.png")
        width: 210
        height: 210
    }
    CutOutLayer {
        objectName: "bug"
        source: Qt.resolvedUrl("heading4.png")
        cutouts: Cutouts.rects
        width: 210
        height: 210
        transform: Rotation {
            origin.x: 105
            origin.y: 105
            angle: Scale.bugAngle(heading.headingDegMag, heading.headingMag)
        }
    }
}
