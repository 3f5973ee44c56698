.pragma library
.import "qrc:/Classes/Numbers.js" as Numbers

// Manifold pressure scale: 7.5 degrees per inch from 10 (straight up) to 50.
var minInches = 10;
var maxInches = 50;
var degreesPerInch = 7.5;

function needleAngle(m) {
    m = Numbers.finite(m);
    if (m >= maxInches)
        return (maxInches - minInches) * degreesPerInch;
    if (m > minInches)
        return (m - minInches) * degreesPerInch;
    return 0;
}
