import QtQuick

// A picture of a panel document for its layout menu's preview, drawn at build
// time by tools/render (radod_picture): the panel itself, locked, showing
// `values`, laid out by `layout`, pictured at `panelScale` and moved by
// `panelOffset` (both in the preview's `frame`) so that its gauges lie under
// the menu's click areas; the picture is drawn at `pixelsPerUnit` times the
// frame. So a preview never drifts from the panel it shows.
Rectangle {
    id: picture

    property url document
    // The context property that carries the panel's layout string, and that string.
    property string layoutProperty
    property string layout
    property string values: ""
    property size frame: Qt.size(800, 600)
    property real panelScale: 1
    property point panelOffset: Qt.point(0, 0)
    readonly property real pixelsPerUnit: 2

    // The panel, once loaded (for the tests).
    readonly property Item panel: panelLoader.item as Item
    readonly property bool ready: panelLoader.status === Loader.Ready
    readonly property bool failed: panelLoader.status === Loader.Error

    width: frame.width * pixelsPerUnit
    height: frame.height * pixelsPerUnit
    color: "#000000"

    // The panel places its window through this; here there is none.
    QtObject {
        id: noWindow
        function setPosition(x, y) {}
        function setSize(width, height) {}
        function setFixedSize(width, height) {}
        function setMaximumSize(width, height) {}
        function setMinimumSize(width, height) {}
        function saveWindowGeometry() {}
    }

    Component.onCompleted: {
        renderSupport.setContextProperty("TimedProcessing", values)
        renderSupport.setContextProperty("lock", "1")
        renderSupport.setContextProperty(layoutProperty, layout)
        renderSupport.setContextProperty("viewManager", noWindow)
        panelLoader.active = true
    }

    Loader {
        id: panelLoader
        active: false
        source: picture.document
        transform: [
            Scale {
                xScale: picture.panelScale * picture.pixelsPerUnit
                yScale: picture.panelScale * picture.pixelsPerUnit
            },
            Translate {
                x: picture.panelOffset.x * picture.pixelsPerUnit
                y: picture.panelOffset.y * picture.pixelsPerUnit
            }
        ]
    }
}
