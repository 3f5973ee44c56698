import QtQuick
import "SuctionScale.js" as Scale

// Suction: one needle about the centre, easing to each new reading.
Item {
    id: root
    width: 210
    height: 210

    property real suctionValue: 0   // suction, in Hg

    Image {
        objectName: "face"
        source: "VacGauge.png"
        width: 210
        height: 210
    }
    Image {
        objectName: "needle"
        source: "VacNeedle.png"
        width: 210
        height: 210
        transform: Rotation {
            origin.x: 105
            origin.y: 105
            angle: Scale.needleAngle(root.suctionValue)
            Behavior on angle {
                NumberAnimation { duration: 1000; easing.type: Easing.InOutQuad }
            }
        }
    }
}
