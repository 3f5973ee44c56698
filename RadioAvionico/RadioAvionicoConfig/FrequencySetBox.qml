import QtQuick

// A round-cornered white tick box of the frequency-set row.
Rectangle {
    id: box

    property bool checked: false
    property url tick

    signal clicked()

    width: 35
    height: 35
    radius: 10
    color: "white"

    Image {
        visible: box.checked
        source: box.tick
        width: box.width * 0.9
        height: box.height * 0.9
        x: box.width * 0.1
        y: (box.height - height) / 2
    }
    // The border above the tick.
    Rectangle {
        anchors.fill: parent
        radius: box.radius
        color: "transparent"
        border.width: 3
        border.color: "#434343"
    }
    MouseArea {
        anchors.fill: parent
        onClicked: box.clicked()
    }
}
