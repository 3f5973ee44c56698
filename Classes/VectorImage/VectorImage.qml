import QtQuick
import "qrc:/Classes/Raster.js" as Raster

// A vector image (SVG) shown at its natural size, or at the size it is given,
// and kept crisp however it is scaled: the picture is rasterised for the size
// it has on screen (its own scale times that of every item above it, times the
// screen's pixel ratio) and again whenever that changes. Scale and rotation
// act about its centre, as for any item.
//
// Where Qt has a vector image element of its own (QtQuick.VectorImage), the
// build mounts PlatformVectorImage.qml under this name instead: the documents
// use the same interface either way.
Item {
    id: vector

    property url source

    // The largest side the picture is ever rasterised at, in pixels.
    readonly property int maximumRasterSide: 4096

    // Pixels on screen per unit of this item.
    readonly property real screenScale: Raster.scaleOnScreen(vector) * Screen.devicePixelRatio

    // Pixels to rasterise a side of `length` units at.
    function rasterSide(length) {
        return Raster.side(length, screenScale, maximumRasterSide)
    }

    implicitWidth: natural.sourceSize.width
    implicitHeight: natural.sourceSize.height

    // Only reads the picture's natural size; never drawn.
    Image {
        id: natural
        source: vector.source
        visible: false
    }

    Image {
        objectName: "raster"
        anchors.fill: parent
        source: vector.source
        sourceSize.width: vector.rasterSide(vector.width)
        sourceSize.height: vector.rasterSide(vector.height)
        smooth: true
    }
}
