import QtQuick
import "qrc:/Classes/VectorImage"

// A fuel column of the engine strip: the grey bar (ponteiro2.svg) rising from
// the zero line as far as `extent` (negative: up), shown from its bottom.
Item {
    id: column

    property real extent: 0
    // The column's zero line on the strip.
    readonly property real zeroLine: 824

    y: zeroLine + Math.min(0, extent)
    width: bar.implicitWidth
    height: -Math.min(0, extent)
    clip: true

    VectorImage {
        id: bar
        anchors.bottom: parent.bottom
        source: "qrc:/Caravan/images/ponteiro2.svg"
    }
}
