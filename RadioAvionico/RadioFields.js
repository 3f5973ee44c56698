.pragma library
.import "qrc:/Classes/Modules.js" as Modules

// Reading of the radio value vector (TPRadioAvionico.txt, fields separated by
// ";") and of the radio layout string (configRadio.txt, fields separated by
// ","), shared by the avionics and the compact radio panels and their settings
// menus.
//
// A field of the value vector is the text between separators, or undefined
// when the vector is too short ("absent"). Every reader below accepts absent,
// empty, padded or non-numeric text and answers with a display text (a dash
// pattern when the text cannot be shown) or a plain boolean; nothing throws.

// ---- the layout string -----------------------------------------------------

// Both radio panels share one layout string (the module table's).
var layoutPath = Modules.RadioAvionico.configPath
var defaultLayout = Modules.RadioAvionico.defaultLayout

// Field positions: window x, y, panel scale, lit colour, frequency set; field 7
// is carried along unread.
var layoutX = 0
var layoutY = 1
var layoutScale = 2
var layoutRed = 3
var layoutGreen = 4
var layoutBlue = 5
var layoutFrequencySet = 6

// Range of a scale taken from the layout string (the settings menu's slider)
// and of the wheel zoom; one wheel notch (120) changes the scale by 0.05.
var minimumScale = 0.1
var maximumScale = 5
var minimumWheelScale = 0.3
var wheelUnitsPerScale = 2400

function clamp(value, low, high) {
    return Math.min(high, Math.max(low, value))
}

// The fields of a layout string, completed from the default string when it is
// short (an emptied or truncated file), so that every writer writes a whole
// layout string back. Fields that are present are kept as they are.
function layoutFields(text) {
    var fields = (typeof text === "string" && text.length > 0) ? text.split(",") : []
    var defaults = defaultLayout.split(",")
    for (var i = fields.length; i < defaults.length; ++i)
        fields.push(defaults[i])
    return fields
}

function completeLayout(text) {
    return layoutFields(text).join(",")
}

// The scale a layout field asks for, within the menu's range, or undefined when
// the field is not a positive number.
function layoutScaleValue(text) {
    var s = parseFloat(text)
    return s > 0 ? clamp(s, minimumScale, maximumScale) : undefined
}

// A colour component (0 to 1) from a layout field, or `fallback` when the field
// is not a number.
function colourComponent(text, fallback) {
    var v = parseFloat(text)
    return isNaN(v) ? fallback : clamp(v, 0, 1)
}

// The scale after a wheel turn of `angleDelta` eighths of a degree: clamped to
// 0.3 to 5 and rounded to two decimals.
function wheelScale(scale, angleDelta) {
    var s = clamp(scale + angleDelta / wheelUnitsPerScale, minimumWheelScale, maximumScale)
    return Math.round(s * 100) / 100
}

// ---- the value vector ------------------------------------------------------

function values(text) {
    return (typeof text === "string" ? text : "").split(";")
}

function field(fields, index) {
    return fields && index < fields.length ? fields[index] : undefined
}

// Leading whole number of a field ("1.0" reads 1), NaN when there is none.
function integerValue(text) {
    return text === undefined ? NaN : parseInt(text, 10)
}

// Leading decimal number of a field, NaN when there is none.
function numberValue(text) {
    return text === undefined ? NaN : parseFloat(text)
}

// "Is n": the field reads as the number n; an absent field never does.
function reads(text, n) {
    return numberValue(text) === n
}

// Rounds to `decimals` places, halves upward. The product is first cut to 12
// significant digits so that binary noise (1.15 * 10 = 11.4999...) does not
// turn a half downward.
function roundHalfUp(value, decimals) {
    var f = Math.pow(10, decimals)
    return Math.round(Number((value * f).toPrecision(12))) / f
}

// ---- display formats -------------------------------------------------------

var noFrequency = "----"

