import QtQuick
import "PressBaronScale.js" as Scale

// Manifold pressure of one Baron engine.
EngineDial {
    id: root

    property real value: 0          // manifold pressure, inches of mercury

    backdrop: Qt.resolvedUrl("man_press_backdrop.png")

    EngineNeedle {
        objectName: "needle"
        angle: Scale.needleAngle(root.value)
    }
}
