.pragma library
.import "qrc:/Classes/Interpolate.js" as Logic

// Needle angle of the airspeed indicator: a chain of linear maps over a 0-40 kt
// band and then 20-kt bands, clamped at both ends. The artwork generator draws
// the face's marks from these same numbers, so mark and needle always agree.

var knots = [0, 40, 60, 80, 100, 120, 140, 160, 180, 200]
var angles = [0, 30, 70, 114, 162, 207, 238.5, 268, 292, 319]

// Degrees clockwise from twelve o'clock for an indicated airspeed in knots:
// linear within each band, 0 below the scale (and for a value that is not a
// number), 319 above it.
function needleAngle(value) {
    var v = Number(value)
    return isFinite(v) ? Logic.interpolate(v, knots, angles) : angles[0]
}
