.pragma library
.import "qrc:/Classes/Interpolate.js" as Logic
.import "qrc:/Classes/Numbers.js" as Numbers

// Vertical speed, feet per minute, shared by VsBaron.qml and its face: level
// flight points left, a climb turns the needle clockwise over the top and a
// descent anticlockwise under the bottom, 45 degrees per 1000 ft/min; both
// 4000 up and 4000 down point right.
var points = [-4000, -3000, -2000, -1000, 0, 1000, 2000, 3000, 4000];
var angles = [90, 135, 180, 225, 270, 315, 360, 405, 450];

function needleAngle(feetPerMinute) {
    return Logic.interpolate(Numbers.finite(feetPerMinute), points, angles);
}
