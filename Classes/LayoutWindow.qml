import QtQuick
import QtQuick.Window

// A panel's own layout window: a separate top-level window of a fixed size,
// hidden until the panel shows it (PanelDocument.showCentred). It stays above
// the panel windows, which are themselves kept on top. The menu it holds is
// made the first time it shows and kept from then on: a menu, with its
// pictures and its hundred fields, costs start-up time and memory that a
// session which never opens it should not pay.
Window {
    property int fixedWidth: 800
    property int fixedHeight: 600
    // The menu, made in the window's content when it first shows.
    property Component menu: null
    property Item menuItem: null

    onVisibleChanged: {
        if (visible && !menuItem && menu)
            menuItem = menu.createObject(contentItem)
    }

    width: fixedWidth
    height: fixedHeight
    minimumWidth: fixedWidth
    maximumWidth: fixedWidth
    minimumHeight: fixedHeight
    maximumHeight: fixedHeight
    visible: false
    transientParent: null
    flags: Qt.Window | Qt.WindowStaysOnTopHint
}
