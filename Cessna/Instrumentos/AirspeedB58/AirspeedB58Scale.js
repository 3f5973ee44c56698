.pragma library

// Needle angle of the wide-range airspeed indicator (Baron, stand-by): linear
// maps over a 0-40 kt band and then 20-kt bands up to 260 kt, clamped at both
// ends. The artwork generator draws the face's marks from these numbers.

var knots = [0, 40, 60, 80, 100, 120, 140, 160, 180, 200, 220, 240, 260]
var angles = [0, 19, 49, 78, 106, 135, 164, 193, 221, 250, 280, 309, 340]

// Linear map of value from [fromLow, fromHigh] onto [toLow, toHigh], unclamped.
function map(value, fromLow, fromHigh, toLow, toHigh) {
    return (value - fromLow) * (toHigh - toLow) / (fromHigh - fromLow) + toLow
}

// Degrees clockwise from twelve o'clock for an indicated airspeed in knots;
// 0 below the scale (and for a value that is not a number), 340 above it.
function needleAngle(value) {
    var v = Number(value)
    if (!(v > knots[0]))
        return angles[0]
    for (var i = 1; i < knots.length; ++i) {
        if (v <= knots[i])
            return Math.max(0, map(v, knots[i - 1], knots[i], angles[i - 1], angles[i]))
    }
    return angles[angles.length - 1]
}
