import QtQuick
import "ObsScale.js" as Scale
import "Cutouts.js" as Cutouts
import "qrc:/Cessna/Instrumentos/Layers"

// Second course indicator (NAV 2): TO, FROM and NAV flags seen through the
// face's window, course needle, rotating course card under the cover.
Item {
    id: obsInst

    property real obs_hDefDot: 0  // course deviation, dots
    property real nav2sig: 0      // 0 when the second receiver has no signal
    property real toFromNav: 0    // 0 no signal, 1 TO, 2 FROM
    property real compRingDeg: 0  // selected course (card), degrees

    // Each needle movement eases over 50 ms.
    readonly property int needleEaseMs: 50

    width: 210
    height: 210

    LayerImage {
        objectName: "fromFlag"
        source: Qt.resolvedUrl("OBS2navfr.png")
        width: 210
        height: 210
        visible: Scale.showFrom(obsInst.toFromNav)
    }
    LayerImage {
        objectName: "toFlag"
        source: Qt.resolvedUrl("OBS2navto.png")
        width: 210
        height: 210
        visible: Scale.showTo(obsInst.toFromNav)
    }
    LayerImage {
        objectName: "navFlag"
        source: Qt.resolvedUrl("OBS2navflag.png")
        width: 210
        height: 210
        visible: Scale.showNavFlag(obsInst.toFromNav, obsInst.nav2sig)
    }
    LayerImage {
        objectName: "face"
        source: Qt.resolvedUrl("VORwBG.png")
        width: 210
        height: 210
    }
    CutOutLayer {
        objectName: "needle"
        source: Qt.resolvedUrl("OBSneedle.png")
        cutouts: Cutouts.rects
        y: -55
        width: 210
        height: 210
        transform: Rotation {
            origin.x: 105
            origin.y: 105
            angle: Scale.needleAngle(obsInst.obs_hDefDot)
            Behavior on angle {
                NumberAnimation { duration: obsInst.needleEaseMs; easing.type: Easing.InOutQuad }
            }
        }
    }
    Image {
        objectName: "card"
        source: "OBScard.png"
        width: 210
        height: 210
        transform: Rotation { origin.x: 105; origin.y: 105; angle: Scale.cardAngle(obsInst.compRingDeg) }
    }
    LayerImage {
        objectName: "cover"
        source: Qt.resolvedUrl("OBScover.png")
        width: 210
        height: 210
    }
    Rectangle {
        objectName: "ring"
        anchors.centerIn: parent
        width: 198
        height: 198
        radius: width / 2
        color: "transparent"
        border.color: "black"
        border.width: 12
    }
}
