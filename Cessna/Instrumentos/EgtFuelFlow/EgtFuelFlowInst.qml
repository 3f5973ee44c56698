import QtQuick
import "EgtFuelFlowScale.js" as Scale
import "Cutouts.js" as Cutouts
import "qrc:/Cessna/Instrumentos/Layers"

// Exhaust-gas temperature (left) and fuel flow (right): one needle image used
// twice, pivoting 60 px left and right of the centre, under the cover.
Item {
    id: root
    width: 210
    height: 210

    property real egtDeg: 0         // exhaust-gas temperature, deg F
    property real fuelGalhour: 0    // fuel flow, gallons per hour
    // Delivered with the gauge's value fields but not shown by it.
    property real gallonsFsx: 0
    property real batteryVolts: 0

    readonly property real needleOffset: 60

    LayerImage {
        objectName: "face"
        source: Qt.resolvedUrl("EGT.png")
        width: 210
        height: 210
    }
    CutOutLayer {
        objectName: "egtNeedle"
        source: Qt.resolvedUrl("egtNeedle.png")
        cutouts: Cutouts.rects
        x: -root.needleOffset
        width: 210
        height: 210
        transform: Rotation {
            origin.x: 105
            origin.y: 105
            angle: Scale.egtAngle(root.egtDeg)
        }
    }
    CutOutLayer {
        objectName: "flowNeedle"
        source: Qt.resolvedUrl("egtNeedle.png")
        cutouts: Cutouts.rects
        x: root.needleOffset
        width: 210
        height: 210
        transform: Rotation {
            origin.x: 105
            origin.y: 105
            angle: Scale.flowAngle(root.fuelGalhour)
        }
    }
    LayerImage {
        objectName: "cover"
        source: Qt.resolvedUrl("EGTCover.png")
        width: 210
        height: 210
    }
}
