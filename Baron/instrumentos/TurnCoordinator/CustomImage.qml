import QtQuick

// A vector image (SVG) rasterised at the size it is painted on screen: its own
// size times the scale of every item it sits in (gauge size, panel zoom) and
// the screen's pixel ratio. A gauge made larger is drawn again from the vector
// source instead of stretching a smaller raster, so it stays crisp.
Image {
    id: image

    // Largest raster per side; a gauge zoomed beyond it is stretched from it
    // (bounds the memory an extreme zoom takes).
    readonly property int largestRaster: 2048

    // Screen pixels per unit of this item. The binding follows the scale and
    // the parent of every item up the tree.
    readonly property real paintedScale: {
        let s = Screen.devicePixelRatio
        for (let item = image; item; item = item.parent)
            s *= Math.abs(item.scale)
        return s
    }

    function rasterSide(side) {
        return Math.max(1, Math.min(largestRaster, Math.ceil(side * paintedScale)))
    }

    sourceSize.width: rasterSide(width)
    sourceSize.height: rasterSide(height)
    fillMode: Image.PreserveAspectFit
    cache: false
    smooth: true
    antialiasing: true
    mipmap: true
}
