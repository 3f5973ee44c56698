import QtQuick
import "qrc:/Classes"
import "qrc:/Classes/LockFile.js" as LockFile
import "qrc:/Classes/Modules.js" as Modules
import "instrumentos/Airspeed"
import "instrumentos/Torque"
import "instrumentos/Altimeter"
import "instrumentos/Attitude"

// The Caravan's four gauges (airspeed, attitude, altimeter, torque of a
// turboprop) on their 1920 x 1080 black panel, driven by the value vector and
// placed by the layout string of configCaravan.txt. Gauges are dragged while
// the layout is unlocked; sizes come from the layout string only. Keys: S
// stores the window's place and size, R reloads the layout from its file, L
// flips the lock file.
//
// The Caravan panel (caravan.qml) adds its layout menu; the Analogicos block
// (G1000/Analogicos) moves and zooms the panel as a whole.
PanelDocument {
    id: root
    width: 1920
    height: 1080
    focus: true

    module: Modules.Caravan
    slotHandles: [airspeedSlot, attitudeSlot, altimeterSlot, torqueSlot]

    // The layout string: every push replaces it, and so does R.
    readonly property string pushedConfig: typeof configStringCaravan === "string" ? configStringCaravan : ""
    onPushedConfigChanged: config = pushedConfig
    config: pushedConfig

    // Size of every gauge; a stored size divided by inst_width is its scale.
    readonly property real inst_width: 210
    readonly property real inst_height: 210
    readonly property string lockPath: Modules.lockPath
    // The dial reads foot-pounds x 100: field 65 times this.
    readonly property real torqueFactor: 0.74

    // R: the layout file read again, made the current layout and applied
    // (window included), only while lock.txt reads exactly "0".
    function reloadLayout() {
        const text = files.readTextFromFile(module.configPath)
        config = text
        updateInsts(text)
    }

    Keys.onPressed: event => {
        if (!files)
            return
        switch (event.key) {
        case Qt.Key_S:
            if (lockFileReads("0")) {
                if (geometry)
                    geometry.saveWindowGeometry()
                event.accepted = true
            }
            break
        case Qt.Key_R:
            if (lockFileReads("0")) {
                reloadLayout()
                event.accepted = true
            }
            break
        case Qt.Key_L:
            LockFile.toggle(files, lockPath)
            event.accepted = true
            break
        }
    }

    Airspeed {
        id: airspeedInst
        objectName: "airspeedInst"
        x: 100; y: 100
        width: root.inst_width; height: root.inst_height
        speed: root.num(15)
        GaugeSlot { id: airspeedSlot; panel: root; slot: 0; nominalSize: root.inst_width }
    }
    HorizonteInst {
        id: attitudeInst
        objectName: "attitudeInst"
        x: 300; y: 100
        width: root.inst_width; height: root.inst_height
        altVacuum: root.num(34)
        rotationVacuum: root.num(35)
        GaugeSlot { id: attitudeSlot; panel: root; slot: 1; nominalSize: root.inst_width }
    }
    AltimeterInst {
        id: altimeterInst
        objectName: "altimeterInst"
        x: 500; y: 100
        width: root.inst_width; height: root.inst_height
        altitude: root.num(31)
        barometer: root.num(59)
        GaugeSlot { id: altimeterSlot; panel: root; slot: 2; nominalSize: root.inst_width }
    }
    Torque {
        id: torqueInst
        objectName: "torqueInst"
        x: 700; y: 100
        width: root.inst_width; height: root.inst_height
        torque: root.num(65) * root.torqueFactor
        GaugeSlot { id: torqueSlot; panel: root; slot: 3; nominalSize: root.inst_width }
    }
}
