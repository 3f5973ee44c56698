import QtQuick
import "qrc:/Cessna/Instrumentos/Layers"

// Round engine dial of the Baron: the gauge's backdrop, the needles the gauge
// declares in it, and the centre cap over the needles' roots. Mounted in each
// engine gauge's folder, so that image names are that folder's own files.
Item {
    id: dial
    width: 210
    height: 210

    property url backdrop      // Qt.resolvedUrl("name.png") of the gauge's folder
    property url cap: "engine_center.png"
    // The gauge's needles are its own children, drawn between the backdrop
    // (below every child) and the cap (above every child); a panel's handle
    // on the gauge is a child of the gauge too.
    readonly property real backdropZ: -1
    readonly property real capZ: 1

    // Drawn from the backdrop's one-pixel-a-unit file when the dial is not
    // zoomed (see LayerImage).
    LayerImage {
        objectName: "face"
        z: dial.backdropZ
        source: dial.backdrop
        width: 210
        height: 210
    }
    Image {
        objectName: "cap"
        z: dial.capZ
        source: dial.cap
        x: 80
        y: 80
        width: 50
        height: 50
    }
}
