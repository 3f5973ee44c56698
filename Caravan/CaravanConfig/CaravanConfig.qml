import QtQuick
import "qrc:/Classes"
import "qrc:/Classes/Modules.js" as Modules

// The Caravan panel's layout menu: the four gauges by number. Its Visible box
// is an edit like any other, Screen also sets the menu's lock, and Reset
// writes the working copy as it stands (no default, no window geometry).
LayoutMenu {
    id: rootCaravanConfig
    width: 1100
    height: 600
    color: "transparent"

    module: Modules.Caravan
    firstSlotField: 0
    visibleIgnoresLock: false
    screenSetsLock: true
    resetRestoresDefault: false
    initialTexts: ({ xField: "0", yField: "0" })
    tickSource: "qrc:/Caravan/images/check.jpg"

    backgroundSource: "qrc:/Caravan/images/bg_config.jpg"
    previewSource: "qrc:/Caravan/images/caravan_preview.png"
    // Centred across the menu.
    previewPlace: [(1100 - 967) / 2, 30, 967, 365]

    instrumentNames: ["Airspeed", "Horizonte", "Altimeter", "Torque"]
    // Click areas on the preview, in its 967 x 365 frame: x, y, width, height, slot.
    previewAreas: [
        [73, 78, 211, 215, 0], [308, 106, 150, 141, 1], [493, 98, 174, 174, 2], [678, 78, 209, 215, 3]
    ]

    // Places in menu coordinates (the controls group is not offset).
    places: ({
        instrumentLabel: [159, 420], instrumentBox: [159, 480, 190, 40],
        visibleLabel: [448, 420, 92], visibleBox: [540, 420],
        sizeLabel: [448, 480, 62], sizeField: [510, 480],
        xLabel: [675, 420, 127], xField: [802, 420],
        yLabel: [676, 480, 126], yField: [802, 480],
        lockLabel: [700, 545, 60], lockBox: [760, 545],
        screenLabel: [810, 545, 85], screenBox: [895, 545],
        saveButton: [339, 540, 340, 46, 30],
        resetButton: [180, 540, 100, 46, 21]
    })
    texts: ({
        instrumentLabel: QT_TRANSLATE_NOOP("LayoutMenu", "Instrument:"),
        visibleLabel: QT_TRANSLATE_NOOP("LayoutMenu", "Visible: "),
        sizeLabel: QT_TRANSLATE_NOOP("LayoutMenu", "Size: "),
        xLabel: QT_TRANSLATE_NOOP("LayoutMenu", "Position X: "),
        yLabel: QT_TRANSLATE_NOOP("LayoutMenu", "Position Y: "),
        lockLabel: QT_TRANSLATE_NOOP("LayoutMenu", "Lock: "),
        screenLabel: QT_TRANSLATE_NOOP("LayoutMenu", "Screen: "),
        saveButton: QT_TRANSLATE_NOOP("LayoutMenu", "Save"),
        resetButton: QT_TRANSLATE_NOOP("LayoutMenu", "Reset")
    })
}
