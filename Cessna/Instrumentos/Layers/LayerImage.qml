import QtQuick
import "qrc:/Classes/Raster.js" as Raster

// A gauge layer's image. A layer that stands still is decoded at about the
// resolution it is painted at, instead of the artwork's full resolution scaled
// down again on every frame: the painted scale (the layer's own, that of every
// item above it and the screen's pixel ratio) rounded up to a power of two and
// at most the artwork's own. A gauge at its nominal size on an unzoomed panel
// is then copied pixel for pixel, a zoomed one gets the full resolution and
// stays crisp, and zooming with the wheel decodes the image again only when
// the scale passes a power of two. A layer that turns or moves is resampled on
// every frame whatever its resolution; it is decoded at the file's own size,
// which it is drawn from no slower and which turns as it always has.
// The layer must give its width and height.
Image {
    id: image

    property bool turns: false

    // The artwork generator draws the layers that stand still at two pixels
    // per unit.
    readonly property real drawnPixelsPerUnit: 2
    // Below this, decoding finer is wasted on a gauge shrunk that far.
    readonly property real coarsestPixelsPerUnit: 0.25
    // A painted scale this little above a power of two is drawn from that
    // power (rounding errors of a stored zoom, say, cost no resolution).
    readonly property real scaleSlack: 1.02

    readonly property real paintedScale: Raster.scaleOnScreen(image) * Screen.devicePixelRatio
    readonly property real decodedPixelsPerUnit: Math.min(drawnPixelsPerUnit, Math.max(coarsestPixelsPerUnit,
        Math.pow(2, Math.ceil(Math.log2(paintedScale / scaleSlack)))))

    // 0 x 0: the file's own size.
    sourceSize.width: turns ? 0 : Math.ceil(width * decodedPixelsPerUnit)
    sourceSize.height: turns ? 0 : Math.ceil(height * decodedPixelsPerUnit)
}
