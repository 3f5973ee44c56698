import QtQuick
import "RpmScale.js" as Scale
import "Cutouts.js" as Cutouts
import "qrc:/Cessna/Instrumentos/Layers"

// Tachometer: one needle over the face, turning about the gauge centre.
Item {
    id: root
    width: 210
    height: 210

    property real value: 0          // engine speed, rpm

    LayerImage {
        objectName: "face"
        source: Qt.resolvedUrl("RPM.png")
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
            angle: Scale.needleAngle(root.value)
        }
    }
}
