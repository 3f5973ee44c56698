import QtQuick
import "qrc:/Classes"
import "qrc:/Classes/Modules.js" as Modules

// The stand-by panel's configuration menu: the Cessna layout menu's work on the
// seven stand-by gauges. Its fields show the selected gauge even while locked,
// its Visible box is an edit like any other, and "+" is also logged.
LayoutMenu {
    width: 690
    height: 600
    color: "grey"

    module: Modules.StandBy
    firstSlotField: 0
    fillWhileLocked: true
    visibleIgnoresLock: false
    screenSetsLock: true
    logsPlus: true
    initialTexts: ({ xField: "0", yField: "0", sizeField: "0" })
    // The Visible box's tick covers the whole box.
    visibleTickShare: 1

    backgroundSource: "qrc:/Cessna/images/bg_config.jpg"
    previewSource: "qrc:/Cessna/StandBy/images/previewStby.png"
    previewPlace: [25, 25, 394, 550]

    // Combo entries; the index is the slot number.
    instrumentNames: ["Airspeed", "Altimeter", "Horizonte", "Manifold", "Suction", "Trim/Flap", "AirspeedB58"]

    // Click areas on the preview, in its 394 x 550 frame: x, y, width, height, slot.
    previewAreas: [
        [113, 8, 110, 110, 2], [113, 142, 110, 110, 0], [250, 8, 110, 110, 6],
        [250, 142, 110, 110, 1], [113, 274, 110, 110, 3], [250, 279, 110, 110, 4],
        [30, 414, 60, 120, 5]
    ]

    // The controls stand right of the preview: their group starts left of
    // the menu, and every place below is counted from it.
    controlsOffset: Qt.point(-152, 0)
    places: ({
        instrumentBox: [596, 28, 206, 40],
        xLabel: [596, 100, 126], xField: [722, 100],
        yLabel: [596, 180, 126], yField: [722, 180],
        sizeLabel: [596, 265, 126], sizeField: [722, 265],
        visibleLabel: [596, 333, 104], visibleBox: [700, 333],
        lockLabel: [596, 383, 104], lockBox: [700, 383],
        screenLabel: [596, 430, 93], screenBox: [700, 430],
        saveButton: [612, 482, 174, 40, 22],
        resetButton: [612, 535, 174, 40, 22]
    })
    texts: ({
        xLabel: QT_TRANSLATE_NOOP("LayoutMenu", "Posicao X: "),
        yLabel: QT_TRANSLATE_NOOP("LayoutMenu", "Posicao Y: "),
        sizeLabel: QT_TRANSLATE_NOOP("LayoutMenu", "Size: "),
        visibleLabel: QT_TRANSLATE_NOOP("LayoutMenu", "Visivel: "),
        lockLabel: QT_TRANSLATE_NOOP("LayoutMenu", "Lock: "),
        screenLabel: QT_TRANSLATE_NOOP("LayoutMenu", "Screen: "),
        saveButton: QT_TRANSLATE_NOOP("LayoutMenu", "Salvar"),
        resetButton: QT_TRANSLATE_NOOP("LayoutMenu", "Reset")
    })
}
