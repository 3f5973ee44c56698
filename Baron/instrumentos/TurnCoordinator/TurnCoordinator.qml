import QtQuick
import "TurnCoordinatorScale.js" as Scale

// Turn coordinator: six vector layers that fill the gauge. The ball swings
// about a point above the face and stops at the ends of its tube; the
// aeroplane banks about the centre, onto the L or R index at a standard-rate
// turn. Both keep only the part of their layer they paint.
Item {
    id: root
    width: 210
    height: 210

    property real turnRate: 0       // degrees per second, positive turning right
    property real slipSkid: 0       // ball deflection, degrees, positive to the left

    CustomImage {
        objectName: "back"
        anchors.fill: parent
        source: "tc_back.svg"
    }
    CustomImagePart {
        objectName: "ball"
        anchors.fill: parent
        source: Qt.resolvedUrl("tc_ball.svg")
        part: Scale.ballPart()
        transform: Rotation {
            origin.x: root.width / 2
            origin.y: Scale.ballPivotY * root.height
            angle: Scale.ballAngle(root.slipSkid)
        }
    }
    CustomImage {
        objectName: "face"
        anchors.fill: parent
        source: "tc_face_1.svg"
    }
    CustomImage {
        objectName: "ring"
        anchors.fill: parent
        source: "tc_face_2.svg"
    }
    CustomImagePart {
        objectName: "aeroplane"
        anchors.fill: parent
        source: Qt.resolvedUrl("tc_mark.svg")
        part: Scale.planePart
        transform: Rotation {
            origin.x: root.width / 2
            origin.y: root.height / 2
            angle: Scale.planeAngle(root.turnRate)
        }
    }
    CustomImage {
        objectName: "case"
        anchors.fill: parent
        source: "tc_case.svg"
    }
}
