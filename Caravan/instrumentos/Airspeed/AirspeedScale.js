.pragma library
.import "qrc:/Classes/Interpolate.js" as Logic
.import "qrc:/Classes/Numbers.js" as Numbers

// Needle angle of the Caravan airspeed indicator, shared by Airspeed.qml and
// the face the artwork draws, so every mark is where the needle stands for it.

var knots = [0, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120, 130, 140, 150, 160, 170, 180, 190, 200, 210]
var angles = [0, 6, 18, 34, 49, 65, 78, 95, 112, 132, 150, 174, 198, 217, 234, 255, 270, 292, 312, 330]

// Between the stops the needle stands this many degrees clockwise of the
// table; at the stops it shows the table's end angles.
var needleOffset = 3

// Degrees clockwise from twelve o'clock for an indicated airspeed in knots
// (a value that is not a number counts as 0).
function interpolateSpeedToAngle(speed) {
    var v = Numbers.finite(speed)
    if (v <= knots[0])
        return angles[0]
    if (v >= knots[knots.length - 1])
        return angles[angles.length - 1]
    return Logic.interpolate(v, knots, angles) + needleOffset
}
