.pragma library
.import "qrc:/Classes/Numbers.js" as Numbers

// Exhaust-gas temperature (left needle) and fuel flow (right needle) scales.
var egtLow = 961;           // needle rests at egtLowAngle at and below this
var egtHigh = 1350;         // and at egtHighAngle at and above this
var egtLowAngle = 145;
var egtHighAngle = 34;
var maxFlow = 19;           // last numeral of the fuel-flow scale, gallons per hour

function egtAngle(e) {
    e = Numbers.finite(e);
    if (e <= egtLow)
        return egtLowAngle;
    if (e >= egtHigh)
        return egtHighAngle;
    return egtLowAngle - ((e - egtLow) / (egtHigh - egtLow)) * (egtLowAngle - egtHighAngle);
}

// Fuel flow has no stops; the low end up to 5 gal/h is compressed and the
// needle steps from 220 to 222 degrees as the flow passes 5.
function flowAngle(q) {
    q = Numbers.finite(q);
    if (q <= 5)
        return q * 1.6 + 212;
    return 222 + (q - 5) * 7.7;
}
