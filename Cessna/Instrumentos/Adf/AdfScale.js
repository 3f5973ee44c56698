.pragma library

// The ADF indicator: the compass card turns by -heading, so the card's
// heading stands under the top index; the needle turns by its bearing from
// the top of the instrument.

// A value that is not a finite number counts as 0.
function number(value) {
    var v = Number(value)
    return isFinite(v) ? v : 0
}
function cardAngle(heading) {
    return -number(heading)
}
function needleAngle(bearing) {
    return number(bearing)
}
