import QtQuick

// A row of the references page's speed grid: the speed's label, and its value
// right-aligned in the second column.
Item {
    id: row

    property alias label: labelText.text
    property alias fontFamily: labelText.font.family
    property real valueColumnX: 0
    property real valueColumnWidth: 0
    readonly property alias value: valueItem

    implicitWidth: valueColumnX + valueColumnWidth
    implicitHeight: Math.max(labelText.implicitHeight, valueItem.implicitHeight)

    Text {
        id: labelText
        textFormat: Text.PlainText
        anchors.verticalCenter: parent.verticalCenter
        color: "white"
        font.pixelSize: 16
    }
    SelectableText {
        id: valueItem
        x: row.valueColumnX + row.valueColumnWidth - width
        anchors.verticalCenter: parent.verticalCenter
        font.family: row.fontFamily
        font.pixelSize: 16
        margin: 5
    }
}
