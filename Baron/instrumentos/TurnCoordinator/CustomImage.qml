import QtQuick
import "qrc:/Classes/Raster.js" as Raster

// A vector image (SVG) rasterised at the size it is painted on screen: its own
// size times the scale of every item it sits in (gauge size, panel zoom) and
// the screen's pixel ratio. A gauge made larger is drawn again from the vector
// source instead of stretching a smaller raster, so it stays crisp.
Image {
    id: image

    // Largest raster per side; a gauge zoomed beyond it is stretched from it
    // (bounds the memory an extreme zoom takes).
    readonly property int largestRaster: 2048

    // Screen pixels per unit of this item.
    readonly property real paintedScale: Raster.scaleOnScreen(image) * Screen.devicePixelRatio

    function rasterSide(side) {
        return Raster.side(side, paintedScale, largestRaster)
    }

    sourceSize.width: rasterSide(width)
    sourceSize.height: rasterSide(height)
    fillMode: Image.PreserveAspectFit
    cache: false
    smooth: true
    antialiasing: true
    mipmap: true
}
