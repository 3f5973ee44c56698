import QtQuick
import "EngTempBaronScale.js" as Scale

// Cylinder-head (left half) and exhaust-gas (right half) temperatures of one
// Baron engine: two needles about the centre, the EGT needle turning
// anticlockwise as the temperature rises.
EngineDial {
    id: root

    property real cht: 0            // cylinder-head temperature, deg C
    property real egt: 0            // exhaust-gas temperature, deg C

    backdrop: Qt.resolvedUrl("temp_backdrop.png")

    EngineNeedle {
        objectName: "chtNeedle"
        angle: Scale.chtAngle(root.cht)
    }
    EngineNeedle {
        objectName: "egtNeedle"
        angle: Scale.egtAngle(root.egt)
    }
}
