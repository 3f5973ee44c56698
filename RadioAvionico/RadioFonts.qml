import QtQuick

// The three display fonts of a radio panel, loaded from the panel's resource
// folder: seven-segment digits, and the LCD lettering upright and italic.
QtObject {
    id: fonts

    property string folder: "qrc:/RadioAvionico/fonts/"

    readonly property font segments: segmentLoader.font
    readonly property font lcd: lcdLoader.font
    readonly property font lcdItalic: lcdItalicLoader.font

    property FontLoader segmentLoader: FontLoader { source: fonts.folder + "DSEG7Classic-Bold.ttf" }
    property FontLoader lcdLoader: FontLoader { source: fonts.folder + "digital-7.ttf" }
    property FontLoader lcdItalicLoader: FontLoader { source: fonts.folder + "digital-7 (italic).ttf" }
}
