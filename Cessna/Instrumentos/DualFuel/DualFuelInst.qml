import QtQuick
import "DualFuelScale.js" as Scale
import "Cutouts.js" as Cutouts
import "qrc:/Cessna/Instrumentos/Layers"

// Two-tank fuel quantity: one needle image used twice, pivoting 55 px left and
// right of the centre, under a cover that leaves the needles in view.
Item {
    id: root
    width: 210
    height: 210

    property real leftFuel: 0       // left tank quantity
    property real rightFuel: 0      // right tank quantity

    readonly property real needleOffset: 55

    LayerImage {
        objectName: "face"
        source: Qt.resolvedUrl("DualFuel.png")
        width: 210
        height: 210
    }
    CutOutLayer {
        objectName: "leftNeedle"
        source: Qt.resolvedUrl("DualFuelNeedle.png")
        cutouts: Cutouts.rects
        x: -root.needleOffset
        width: 210
        height: 210
        transform: Rotation {
            origin.x: 105
            origin.y: 105
            angle: Scale.leftAngle(root.leftFuel)
        }
    }
    CutOutLayer {
        objectName: "rightNeedle"
        source: Qt.resolvedUrl("DualFuelNeedle.png")
        cutouts: Cutouts.rects
        x: root.needleOffset
        width: 210
        height: 210
        transform: Rotation {
            origin.x: 105
            origin.y: 105
            angle: Scale.rightAngle(root.rightFuel)
        }
    }
    LayerImage {
        objectName: "cover"
        source: Qt.resolvedUrl("DualFuelCover.png")
        width: 210
        height: 210
    }
}
