import QtQuick
import "G1000/EIS"

// The express window: the engine strip alone in a small frameless,
// transparent window that stays on top. The black bar across its top moves
// the window, the handles along its edges and at its corners resize it (the
// system does both); the strip sits in the clipped content below the bar,
// zoomed with the wheel and worked with its keys as in its own window.
Window {
    id: expressWindow

    // Thickness of the resize handles along the edges, and of the corners.
    readonly property int handleW: 8
    readonly property int dragBarHeight: 20
    // Where the strip sits in the content.
    readonly property point stripAt: Qt.point(20, 40)

    width: 200
    height: 600
    visible: true
    color: "transparent"
    flags: Qt.Window | Qt.FramelessWindowHint | Qt.WindowStaysOnTopHint

    // The content: the strip, clipped to the window.
    Item {
        id: content
        objectName: "content"
        anchors.fill: parent
        clip: true

        // The strip keeps itself inside its parent, which is just its size:
        // it stays at its place while the window moves and resizes.
        Item {
            x: expressWindow.stripAt.x
            y: expressWindow.stripAt.y
            width: engine.width
            height: engine.height

            EIS {
                id: engine
                objectName: "engine"
            }
        }
    }

    // The drag bar, above the content.
    Rectangle {
        objectName: "dragBar"
        width: parent.width
        height: expressWindow.dragBarHeight
        color: "black"

        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.LeftButton
            cursorShape: Qt.SizeAllCursor
            onPressed: expressWindow.startSystemMove()
        }
    }

    // The frame, over everything; it takes no input.
    Rectangle {
        objectName: "frame"
        anchors.fill: parent
        color: "transparent"
        border.width: 1
        border.color: "black"
    }

    // The handles: the edges, then the corners above them.
    ResizeHandle {
        edges: Qt.RightEdge
        anchors { right: parent.right; top: parent.top; bottom: parent.bottom }
        width: expressWindow.handleW
    }
    ResizeHandle {
        edges: Qt.LeftEdge
        anchors { left: parent.left; top: parent.top; bottom: parent.bottom }
        width: expressWindow.handleW
    }
    ResizeHandle {
        edges: Qt.TopEdge
        anchors { left: parent.left; right: parent.right; top: parent.top }
        height: expressWindow.handleW
    }
    ResizeHandle {
        edges: Qt.BottomEdge
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: expressWindow.handleW
    }
    ResizeHandle {
        edges: Qt.TopEdge | Qt.LeftEdge
        anchors { left: parent.left; top: parent.top }
        width: expressWindow.handleW; height: expressWindow.handleW
    }
    ResizeHandle {
        edges: Qt.TopEdge | Qt.RightEdge
        anchors { right: parent.right; top: parent.top }
        width: expressWindow.handleW; height: expressWindow.handleW
    }
    ResizeHandle {
        edges: Qt.BottomEdge | Qt.LeftEdge
        anchors { left: parent.left; bottom: parent.bottom }
        width: expressWindow.handleW; height: expressWindow.handleW
    }
    ResizeHandle {
        edges: Qt.BottomEdge | Qt.RightEdge
        anchors { right: parent.right; bottom: parent.bottom }
        width: expressWindow.handleW; height: expressWindow.handleW
    }
}
