import QtQuick

// A square tick box of the layout menu: white, rounded, with the tick image
// while checked. A click flips `checked` and then emits toggled().
Rectangle {
    id: box

    property bool checked: false
    signal toggled()

    // The tick covers 90 % of the box, 10 % in from its left edge.
    readonly property real tickShare: 0.9

    width: 35
    height: 35
    radius: 10
    color: "white"
    border.width: 3
    border.color: "#434343"

    Image {
        objectName: "tick"
        x: box.width * (1 - box.tickShare)
        y: box.height * (1 - box.tickShare) / 2
        width: box.width * box.tickShare
        height: box.height * box.tickShare
        source: "qrc:/Cessna/images/check.jpg"
        visible: box.checked
    }

    MouseArea {
        anchors.fill: parent
        onClicked: {
            box.checked = !box.checked
            box.toggled()
        }
    }
}
