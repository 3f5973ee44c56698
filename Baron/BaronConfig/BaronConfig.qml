import QtQuick
import "qrc:/Classes"
import "qrc:/Classes/Modules.js" as Modules

// The Baron panel's layout menu: sixteen of its gauges by number (the turn
// coordinator and the VOR indicator are placed with the mouse only). Its
// Visible box reaches the working copy even while the menu is locked, and
// its Screen box does not lock the menu.
LayoutMenu {
    width: 1100
    height: 771
    color: "gray"

    module: Modules.Baron
    // Fields 0 to 4 are the window and the zoom.
    firstSlotField: 5
    visibleIgnoresLock: true
    screenSetsLock: false
    initialTexts: ({ xField: "0", yField: "0", sizeField: "0" })
    tickSource: "qrc:/Baron/images/check.jpg"
    screenTickSource: "qrc:/Caravan/images/check.jpg"
    // The Visible box's tick covers the whole box.
    visibleTickShare: 1

    backgroundSource: "qrc:/Baron/images/bg_config.jpg"
    previewSource: "qrc:/Baron/images/baronPreview.png"
    previewPlace: [25, 45, 686, 622]

    // Entry i edits slot i; the Left/Right labels name the column in which
    // the gauge stands in the default layout.
    instrumentNames: [
        "Airspeed", "Altimeter", "HSI", "Horizonte", "RPM Right", "RPM Left", "MAN PRESS Right",
        "MAN PRESS Left", "Fuel Flow Right", "Fuel Flow Left", "Oil Temp Right", "Oil Temp Left",
        "Vertical Speed", "Eng Temp Right", "Eng Temp Left", "Instrument Air"
    ]
    // Click areas on the preview, in its 686 x 622 frame: x, y, width, height, slot.
    previewAreas: [
        [14, 309, 152, 137, 0], [14, 462, 152, 137, 1], [14, 157, 152, 134, 2], [19, 8, 142, 124, 3],
        [514, 5, 140, 137, 4], [514, 154, 140, 137, 5], [346, 468, 140, 132, 6], [514, 309, 140, 137, 7],
        [346, 309, 140, 137, 8], [346, 154, 140, 137, 9], [179, 157, 140, 134, 10], [179, 462, 140, 137, 11],
        [179, 309, 140, 137, 12], [179, 8, 140, 134, 13], [346, 5, 140, 137, 14], [514, 463, 140, 137, 15]
    ]

    // Places in menu coordinates (the controls group is not offset).
    places: ({
        instrumentBox: [796, 128, 206, 40],
        xLabel: [796, 200, 126], xField: [922, 200],
        yLabel: [796, 280, 126], yField: [922, 280],
        sizeLabel: [796, 365, 126], sizeField: [922, 365],
        visibleLabel: [829, 445, 93], visibleBox: [922, 445],
        lockLabel: [829, 510, 93], lockBox: [922, 510],
        screenLabel: [829, 570, 93], screenBox: [922, 570],
        saveButton: [812, 627, 174, 40, 22],
        resetButton: [812, 680, 174, 40, 22]
    })
    texts: ({
        xLabel: QT_TRANSLATE_NOOP("LayoutMenu", "Posicao X: "),
        yLabel: QT_TRANSLATE_NOOP("LayoutMenu", "Posicao Y: "),
        sizeLabel: QT_TRANSLATE_NOOP("LayoutMenu", "Size: "),
        visibleLabel: QT_TRANSLATE_NOOP("LayoutMenu", "Visivel: "),
        lockLabel: QT_TRANSLATE_NOOP("LayoutMenu", "Lock: "),
        screenLabel: QT_TRANSLATE_NOOP("LayoutMenu", "Screen: "),
        saveButton: QT_TRANSLATE_NOOP("LayoutMenu", "Save"),
        resetButton: QT_TRANSLATE_NOOP("LayoutMenu", "Reset")
    })
}
