import QtQuick
import "qrc:/Classes"
import "qrc:/Classes/Modules.js" as Modules

// The picture behind caravan_preview.png, the preview of the Caravan layout
// menu: the Caravan panel itself, locked, at rest, its four gauges side by
// side under the menu's click areas.
PanelPicture {
    document: "qrc:/Caravan/caravan.qml"
    layoutProperty: Modules.Caravan.layoutProperty
    // A gauge scales about its centre (105, 105): slot x = area x + size / 2
    // - 105, likewise y, so the gauge covers its click area.
    layout: "74,80,211,1,278,72,150,1,475,80,174,1,678,80,209,1,0,0,967,365"
    values: {
        const v = new Array(107).fill("0")
        v[59] = "29.92"
        return v.join(";")
    }
    frame: Qt.size(967, 365)
}
