.pragma library
.import "qrc:/Classes/Interpolate.js" as Logic
.import "qrc:/Classes/Numbers.js" as Numbers

// Tachometer of one Baron engine, shared by RPMBaron.qml and the face the
// artwork draws. 0 rpm stands at ten o'clock (300), the needle turns clockwise
// over the top and reaches straight down (540) at 3500 rpm.
var points = [0, 500, 1000, 1500, 2000, 2500, 3000, 3500];
var angles = [300, 333, 368, 402, 438, 472, 505, 540];
// Ranges the face marks: from/to pairs, and red lines.
var rpmGreen = [2100, 2700];    // normal operating range
var rpmRedLines = [2700];       // maximum rpm

function needleAngle(rpm) {
    return Logic.interpolate(Numbers.finite(rpm), points, angles);
}
