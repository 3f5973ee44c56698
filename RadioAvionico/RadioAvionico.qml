import QtQuick
import "AvionicsFace.js" as Face
import "RadioFields.js" as Radio
import "RadioAvionicoConfig"

// The avionics radio panel: COM and NAV active and standby frequencies, DME
// (distance, ground speed, time) with its NAV 1 / NAV 2 source digit, ADF,
// transponder code and mode, and the autopilot annunciator strip. Display only;
// every item follows the radio value vector through bindings, so each new
// vector (and each change of the frequency set) shows at once.
RadioPanel {
    id: root

    // Frequency set from layout field 6: 1 reads value fields 30 to 33, any
    // other value (or a layout string of fewer than seven fields) fields 0 to 3.
    readonly property int freqSet: layoutFields.length > Radio.layoutFrequencySet
                                    ? (Radio.integerValue(layoutFields[Radio.layoutFrequencySet]) || 0) : 0
    readonly property int firstFrequencyField: freqSet === 1 ? 30 : 0

    readonly property bool powered: Radio.avionicsPowered(fields)
    readonly property bool transponderShown: powered && Radio.transponderOn(value(34))
    readonly property bool apEngaged: Radio.integerValue(value(15)) === 1

    // Field `index` of the radio value vector (undefined when absent).
    function value(index) {
        return Radio.field(fields, index)
    }
    function above0(index) {
        return Radio.numberValue(value(index)) > 0
    }

    designWidth: Face.width
    designHeight: Face.height
    settingsTitle: "Dozaz Ovuzoved Configuration Panel"
    settingsMenu: Component { RadioAvionicoConfig {} }

    RadioFonts {
        id: panelFonts
        folder: "qrc:/RadioAvionico/fonts/"
    }

    Image {
        objectName: "background"
        width: Face.width
        height: Face.height
        source: "qrc:/RadioAvionico/images/RadioAvionicoOff.png"
    }

    // Unlit segments, never hidden and never recoloured.
    Item {
        id: conteinerOFF
        objectName: "conteinerOFF"
        readonly property color ghost: "#111111"

        FrequencyGroup {
            fonts: panelFonts
            colour: conteinerOFF.ghost
            comText: "888.88"
            comStbyText: "888.88"
            navText: "888.88"
        }
        TransponderGroup {
            fonts: panelFonts
            colour: conteinerOFF.ghost
            modeText: "8888"
        }
    }

    FrequencyGroup {
        id: containerON
        objectName: "containerON"
        fonts: panelFonts
        colour: root.litColour
        // The frequency windows go dark with the rest of the radio.
        visible: root.powered

        comText: Radio.frequency(root.value(root.firstFrequencyField), false)
        navText: Radio.frequency(root.value(root.firstFrequencyField + 1), true)
        comStbyText: Radio.frequency(root.value(root.firstFrequencyField + 2), false)
        navStbyText: Radio.frequency(root.value(root.firstFrequencyField + 3), true)
        dmeText: Radio.dme(root.value(5))
        ktText: Radio.dme(root.value(6))
        minText: Radio.dme(root.value(7))
        adfText: Radio.adf(root.value(14), true)
        // Field 9 (NAV 2 DME ground speed): a number other than 0 selects NAV 2.
        sourceTwo: Radio.numberValue(root.value(9)) ? true : false
        sourceOne: !sourceTwo
    }

    TransponderGroup {
        id: containerTransponder
        objectName: "containerTransponder"
        fonts: panelFonts
        colour: root.litColour
        visible: root.transponderShown
        digits: Radio.transponderDigits(root.value(4))
        modeText: Radio.transponderMode(root.value(34))
    }

    Item {
        id: containerAP
        objectName: "containerAP"
        visible: root.powered

        component Annunciator: SegmentText {
            fonts: panelFonts
            color: "#000000"
        }

        Annunciator { id: ap; objectName: "ap"; place: Face.ap; text: "ap"; visible: root.apEngaged }
        Annunciator {
            id: navhdg
            objectName: "navhdg"
            place: Face.navhdg
            text: root.above0(8) ? "hdg" : "nav"
            visible: root.apEngaged
        }
        Annunciator { id: alt; objectName: "alt"; place: Face.alt; text: "alt"; visible: root.above0(18) }
        Annunciator {
            id: apr
            objectName: "apr"
            place: Face.apr
            text: "apr"
            visible: Radio.integerValue(root.value(23)) === 2
        }
        Annunciator {
            id: arm
            objectName: "arm"
            place: Face.arm
            text: "arm"
            visible: Radio.integerValue(root.value(24)) === 1
        }
        Annunciator { id: rev; objectName: "rev"; place: Face.rev; text: "rev"; visible: root.above0(17) }
        Annunciator { id: vs; objectName: "vs"; place: Face.vs; text: "<vs>"; visible: root.above0(19) }
        Annunciator {
            id: seta1
            objectName: "seta1"
            place: Face.seta1
            text: ">"
            visible: Radio.integerValue(root.value(26)) === 1
        }
        Annunciator {
            id: seta2
            objectName: "seta2"
            place: Face.seta2
            text: ">"
            visible: Radio.integerValue(root.value(26)) === 0
        }
        Annunciator {
            id: altitudeDial
            objectName: "altitudeDial"
            place: Face.altitudeDial
            text: Radio.roundedNumber(root.value(21))
        }
        Annunciator {
            id: approach
            objectName: "approach"
            place: Face.approach
            text: Radio.roundedNumber(root.value(20))
        }
    }
}
