.pragma library
.import "qrc:/Classes/Numbers.js" as Numbers

// Turn coordinator geometry and motion, shared by TurnCoordinator.qml and the
// vector layers the artwork draws. Lengths are fractions of the gauge's side.

// The aeroplane banks 20 degrees, onto the L or R index, at a standard-rate
// turn of 3 degrees per second; clockwise for a right turn.
var standardRate = 3;           // degrees per second: a turn in two minutes
var standardRateBank = 20;      // degrees

// The ball swings about a point on the vertical centre line above the face,
// so it runs along an arc through the bottom of the face. It rests on the
// centre line and stops against the rounded ends of its tube.
var ballPivotY = -36 / 240;     // above the top edge
var ballTrackRadius = 0.9;      // from the pivot to the ball's centre
var ballRadius = 0.04;
var tubeHalfWidth = 0.05;       // the tube's glass, either side of the ball's track
var ballStop = 11.5;            // degrees either side: the ball touches the tube's end

function planeAngle(turnRate) {
    return Numbers.finite(turnRate) / standardRate * standardRateBank;
}

// A positive slip swings the ball to the left (clockwise about the pivot
// above it).
function ballAngle(slip) {
    return Math.max(-ballStop, Math.min(ballStop, Numbers.finite(slip)));
}
