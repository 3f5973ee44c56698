import QtQuick

// A handle along an edge or at a corner of a frameless window: a left press
// starts the system's resize of the window it is in toward `edges`, with the
// cursor that says which way. It draws nothing.
MouseArea {
    // Qt.LeftEdge, Qt.TopEdge | Qt.RightEdge, ...
    property int edges: 0

    readonly property bool horizontal: edges === Qt.LeftEdge || edges === Qt.RightEdge
    readonly property bool vertical: edges === Qt.TopEdge || edges === Qt.BottomEdge
    // Top-left and bottom-right share one diagonal, the other two corners
    // the other.
    readonly property bool fallingDiagonal: edges === (Qt.TopEdge | Qt.LeftEdge)
                                            || edges === (Qt.BottomEdge | Qt.RightEdge)

    acceptedButtons: Qt.LeftButton
    cursorShape: horizontal ? Qt.SizeHorCursor
               : vertical ? Qt.SizeVerCursor
               : fallingDiagonal ? Qt.SizeFDiagCursor : Qt.SizeBDiagCursor
    onPressed: {
        if (Window.window)
            Window.window.startSystemResize(edges)
    }
}
