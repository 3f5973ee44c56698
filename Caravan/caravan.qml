import QtQuick
import "qrc:/Classes"
import "qrc:/Classes/Modules.js" as Modules
import "CaravanConfig"
import "instrumentos/Airspeed"
import "instrumentos/Torque"
import "instrumentos/Altimeter"
import "instrumentos/Attitude"

// The Caravan panel: airspeed, attitude, altimeter and torque of a turboprop,
// driven by the value vector and placed by the layout string of
// configCaravan.txt. Gauges are dragged while the layout is unlocked; sizes
// come from the layout string only. Keys: S stores the window's place and
// size, R reloads the layout from its file, L flips the lock file; Escape
// opens the layout menu.
PanelDocument {
    id: root
    width: 1920
    height: 1080
    focus: true

    module: Modules.Caravan
    slotHandles: [airspeedSlot, attitudeSlot, altimeterSlot, torqueSlot]
    layoutMenu: configMenu

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

    readonly property alias layoutWindow: configPanel

    // R: the layout file read again, made the current layout and applied
    // (window included), only while lock.txt reads exactly "0".
    function reloadLayout() {
        const text = files.readTextFromFile(module.configPath)
        config = text
        updateInsts(text)
    }
    // L: "1" becomes "0" and "0" becomes "1"; any other text stays.
    function toggleLockFile() {
        const t = files.readTextFromFile(lockPath)
        if (t === "1" || t === "0")
            files.writeFile(t === "1" ? "0" : "1", lockPath)
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
            toggleLockFile()
            event.accepted = true
            break
        }
    }

    Shortcut {
        sequence: "Escape"
        onActivated: root.showCentred(configPanel)
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

    // The layout menu, opened with Escape, in a window of the menu's size.
    LayoutWindow {
        id: configPanel
        objectName: "configPanel"
        title: "Caravan Instruments Configuration Panel"
        fixedWidth: 1100
        fixedHeight: 600

        CaravanConfig {
            id: configMenu
            fileClass: root.files
            configText: root.config
            viewmanager: root.geometry
        }
    }
}
