import QtQuick
import "qrc:/Caravan"

// The Caravan's four gauges as one block: the Caravan panel's gauges, layout
// string, value bindings and keys (CaravanPanel), dragged as a whole within
// its parent (a press anywhere on it takes the block, not a gauge) and zoomed
// with the wheel or a touchpad, 1.05 a notch (1.01 with Ctrl), from 0.2 to 5.
CaravanPanel {
    id: block

    // The file service, none unless the host sets it: the keys and the lock
    // read at start need it.
    property var fileclass: null

    readonly property real minimumScale: 0.2
    readonly property real maximumScale: 5.0
    readonly property real notchFactor: 1.05
    readonly property real fineNotchFactor: 1.01
    // One notch of a wheel (1/8 degree units), and of a touchpad (pixels).
    readonly property real anglePerNotch: 120
    readonly property real pixelsPerNotch: 40

    transformOrigin: Item.TopLeft

    // Keeps the block inside its parent, where the drag may take it.
    function updateDragLimits() {
        const p = block.parent
        if (!p)
            return
        blockArea.drag.maximumX = Math.max(0, p.width - block.width * block.scale)
        blockArea.drag.maximumY = Math.max(0, p.height - block.height * block.scale)
        block.x = Math.min(Math.max(block.x, 0), blockArea.drag.maximumX)
        block.y = Math.min(Math.max(block.y, 0), blockArea.drag.maximumY)
    }

    // The wheel's notches (the touchpad's pixels where the wheel gives none)
    // as a zoom factor.
    function zoomByWheel(angleY, pixelY, fine) {
        const steps = angleY !== 0 ? angleY / anglePerNotch : pixelY / pixelsPerNotch
        const factor = Math.pow(fine ? fineNotchFactor : notchFactor, steps)
        block.scale = Math.min(Math.max(block.scale * factor, minimumScale), maximumScale)
        updateDragLimits()
    }

    // Above the gauges' own areas.
    MouseArea {
        id: blockArea
        objectName: "blockArea"
        anchors.fill: parent
        z: 2
        cursorShape: pressed ? Qt.ClosedHandCursor : Qt.OpenHandCursor
        drag.target: block
        drag.minimumX: 0
        drag.minimumY: 0
        onPressed: block.updateDragLimits()
        onWheel: wheel => {
            block.zoomByWheel(wheel.angleDelta.y, wheel.pixelDelta.y, (wheel.modifiers & Qt.ControlModifier) !== 0)
            wheel.accepted = true
        }
    }

    Component.onCompleted: updateDragLimits()
}
