import QtQuick
import "RpmScale.js" as Scale

// Tachometer: one needle over the face, turning about the gauge centre.
Item {
    id: root
    width: 210
    height: 210

    property real value: 0          // engine speed, rpm

    Image {
        objectName: "face"
        source: "RPM.png"
        width: 210
        height: 210
    }
    Image {
        objectName: "needle"
        source: "needle.png"
        width: 210
        height: 210
        transform: Rotation {
            origin.x: 105
            origin.y: 105
            angle: Scale.needleAngle(root.value)
        }
    }
}
