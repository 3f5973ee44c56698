.pragma library

// Manifold pressure scale: 7.5 degrees per inch from 10 (straight up) to 50.
var minInches = 10;
var maxInches = 50;
var degreesPerInch = 7.5;

function needleAngle(m) {
    m = finite(m);
    if (m >= maxInches)
        return (maxInches - minInches) * degreesPerInch;
    if (m > minInches)
        return (m - minInches) * degreesPerInch;
    return 0;
}

// A value that is not a finite number (a garbled field) reads as 0.
function finite(value) {
    var v = Number(value);
    return isFinite(v) ? v : 0;
}
