.pragma library

// Needle angle of the vertical speed indicator, degrees clockwise from twelve
// o'clock, for a vertical speed in feet per minute: 0 points left, climb turns
// the needle up over the top, descent down under the bottom, both towards the
// stops near three o'clock at +-2000 ft/min. The artwork draws the face's marks
// with this function.
function baseFigure(v) {
    if (v > 2000)
        return 172
    if (v < -2000)
        return 187
    if (v >= 500)
        return 0.094 * (v - 27) - 11
    if (v >= 0)
        return 0.07 * v
    if (v > -500)
        return 0.07 * (v - 27) + 2
    return 0.092 * (v - 27) + 14
}

// A value that is not a number shows as level flight.
function needleAngle(value) {
    var v = Number(value)
    return baseFigure(isFinite(v) ? v : 0) - 90
}
