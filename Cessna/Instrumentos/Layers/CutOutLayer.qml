import QtQuick

// A gauge layer whose picture the artwork generator cut out to the pixels it
// paints. The item is the whole layer: it is placed, turned and moved about
// the same points as the uncut layer would be, and holds the picture where it
// was cut from (its folder's Cutouts.js says where). Only the picture's own
// pixels are painted, and repainted when the layer turns.
Item {
    id: layer

    // The picture, a file of the gauge's folder: Qt.resolvedUrl("needle.png")
    // (a plain name would be looked for beside this document).
    property url source
    property var cutouts: ({}) // the `rects` of the gauge folder's Cutouts.js
    readonly property alias status: picture.status

    // Where the picture lies, in the units of the layer as drawn (the whole
    // layer when the folder does not list it).
    readonly property var cut: cutouts[decodeURIComponent(String(source).split("/").pop())]
                               || ({x: 0, y: 0, width: width, height: height, layerWidth: width,
                                    layerHeight: height})

    // At its file's own size: a cut-out layer turns or moves, and is resampled
    // on every frame anyway.
    Image {
        id: picture
        objectName: "picture"

        readonly property real unitX: layer.width / layer.cut.layerWidth
        readonly property real unitY: layer.height / layer.cut.layerHeight

        x: layer.cut.x * unitX
        y: layer.cut.y * unitY
        width: layer.cut.width * unitX
        height: layer.cut.height * unitY
        source: layer.source
    }
}
