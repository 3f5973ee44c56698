import QtQuick
import QtQuick.Shapes

// A reference-speed marker: an outlined triangle pointing left at its line
// (`lineY`, in the strip), its label to the right, both in the marker's
// colour. A line that is not a number (a speed that is not one) hides it.
Item {
    id: marker

    property real lineY: 0
    property string label: ""
    property color colour: "white"

    readonly property real triangleSize: 12
    readonly property real strokeWidth: 2
    readonly property real labelGap: 4

    x: 5
    y: lineY - triangleSize / 2
    width: triangleSize + labelGap + labelText.implicitWidth
    height: triangleSize
    visible: isFinite(lineY)

    Shape {
        objectName: "triangle"
        width: marker.triangleSize
        height: marker.triangleSize
        ShapePath {
            strokeColor: marker.colour
            strokeWidth: marker.strokeWidth
            fillColor: "transparent"
            startX: 0; startY: marker.triangleSize / 2
            PathLine { x: marker.triangleSize; y: 0 }
            PathLine { x: marker.triangleSize; y: marker.triangleSize }
            PathLine { x: 0; y: marker.triangleSize / 2 }
        }
    }
    Text {
        id: labelText
        objectName: "label"
        x: marker.triangleSize + marker.labelGap
        anchors.verticalCenter: parent.verticalCenter
        text: marker.label
        textFormat: Text.PlainText
        color: marker.colour
        font.pixelSize: 14
        font.bold: true
    }
}
