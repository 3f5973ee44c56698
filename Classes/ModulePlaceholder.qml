import QtQuick

// Stands in for a module's panel document until the panel itself is built:
// a black panel that shows the module's title, how many value fields it has
// received and the lock flag text, so that start-up and every push can be
// seen at a glance.
Rectangle {
    id: placeholder

    property string title: ""
    property string valueText: ""   // the value vector as received
    property string lockText: ""    // the lock flag as received

    readonly property int fieldCount: valueText.length === 0 ? 0 : valueText.split(";").length
    readonly property int titleSize: 28
    readonly property int lineSize: 18

    implicitWidth: 800
    implicitHeight: 600
    color: "black"

    Column {
        anchors.centerIn: parent
        spacing: 12

        Text {
            id: titleLabel
            textFormat: Text.PlainText
            anchors.horizontalCenter: parent.horizontalCenter
            text: placeholder.title
            color: "white"
            font.pixelSize: placeholder.titleSize
            font.bold: true
        }
        Text {
            id: fieldsLabel
            textFormat: Text.PlainText
            anchors.horizontalCenter: parent.horizontalCenter
            text: placeholder.fieldCount + " campos recebidos"
            color: "#9fd3ff"
            font.pixelSize: placeholder.lineSize
        }
        Text {
            id: lockLabel
            textFormat: Text.PlainText
            anchors.horizontalCenter: parent.horizontalCenter
            text: "lock: \"" + placeholder.lockText + "\""
            color: placeholder.lockText === "1" ? "#ff9f6f" : "#b0b0b0"
            font.pixelSize: placeholder.lineSize
        }
    }
}
