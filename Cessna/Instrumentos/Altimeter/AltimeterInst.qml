import QtQuick
import "AltimeterScale.js" as Scale

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

    Image {
        objectName: "dial"
        source: "altimeterback.png"
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
    Image {
        objectName: "tenThousand"
        source: "altneedle10000.png"
        width: 210
        height: 210
        rotation: altimeter.tenThousandAngle
    }
    Image {
        objectName: "thousand"
        source: "altneedle1000.png"
        width: 210
        height: 210
        rotation: altimeter.thousandAngle
    }
    Image {
        objectName: "hundred"
        source: "altneedle100.png"
        x: 21
        y: 21
        width: 168
        height: 168
        rotation: altimeter.hundredAngle
    }
}
