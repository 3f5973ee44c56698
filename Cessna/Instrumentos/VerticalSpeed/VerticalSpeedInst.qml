import QtQuick
import "VerticalSpeedScale.js" as Scale
import "qrc:/Cessna/Instrumentos/Layers"

// Vertical speed indicator: face and needle.
Item {
    id: verticalSpeed

    property real value: 0 // vertical speed, feet per minute

    readonly property real needleAngle: Scale.needleAngle(value)

    width: 210
    height: 210

    LayerImage {
        objectName: "face"
        source: Qt.resolvedUrl("verticalSpeedBack.png")
        width: 210
        height: 210
    }
    LayerImage {
        objectName: "needle"
        turns: true
        source: Qt.resolvedUrl("needle.png")
        x: 98
        y: 15
        width: 15
        height: 95
        transform: Rotation { origin.x: 8; origin.y: 90; angle: verticalSpeed.needleAngle }
    }
}
