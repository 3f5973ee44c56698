.pragma library

// The strip compass: a tape of headings from right to left slides behind a
// window with the lubber line in its middle, 125 px per 90 degrees. Heading 0
// puts the tape at x = -536, which brings its second N under the lubber line;
// the tape moves right as the heading grows. The artwork generator places
// every mark of the tape with headingX, so the mark of a heading stands under
// the lubber line whenever the document shows that heading.

var pxPerDegree = 125 / 90
var zeroX = -536
var lubberX = 75              // the lubber line, in gauge pixels from the left
var firstHeading = -72        // the tape's marks run from here ...
var lastHeading = 439         // ... to here

// A value that is not a finite number counts as 0; exactly 360 is drawn as 0.
function shown(heading) {
    var h = Number(heading)
    if (!isFinite(h) || h === 360)
        return 0
    return h
}
function tapeX(heading) {
    return zeroX + pxPerDegree * shown(heading)
}
// Where on the tape (px from its left edge) the mark of a heading is drawn.
function headingX(heading) {
    return lubberX - zeroX - pxPerDegree * heading
}
