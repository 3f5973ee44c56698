import QtQuick
import "DavtronDisplay.js" as Display
import "qrc:/Cessna/Instrumentos/Layers"

// Digital clock and outside-air thermometer: two lines of LCD figures in the
// windows of the face, each right-aligned in its window.
Item {
    id: root
    width: 210
    height: 210

    property real temp: 0           // outside air temperature, deg C
    property real hour: 0           // hour of the simulator clock
    property real minute: 0         // minute of the simulator clock

    // A line of LCD figures (the font file is loaded once for both lines).
    component LcdLine: Text {
        id: lcd
        textFormat: Text.PlainText
        required property var line
        x: line.right - width
        y: line.top
        color: "black"
        font.family: digital.font.family
        font.pixelSize: line.pixelSize
        // Narrowed about the right edge, which stays where the line puts it.
        transform: Scale { origin.x: lcd.width; xScale: Display.digitWidthScale }

        FontLoader {
            id: digital
            source: "digital-7.ttf"
        }
    }

    LayerImage {
        objectName: "face"
        source: Qt.resolvedUrl("AMtronon.png")
        width: 210
        height: 210
    }
    LcdLine {
        objectName: "temperatureText"
        line: Display.temperatureLine
        text: Display.temperatureText(root.temp)
    }
    LcdLine {
        objectName: "timeText"
        line: Display.timeLine
        text: Display.timeText(root.hour, root.minute)
    }
}
