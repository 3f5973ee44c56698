.pragma library
.import "qrc:/Classes/Numbers.js" as Numbers

// Texts and geometry of the clock's two LCD lines, shared by DavtronInst.qml
// and the face that the artwork draws around them.

// The LCD font is drawn narrowed to the tall, slim figures of the clock.
var digitWidthScale = 0.6;
// Right edge and top of each line, pixel size of its figures.
var temperatureLine = {right: 155, top: 52, pixelSize: 42, widest: "- 88 C", unlit: "~ ~~ ~"};
var timeLine = {right: 177, top: 97, pixelSize: 48, widest: "88:88", unlit: "~~:~~"};
// The simulator clock is shown this many hours ahead.
var hourOffset = 3;

// Two figures for 0 to 9; other values (negative ones too) as they are.
function twoDigits(n) {
    return (n >= 0 && n < 10 ? "0" : "") + n;
}

// Whole degrees below the reading first, then the magnitude: -3.2 gives "- 04 C".
function temperatureText(celsius) {
    var t = Math.floor(Numbers.finite(celsius));
    return (t < 0 ? "- " : "") + twoDigits(Math.abs(t)) + " C";
}

// "HH:MM" three hours ahead of the simulator clock, wrapping past midnight.
function timeText(hour, minute) {
    var h = (Numbers.finite(hour) + hourOffset) % 24;
    if (h < 0)
        h += 24;
    return twoDigits(h) + ":" + twoDigits(Numbers.finite(minute));
}
