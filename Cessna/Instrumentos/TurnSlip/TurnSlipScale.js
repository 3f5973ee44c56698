.pragma library
.import "qrc:/Classes/Numbers.js" as Numbers

// Turn coordinator: the aeroplane symbol tilts by the turn-rate input in
// degrees, limited to +-60; the ball moves 21 px per 5.15 degrees of slip (to
// the left for positive slip) and rides the tube's curve by sin(slip + 270 deg).
// The ball stops at the ends of its tube.
var planeLimit = 60
// Tilt of the aeroplane at a standard-rate (two-minute) turn: where the face's
// L and R marks stand.
var standardRateTilt = 20

// The glass tube the ball rolls in, as the face draws it: centred on the
// ball's rest position (x 98 to 114), its frame `tubeFrame` px wide and its
// ends rounded to half its height.
var tubeX = 60
var tubeY = 134
var tubeWidth = 92
var tubeHeight = 22
var tubeFrame = 2
var ballPxPerDegree = 21 / 5.15
// The ball's rounded ends meet the tube's where its centre has come within
// the tube's inner radius of the inner end: 35 px from the middle, 8.58
// degrees of slip.
var ballTravel = (tubeWidth - tubeFrame) / 2 - (tubeHeight - tubeFrame) / 2
var slipLimit = ballTravel / ballPxPerDegree

function planeAngle(turnRate) {
    return Math.max(-planeLimit, Math.min(planeLimit, Numbers.finite(turnRate)))
}
// The slip as far as the tube lets the ball follow it.
function ballSlip(slip) {
    return Math.max(-slipLimit, Math.min(slipLimit, Numbers.finite(slip)))
}
function ballOffsetX(slip) {
    return -ballSlip(slip) * ballPxPerDegree
}
function ballOffsetY(slip) {
    return Math.sin((ballSlip(slip) + 270) * Math.PI / 180)
}
