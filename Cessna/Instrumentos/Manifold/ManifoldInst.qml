import QtQuick
import "ManifoldScale.js" as Scale

// Manifold pressure: one needle about the centre, easing to each new reading.
Item {
    id: root
    width: 210
    height: 210

    property real manifoldValue: 0  // manifold pressure, in Hg

    Image {
        objectName: "face"
        source: "manifoldback.png"
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
            angle: Scale.needleAngle(root.manifoldValue)
            Behavior on angle {
                NumberAnimation { duration: 1000; easing.type: Easing.InOutQuad }
            }
        }
    }
}
