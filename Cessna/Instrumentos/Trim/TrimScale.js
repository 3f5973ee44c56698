.pragma library
.import "qrc:/Classes/Numbers.js" as Numbers

// Trim indicator travel and flap readout of the trim and flap panel.
var neutralY = 58;          // indicator top at trim 0 (the take-off mark)
var pixelsPerUnit = 46.5;   // no stops: the indicator follows any trim value
var indicatorHeight = 10;
// The flap readout's LCD font is drawn narrowed to slim figures.
var digitWidthScale = 0.6;

function indicatorY(trim) {
    trim = Numbers.finite(trim);
    return neutralY + pixelsPerUnit * trim;
}

// First rule that holds: fully down, past the first third, any, none.
function flapText(flaps) {
    if (flaps === 1)
        return "FULL";
    if (flaps > 1 / 3)
        return "20";
    if (flaps > 0)
        return "10";
    return "0";
}
