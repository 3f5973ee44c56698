.pragma library
.import "qrc:/Classes/Interpolate.js" as Logic

// Needle angle of the wide-range airspeed indicator (Baron, stand-by): linear
// maps over a 0-40 kt band and then 20-kt bands up to 260 kt, clamped at both
// ends. The artwork generator draws the face's marks from these numbers.

var knots = [0, 40, 60, 80, 100, 120, 140, 160, 180, 200, 220, 240, 260]
var angles = [0, 19, 49, 78, 106, 135, 164, 193, 221, 250, 280, 309, 340]

// Degrees clockwise from twelve o'clock for an indicated airspeed in knots:
// linear within each band, 0 below the scale (and for a value that is not a
// number), 340 above it.
function needleAngle(value) {
    var v = Number(value)
    return isFinite(v) ? Logic.interpolate(v, knots, angles) : angles[0]
}
