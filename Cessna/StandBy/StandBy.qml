import QtQuick
import "qrc:/Classes"
import "qrc:/Classes/Modules.js" as Modules
import "StandByConfig"
import "instrumentos/Airspeed"
import "instrumentos/AirspeedB58"
import "instrumentos/Altimeter"
import "instrumentos/Attitude"
import "instrumentos/Manifold"
import "instrumentos/Suction"
import "instrumentos/Trim"

// The stand-by panel: seven instruments for a separate screen, driven by the
// value vector and placed by the layout string of configStandBy.txt. The black
// panel zooms about its centre, so the white window shows around it below
// zoom 1; the wheel zooms it whether the layout is locked or not. Escape opens
// the configuration menu.
PanelDocument {
    id: root
    width: 650
    height: 1000
    color: "white"

    module: Modules.StandBy
    config: typeof configStringStandBy === "string" ? configStringStandBy : ""
    // Fields 0 to 27 are the seven slots, 28 to 31 the window; field 33 is
    // carried along unread.
    zoomField: 32
    zoomItem: container
    zoomNeedsUnlockFile: false

    readonly property alias layoutWindow: standConfigWindow

    slotHandles: [airspeedSlot, altimeterSlot, horizonteSlot, manifoldSlot, suctionSlot, trimSlot,
        airspeed58Slot]

    Shortcut {
        sequence: "Escape"
        onActivated: root.showCentred(standConfigWindow)
    }

    Rectangle {
        id: container
        objectName: "container"
        width: root.width
        height: root.height
        color: "black"

        Airspeed {
            id: airspeedInst
            objectName: "airspeedInst"
            x: 174; y: 225
            value: root.num(15)
            is172: root.flag(64)
            GaugeSlot { id: airspeedSlot; panel: root; slot: 0 }
        }
        AltimeterInst {
            id: altimeterInst
            objectName: "altimeterInst"
            x: 390; y: 225
            altitude: root.num(31)
            barometer: root.num(59)
            GaugeSlot { id: altimeterSlot; panel: root; slot: 1 }
        }
        HorizonteInst {
            id: horizonteInst
            objectName: "horizonteInst"
            x: 174; y: 9
            altVacuum: root.num(34)
            rotationVacuum: root.num(35)
            GaugeSlot { id: horizonteSlot; panel: root; slot: 2 }
        }
        ManifoldInst {
            id: manifoldInst
            objectName: "manifoldInst"
            x: 174; y: 441
            manifoldValue: root.num(48)
            GaugeSlot { id: manifoldSlot; panel: root; slot: 3 }
        }
        SuctionInst {
            id: suctionInst
            objectName: "suctionInst"
            x: 390; y: 441
            suctionValue: root.num(49)
            GaugeSlot { id: suctionSlot; panel: root; slot: 4 }
        }
        TrimInst {
            id: trimInst
            objectName: "trimInst"
            x: 60; y: 687
            trim: root.num(50)
            flaps: root.num(51)
            GaugeSlot { id: trimSlot; panel: root; slot: 5 }
        }
        AirspeedB58 {
            id: airspeed58Instance
            objectName: "airspeed58Instance"
            x: 400; y: 400
            value: root.num(15)
            GaugeSlot { id: airspeed58Slot; panel: root; slot: 6 }
        }
    }

    LayoutWindow {
        id: standConfigWindow
        objectName: "standConfigWindow"
        title: "C172 StandBy Instruments Configuration Panel"
        fixedWidth: 690
        fixedHeight: 600

        menu: StandByConfigMenu {
            fileClass: root.files
            configText: root.config
            viewmanager: root.geometry
        }
    }
}
