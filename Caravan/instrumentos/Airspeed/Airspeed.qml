import QtQuick
import ".."
import "AirspeedScale.js" as Scale

// Caravan airspeed indicator: knots outside, miles per hour inside, one grey
// needle.
Item {
    id: airspeed

    property real speed: 0      // indicated airspeed, knots

    readonly property real angle: Scale.interpolateSpeedToAngle(speed)

    width: 210
    height: 210

    Image {
        objectName: "face"
        anchors.fill: parent
        source: "qrc:/Caravan/images/airspeed.png"
        fillMode: Image.PreserveAspectFit
    }
    Needle {
        objectName: "needle"
        angle: airspeed.angle
    }
}
