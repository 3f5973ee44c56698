import QtQuick
import "SuctionScale.js" as Scale
import "Cutouts.js" as Cutouts
import "qrc:/Cessna/Instrumentos/Layers"

// Suction: one needle about the centre, easing to each new reading.
Item {
    id: root
    width: 210
    height: 210

    property real suctionValue: 0   // suction, in Hg

    LayerImage {
        objectName: "face"
        source: Qt.resolvedUrl("VacGauge.png")
        width: 210
        height: 210
    }
    CutOutLayer {
        objectName: "needle"
        source: Qt.resolvedUrl("VacNeedle.png")
        cutouts: Cutouts.rects
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
