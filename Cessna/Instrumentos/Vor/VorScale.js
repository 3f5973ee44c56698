.pragma library
.import "qrc:/Classes/Numbers.js" as Numbers

// The VOR/ILS indicator's geometry. Both deviation needles are the same bar,
// hanging from a pivot under the course card: the course needle from the top
// (12 degrees per dot), the glide-slope needle from the left, lying across
// the face at -90 degrees (8 degrees per dot). Both stop at 5 dots. The face's
// dots are drawn by the artwork generator where these angles put the needles.

var maxDots = 5
var courseDegPerDot = 12
var glideDegPerDot = 8
var glideRestAngle = -90

function limited(dots) {
    return Math.max(-maxDots, Math.min(maxDots, Numbers.finite(dots)))
}

// A positive deviation swings the lower end of the course needle to the right.
function courseNeedleAngle(dots) {
    return -courseDegPerDot * limited(dots)
}
// A positive deviation lowers the glide-slope needle.
function glideNeedleAngle(dots) {
    return glideRestAngle + glideDegPerDot * limited(dots)
}
function cardAngle(course) {
    return -Numbers.finite(course)
}

// Flag windows: 0 no signal (NAV flag), 1 TO, 2 FROM; any other value shows
// none of them. The GS flag is in view while no glide slope is received (the
// glide-slope field is 0) and out of view while it is (1), as the NAV flag is
// while there is no signal.
function showNavFlag(toFrom) { return Numbers.finite(toFrom) === 0 }
function showTo(toFrom) { return Numbers.finite(toFrom) === 1 }
function showFrom(toFrom) { return Numbers.finite(toFrom) === 2 }
function showGlideFlag(glideslope) { return Numbers.finite(glideslope) === 0 }
