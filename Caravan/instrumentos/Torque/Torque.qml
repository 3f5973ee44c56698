import QtQuick
import ".."
import "TorqueScale.js" as Scale

// Caravan torque indicator: foot-pounds x 100, one grey needle.
Item {
    id: rootTorque

    property real torque: 0     // foot-pounds

    readonly property real angle: Scale.interpolateTorqueToAngle(torque)

    width: 210
    height: 210

    Image {
        objectName: "face"
        anchors.fill: parent
        source: "qrc:/Caravan/images/torque.png"
        fillMode: Image.PreserveAspectFit
    }
    Needle {
        objectName: "needle"
        angle: rootTorque.angle
    }
}
