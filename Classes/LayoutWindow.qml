import QtQuick
import QtQuick.Window

// A panel's own layout window: a separate top-level window of a fixed size,
// hidden until the panel shows it (PanelDocument.showCentred). It stays above
// the panel windows, which are themselves kept on top.
Window {
    property int fixedWidth: 800
    property int fixedHeight: 600

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
