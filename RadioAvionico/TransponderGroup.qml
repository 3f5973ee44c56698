import QtQuick
import "AvionicsFace.js" as Face

// The transponder group of the avionics panel: four code digits, the "mode"
// label and the mode text. Drawn lit and as the ghost of unlit segments.
Item {
    id: group

    property RadioFonts fonts
    property color colour
    property var digits: ["8", "8", "8", "8"]
    property string modeText: ""

    width: Face.width
    height: Face.height

    Repeater {
        model: Face.transponder
        SegmentText {
            required property int index
            required property var modelData
            objectName: "transponder" + (index + 1)
            fonts: group.fonts
            color: group.colour
            place: modelData
            text: group.digits[index]
        }
    }
    SegmentText { objectName: "mode"; fonts: group.fonts; color: group.colour; place: Face.mode; text: "mode" }
    SegmentText { objectName: "stby"; fonts: group.fonts; color: group.colour; place: Face.stby; text: group.modeText }
}
