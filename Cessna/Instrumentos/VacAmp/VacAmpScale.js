.pragma library
.import "qrc:/Classes/Numbers.js" as Numbers

// Suction (left needle) and ammeter (right needle) scales, both with stops.
var vacMin = 2.9;
var vacMax = 7.1;
var ampMax = 60;            // the ammeter reads -60 ... +60

function vacAngle(v) {
    v = Numbers.finite(v);
    return 220 - 25 * Math.min(Math.max(v, vacMin), vacMax);
}
function ampAngle(a) {
    a = Numbers.finite(a);
    return 267 + Math.min(Math.max(a, -ampMax), ampMax);
}
