.pragma library
.import "qrc:/Classes/Interpolate.js" as Logic
.import "qrc:/Classes/Numbers.js" as Numbers

// Fuel flow of one Baron engine, shared by FuelFlowBaron.qml and its face. The
// value arrives in kilograms per second; the face reads US gallons per hour of
// avgas, 0 at the top and 30 at the lower left.
var points = [0, 5, 10, 15, 20, 25, 30];    // gallons per hour
var angles = [360, 378, 423, 466, 509, 555, 600];
var flowGreen = [6, 24];        // normal operating range (from/to), gallons per hour
var flowRedLines = [24];        // take-off flow at full power

var fuelDensity = 0.721;        // kilograms per litre
var litresPerGallon = 3.78541;

// Kilograms per second to gallons per hour; no flow (or a negative one) is 0.
function convertKgSecToGalHr(kgPerSecond) {
    var flow = Numbers.finite(kgPerSecond);
    if (flow <= 0)
        return 0;
    return flow * 3600 / fuelDensity / litresPerGallon;
}

function needleAngle(gallonsPerHour) {
    return Logic.interpolate(Numbers.finite(gallonsPerHour), points, angles);
}
