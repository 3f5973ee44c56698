.pragma library
.import "qrc:/Classes/Numbers.js" as Numbers

// Turn coordinator: the aeroplane symbol tilts by the turn-rate input in
// degrees, limited to +-60; the ball moves 21 px per 5.15 degrees of slip (to
// the left for positive slip) and rides the tube's curve by sin(slip + 270 deg).
var planeLimit = 60
// Tilt of the aeroplane at a standard-rate (two-minute) turn: where the face's
// L and R marks stand.
var standardRateTilt = 20

function planeAngle(turnRate) {
    return Math.max(-planeLimit, Math.min(planeLimit, Numbers.finite(turnRate)))
}
function ballOffsetX(slip) {
    return -Numbers.finite(slip) * 21 / 5.15
}
function ballOffsetY(slip) {
    return Math.sin((Numbers.finite(slip) + 270) * Math.PI / 180)
}
