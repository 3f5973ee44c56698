import QtQuick
import "qrc:/Classes"
import "CaravanConfig"

// The Caravan panel: the four Caravan gauges (CaravanPanel) with their layout
// menu, opened with Escape, in a window of the menu's size.
CaravanPanel {
    id: root
    layoutMenu: configPanel.menuItem

    readonly property alias layoutWindow: configPanel

    Shortcut {
        sequence: "Escape"
        onActivated: root.showCentred(configPanel)
    }

    // The layout menu, opened with Escape, in a window of the menu's size.
    LayoutWindow {
        id: configPanel
        objectName: "configPanel"
        title: "Caravan Instruments Configuration Panel"
        fixedWidth: 1100
        fixedHeight: 600

        menu: CaravanConfig {
            fileClass: root.files
            configText: root.config
            viewmanager: root.geometry
        }
    }
}
