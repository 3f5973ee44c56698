import QtQuick
import "AirspeedScale.js" as Scale
import "qrc:/Cessna/Instrumentos/Layers"

// Airspeed indicator: face over the true-airspeed card (Cessna 172 arcs or the
// 200-kt face), needle with its shadow.
Item {
    id: airspeed

    property real value: 0      // indicated airspeed, knots
    property bool is172: false  // selects the Cessna 172 face

    readonly property real needleAngle: Scale.needleAngle(value)

    width: 210
    height: 210

    // The face, with the true-airspeed ring and its temperature and
    // pressure-altitude scale seen through its open centre.
    LayerImage {
        objectName: "face"
        source: Qt.resolvedUrl(airspeed.is172 ? "airspeed.png" : "airspeed210.png")
        width: 210
        height: 210
    }
    LayerImage {
        id: needleShadow
        turns: true
        objectName: "needleShadow"
        source: Qt.resolvedUrl("needle_shadow.png")
        x: 96
        y: 32
        width: 21
        height: 100
        transform: Rotation { origin.x: 10; origin.y: 82; angle: airspeed.needleAngle }
    }
    Image {
        id: needle
        objectName: "needle"
        source: "needle.png"
        x: 98
        y: 29
        width: 15
        height: 95
        sourceSize.width: 21
        smooth: true
        antialiasing: false
        transform: Rotation { origin.x: 8; origin.y: 78; angle: airspeed.needleAngle }
    }
}
