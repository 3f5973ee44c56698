import QtQuick
import "AltimeterScale.js" as Scale
import "Cutouts.js" as Cutouts
import "qrc:/Cessna/Instrumentos/Layers"

// Three-pointer altimeter with inch and hectopascal setting windows. The hands
// are set in the change handler of `altitude`, so they rest at 0 until the
// first change.
Item {
    id: altimeter

    property real altitude: 0                 // indicated altitude, feet
    property real barometer: 22.98000020020   // setting, inches of mercury

    property real tenThousandAngle: 0
    property real thousandAngle: 0
    property real hundredAngle: 0

    width: 210
    height: 210

    onAltitudeChanged: {
        if (!isFinite(altitude))
            return // keep the hands where they are rather than lose them
        tenThousandAngle = Scale.tenThousandAngle(altitude)
        thousandAngle = Scale.thousandAngle(altitude)
        hundredAngle = Scale.hundredAngle(altitude)
    }

    LayerImage {
        objectName: "dial"
        source: Qt.resolvedUrl("altimeterback.png")
        width: 210
        height: 210
        smooth: true
    }
    // The setting windows: inches right of centre, hectopascals left of it.
    Text {
        textFormat: Text.PlainText
        objectName: "inches"
        x: 175 - width / 2
        y: 100
        color: "white"
        font.pixelSize: 7
        text: Scale.inchesText(altimeter.barometer)
    }
    Text {
        textFormat: Text.PlainText
        objectName: "hectopascals"
        x: 46 - width / 2
        y: 100
        color: "white"
        font.pixelSize: 7
        text: Scale.hectopascalText(altimeter.barometer)
    }
    CutOutLayer {
        objectName: "tenThousand"
        source: Qt.resolvedUrl("altneedle10000.png")
        cutouts: Cutouts.rects
        width: 210
        height: 210
        rotation: altimeter.tenThousandAngle
    }
    CutOutLayer {
        objectName: "thousand"
        source: Qt.resolvedUrl("altneedle1000.png")
        cutouts: Cutouts.rects
        width: 210
        height: 210
        rotation: altimeter.thousandAngle
    }
    CutOutLayer {
        objectName: "hundred"
        source: Qt.resolvedUrl("altneedle100.png")
        cutouts: Cutouts.rects
        x: 21
        y: 21
        width: 168
        height: 168
        rotation: altimeter.hundredAngle
    }
}
