.pragma library
.import "qrc:/Classes/Numbers.js" as Numbers
.import "qrc:/Classes/Units.js" as Units

// Fuel quantity scale of the two-tank gauge. A tank input, kilograms of avgas,
// is read in US gallons on the face's 0-to-26 arcs; the left needle turns by
// leftAngle(), the right one by its mirror. The needle stops at the full mark;
// there is no lower stop.
var fullScale = 26;         // last mark of each arc, gallons
var emptyAngle = 148;       // angle of 0 on the left arc
var fullAngle = 58;         // angle of 26 on the left arc

function reading(f) {
    return Math.min(Units.kilogramsToGallons(Numbers.finite(f)), fullScale);
}
// Left-needle angle of a reading q of the 0-to-26 scale.
function readingAngle(q) {
    return fullAngle + ((q - fullScale) / (0 - fullScale)) * (emptyAngle - fullAngle);
}
function leftAngle(f) {
    return readingAngle(reading(f));
}
function rightAngle(f) {
    return -leftAngle(f);
}
