import QtQuick
import "TurnSlipScale.js" as Scale
import "Cutouts.js" as Cutouts
import "qrc:/Cessna/Instrumentos/Layers"

// Turn coordinator: face with the ball tube, the ball, flag window, the tilting
// aeroplane symbol and the tube's glass over the ball. The aeroplane is set in
// the change handler of `turnrateRoll`, so it stays level until the first
// change.
Item {
    id: turnSlip

    property real slipDeg: 0       // slip, degrees of ball deflection
    property real turnrateRoll: 0  // turn rate as the aeroplane's tilt, degrees

    property real planeAngle: 0

    width: 210
    height: 210

    onTurnrateRollChanged: planeAngle = Scale.planeAngle(turnrateRoll)

    LayerImage {
        objectName: "face"
        source: Qt.resolvedUrl("turnslip.png")
        width: 210
        height: 210
    }
    Rectangle {
        objectName: "ball"
        x: 98
        y: 135
        width: 16
        height: 20
        radius: 180
        color: "black"
        transform: Translate {
            x: Scale.ballOffsetX(turnSlip.slipDeg)
            y: Scale.ballOffsetY(turnSlip.slipDeg)
        }
    }
    CutOutLayer {
        objectName: "flag"
        source: Qt.resolvedUrl("turnslipflag.png")
        cutouts: Cutouts.rects
        width: 210
        height: 210
    }
    CutOutLayer {
        objectName: "aeroplane"
        source: Qt.resolvedUrl("turnslipplane.png")
        cutouts: Cutouts.rects
        width: 210
        height: 210
        transform: Rotation { origin.x: 105; origin.y: 105; angle: turnSlip.planeAngle }
    }
    LayerImage {
        objectName: "tubeGlass"
        source: Qt.resolvedUrl("TurnSlipBubble.png")
        width: 210
        height: 210
    }
}
