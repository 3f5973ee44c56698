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

    // A lit text of the group it is placed in.
    component Lit: SegmentText {
        readonly property TransponderGroup owner: parent as TransponderGroup
        fonts: owner.fonts
        color: owner.colour
    }

    Lit { id: transponder1; objectName: "transponder1"; place: Face.transponder[0]; text: group.digits[0] }
    Lit { id: transponder2; objectName: "transponder2"; place: Face.transponder[1]; text: group.digits[1] }
    Lit { id: transponder3; objectName: "transponder3"; place: Face.transponder[2]; text: group.digits[2] }
    Lit { id: transponder4; objectName: "transponder4"; place: Face.transponder[3]; text: group.digits[3] }
    Lit { id: mode; objectName: "mode"; place: Face.mode; text: "mode" }
    Lit { id: stby; objectName: "stby"; place: Face.stby; text: group.modeText }
}
