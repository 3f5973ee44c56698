.pragma library
.import "qrc:/Classes/Numbers.js" as Numbers

// The second course indicator's geometry: one course needle hanging from a
// pivot under the course card, 12 degrees per dot, stopping at 4 dots. The
// face's dots are drawn by the artwork generator where this angle puts it.

var maxDots = 4
var courseDegPerDot = 12

function limited(dots) {
    return Math.max(-maxDots, Math.min(maxDots, Numbers.finite(dots)))
}

// A positive deviation swings the lower end of the needle to the right.
function needleAngle(dots) {
    return -courseDegPerDot * limited(dots)
}
function cardAngle(course) {
    return -Numbers.finite(course)
}

// Flag window: 1 TO, 2 FROM; the NAV flag shows with 0 or when the receiver
// has no signal, so it can stand beside a TO or FROM.
function showTo(toFrom) { return Numbers.finite(toFrom) === 1 }
function showFrom(toFrom) { return Numbers.finite(toFrom) === 2 }
function showNavFlag(toFrom, signal) { return Numbers.finite(toFrom) === 0 || Numbers.finite(signal) === 0 }
