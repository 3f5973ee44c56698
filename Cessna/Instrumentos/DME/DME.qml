import QtQuick
import "DMEFormat.js" as Format

// Two-line DME readout: distance and time to station for NAV 1 and NAV 2 in
// seven-segment figures.
Rectangle {
    id: dme

    property string nav1Dme: "88.8"   // distance on receiver 1, nautical miles
    property string nav1Min: "888.8"  // time to station on receiver 1, minutes
    property string nav2Dme: "88.8"   // distance on receiver 2
    property string nav2Min: "888.8"  // time to station on receiver 2

    width: 250
    height: 120
    color: "black"

    // The radio panels' LCD italic, loaded with the panel though no text uses it.
    FontLoader { source: "qrc:/RadioAvionico/fonts/digital-7 (italic).ttf" }

    // A number window: the formatted text centred in a 62 x 29 box. (Each font
    // file is loaded once, however many texts load it.)
    component Figure: Text {
        textFormat: Text.PlainText
        property string value
        width: 62
        height: 29
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        font.family: segments.name
        font.pixelSize: 22
        color: "#ffffff"
        text: Format.format(value)
        FontLoader { id: segments; source: "qrc:/RadioAvionico/fonts/DSEG7Classic-Bold.ttf" }
    }
    // A legend, placed by its top-left corner.
    component Legend: Text {
        textFormat: Text.PlainText
        font.family: digital.name
        color: "#ffffff"
        FontLoader { id: digital; source: "qrc:/RadioAvionico/fonts/digital-7.ttf" }
    }

    Figure { objectName: "distance1"; x: 0; y: 28; value: dme.nav1Dme }
    Legend { x: 62; y: 30; font.pixelSize: 18; text: "NM" }
    Legend { x: 109; y: 30; font.pixelSize: 16; text: "1" }
    Figure { objectName: "time1"; x: 134; y: 28; value: dme.nav1Min }
    Legend { x: 202; y: 30; font.pixelSize: 18; text: "MIN" }

    Figure { objectName: "distance2"; x: 0; y: 67; value: dme.nav2Dme }
    Legend { x: 62; y: 69; font.pixelSize: 18; text: "NM" }
    Legend { x: 109; y: 69; font.pixelSize: 16; text: "2" }
    Figure { objectName: "time2"; x: 134; y: 67; value: dme.nav2Min }
    Legend { x: 202; y: 69; font.pixelSize: 18; text: "MIN" }
}
