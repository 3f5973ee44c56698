import QtQuick
import "RPMBaronScale.js" as Scale

// Tachometer of one Baron engine.
EngineDial {
    id: root

    property real value: 0          // engine speed, rpm

    backdrop: Qt.resolvedUrl("rpm_backdrop.png")

    EngineNeedle {
        objectName: "needle"
        angle: Scale.needleAngle(root.value)
    }
}
