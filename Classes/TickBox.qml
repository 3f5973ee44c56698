import QtQuick

// A square tick box of a layout menu: white, rounded, with the tick image
// while checked. A click flips `checked` and then emits toggled().
Rectangle {
    id: box

    property bool checked: false
    property url tickSource: "qrc:/Cessna/images/check.jpg"
    // Share of the box the tick covers, drawn that share's complement in from
    // the left edge (0.9: 90 % of the box, 10 % in); 1 covers the whole box.
    property real tickShare: 0.9
    signal toggled()

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
        source: box.tickSource
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
