import QtQuick
import "FuelFlowBaronScale.js" as Scale

// Fuel flow of one Baron engine: the value in kilograms per second, the face
// in gallons per hour.
EngineDial {
    id: root

    property real value: 0          // fuel flow, kilograms per second
    readonly property real gallonsPerHour: convertKgSecToGalHr(value)

    function convertKgSecToGalHr(kgPerSecond) {
        return Scale.convertKgSecToGalHr(kgPerSecond)
    }

    backdrop: Qt.resolvedUrl("fuel_flow_backdrop.png")

    EngineNeedle {
        objectName: "needle"
        angle: Scale.needleAngle(root.gallonsPerHour)
    }
}
