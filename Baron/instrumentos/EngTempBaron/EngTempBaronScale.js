.pragma library
.import "qrc:/Classes/Interpolate.js" as Logic
.import "qrc:/Classes/Numbers.js" as Numbers

// Cylinder-head temperature (left half of the face) and exhaust-gas
// temperature (right half, unnumbered) of one Baron engine, deg C, shared by
// EngTempBaron.qml and its face. Both needles turn about the centre; the EGT
// needle turns anticlockwise as the temperature rises.
var chtPoints = [50, 100, 150, 200, 250];
var chtAngles = [222, 247, 270, 293, 315];
var egtPoints = [656, 800, 946];
var egtAngles = [490, 450, 407];

var chtGreen = [93, 238];       // normal range (from/to): 200 to 460 deg F
var chtRedLines = [238];
var egtDivision = 20;           // deg C between the EGT marks

function chtAngle(celsius) {
    return Logic.interpolate(Numbers.finite(celsius), chtPoints, chtAngles);
}

function egtAngle(celsius) {
    return Logic.interpolate(Numbers.finite(celsius), egtPoints, egtAngles);
}
