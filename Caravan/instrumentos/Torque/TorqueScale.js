.pragma library
.import "qrc:/Classes/Interpolate.js" as Logic
.import "qrc:/Classes/Numbers.js" as Numbers

// Needle angle of the Caravan torque indicator, shared by Torque.qml and the
// face the artwork draws. The dial reads foot-pounds: 0 at nine o'clock, 1000
// at twelve, 2000 at three, 2500 at its lower right stop.

var footPounds = [0, 500, 1000, 1500, 2000, 2500]
var angles = [273, 322, 360, 398, 444, 492]

// Degrees clockwise from twelve o'clock (past 360 on the right half) for a
// torque in foot-pounds, clamped at both stops; a value that is not a number
// counts as 0.
function interpolateTorqueToAngle(torque) {
    return Logic.interpolate(Numbers.finite(torque), footPounds, angles)
}
