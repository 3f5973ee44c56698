.pragma library
.import "qrc:/Classes/Interpolate.js" as Logic
.import "qrc:/Classes/Numbers.js" as Numbers

// Oil temperature (left half of the face, deg C) and oil pressure (right half,
// psi) of one Baron engine, shared by OilBaron.qml and its face. Both needles
// turn about the centre; the temperature needle climbs clockwise from the lower
// left, the pressure needle anticlockwise from the lower right.
var tempPoints = [0, 20, 40, 60, 80, 100, 120];
var tempAngles = [223, 240, 255, 270, 286, 300, 315];
// 90 psi, not 100, before the last point: even 15-degree steps of the needle.
var pressPoints = [0, 20, 40, 60, 80, 90, 120];
var pressAngles = [135, 120, 105, 90, 75, 60, 45];

// Ranges the face marks: from/to pairs, and red lines.
var tempGreen = [24, 116];      // 75 to 240 deg F
var tempRedLines = [116];
var pressGreen = [30, 60];
var pressYellow = [10, 30, 60, 100];
var pressRedLines = [10, 100];
var pressMax = 100;             // last numeral

function tempAngle(celsius) {
    return Logic.interpolate(Numbers.finite(celsius), tempPoints, tempAngles);
}

function pressureAngle(psi) {
    return Logic.interpolate(Numbers.finite(psi), pressPoints, pressAngles);
}
