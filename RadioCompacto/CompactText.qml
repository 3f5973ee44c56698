import QtQuick
import "qrc:/RadioAvionico"

// A display item of the compact panel: the lit text over its ghost, both at
// the place the face table gives.
Item {
    id: item

    property var place: ({})
    property RadioFonts fonts
    property string ghostText
    property color ghostColour
    property alias text: lit.text
    property alias color: lit.color
    // Whether the lit text shows (the ghost always does).
    property alias shown: lit.visible
    property alias litOpacity: lit.opacity

    SegmentText {
        place: item.place
        fonts: item.fonts
        text: item.ghostText
        color: item.ghostColour
    }
    SegmentText {
        id: lit
        objectName: "lit"
        place: item.place
        fonts: item.fonts
    }
}
