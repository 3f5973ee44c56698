import QtQuick
import "qrc:/RadioAvionico/RadioAvionicoConfig"

// Settings menu of the compact radio panel: position, scale and colour (the
// frequency set belongs to the avionics panel).
RadioSettingsMenu {
    folder: "qrc:/RadioCompacto"
    frequencySetRow: false
}
