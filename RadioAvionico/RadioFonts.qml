import QtQuick

// The three display fonts of a radio panel, loaded from the panel's resource
// folder: seven-segment digits, and the LCD lettering upright and italic.
QtObject {
    property string folder: "qrc:/RadioAvionico/fonts/"

    readonly property font segments: segmentLoader.font
    readonly property font lcd: lcdLoader.font
    readonly property font lcdItalic: lcdItalicLoader.font

    property FontLoader segmentLoader: FontLoader { source: folder + "DSEG7Classic-Bold.ttf" }
    property FontLoader lcdLoader: FontLoader { source: folder + "digital-7.ttf" }
    property FontLoader lcdItalicLoader: FontLoader { source: folder + "digital-7 (italic).ttf" }
}
