.pragma library
.import "qrc:/Classes/Numbers.js" as Numbers

// Tachometer scale, shared by RpmInst.qml and the face the artwork draws.
// 0.072 degrees per rpm from -126 at rest; no upper stop, the needle keeps
// turning past the last numeral.
var restAngle = -126;
var degreesPerRpm = 36 / 500;
var maxRpm = 3500;          // last numeral of the face (35 hundred)
var greenArc = [2100, 2700];
var redLine = 2700;

function needleAngle(rpm) {
    rpm = Numbers.finite(rpm);
    return restAngle + degreesPerRpm * Math.max(rpm, 0);
}
