.pragma library

// Hand angles of the altimeter, degrees clockwise from twelve o'clock: one turn
// of the long hand per 1000 ft, of the short hand per 10 000 ft, and the
// ten-thousand pointer's tenth of a turn per 10 000 ft. The dial is numbered
// 0 to 9 at 36-degree steps; the artwork draws it from these functions.

// Altitude within its ten-thousand band: 0 <= r < 10000, also below zero.
function band(altitude) {
    return altitude - Math.floor(altitude / 10000) * 10000
}
function tenThousandAngle(altitude) {
    return altitude / 10000 * 36
}
function thousandAngle(altitude) {
    return band(altitude) / 1000 * 36
}
function hundredAngle(altitude) {
    return band(altitude) * 0.36
}

// The setting windows: inches of mercury with two decimals, hectopascals
// rounded to whole numbers; a setting that is not a number shows nothing.
var inchesPerHectopascal = 0.0295361
function inchesText(setting) {
    var s = Number(setting)
    return isFinite(s) ? s.toFixed(2) : ""
}
function hectopascalText(setting) {
    var s = Number(setting)
    return isFinite(s) ? (s / inchesPerHectopascal).toFixed(0) : ""
}
