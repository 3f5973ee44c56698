.pragma library
.import "qrc:/Classes/LayoutString.js" as LayoutString

// The configuration texts of the G1000 screens, lines separated by "\n", in
// two forms.
//
// The shared file configG1000.txt keeps one block per screen:
//   N<screen>-x,y,width,height,scale   the screen's window
//   A-0,0,0,0,0                        the annunciator (not shown; zeros)
//   E-x,y,width,height,zoom            the engine strip (unscaled size)
//   R-x,y,width,height,zoom            the references page
//   S-x,y,width,height,scale           the speed markers
// followed by an empty line. A block runs from its window line to the next
// line that starts with "N"; empty lines mean nothing to a reader.
//
// A screen's own file G1000\configN<screen>.txt keeps one screen:
//   x,y,width,height,scale   the window, and the scale of the whole screen
//   E-x,y,zoom
//   R-x,y,width,height,zoom
//   S-x,y,width,height,scale

var kinds = { "A-": "annunciator", "E-": "engine", "R-": "references", "S-": "speeds" }

// Where a window line keeps the window's place and size.
var windowFields = { x: 0, y: 1, width: 2, height: 3 }

// Field `index` of a display's line as a number; the fallback line's (a
// default) when the line lacks it or it is not a number.
function numberOr(text, fallback, index) {
    var n = LayoutString.numberAt(text, index)
    return n !== undefined ? n : LayoutString.numberAt(fallback, index)
}

// A display's zoom field (numberOr), held between `smallest` and the largest
// zoom of any layout.
function zoomOr(text, fallback, index, smallest) {
    return Math.min(Math.max(numberOr(text, fallback, index), smallest), LayoutString.largestZoom)
}

function lines(text) {
    return (typeof text === "string" ? text : "").split("\n")
}

function windowKey(screen) {
    return "N" + screen + "-"
}

// The block of `screen` in the lines of a shared text: the texts after the
// prefixes of its lines ({window, annunciator, engine, references, speeds};
// "" for a line the block lacks, the last one for a kind given twice), or
// null when the text holds no block for the screen.
function sharedBlock(textLines, screen) {
    var key = windowKey(screen)
    var at = -1
    for (var i = 0; i < textLines.length && at < 0; ++i) {
        if (textLines[i].trim().indexOf(key) === 0)
            at = i
    }
    if (at < 0)
        return null
    var block = { window: textLines[at].trim().slice(key.length), annunciator: "", engine: "", references: "",
                  speeds: "" }
    for (var j = at + 1; j < textLines.length; ++j) {
        var line = textLines[j].trim()
        if (line.charAt(0) === "N")
            break
        var kind = kinds[line.slice(0, 2)]
        if (kind !== undefined)
            block[kind] = line.slice(2)
    }
    return block
}

// The shared text with `blockLines` (the five lines of `screen`) in place of
// that screen's block: the block and an empty line stand where its window
// line stood, and its old lines are dropped up to the next window line, so a
// damaged block never takes another screen's lines with it. Every other
// non-empty line is kept, trimmed, in its order; empty lines are dropped. A
// text without the screen gets the block appended.
function savedSharedText(text, screen, blockLines) {
    var key = windowKey(screen)
    var out = []
    var placed = false
    var skipping = false
    var all = lines(text)
    for (var i = 0; i < all.length; ++i) {
        var line = all[i].trim()
        if (skipping && line.charAt(0) !== "N")
            continue
        skipping = false
        if (line.indexOf(key) === 0) {
            if (!placed)
                out = out.concat(blockLines, [""])
            placed = true
            skipping = true
        } else if (line !== "") {
            out.push(line)
        }
    }
    if (!placed)
        out = out.concat(blockLines, [""])
    return out.join("\n").trim()
}

// The parts of a screen's own text ({window, engine, references, speeds}),
// each line taken by its place and without its prefix; "" for a line that is
// missing or does not carry its prefix.
function screenParts(text) {
    var all = lines(text)
    function part(index, prefix) {
        var line = index < all.length ? all[index].trim() : ""
        return line.indexOf(prefix) === 0 ? line.slice(prefix.length) : ""
    }
    return {
        window: all[0].trim(),
        engine: part(1, "E-"),
        references: part(2, "R-"),
        speeds: part(3, "S-")
    }
}

// A screen's own text from its parts.
function screenText(parts) {
    return [parts.window, "E-" + parts.engine, "R-" + parts.references, "S-" + parts.speeds].join("\n")
}

// One line of a shared block: the prefix and the values, comma-separated.
function line(prefix, values) {
    return prefix + values.join(",")
}
