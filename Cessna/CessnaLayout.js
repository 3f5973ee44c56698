.pragma library

// What the Cessna panel keeps in its layout string (config.txt, 94 fields)
// besides its 22 instrument slots (fields 0 to 87) and its window geometry
// (fields 89 to 92, in the module table):
//   88   placard text
//   93   panel zoom
// Shared by the panel (Cessna.qml) and its layout menu (CessnaConfig.qml).

var fieldCount = 94
var placardField = 88
var zoomField = 93

// The placard text as it may be stored: a "," or a line break would split
// the field and shift every later field of the layout string.
function placardText(text) {
    return String(text === undefined || text === null ? "" : text).replace(/[,\r\n\u2028\u2029]/g, "")
}
