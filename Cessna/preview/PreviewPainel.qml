import QtQuick
import "qrc:/Classes"
import "qrc:/Classes/Modules.js" as Modules

// The picture behind previewPainel.png, the preview of the layout menu: the
// Cessna panel itself in its default layout, locked, showing an aircraft
// parked with the battery on.
PanelPicture {
    document: "qrc:/Cessna/Cessna.qml"
    layoutProperty: Modules.Cessna.layoutProperty
    layout: Modules.Cessna.defaultLayout
    values: parkedValues()
    frame: Qt.size(800, 526)
    panelScale: 0.6
    panelOffset: Qt.point(0, -20)

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
}
