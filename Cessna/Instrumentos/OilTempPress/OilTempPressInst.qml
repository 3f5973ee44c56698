import QtQuick
import "OilTempPressScale.js" as Scale
import "Cutouts.js" as Cutouts
import "qrc:/Cessna/Instrumentos/Layers"

// Oil temperature (left) and oil pressure (right): one needle image used
// twice, pivoting 55 px left and right of the centre, under the cover.
Item {
    id: root
    width: 210
    height: 210

    property real temp: 0           // oil temperature, deg F
    property real press: 0          // oil pressure, psi

    readonly property real needleOffset: 55

    LayerImage {
        objectName: "face"
        source: Qt.resolvedUrl("OilPressTempFace.png")
        width: 210
        height: 210
    }
    CutOutLayer {
        objectName: "tempNeedle"
        source: Qt.resolvedUrl("OilPressTempNeedle.png")
        cutouts: Cutouts.rects
        x: -root.needleOffset
        width: 210
        height: 210
        transform: Rotation {
            origin.x: 105
            origin.y: 105
            angle: Scale.tempAngle(root.temp)
        }
    }
    CutOutLayer {
        objectName: "pressNeedle"
        source: Qt.resolvedUrl("OilPressTempNeedle.png")
        cutouts: Cutouts.rects
        x: root.needleOffset
        width: 210
        height: 210
        transform: Rotation {
            origin.x: 105
            origin.y: 105
            angle: Scale.pressureAngle(root.press)
        }
    }
    LayerImage {
        objectName: "cover"
        source: Qt.resolvedUrl("OilPressTempCover.png")
        width: 210
        height: 210
    }
}
