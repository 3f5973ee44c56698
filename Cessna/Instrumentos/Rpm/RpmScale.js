.pragma library

// Tachometer scale, shared by RpmInst.qml and the face the artwork draws.
// 0.072 degrees per rpm from -126 at rest; no upper stop, the needle keeps
// turning past the last numeral.
var restAngle = -126;
var degreesPerRpm = 36 / 500;
var maxRpm = 3500;          // last numeral of the face (35 hundred)
var greenArc = [2100, 2700];
var redLine = 2700;

function needleAngle(rpm) {
    rpm = finite(rpm);
    return restAngle + degreesPerRpm * Math.max(rpm, 0);
}

// A value that is not a finite number (a garbled field) reads as 0.
function finite(value) {
    var v = Number(value);
    return isFinite(v) ? v : 0;
}
