import QtQuick

// Round engine dial of the Baron: the gauge's backdrop, the needles the gauge
// puts in it, and the centre cap over the needles' roots. Mounted in each
// engine gauge's folder, so that image names are that folder's own files.
Item {
    id: dial
    width: 210
    height: 210

    property url backdrop
    property url cap: "engine_center.png"
    default property alias needles: needleLayer.data

    Image {
        objectName: "face"
        source: dial.backdrop
        width: 210
        height: 210
    }
    Item {
        id: needleLayer
        width: 210
        height: 210
    }
    Image {
        objectName: "cap"
        source: dial.cap
        x: 80
        y: 80
        width: 50
        height: 50
    }
}
