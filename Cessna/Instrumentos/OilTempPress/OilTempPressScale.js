.pragma library
.import "qrc:/Classes/Numbers.js" as Numbers

// Oil temperature (left needle) and oil pressure (right needle) scales.
var tempPoints = [75, 100, 150, 200, 245];
var tempAngles = [137, 127, 96, 63, 38];
var tempMin = 75;
var tempMax = 250;          // the top segment runs on past 245 up to here
var pressureMax = 115;      // last mark of the pressure scale, psi

// The temperature is held to 75...250 and read on the segment it falls in;
// a value on a point belongs to the segment below it.
function tempAngle(t) {
    t = Numbers.finite(t);
    t = Math.min(Math.max(t, tempMin), tempMax);
    var i = 0;
    while (i < tempPoints.length - 2 && t > tempPoints[i + 1])
        i++;
    var x1 = tempPoints[i], x2 = tempPoints[i + 1];
    var y1 = tempAngles[i], y2 = tempAngles[i + 1];
    return y1 + (y2 - y1) * ((t - x1) / (x2 - x1));
}

// One degree per psi, no stops.
function pressureAngle(p) {
    p = Numbers.finite(p);
    return -145 + p;
}
