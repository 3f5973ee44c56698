.pragma library

// Rasterising vector pictures for the size they have on screen.

// Screen pixels per unit of `item` (before the screen's pixel ratio): its own
// scale times that of every item above it. Read in a binding, it follows each
// of those scales and parents.
function scaleOnScreen(item) {
    var s = 1
    for (var i = item; i; i = i.parent)
        s *= Math.abs(i.scale)
    return s
}

// Pixels to rasterise a side of `length` units at `pixelsPerUnit`: at least
// 1, at most `largest` (which bounds the memory an extreme zoom takes).
function side(length, pixelsPerUnit, largest) {
    return Math.max(1, Math.min(largest, Math.ceil(length * pixelsPerUnit)))
}
