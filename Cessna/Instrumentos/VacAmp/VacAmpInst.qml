import QtQuick
import "VacAmpScale.js" as Scale
import "Cutouts.js" as Cutouts
import "qrc:/Cessna/Instrumentos/Layers"

// Suction (left) and ammeter (right): one needle image used twice, pivoting
// 55 px left and right of the centre, under the cover.
Item {
    id: root
    width: 210
    height: 210

    property real vac: 0            // suction, in Hg
    property real amp: 0            // ammeter, amperes

    readonly property real needleOffset: 55

    LayerImage {
        objectName: "face"
        source: Qt.resolvedUrl("VacAmp.png")
        width: 210
        height: 210
    }
    CutOutLayer {
        objectName: "vacNeedle"
        source: Qt.resolvedUrl("VacAmpNeedle.png")
        cutouts: Cutouts.rects
        x: -root.needleOffset
        width: 210
        height: 210
        transform: Rotation {
            origin.x: 105
            origin.y: 105
            angle: Scale.vacAngle(root.vac)
        }
    }
    CutOutLayer {
        objectName: "ampNeedle"
        source: Qt.resolvedUrl("VacAmpNeedle.png")
        cutouts: Cutouts.rects
        x: root.needleOffset
        width: 210
        height: 210
        transform: Rotation {
            origin.x: 105
            origin.y: 105
            angle: Scale.ampAngle(root.amp)
        }
    }
    LayerImage {
        objectName: "cover"
        source: Qt.resolvedUrl("VacAmpCover.png")
        width: 210
        height: 210
    }
}
