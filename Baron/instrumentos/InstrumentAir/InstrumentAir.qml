import QtQuick
import "InstrumentAirScale.js" as Scale

// Instrument-air suction: the engine dials' pointer, drawn longer, over a face
// numbered across the top.
EngineDial {
    id: root

    property real value: 0          // suction, inches of mercury

    backdrop: Qt.resolvedUrl("instrument_air_backdrop.png")
    cap: "center.png"

    EngineNeedle {
        objectName: "needle"
        source: "neddle.png"
        x: 80
        y: 0
        width: 50
        height: 210
        angle: Scale.needleAngle(root.value)
    }
}
