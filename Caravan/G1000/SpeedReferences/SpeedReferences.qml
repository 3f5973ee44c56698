import QtQuick

// The reference-speed markers Vx, Vy and Vr beside an airspeed tape that
// something else draws: each marker sits level with its speed on a tape of
// 5.8 units per knot whose middle is the current indicated airspeed (value
// field 15). The strip is 90 x 342 units, clipped; only the markers and two
// corner marks are drawn, so a translucent window shows what lies behind.
Item {
    id: root

    property var instrumentValues: typeof TimedProcessing === "string" ? TimedProcessing.split(";") : []
    // The reference speeds, comma-separated: Vx, Vy, Vr in knots.
    property string speedsText: typeof speedsRefValues === "string" ? speedsRefValues : ""
    // The layout string; the window places itself from it, and an embedding
    // document may set it. Not read here.
    property string config: typeof configStringSpeedsRef === "string" ? configStringSpeedsRef : ""

    readonly property real pixelsPerKnot: 5.8
    readonly property real stripWidth: 90
    readonly property real stripHeight: 342
    // The line of the current speed: the strip's middle, less 2.
    readonly property real currentSpeedLine: stripHeight / 2 - 2

    // Field 15; 0 when absent or empty.
    readonly property real currentSpeed: {
        const f = instrumentValues.length > 15 ? instrumentValues[15] : ""
        return f === "" ? 0 : Number(f)
    }
    // The speeds shown; a list pushed empty (speedsRef.txt deleted) leaves
    // the markers where they are.
    property var speeds: speedsText.split(",")
    onSpeedsTextChanged: {
        if (speedsText.trim() !== "")
            speeds = speedsText.split(",")
    }

    // Where the line of a marker for `speed` lies in the strip.
    function lineOf(speed) {
        return currentSpeedLine + (currentSpeed - Number(speed)) * pixelsPerKnot
    }

    implicitWidth: stripWidth
    implicitHeight: stripHeight

    Item {
        id: strip
        objectName: "strip"
        width: root.stripWidth
        height: root.stripHeight
        clip: true

        SpeedMarker {
            objectName: "vxMarker"
            label: "VX"
            colour: "white"
            lineY: root.lineOf(root.speeds[0])
        }
        SpeedMarker {
            objectName: "vyMarker"
            label: "VY"
            colour: "white"
            lineY: root.lineOf(root.speeds[1])
        }
        SpeedMarker {
            objectName: "vrMarker"
            label: "VR"
            colour: "#00ffff"
            lineY: root.lineOf(root.speeds[2])
        }

        // Corner marks, top left and bottom left.
        Rectangle {
            width: 3
            height: 1
            color: "white"
        }
        Rectangle {
            y: strip.height - height
            width: 3
            height: 1
            color: "white"
        }
    }
}
