import QtQuick
import "AdfScale.js" as Scale
import "Cutouts.js" as Cutouts
import "qrc:/Cessna/Instrumentos/Layers"

// ADF indicator: face, rotating compass card, bearing needle, cover with the
// fixed index.
Item {
    id: adf

    property real heading: 0   // card heading, degrees
    property real needle: 0    // bearing of the needle, degrees
    property real pilotDeg: 0  // accepted from the panels but not drawn

    width: 210
    height: 210

    LayerImage {
        objectName: "face"
        source: Qt.resolvedUrl("ADF.png")
        width: 210
        height: 210
    }
    Image {
        objectName: "card"
        source: "adfOBScard.png"
        width: 210
        height: 210
        transform: Rotation { origin.x: 105; origin.y: 105; angle: Scale.cardAngle(adf.heading) }
    }
    CutOutLayer {
        objectName: "needle"
        source: Qt.resolvedUrl("ADFneedle.png")
        cutouts: Cutouts.rects
        width: 210
        height: 210
        transform: Rotation { origin.x: 105; origin.y: 105; angle: Scale.needleAngle(adf.needle) }
    }
    LayerImage {
        objectName: "cover"
        source: Qt.resolvedUrl("ADFcover.png")
        width: 210
        height: 210
    }
    Rectangle {
        objectName: "ring"
        anchors.centerIn: parent
        width: 198
        height: 198
        radius: width / 2
        color: "transparent"
        border.color: "black"
        border.width: 12
    }
}
