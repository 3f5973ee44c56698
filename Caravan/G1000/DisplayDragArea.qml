import QtQuick

// Drags a display (the item it is declared in, or `target`) freely over the
// screen that composes it, and says when the display is let go. It covers
// the item it is declared in, above that item's own mouse areas; the wheel
// passes through.
MouseArea {
    property Item target: parent

    signal dropped()

    anchors.fill: parent
    drag.target: target
    cursorShape: pressed ? Qt.ClosedHandCursor : Qt.OpenHandCursor
    onReleased: dropped()
}
