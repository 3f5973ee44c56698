import QtQuick
import "VsBaronScale.js" as Scale
import "Cutouts.js" as Cutouts
import "qrc:/Cessna/Instrumentos/Layers"

// Vertical speed: one needle, with its counterweight, turning about the centre.
// The needle is cut out to its own pixels, so a change repaints only them.
Item {
    id: root
    width: 210
    height: 210

    property real value: 0          // vertical speed, feet per minute

    LayerImage {
        objectName: "face"
        source: Qt.resolvedUrl("vs_baron_BG.png")
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
