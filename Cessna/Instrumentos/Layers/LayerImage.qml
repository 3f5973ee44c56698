import QtQuick
import "qrc:/Classes/Raster.js" as Raster

// A whole gauge layer's picture. The artwork generator draws it at two pixels
// a unit and, beside it (name.1x.png), at one. A layer that stands still and
// is painted at its nominal size or smaller (the painted scale: the layer's
// own, that of every item above it and the screen's pixel ratio) shows the
// smaller file, pixel for pixel on an unzoomed panel, instead of scaling the
// larger one down on every frame. A zoomed layer shows the larger file and
// stays crisp; so does a layer that turns or moves, which is resampled on
// every frame whatever its file and turns from the larger one as it always has.
Item {
    id: layer

    // The picture, a file of the gauge's folder: Qt.resolvedUrl("face.png")
    // (a plain name would be looked for beside this document).
    property url source
    property bool turns: false
    readonly property alias status: picture.status
    readonly property alias sourceSize: picture.sourceSize

    // A painted scale this little above 1 is still drawn from the smaller file
    // (rounding errors of a stored zoom, say, cost no resolution).
    readonly property real scaleSlack: 1.02
    readonly property real paintedScale: Raster.scaleOnScreen(layer) * Screen.devicePixelRatio
    readonly property bool fromSmallerFile: !turns && paintedScale <= scaleSlack

    Image {
        id: picture
        anchors.fill: parent
        source: layer.fromSmallerFile ? String(layer.source).replace(/\.png$/, ".1x.png") : layer.source
    }
}
