import QtQuick
import "DualFuelScale.js" as Scale

// Two-tank fuel quantity: one needle image used twice, pivoting 55 px left and
// right of the centre, under a cover that leaves the needles in view.
Item {
    id: root
    width: 210
    height: 210

    property real leftFuel: 0       // left tank quantity
    property real rightFuel: 0      // right tank quantity

    readonly property real needleOffset: 55

    Image {
        objectName: "face"
        source: "DualFuel.png"
        width: 210
        height: 210
    }
    Image {
        objectName: "leftNeedle"
        source: "DualFuelNeedle.png"
        x: -root.needleOffset
        width: 210
        height: 210
        transform: Rotation {
            origin.x: 105
            origin.y: 105
            angle: Scale.leftAngle(root.leftFuel)
        }
    }
    Image {
        objectName: "rightNeedle"
        source: "DualFuelNeedle.png"
        x: root.needleOffset
        width: 210
        height: 210
        transform: Rotation {
            origin.x: 105
            origin.y: 105
            angle: Scale.rightAngle(root.rightFuel)
        }
    }
    Image {
        objectName: "cover"
        source: "DualFuelCover.png"
        width: 210
        height: 210
    }
}
