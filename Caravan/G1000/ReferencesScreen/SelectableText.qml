import QtQuick

// A selectable item of the references page: its text on a highlight that
// reaches `margin` beyond the text on either side. Under the cursor (while
// the page is not locked) it is cyan with black text; pressed, or otherwise,
// black with its own colour (cyan unless the page says otherwise).
Rectangle {
    id: item

    property alias text: label.text
    property alias font: label.font
    property bool selected: false
    property bool pressed: false
    property bool locked: false
    property real margin: 0
    property color idleColour: cyan

    readonly property color cyan: "#00ffff"
    readonly property bool highlighted: !pressed && selected && !locked

    implicitWidth: label.implicitWidth + 2 * margin
    implicitHeight: label.implicitHeight
    color: highlighted ? cyan : "black"

    Text {
        id: label
        anchors.centerIn: parent
        textFormat: Text.PlainText
        color: item.highlighted ? "black" : item.pressed ? item.cyan : item.idleColour
        font.bold: true
    }
}
