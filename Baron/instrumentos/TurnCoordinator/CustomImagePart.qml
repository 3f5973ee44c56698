import QtQuick

// A vector layer that fills its gauge but keeps only a part of its picture:
// the picture is rasterised for the whole layer, as CustomImage does, and only
// `part` of it (x, y, width, height as fractions of the layer, rounded out to
// whole raster pixels) is kept and painted, where it lies in the layer. The
// item is the whole layer, placed and turned as the whole layer would be; a
// layer that turns then repaints only its own pixels, not a face of
// transparency.
Item {
    id: layer

    property url source
    property var part: [0, 0, 1, 1]
    readonly property alias status: picture.status
    // The raster of the whole layer, of which the part is kept.
    readonly property size sourceSize: Qt.size(picture.wholeWidth, picture.wholeHeight)

    CustomImage {
        id: picture
        objectName: "picture"

        readonly property int wholeWidth: rasterSide(layer.width)
        readonly property int wholeHeight: rasterSide(layer.height)
        readonly property int keptLeft: Math.max(0, Math.floor(layer.part[0] * wholeWidth))
        readonly property int keptTop: Math.max(0, Math.floor(layer.part[1] * wholeHeight))
        readonly property int keptRight: Math.min(wholeWidth, Math.ceil((layer.part[0] + layer.part[2]) * wholeWidth))
        readonly property int keptBottom: Math.min(wholeHeight, Math.ceil((layer.part[1] + layer.part[3]) * wholeHeight))

        x: keptLeft * layer.width / wholeWidth
        y: keptTop * layer.height / wholeHeight
        width: (keptRight - keptLeft) * layer.width / wholeWidth
        height: (keptBottom - keptTop) * layer.height / wholeHeight
        sourceSize.width: wholeWidth
        sourceSize.height: wholeHeight
        sourceClipRect: Qt.rect(keptLeft, keptTop, keptRight - keptLeft, keptBottom - keptTop)
        source: layer.source
    }
}
