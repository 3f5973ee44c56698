import QtQuick
import "AvionicsFace.js" as Face

// The frequency group of the avionics panel: COM and NAV windows with the
// divider, the DME row with its units and source digits, and the ADF. Drawn
// twice: lit, and as the ghost of unlit segments beneath.
Item {
    id: group

    property RadioFonts fonts
    property color colour

    property string comText: "188.88"
    property string comStbyText: "188.88"
    property string navText: "188.88"
    property string navStbyText: ""
    property string dmeText: "88.8"
    property string ktText: "88.8"
    property string minText: "88.8"
    property string adfText: "8888"
    property bool sourceOne: true
    property bool sourceTwo: true

    width: Face.width
    height: Face.height

    // A lit text of the group it is placed in.
    component Lit: SegmentText {
        readonly property FrequencyGroup owner: parent as FrequencyGroup
        fonts: owner.fonts
        color: owner.colour
    }

    Lit { id: com; objectName: "com"; place: Face.com; text: group.comText }
    Lit { id: comStby; objectName: "comStby"; place: Face.comStby; text: group.comStbyText }
    Rectangle {
        id: divNavCom
        objectName: "divNavCom"
        x: Face.divNavCom.x
        y: Face.divNavCom.y
        width: Face.divNavCom.width
        height: Face.divNavCom.height
        color: group.colour
    }
    Lit { id: nav; objectName: "nav"; place: Face.nav; text: group.navText }
    Lit { id: navStby; objectName: "navStby"; place: Face.navStby; text: group.navStbyText }
    Lit { id: nav1Dme; objectName: "nav1Dme"; place: Face.nav1Dme; text: group.dmeText }
    Lit { id: nm; objectName: "nm"; place: Face.nm; text: "nm" }
    Lit { id: um; objectName: "um"; place: Face.um; text: "1"; visible: group.sourceOne }
    Lit { id: dois; objectName: "dois"; place: Face.dois; text: "2"; visible: group.sourceTwo }
    Lit { id: nav1Kt; objectName: "nav1Kt"; place: Face.nav1Kt; text: group.ktText }
    Lit { id: kt; objectName: "kt"; place: Face.kt; text: "kt" }
    Lit { id: adf; objectName: "adf"; place: Face.adf; text: "adf" }
    Lit { id: adfFreq; objectName: "adfFreq"; place: Face.adfFreq; text: group.adfText }
    Lit { id: nav1Min; objectName: "nav1Min"; place: Face.nav1Min; text: group.minText }
    Lit { id: min; objectName: "min"; place: Face.min; text: "min" }
}
