import QtQuick
import "ManifoldScale.js" as Scale
import "Cutouts.js" as Cutouts
import "qrc:/Cessna/Instrumentos/Layers"

// Manifold pressure: one needle about the centre, easing to each new reading.
Item {
    id: root
    width: 210
    height: 210

    property real manifoldValue: 0  // manifold pressure, in Hg

    LayerImage {
        objectName: "face"
        source: Qt.resolvedUrl("manifoldback.png")
        width: 210
        height: 210
    }
    CutOutLayer {
        objectName: "needle"
        source: Qt.resolvedUrl("needle.png")
        cutouts: Cutouts.rects
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
