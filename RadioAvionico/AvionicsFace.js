.pragma library

// Where each display item of the avionics radio panel sits, in design units of
// the 433 x 496 panel. The panel document places its items from this table and
// the artwork generator prints the face's unlit segments from it, so lit digits
// always fall on their dim ones.
//
// An entry: x, y (top-left corner), or right (right edge: the text grows to the
// left); width and height for a box in which the text is centred; size (pixel
// size of the font); font: "segments" (seven-segment digits), "lcd" or
// "lcdItalic" (LCD lettering); condense: horizontal scale of the glyphs.

var width = 433
var height = 496

// The fourteen-segment face of the lettering and the seven-segment digits are
// wider than the narrow LCD faces this layout was drawn for.
var lcdCondense = 0.6
var frequencyCondense = 0.85

function frequencyWindow(x) {
    return { x: x, y: 34, width: 90, height: 29, size: 24, font: "segments", condense: frequencyCondense }
}
function dmeWindow(x) {
    return { x: x, y: 159, width: 62, height: 29, size: 24, font: "segments" }
}
function lcdLabel(x, y, size) {
    return { x: x, y: y, size: size, font: "lcd", condense: lcdCondense }
}
function annunciator(x, y) {
    return { x: x, y: y, size: 30, font: "lcdItalic", condense: lcdCondense }
}

// Frequency group.
var com = frequencyWindow(13)
var comStby = frequencyWindow(112)
var nav = frequencyWindow(224)
var navStby = frequencyWindow(330)
var divNavCom = { x: 218, y: 30, width: 2, height: 50 }
var nav1Dme = dmeWindow(25)
var nav1Kt = dmeWindow(162)
var nav1Min = dmeWindow(269)
var nm = lcdLabel(94, 174, 20)
var um = lcdLabel(126, 155, 18)
var dois = lcdLabel(125, 174, 18)
var kt = lcdLabel(230, 169, 20)
var min = lcdLabel(338, 169, 20)
var adf = lcdLabel(222, 191, 24)
var adfFreq = { x: 261, y: 195, size: 16, font: "segments" }

// Transponder group.
var transponder = [58, 120, 182, 244].map(function (x) {
    return { x: x, y: 253, size: 40, font: "segments" }
})
var mode = lcdLabel(319, 246, 28)
var stby = lcdLabel(320, 272, 28)

// Autopilot strip, on the LCD.
var lcdStrip = { x: 30, y: 368, width: 373, height: 84 }
var ap = annunciator(43, 380)
var navhdg = annunciator(43, 410)
var alt = annunciator(104, 380)
var apr = annunciator(104, 410)
var arm = annunciator(162, 380)
var rev = annunciator(162, 410)
var vs = annunciator(212, 410)
var seta1 = annunciator(279, 380)
var seta2 = annunciator(279, 409)
var altitudeDial = { right: 387, y: 386, size: 20, font: "segments" }
var approach = { right: 387, y: 415, size: 20, font: "segments" }
