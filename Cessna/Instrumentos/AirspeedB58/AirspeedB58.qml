import QtQuick
import "AirspeedB58Scale.js" as Scale
import "Cutouts.js" as Cutouts
import "qrc:/Cessna/Instrumentos/Layers"

// Wide-range airspeed indicator (to 260 kt): face and needle.
Item {
    id: airspeed

    property real value: 260 // indicated airspeed, knots

    readonly property real needleAngle: Scale.needleAngle(value)

    width: 210
    height: 210

    LayerImage {
        objectName: "face"
        source: Qt.resolvedUrl("airspeed1.png")
        width: 210
        height: 210
    }
    CutOutLayer {
        objectName: "needle"
        source: Qt.resolvedUrl("airspeed2.png")
        cutouts: Cutouts.rects
        width: 210
        height: 210
        transform: Rotation { origin.x: 105; origin.y: 105; angle: airspeed.needleAngle }
    }
}
