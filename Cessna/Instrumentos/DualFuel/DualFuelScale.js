.pragma library
.import "qrc:/Classes/Numbers.js" as Numbers

// Fuel quantity scale of the two-tank gauge. A tank input is converted to the
// 0-to-26 reading of the face; the left needle turns by needleAngle(), the
// right one by its mirror. Inputs above 76 stop the needle; there is no lower stop.
var maxInput = 76;
var fullScale = 26;         // last mark of each arc
var emptyAngle = 148;       // angle of 0 on the left arc
var fullAngle = 58;         // angle of 26 on the left arc

function reading(f) {
    f = Numbers.finite(f);
    return Math.min(f, maxInput) * 2.20462 / 5;
}
// Left-needle angle of a reading q of the 0-to-26 scale.
function readingAngle(q) {
    return fullAngle + ((q - fullScale) / (0 - fullScale)) * (140 - 50);
}
function leftAngle(f) {
    return readingAngle(reading(f));
}
function rightAngle(f) {
    return -leftAngle(f);
}
