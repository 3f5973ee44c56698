import QtQuick

// Settings menu of the avionics radio panel: position, scale, colour and the
// frequency set.
RadioSettingsMenu {
    folder: "qrc:/RadioAvionico"
    frequencySetRow: true
}
