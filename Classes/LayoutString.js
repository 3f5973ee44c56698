.pragma library

// Editing of a panel's layout string: comma-separated fields, where an
// instrument slot is four consecutive fields x, y, size, visible ("1"/"0") and
// slot s starts at field firstField + 4 * s.
//
// Usage in a panel document:
//   import "qrc:/Classes/LayoutString.js" as Layout
//   var text = Layout.replaceSlot(config, pos, 0, x, y, size, visible)
//   var text = Layout.replaceField(config, 93, String(zoom))

// Integer part of a number as decimal text, truncated toward zero
// (12.9 -> "12", -3.7 -> "-3", 214.99999999999997 -> "214"). A value that is
// not a finite number gives "0", so a layout never receives "NaN".
function integerText(value) {
    var n = Number(value)
    if (!isFinite(n))
        return "0"
    n = Math.trunc(n)
    if (n === 0)
        return "0" // also for -0
    return String(n)
}

// The fields of a layout string; anything that is not a string reads as "".
function fields(layout) {
    return (typeof layout === "string" ? layout : "").split(",")
}

// Puts `texts` into fields start, start + 1, ... of the layout string. A string
// that is too short is extended; the missing fields in between become empty.
function replaceFields(layout, start, texts) {
    var f = fields(layout)
    var first = Math.max(0, Math.trunc(Number(start)) || 0)
    while (f.length < first + texts.length)
        f.push("")
    for (var i = 0; i < texts.length; ++i)
        f[first + i] = String(texts[i])
    return f.join(",")
}

// Replaces one field (the panel zoom, the placard text, ...).
function replaceField(layout, index, text) {
    return replaceFields(layout, index, [text])
}

// Replaces instrument slot `slot` with x, y and size as decimal integers and
// visible as "1" or "0".
function replaceSlot(layout, slot, firstField, x, y, size, visible) {
    return replaceFields(layout, firstField + 4 * slot,
                         [integerText(x), integerText(y), integerText(size), visible ? "1" : "0"])
}

// No position, size or zoom of a layout is this large (screens side by side
// span some ten thousand pixels): a larger number is a damaged field, and
// painting a gauge that far away or that large would hold the renderer.
var largestNumber = 100000

// A field as a number, or undefined when it is missing, empty, not a finite
// decimal number or beyond largestNumber. `layout` is a layout string or its
// fields already split (so that several fields are read with one split).
function numberAt(layout, index) {
    var f = Array.isArray(layout) ? layout : fields(layout)
    if (index < 0 || index >= f.length || f[index].trim() === "")
        return undefined
    var n = Number(f[index])
    return isFinite(n) && Math.abs(n) <= largestNumber ? n : undefined
}

// No panel, display or gauge is zoomed further than this: a 210-unit gauge
// would be 4,200 pixels wide. Beyond it the software renderer's fixed-point
// coordinates overflow while a part of the picture is in view.
var largestZoom = 20

// A zoom field: a number above 0 and at most largestZoom, or undefined.
function positiveNumberAt(layout, index) {
    var n = numberAt(layout, index)
    return n !== undefined && n > 0 && n <= largestZoom ? n : undefined
}

// A layout string with every field that it lacks taken from `defaultLayout`;
// an empty string becomes the default. Fields that are present are kept.
function complete(layout, defaultLayout) {
    var f = fields(layout)
    var d = fields(defaultLayout)
    if (f.length === 1 && f[0] === "")
        return d.join(",")
    for (var i = f.length; i < d.length; ++i)
        f.push(d[i])
    return f.join(",")
}

// Window position and size of a layout string, from the field positions
// {x, y, width, height} (width and height -1 where the size is not stored).
// A member is undefined unless both numbers of its pair are valid (the size
// must also be at least 1), so a short or damaged string never moves or
// sizes a window to a nonsense place.
function windowGeometry(layout, windowFields) {
    var f = fields(layout)
    var x = numberAt(f, windowFields.x), y = numberAt(f, windowFields.y)
    var w = numberAt(f, windowFields.width), h = numberAt(f, windowFields.height)
    var position = x !== undefined && y !== undefined
    var size = w !== undefined && h !== undefined && w >= 1 && h >= 1
    return {
        x: position ? Math.trunc(x) : undefined,
        y: position ? Math.trunc(y) : undefined,
        width: size ? Math.trunc(w) : undefined,
        height: size ? Math.trunc(h) : undefined
    }
}

// The placement that slot `slot` of a layout string gives a gauge of the given
// nominal size: {x, y, scale, visible}. A field that is missing or not a
// number yields undefined for that member, so the caller keeps what it has;
// visible is true only for exactly "1".
function slotPlacement(layout, slot, firstField, nominalSize) {
    var f = fields(layout)
    var i = firstField + 4 * slot
    var size = numberAt(f, i + 2)
    return {
        x: numberAt(f, i),
        y: numberAt(f, i + 1),
        // A negative size would mirror the gauge: the software renderer's
        // scaled drawing of a small mirrored picture reads outside it.
        scale: size === undefined || size < 0 || !(nominalSize > 0) || size / nominalSize > largestZoom
               ? undefined : size / nominalSize,
        visible: i + 3 < f.length ? f[i + 3] === "1" : undefined
    }
}
