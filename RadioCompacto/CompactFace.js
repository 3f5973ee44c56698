.pragma library

// Where each display item of the compact radio panel sits, in design units of
// the 340 x 779 panel; the panel document places its items from this table and
// the artwork generator frames the face's display windows around them. Entries
// as in the avionics panel's table (RadioAvionico/AvionicsFace.js).

var width = 340
var height = 779

// The fourteen-segment lettering is wider and taller than the narrow LCD face
// this layout was drawn for (its rows are 25 units apart).
var lcdCondense = 0.6
var lcdSquash = 0.8

function frequencyWindow(x, y) {
    return { x: x, y: y, width: 90, height: 29, size: 29, font: "segments" }
}
function annunciator(x, y, size) {
    return { x: x, y: y, size: size || 30, font: "lcdItalic", condense: lcdCondense, squash: lcdSquash }
}

// Three frequency rows: COM 1, NAV 1, NAV 2; active left, standby right.
var com = frequencyWindow(48, 32)
var comStby = frequencyWindow(186, 32)
var nav = frequencyWindow(48, 128)
var navStby = frequencyWindow(186, 128)
var nav2 = frequencyWindow(48, 226)
var navStby2 = frequencyWindow(186, 226)
var frequencyRows = [com.y, nav.y, nav2.y]

var adfFreq = { x: 120, y: 345, size: 32, font: "segments" }
var transponder = [84, 130, 175, 218].map(function (x) {
    return { x: x, y: 445, size: 36, font: "segments" }
})

// Autopilot strip, on the LCD area.
var lcdArea = { x: 18, y: 600, width: 304, height: 160 }
var ap = annunciator(50, 625)
var rev = annunciator(130, 625)
var apr = annunciator(230, 625)
var gs = annunciator(275, 630, 10)
var arm = annunciator(50, 650)
var hdg = annunciator(130, 650)
var navhdg = annunciator(230, 650)
var gpss = annunciator(277, 650, 10)
var alt = annunciator(80, 685)
var seta1 = annunciator(130, 685)
var altitudeDial = { right: 220, y: 690, size: 18, font: "segments" }
var vs = annunciator(80, 715)
var seta2 = annunciator(130, 715)
var approach = { right: 220, y: 720, size: 18, font: "segments" }
