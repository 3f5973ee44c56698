.pragma library
.import "qrc:/Classes/Numbers.js" as Numbers

// The ADF indicator: the compass card turns by -heading, so the card's
// heading stands under the top index; the needle turns by its bearing from
// the top of the instrument.

function cardAngle(heading) {
    return -Numbers.finite(heading)
}
function needleAngle(bearing) {
    return Numbers.finite(bearing)
}
