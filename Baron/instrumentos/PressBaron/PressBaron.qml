import QtQuick
import "PressBaronScale.js" as Scale

// Manifold pressure of one Baron engine.
EngineDial {
    id: root

    property real value: 0          // manifold pressure, inches of mercury

    backdrop: "man_press_backdrop.png"

    EngineNeedle {
        objectName: "needle"
        angle: Scale.needleAngle(root.value)
    }
}
