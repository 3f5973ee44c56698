import QtQuick
import "../CessnaLayout.js" as CessnaLayout

// The picture behind previewPainel.png, the preview of the layout menu: the
// Cessna panel itself in its default layout, locked, showing an aircraft
// parked with the battery on. The build draws it with tools/render, so the
// preview always shows the panel as it is.
//
// The panel window is pictured at `panelScale`, moved by `panelOffset` (both in
// the preview's 800 x 526 frame), so that the gauges lie under the menu's
// click areas; the picture is drawn at `pixelsPerUnit` times the frame.
Rectangle {
    id: picture

    readonly property real pixelsPerUnit: 2
    readonly property size frame: Qt.size(800, 526)
    readonly property real panelScale: 0.6
    readonly property point panelOffset: Qt.point(0, -20)

    // The panel, once loaded (for the tests).
    readonly property Item panel: panelLoader.item
    readonly property bool ready: panelLoader.status === Loader.Ready
    readonly property bool failed: panelLoader.status === Loader.Error

    // Value vector: everything at rest, the battery on (bus 24 V), 40 in each
    // tank, altimeter set to 29.92, 12:00 on the clock, DME at 0.
    function parkedValues() {
        const v = new Array(107).fill("0")
        const set = {
            2: "40", 3: "40", 4: "15", 6: "9", 13: "5", 38: "5", 39: "5", 40: "40", 41: "40",
            47: "24", 59: "29.92", 64: "1", 66: "0.0", 67: "0.0", 68: "0.0", 69: "0.0"
        }
        for (const i in set)
            v[i] = set[i]
        return v.join(";")
    }

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
        renderSupport.setContextProperty("TimedProcessing", parkedValues())
        renderSupport.setContextProperty("lock", "1")
        renderSupport.setContextProperty("configStringCessna", CessnaLayout.defaultLayout)
        renderSupport.setContextProperty("viewManager", noWindow)
        panelLoader.active = true
    }

    Loader {
        id: panelLoader
        active: false
        source: "qrc:/Cessna/Cessna.qml"
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
