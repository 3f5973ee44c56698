.pragma library
.import "qrc:/Classes/Interpolate.js" as Logic
.import "qrc:/Classes/Numbers.js" as Numbers

// Scales and numbers of the engine indication strip, shared by EIS.qml and the
// background the artwork draws (Caravan/images/EIS.png), so that a mark on an
// arc or a bar lies where the pointer stands for its value.

// ---- pointer tables ----------------------------------------------------------

// Arc pointers: degrees clockwise from twelve o'clock, past 360 on the right.
var torquePoints = [0, 1000, 1100, 1200, 1300, 1400, 1500, 1600, 1700, 1800, 1900, 2000, 2500, 3000]
var torqueAngles = [224, 258, 267, 276, 284, 293, 303, 315, 327, 340, 353, 367, 429, 462]
var ittPoints = [0, 600, 650, 700, 750, 800, 850, 900, 950]
var ittAngles = [261, 324, 339, 354, 369, 384, 399, 413, 426]
var ngPoints = [0, 12, 50, 60, 70, 80, 90, 100, 110]
var ngAngles = [261, 269, 299, 320, 342, 363.5, 386, 407, 427]

// Bar markers: the marker's x on the strip.
var oilPsiPoints = [0, 40, 84, 85, 105, 115]
var oilPsiX = [17, 78, 142, 145, 200, 208.5]
var oilTempPoints = [0, 32, 99, 100, 115]
var oilTempX = [17, 110, 195, 201, 208.5]

// Fuel columns: how far the column reaches above its zero line (negative: up).
var fuelPoints = [0, 200, 400, 600, 800, 1000]
var fuelExtents = [0, -24.5, -51, -76, -102.5, -129]

// A value that is not a number (a field that says "NaN") holds its pointer at
// the first point of the table.
function torqueAngle(footPounds) { return Logic.interpolate(Numbers.finite(footPounds), torquePoints, torqueAngles) }
function ittAngle(degreesC) { return Logic.interpolate(Numbers.finite(degreesC), ittPoints, ittAngles) }
function ngAngle(percent) { return Logic.interpolate(Numbers.finite(percent), ngPoints, ngAngles) }
function oilPressureX(psi) { return Logic.interpolate(Numbers.finite(psi), oilPsiPoints, oilPsiX) }
function oilTemperatureX(degreesC) { return Logic.interpolate(Numbers.finite(degreesC), oilTempPoints, oilTempX) }
function fuelExtent(pounds) { return Logic.interpolate(Numbers.finite(pounds), fuelPoints, fuelExtents) }

// ---- conversions from the units of the value vector ------------------------

var footPoundsPerNewtonMetre = 0.73756
var poundsPerKilogram = 2.20462
var poundsPerHourPerKilogramPerSecond = 7936.632

// ---- numbers -------------------------------------------------------------

// `value` with `decimals` decimals, a half rounded away from zero. The
// rounding works on the number's shortest decimal text, so 1.005 gives 1.01
// (as written), not 1.00 (as stored in binary). Not a number: "NaN".
function fixed(value, decimals) {
    var v = Number(value)
    if (isNaN(v))
        return "NaN"
    if (!isFinite(v))
        return String(v)
    var magnitude = String(Math.abs(v))
    var unit = Math.pow(10, decimals)
    // Shifting the decimal point in the text is exact; numbers that print in
    // exponent form (tiny or huge) are scaled instead.
    var scaled = Math.round(magnitude.indexOf("e") < 0 ? Number(magnitude + "e" + decimals)
                                                      : Number(magnitude) * unit)
    var sign = v < 0 && scaled !== 0 ? "-" : ""
    return sign + (scaled / unit).toFixed(decimals)
}

// The validated reading of a field (text, or undefined when the vector lacks
// it): absent or below 0 reads "0"; anything else is formatted with
// `decimals` decimals ("NaN" when it is not a number).
function validated(field, decimals) {
    if (field === undefined)
        return "0"
    var v = Number(field)
    if (v < 0)
        return "0"
    return fixed(v, decimals)
}

// A validated reading converted by `factor` and shown with `decimals`
// decimals: absent or negative reads 0 before the conversion.
function converted(field, readDecimals, factor, decimals) {
    return fixed(Number(validated(field, readDecimals)) * factor, decimals)
}

// Fuel flow is not validated: absent or empty counts as 0, a negative flow
// stays negative.
function fuelFlow(field) {
    var v = field === undefined || field === "" ? 0 : Number(field)
    return fixed(v * poundsPerHourPerKilogramPerSecond, 1)
}
