import QtQuick
import "qrc:/RadioAvionico"
import "qrc:/RadioAvionico/RadioFields.js" as Radio
import "CompactFace.js" as Face
import "RadioCompactoConfig"

// The compact radio panel: COM 1, NAV 1 and NAV 2 (active and standby), ADF,
// transponder code and the autopilot annunciator strip. Display only. Powered
// (value fields 25 and 29) it shows the values in the lit colour; unpowered it
// shows every segment unlit ("188.88", "8888", "8", the annunciators faint),
// and keeps that look until the power returns.
RadioPanel {
    id: root

    readonly property bool powered: Radio.compactPowered(fields)
    readonly property color ghostColour: Qt.rgba(0.09, 0.1, 0.09, 1)
    readonly property color ghostBlack: Qt.rgba(0, 0, 0, 0.1)
    readonly property color digitColour: powered ? litColour : ghostColour
    // The annunciators are faint while unpowered.
    readonly property real annunciatorOpacity: powered ? 1 : 0.1
    readonly property var digits: powered ? Radio.transponderDigits(value(4)) : ["8", "8", "8", "8"]

    // The autopilot numbers keep the texts of the last powered vector.
    property string altitudeText: "88888"
    property string approachText: "-8888"

    function value(index) {
        return Radio.field(fields, index)
    }
    function frequency(index) {
        return powered ? Radio.frequency(value(index), false) : "188.88"
    }
    // An annunciator shows when its test passes, and always (faint) unpowered.
    function lit(shown) {
        return !powered || shown
    }
    function reads(index, n) {
        return Radio.reads(value(index), n)
    }
    function keepNumbers() {
        if (!Radio.compactPowered(fields))
            return
        altitudeText = Radio.wholeNumber(value(21))
        approachText = Radio.wholeNumber(value(20))
    }

    designWidth: Face.width
    designHeight: Face.height
    settingsTitle: ""
    settingsMenu: Component { RadioComapacConfig {} }

    onFieldsChanged: keepNumbers()
    Component.onCompleted: keepNumbers()

    RadioFonts {
        id: panelFonts
        folder: "qrc:/RadioCompacto/fonts/"
    }

    Image {
        objectName: "background"
        width: Face.width
        height: Face.height
        source: "qrc:/RadioCompacto/images/FUNDO5.png"
    }

    component Digits: CompactText {
        fonts: panelFonts
        ghostColour: root.ghostColour
        color: root.digitColour
    }
    component Annunciator: CompactText {
        fonts: panelFonts
        ghostColour: root.ghostBlack
        ghostText: text
        color: "#000000"
        litOpacity: root.annunciatorOpacity
    }

    Digits { id: com; objectName: "com"; place: Face.com; ghostText: "188.88"; text: root.frequency(30) }
    Digits { id: comStby; objectName: "comStby"; place: Face.comStby; ghostText: "188.88"; text: root.frequency(32) }
    Digits { id: nav; objectName: "nav"; place: Face.nav; ghostText: "188.88"; text: root.frequency(31) }
    Digits { id: navStby; objectName: "navStby"; place: Face.navStby; ghostText: "188.88"; text: root.frequency(33) }
    Digits { id: nav2; objectName: "nav2"; place: Face.nav2; ghostText: "188.88"; text: root.frequency(1) }
    Digits { id: navStby2; objectName: "navStby2"; place: Face.navStby2; ghostText: "188.88"; text: root.frequency(3) }
    Digits {
        id: adfFreq
        objectName: "adfFreq"
        place: Face.adfFreq
        ghostText: "8888"
        text: root.powered ? Radio.adf(root.value(14), false) : "8888"
    }
    Digits {
        id: transponder1; objectName: "transponder1"
        place: Face.transponder[0]; ghostText: "8"; text: root.digits[0]
    }
    Digits {
        id: transponder2; objectName: "transponder2"
        place: Face.transponder[1]; ghostText: "8"; text: root.digits[1]
    }
    Digits {
        id: transponder3; objectName: "transponder3"
        place: Face.transponder[2]; ghostText: "8"; text: root.digits[2]
    }
    Digits {
        id: transponder4; objectName: "transponder4"
        place: Face.transponder[3]; ghostText: "8"; text: root.digits[3]
    }

    Annunciator { id: ap; objectName: "ap"; place: Face.ap; text: "ap"; shown: root.lit(root.reads(15, 1)) }
    Annunciator { id: rev; objectName: "rev"; place: Face.rev; text: "rev"; shown: root.lit(root.reads(17, 1)) }
    Annunciator { id: apr; objectName: "apr"; place: Face.apr; text: "apr"; shown: root.lit(root.reads(23, 1)) }
    Annunciator { id: gs; objectName: "gs"; place: Face.gs; text: "g\ns"; shown: root.lit(root.reads(34, 1)) }
    Annunciator { id: arm; objectName: "arm"; place: Face.arm; text: "arm"; shown: root.lit(root.reads(24, 1)) }
    Annunciator { id: hdg; objectName: "hdg"; place: Face.hdg; text: "hdg"; shown: root.lit(root.reads(12, 1)) }
    Annunciator {
        id: navhdg
        objectName: "navhdg"
        place: Face.navhdg
        text: "nav"
        shown: root.lit(root.reads(16, 1) || root.reads(27, 1))
    }
    Annunciator {
        id: gpss
        objectName: "gpss"
        place: Face.gpss
        text: "g\n p\n  s\n   s"
        shown: root.lit(root.reads(27, 2))
    }
    Annunciator { id: alt; objectName: "alt"; place: Face.alt; text: "alt"; shown: root.lit(root.reads(18, 1)) }
    Annunciator { id: seta1; objectName: "seta1"; place: Face.seta1; text: ">"; shown: root.lit(root.reads(26, 1)) }
    Annunciator {
        id: altitudeDial
        objectName: "altitudeDial"
        place: Face.altitudeDial
        ghostText: "88888"
        text: root.altitudeText
    }
    Annunciator { id: vs; objectName: "vs"; place: Face.vs; text: "vs"; shown: root.lit(root.reads(19, 1)) }
    Annunciator { id: seta2; objectName: "seta2"; place: Face.seta2; text: ">"; shown: root.lit(root.reads(26, 0)) }
    Annunciator {
        id: approach
        objectName: "approach"
        place: Face.approach
        ghostText: "-8888"
        text: root.approachText
    }
}
