.pragma library
.import "qrc:/Classes/Interpolate.js" as Logic
.import "qrc:/Classes/Numbers.js" as Numbers

// Instrument-air suction, inches of mercury, shared by InstrumentAir.qml and
// its face: 30 degrees per inch across the top, 3 at the upper left, 6 at the
// upper right.
var points = [2.5, 3, 4, 5, 6, 6.5];
var angles = [300, 315, 345, 375, 405, 420];
var airGreen = [4.3, 5.9];      // normal operating range (from/to)

function needleAngle(inches) {
    return Logic.interpolate(Numbers.finite(inches), points, angles);
}
