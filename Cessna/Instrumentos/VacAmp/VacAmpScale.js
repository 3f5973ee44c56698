.pragma library

// Suction (left needle) and ammeter (right needle) scales, both with stops.
var vacMin = 2.9;
var vacMax = 7.1;
var ampMax = 60;            // the ammeter reads -60 ... +60

function vacAngle(v) {
    v = finite(v);
    return 220 - 25 * Math.min(Math.max(v, vacMin), vacMax);
}
function ampAngle(a) {
    a = finite(a);
    return 267 + Math.min(Math.max(a, -ampMax), ampMax);
}

// A value that is not a finite number (a garbled field) reads as 0.
function finite(value) {
    var v = Number(value);
    return isFinite(v) ? v : 0;
}
