.pragma library

// The Cessna panel's layout string (config.txt): 94 comma-separated fields.
//   0 to 87   22 instrument slots of four fields each (x, y, size, visible)
//   88        placard text
//   89, 90    window x, y
//   91, 92    window width, height
//   93        panel zoom
// Shared by the panel (Cessna.qml) and its layout menu (CessnaConfig.qml).

var fieldCount = 94
var placardField = 88
var windowField = 89
var zoomField = 93
var lockPath = "C:\\Radod\\instrumentos\\lock.txt"
var lockGeralPath = "C:\\Radod\\instrumentos\\lockGeral.txt"
var configPath = "C:\\Radod\\instrumentos\\config.txt"

// What start-up writes when config.txt is missing and what the menu's Reset
// puts back.
var defaultLayout = "440,226,210,1,871,226,210,1,656,226,210,1,656,442,210,1,440,442,210,1,"
        + "872,442,210,1,8,658,210,1,224,658,210,1,2,452,210,1,224,442,210,1,224,226,210,1,"
        + "872,658,210,1,1088,182,210,1,1088,442,210,1,1088,658,210,1,1117,57,90,1,791,87,79,1,"
        + "91,87,77,1,424,88,45,1,6,218,210,1,490,700,210,1,630,700,180,1,RADOD,0,23,1920,1017,1"

// The fields of a layout string; anything that is not a string reads as "".
function fields(layout) {
    return (typeof layout === "string" ? layout : "").split(",")
}

// A field as a number, or undefined when it is missing, empty or not a
// finite decimal number.
function numberAt(f, index) {
    if (index >= f.length)
        return undefined
    var text = f[index]
    if (text.trim() === "")
        return undefined
    var n = Number(text)
    return isFinite(n) ? n : undefined
}

// A layout string with every field that it lacks taken from the default, so
// that an edit made on a short or empty string (config.txt emptied by hand,
// or deleted by Reset) is written as a whole layout. Fields that are present
// are kept as they are.
function complete(layout) {
    var f = fields(layout)
    if (f.length === 1 && f[0] === "")
        return defaultLayout
    var d = defaultLayout.split(",")
    for (var i = f.length; i < d.length; ++i)
        f.push(d[i])
    return f.join(",")
}

// The placard text as it may be stored: a "," or a line break would split
// the field and shift every later field of the layout string.
function placardText(text) {
    return String(text === undefined || text === null ? "" : text).replace(/[,\r\n\u2028\u2029]/g, "")
}

// Window position and size of a layout string; a member is undefined unless
// both numbers of its pair are valid (the size must also be positive), so a
// short or damaged string never moves the window to a nonsense place.
function windowGeometry(layout) {
    var f = fields(layout)
    var x = numberAt(f, windowField), y = numberAt(f, windowField + 1)
    var w = numberAt(f, windowField + 2), h = numberAt(f, windowField + 3)
    var position = x !== undefined && y !== undefined
    var size = w !== undefined && h !== undefined && w >= 1 && h >= 1
    return {
        x: position ? Math.trunc(x) : undefined,
        y: position ? Math.trunc(y) : undefined,
        width: size ? Math.trunc(w) : undefined,
        height: size ? Math.trunc(h) : undefined
    }
}

// The panel zoom of a layout string, or undefined when it is missing or not a
// positive number.
function zoom(layout) {
    var z = numberAt(fields(layout), zoomField)
    return z !== undefined && z > 0 ? z : undefined
}

// The placard text of a layout string, or undefined when the string has no
// such field.
function placard(layout) {
    var f = fields(layout)
    return placardField < f.length ? placardText(f[placardField]) : undefined
}