// Frequency format: the first "." is removed; the first three digits, a ".",
// and the fourth and fifth digits are shown (118.100 -> 118.10, 121.5 -> 121.5).
// An absent field counts as "0" ("0."), an empty one shows ".". With
// `sixDigits` (the NAV windows of the avionics panel) anything but exactly six
// digits shows "----"; text that is not digits shows "----" in every window.
function frequency(text, sixDigits) {
    var digits = text === undefined ? "0" : String(text).trim().replace(".", "")
    if (sixDigits && digits.length !== 6)
        return noFrequency
    if (!/^[0-9]*$/.test(digits))
        return noFrequency
    return digits.substring(0, 3) + "." + digits.substring(3, 5)
}

var noDme = "--.-"

// DME number format: one decimal, halves upward, two whole digits (5 -> 05.0,
// 12.34 -> 12.3), "99.9" from 100 on. A field that is absent, empty, not a
// number or negative (no DME station) shows "--.-".
function dme(text) {
    var v = numberValue(text)
    if (isNaN(v) || v < 0)
        return noDme
    var r = roundHalfUp(v, 1)
    if (r >= 100)
        return "99.9"
    return (r < 10 ? "0" : "") + r.toFixed(1)
}

var noAdf = "----"

// ADF frequency: the whole number before the first "." (the whole text when
// there is none and `needsPoint` is false), padded with zeros, last four digits
// (350.0 -> 0350). With `needsPoint` a text without "." shows "----", as does
// text without a non-negative whole number in front.
function adf(text, needsPoint) {
    if (text === undefined)
        return noAdf
    var s = String(text).trim()
    var point = s.indexOf(".")
    if (point < 0) {
        if (needsPoint)
            return noAdf
        point = s.length
    }
    var n = parseInt(s.substring(0, point), 10)
    if (isNaN(n) || n < 0 || n > Number.MAX_SAFE_INTEGER)
        return noAdf
    var padded = "0000" + n
    return padded.substring(padded.length - 4)
}

// Transponder code: its first four characters, one per digit window. A code
// that is absent, shorter than four characters or not digits shows "-" in all
// four windows.
function transponderDigits(text) {
    var code = text === undefined ? "" : String(text).trim()
    if (!/^[0-9]{4}/.test(code))
        return ["-", "-", "-", "-"]
    return code.substring(0, 4).split("")
}

var transponderModeNames = ["", "STBY", "TEST", "ON", "ALT"]

// Transponder mode text of field 34 (0 hides the transponder, see
// transponderOn); any other value or an absent field shows "----".
function transponderMode(text) {
    var m = integerValue(text)
    return m >= 1 && m <= 4 ? transponderModeNames[m] : "----"
}

function transponderOn(text) {
    return integerValue(text) !== 0
}

var noNumber = "----"

// Autopilot number of the avionics panel: rounded to a whole number, halves
// upward (-500.5 -> -500); "----" when absent or not a number.
function roundedNumber(text) {
    var v = numberValue(text)
    if (!isFinite(v))
        return noNumber
    return String(Math.round(v) + 0) // + 0 turns -0 into 0
}

// Autopilot number of the compact panel: the leading whole number, decimals
// dropped (-500.7 -> -500); "----" when absent or not a number.
function wholeNumber(text) {
    var v = integerValue(text)
    if (!isFinite(v))
        return noNumber
    return String(v + 0)
}

// ---- power -----------------------------------------------------------------

// Field 29 is the avionics bus. Bridges write it either as the bus voltage
// (20 V and above is powered) or as an on flag (1); both radio panels take
// either form, so that one bridge lights both.
function busPowered(text) {
    var v = numberValue(text)
    return v === 1 || v >= 20
}

// Avionics panel: off when field 29 is present and a number that is not a
// powered bus, or when field 25 (power switch) is present and reads 0.
function avionicsPowered(fields) {
    var bus = field(fields, 29)
    var power = field(fields, 25)
    if (bus !== undefined && !isNaN(numberValue(bus)) && !busPowered(bus))
        return false
    if (power !== undefined && integerValue(power) === 0)
        return false
    return true
}

// Compact panel: powered only when the switch (field 25) reads 1 and the bus
// (field 29) is powered.
function compactPowered(fields) {
    return reads(field(fields, 25), 1) && busPowered(field(fields, 29))
}
