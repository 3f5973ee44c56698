import QtQuick

// A number of the engine strip right-aligned in its box (the box's frame is
// part of the background), whose right edge is 10 units from the strip's
// right side.
Text {
    property real boxWidth: 0
    property real boxHeight: 0
    property real boxTop: 0
    // Right edge of every box on the 240-unit strip.
    readonly property real boxRight: 230
    // Room between the number and the box's frame.
    readonly property real framePadding: 3

    x: boxRight - boxWidth
    y: boxTop
    width: boxWidth
    height: boxHeight
    rightPadding: framePadding
    horizontalAlignment: Text.AlignRight
    verticalAlignment: Text.AlignVCenter
    textFormat: Text.PlainText
    font.bold: true
}
