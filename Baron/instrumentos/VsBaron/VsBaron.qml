import QtQuick
import "VsBaronScale.js" as Scale

// Vertical speed: one needle, with its counterweight, turning about the centre.
Item {
    id: root
    width: 210
    height: 210

    property real value: 0          // vertical speed, feet per minute

    Image {
        objectName: "face"
        source: "vs_baron_BG.png"
        anchors.fill: parent
    }
    Image {
        id: needle
        objectName: "needle"
        source: "needle.png"
        anchors.fill: parent
        transform: Rotation {
            origin.x: needle.width / 2
            origin.y: needle.height / 2
            angle: Scale.needleAngle(root.value)
        }
    }
}
