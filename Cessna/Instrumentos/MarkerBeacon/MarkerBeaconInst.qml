import QtQuick

// Marker-beacon lamps: the three unlit lamps, and over each the matching third
// of the lit sheet (cyan O, amber M, white I) while its input is not 0.
Item {
    id: marker

    property int outer: 0   // outer marker lamp lit when not 0
    property int middle: 0  // middle marker lamp lit when not 0
    property int inner: 0   // inner marker lamp lit when not 0

    width: 174
    height: 45

    Image {
        objectName: "background"
        source: "background.png"
        width: 174
        height: 45
    }

    // A lit lamp: a window on its own third of the lit sheet, which covers the
    // whole gauge (the lamp's parent), placed where that third belongs. Every
    // lamp shows the same image, decoded once.
    component LitLamp: Item {
        id: lamp
        property int index
        property bool lit
        readonly property int lampsPerSheet: 3
        x: index * width
        width: parent.width / lampsPerSheet
        height: parent.height
        clip: true
        visible: lit
        Image {
            x: -lamp.x
            width: lamp.width * lamp.lampsPerSheet
            height: lamp.height
            source: "on.png"
        }
    }

    LitLamp { objectName: "outerLamp"; index: 0; lit: marker.outer !== 0 }
    LitLamp { objectName: "middleLamp"; index: 1; lit: marker.middle !== 0 }
    LitLamp { objectName: "innerLamp"; index: 2; lit: marker.inner !== 0 }
}
