.pragma library
.import "qrc:/Classes/Numbers.js" as Numbers

// The horizontal situation indicator's geometry. The document turns and moves
// its layers with these functions and the artwork generator draws the card,
// the deviation dots and the glide-slope scale from the same numbers.
//
// The compass card turns by -heading and the heading bug by bug - heading; the
// course arrow, the deviation dots and the deviation bar all turn by the
// course relative to the heading. The bar slides across the course, 15 px per
// dot; the glide-slope pointers slide down 14 px per dot. Neither is limited.

var barPxPerDot = 15
var glidePxPerDot = 14
var deviationDots = [-2, -1, 1, 2]      // dots of the course-deviation scale
var glideDots = [-2, -1, 1, 2]          // dots of the glide-slope scales
var hdgFlagAside = 45                   // degrees the HDG flag swings when powered
var navFlagAside = 90                   // degrees the NAV flag swings with a signal

function cardAngle(heading) {
    return -Numbers.finite(heading)
}
function bugAngle(bug, heading) {
    return Numbers.finite(bug) - Numbers.finite(heading)
}
function courseAngle(course, heading) {
    return Numbers.finite(course) - Numbers.finite(heading)
}
// Offset of the deviation bar across a course arrow turned by `angle` degrees.
function barOffsetX(dots, angle) {
    return Numbers.finite(dots) * barPxPerDot * Math.cos(Numbers.finite(angle) * Math.PI / 180)
}
function barOffsetY(dots, angle) {
    return Numbers.finite(dots) * barPxPerDot * Math.sin(Numbers.finite(angle) * Math.PI / 180)
}
function glideOffset(dots) {
    return glidePxPerDot * Numbers.finite(dots)
}
// The flags stand in view at 0 and swing aside when the bus is powered or a
// navigation signal is present (any value but 0).
function hdgFlagAngle(busVolts) {
    return Numbers.finite(busVolts) !== 0 ? hdgFlagAside : 0
}
function navFlagAngle(signal) {
    return Numbers.finite(signal) !== 0 ? navFlagAside : 0
}
