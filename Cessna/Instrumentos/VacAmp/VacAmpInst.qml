import QtQuick
import "VacAmpScale.js" as Scale

// Suction (left) and ammeter (right): one needle image used twice, pivoting
// 55 px left and right of the centre, under the cover.
Item {
    id: root
    width: 210
    height: 210

    property real vac: 0            // suction, in Hg
    property real amp: 0            // ammeter, amperes

    readonly property real needleOffset: 55

    Image {
        objectName: "face"
        source: "VacAmp.png"
        width: 210
        height: 210
    }
    Image {
        objectName: "vacNeedle"
        source: "VacAmpNeedle.png"
        x: -root.needleOffset
        width: 210
        height: 210
        transform: Rotation {
            origin.x: 105
            origin.y: 105
            angle: Scale.vacAngle(root.vac)
        }
    }
    Image {
        objectName: "ampNeedle"
        source: "VacAmpNeedle.png"
        x: root.needleOffset
        width: 210
        height: 210
        transform: Rotation {
            origin.x: 105
            origin.y: 105
            angle: Scale.ampAngle(root.amp)
        }
    }
    Image {
        objectName: "cover"
        source: "VacAmpCover.png"
        width: 210
        height: 210
    }
}
