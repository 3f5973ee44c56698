import QtQuick

// Marker-beacon lamps: the three unlit lamps, and over each the matching third
// of the lit sheet (cyan O, amber M, white I) while its input is not 0.
Item {
    id: marker

    property int outer: 0   // outer marker lamp lit when not 0
    property int middle: 0  // middle marker lamp lit when not 0
    property int inner: 0   // inner marker lamp lit when not 0

    // One lamp per third of the 174 x 45 sheet.
    readonly property real lampWidth: width / 3

    width: 174
    height: 45

    Image {
        objectName: "background"
        source: "background.png"
        width: 174
        height: 45
    }

    // A lit lamp: a window on its own third of the lit sheet, placed where that
    // third belongs. Every lamp shows the same image, decoded once.
    component LitLamp: Item {
        property int index
        property bool lit
        x: index * marker.lampWidth
        width: marker.lampWidth
        height: marker.height
        clip: true
        visible: lit
        Image {
            x: -parent.x
            width: marker.width
            height: marker.height
            source: "on.png"
        }
    }

    LitLamp { objectName: "outerLamp"; index: 0; lit: marker.outer !== 0 }
    LitLamp { objectName: "middleLamp"; index: 1; lit: marker.middle !== 0 }
    LitLamp { objectName: "innerLamp"; index: 2; lit: marker.inner !== 0 }
}
