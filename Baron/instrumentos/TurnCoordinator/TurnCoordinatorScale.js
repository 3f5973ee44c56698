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

// Where the moving pictures lie in their layers, level, as fractions of the
// side (x, y, width, height), shadows and soft edges included: only these
// parts are rasterised and repainted when they move.
var planePart = [0.12, 0.38, 0.76, 0.19];     // wings 78 units either side of the centre
function ballPart() {
    const reach = ballRadius + 0.01;           // and a pixel of soft edge at the largest zoom
    const y = ballPivotY + ballTrackRadius;
    return [0.5 - reach, y - reach, 2 * reach, 2 * reach];
}
