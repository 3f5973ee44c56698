import QtQuick

// One line of the annunciator list, as wide as the list, indented, wrapping
// at word boundaries when its text is wider.
Text {
    readonly property real indent: 10

    leftPadding: indent
    wrapMode: Text.WordWrap
    textFormat: Text.PlainText
    font.pixelSize: 13
}
