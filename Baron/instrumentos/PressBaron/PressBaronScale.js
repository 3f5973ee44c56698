.pragma library
.import "qrc:/Classes/Interpolate.js" as Logic
.import "qrc:/Classes/Numbers.js" as Numbers

// Manifold pressure of one Baron engine, inches of mercury, shared by
// PressBaron.qml and its face: 10 in Hg just left of the top, 40 at the lower
// left after most of a turn.
var points = [10, 15, 20, 25, 30, 35, 40];
var angles = [319, 362, 408, 449, 495, 535, 580];
var pressureGreen = [15, 29.6]; // normal operating range (from/to)

function needleAngle(inches) {
    return Logic.interpolate(Numbers.finite(inches), points, angles);
}
