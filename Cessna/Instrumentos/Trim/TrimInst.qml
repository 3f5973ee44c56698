import QtQuick
import "TrimScale.js" as Trim
import "qrc:/Cessna/Instrumentos/Layers"

// Elevator trim and flap position: an indicator sliding along the panel's
// right edge and a digital flap readout below it.
Item {
    id: root
    width: 86
    height: 182

    property real trim: 0           // elevator trim position
    property real flaps: 0          // flap position, 0 to 1

    FontLoader {
        id: digital
        source: "digital-7.ttf"
    }

    LayerImage {
        objectName: "panel"
        source: Qt.resolvedUrl("trimcover.png")
        width: 86
        height: 182
    }
    Image {
        objectName: "indicator"
        source: "trimindicator.png"
        width: root.width / 4
        height: Trim.indicatorHeight
        x: root.width - width
        y: Trim.indicatorY(root.trim)
    }
    Text {
        id: flapText
        textFormat: Text.PlainText
        objectName: "flapText"
        anchors.horizontalCenter: parent.horizontalCenter
        y: 145
        color: "white"
        font.family: digital.font.family
        font.pixelSize: 33
        text: Trim.flapText(root.flaps)
        transform: Scale { origin.x: flapText.width / 2; xScale: Trim.digitWidthScale }
    }
}
