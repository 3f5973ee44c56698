import QtQuick
import "VorScale.js" as Scale
import "Cutouts.js" as Cutouts
import "qrc:/Cessna/Instrumentos/Layers"

// VOR/ILS course indicator: TO, FROM, NAV and GS flags seen through the face's
// windows, course and glide-slope needles, the rotating course card under the
// cover with its course indices.
Item {
    id: vor

    property real hDefDot: 0      // course deviation, dots
    property real vDefDot: 0      // glide-slope deviation, dots
    property real compRingDeg: 0  // selected course (card), degrees
    property real tofromnav: 0    // 0 no signal, 1 TO, 2 FROM
    property real glideslope: 0   // 1 while the glide slope is received (GS flag out of view)
    property real nav2sig: 0      // accepted from the panels but not drawn

    // Each needle movement eases over 50 ms.
    readonly property int needleEaseMs: 50

    width: 210
    height: 210

    LayerImage {
        objectName: "gsFlagOff"
        source: Qt.resolvedUrl("vorOBSgsflagoff.png")
        width: 210
        height: 210
    }
    LayerImage {
        objectName: "gsFlag"
        source: Qt.resolvedUrl("vorOBSgsflag.png")
        width: 210
        height: 210
        visible: Scale.showGlideFlag(vor.glideslope)
    }
    LayerImage {
        objectName: "navFlag"
        source: Qt.resolvedUrl("vorOBSnavflag.png")
        width: 210
        height: 210
        visible: Scale.showNavFlag(vor.tofromnav)
    }
    LayerImage {
        objectName: "fromFlag"
        source: Qt.resolvedUrl("vorOBSnavfr.png")
        width: 210
        height: 210
        visible: Scale.showFrom(vor.tofromnav)
    }
    LayerImage {
        objectName: "toFlag"
        source: Qt.resolvedUrl("vorOBSnavto.png")
        width: 210
        height: 210
        visible: Scale.showTo(vor.tofromnav)
    }
    LayerImage {
        objectName: "face"
        source: Qt.resolvedUrl("vorVORILS.png")
        width: 210
        height: 210
    }
    CutOutLayer {
        objectName: "glideNeedle"
        source: Qt.resolvedUrl("vorOBSneedle.png")
        cutouts: Cutouts.rects
        x: -65
        y: 5
        width: 200
        height: 210
        transform: Rotation {
            origin.x: 100
            origin.y: 100
            angle: Scale.glideNeedleAngle(vor.vDefDot)
            Behavior on angle {
                NumberAnimation { duration: vor.needleEaseMs; easing.type: Easing.InOutQuad }
            }
        }
    }
    CutOutLayer {
        objectName: "courseNeedle"
        source: Qt.resolvedUrl("vorOBSneedle.png")
        cutouts: Cutouts.rects
        y: -60
        width: 210
        height: 205
        transform: Rotation {
            origin.x: 100
            origin.y: 100
            angle: Scale.courseNeedleAngle(vor.hDefDot)
            Behavior on angle {
                NumberAnimation { duration: vor.needleEaseMs; easing.type: Easing.InOutQuad }
            }
        }
    }
    Image {
        objectName: "card"
        source: "vorOBScard.png"
        width: 210
        height: 210
        transform: Rotation { origin.x: 105; origin.y: 105; angle: Scale.cardAngle(vor.compRingDeg) }
    }
    LayerImage {
        objectName: "cover"
        source: Qt.resolvedUrl("vorOBScover.png")
        width: 210
        height: 210
    }
    Rectangle {
        objectName: "ring"
        anchors.centerIn: parent
        width: 200
        height: 200
        radius: width / 2
        color: "transparent"
        border.color: "black"
        border.width: 13
    }
}
