import QtQuick
import "qrc:/Classes"
import "qrc:/Classes/Modules.js" as Modules

// The Cessna panel's layout menu: places, sizes and hides the 22 gauges by
// number on a working copy of the layout string (configText), saves it with
// the window geometry, puts the default back, and sets the two lock flags.
LayoutMenu {
    width: 902
    height: 771
    color: "black"

    module: Modules.Cessna
    firstSlotField: 0
    visibleIgnoresLock: true
    screenSetsLock: true

    backgroundSource: "qrc:/Cessna/images/bg_config.jpg"
    previewSource: "qrc:/Cessna/images/previewPainel.png"
    // Centred across the menu, at the top.
    previewPlace: [(902 - 800) / 2, 1, 800, 526]

    // Combo entries; the index is the slot number.
    instrumentNames: [
        "Airspeed", "Altimeter", "Horizonte", "Heading", "TurnSlip", "VerticalSpeed",
        "OilTempPress", "VacAmp", "DualFuel", "EgtFuelFlow", "Davtron", "Rpm", "VOR1", "VOR2",
        "ADF", "Compass", "Annunciator", "MarkerBeacon", "Plate", "HSI", "Trim/Flaps", "DME"
    ]

    // Click areas on the preview, in its 800 x 526 frame: x, y, width, height, slot.
    previewAreas: [
        [278, 131, 98, 107, 0], [525, 122, 127, 125, 1], [407, 131, 104, 107, 2],
        [407, 262, 104, 107, 3], [267, 262, 115, 107, 4], [534, 262, 112, 107, 5],
        [8, 391, 117, 106, 6], [139, 391, 117, 106, 7], [8, 262, 117, 113, 8],
        [139, 262, 117, 113, 9], [132, 122, 124, 125, 10], [535, 391, 111, 106, 11],
        [658, 125, 123, 120, 12], [658, 251, 123, 129, 13], [658, 386, 123, 124, 14],
        [658, 22, 117, 54, 15], [344, 14, 230, 50, 16], [0, 22, 120, 35, 17],
        [183, 22, 120, 35, 18], [8, 131, 130, 120, 19], [303, 381, 58, 116, 20],
        [399, 409, 130, 64, 21]
    ]

    controlsOffset: Qt.point(9, 11)
    // Labels end where their control begins.
    places: ({
        xLabel: [595, 540, 127], xField: [722, 540],
        yLabel: [596, 600, 126], yField: [722, 600],
        sizeLabel: [368, 600, 62], sizeField: [430, 600],
        visibleLabel: [368, 540, 92], visibleBox: [460, 540],
        lockLabel: [620, 665, 60], lockBox: [680, 665],
        screenLabel: [730, 665, 85], screenBox: [815, 665],
        saveButton: [259, 660, 340, 46, 30],
        resetButton: [100, 660, 100, 46, 21],
        instrumentLabel: [79, 540], instrumentBox: [79, 600, 190, 40]
    })
    texts: ({
        xLabel: QT_TRANSLATE_NOOP("LayoutMenu", "Position X: "),
        yLabel: QT_TRANSLATE_NOOP("LayoutMenu", "Position Y: "),
        sizeLabel: QT_TRANSLATE_NOOP("LayoutMenu", "Size: "),
        visibleLabel: QT_TRANSLATE_NOOP("LayoutMenu", "Visible: "),
        lockLabel: QT_TRANSLATE_NOOP("LayoutMenu", "Lock: "),
        screenLabel: QT_TRANSLATE_NOOP("LayoutMenu", "Screen: "),
        saveButton: QT_TRANSLATE_NOOP("LayoutMenu", "Save"),
        resetButton: QT_TRANSLATE_NOOP("LayoutMenu", "Reset"),
        instrumentLabel: QT_TRANSLATE_NOOP("LayoutMenu", "Instrument:")
    })
}
