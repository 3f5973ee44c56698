.pragma library

// Pitch ladder offset of the attitude indicator, in pixels downwards: 1.8 px
// per degree, only 0.9 px per degree between 15 and 25 degrees nose up, pitch
// limited to -25 ... 25, and -1 px at zero pitch. The artwork places each
// pitch mark where this offset brings it to the centre.
var pitchLimit = 25
var compressedFrom = 15
var pixelsPerDegree = 9 / 5

function pitchOffset(pitch) {
    var d = Math.max(-pitchLimit, Math.min(pitchLimit, Number(pitch)))
    if (!isFinite(d))
        d = 0
    var a = d - compressedFrom > 0 ? d - compressedFrom : 0
    return d * pixelsPerDegree - a / 2 * pixelsPerDegree - 1
}

// The sky-and-ground group turns against the bank (positive right wing down).
function rollAngle(bank) {
    var b = Number(bank)
    return isFinite(b) ? -b : 0
}
