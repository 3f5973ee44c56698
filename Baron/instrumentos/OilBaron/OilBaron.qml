import QtQuick
import "OilBaronScale.js" as Scale

// Oil temperature (left half) and oil pressure (right half) of one Baron
// engine: two needles about the centre, the pressure needle turning
// anticlockwise as the pressure rises.
EngineDial {
    id: root

    property real temp: 0           // oil temperature, deg C
    property real press: 0          // oil pressure, psi

    backdrop: Qt.resolvedUrl("oil_backdrop.png")

    EngineNeedle {
        objectName: "tempNeedle"
        angle: Scale.tempAngle(root.temp)
    }
    EngineNeedle {
        objectName: "pressNeedle"
        angle: Scale.pressureAngle(root.press)
    }
}
