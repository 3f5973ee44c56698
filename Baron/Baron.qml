import QtQuick
import "qrc:/Classes"
import "qrc:/Classes/Modules.js" as Modules
import "BaronConfig"
import "instrumentos/AirspeedB58"
import "instrumentos/Altimeter"
import "instrumentos/Attitude"
import "instrumentos/EngTempBaron"
import "instrumentos/FuelFlowBaron"
import "instrumentos/HSI"
import "instrumentos/InstrumenteAir"
import "instrumentos/OilBaron"
import "instrumentos/PressBaron"
import "instrumentos/RPMBaron"
import "instrumentos/TurnCoordinator"
import "instrumentos/VSBaron"
import "instrumentos/Vor"

// The Baron panel: flight instruments and the two engines' gauges of a
// twin-engine piston aircraft, driven by the value vector and placed by the
// layout string of configBaron.txt (window first, then the zoom, then the
// eighteen slots). While the layout is unlocked a gauge is dragged to move it
// and resized with the wheel over it; Escape opens the layout menu.
PanelDocument {
    id: root
    width: 1920
    height: 1080

    module: Modules.Baron
    config: typeof configStringBaron === "string" ? configStringBaron : ""
    // Fields 0 to 3 are the window, 4 the zoom, 5 on the slots.
    firstSlotField: 5
    zoomField: 4
    zoomItem: container
    wheelZoomsPanel: false
    layoutMenu: configPanel.menuItem

    // Scale change of a gauge per wheel event.
    readonly property real step: 0.05

    readonly property alias layoutWindow: configPanel

    slotHandles: [
        airspeedSlot, altimeterSlot, hsiSlot, attitudeSlot, rpmLeftSlot, rpmRightSlot,
        pressLeftSlot, pressRightSlot, fuelFlowLeftSlot, fuelFlowRightSlot, oilLeftSlot, oilRightSlot,
        vsSlot, engTempLeftSlot, engTempRightSlot, instrumentAirSlot, turnCoordinatorSlot, vorSlot
    ]

    // Escape: the menu's window shows at once and is centred on its screen
    // once the pending layout work has run.
    Shortcut {
        sequence: "Escape"
        onActivated: {
            configPanel.show()
            centreLater.start()
        }
    }
    Timer {
        id: centreLater
        interval: 0
        onTriggered: root.showCentred(configPanel)
    }

    // All gauges, in container coordinates; the container's scale is the
    // panel zoom, acting about its origin 10 px above the window's corner.
    Item {
        id: container
        objectName: "container"
        y: -10

        AirspeedB58 {
            id: airspeedInst
            objectName: "airspeedInst"
            x: 36; y: 479
            value: root.num(15)
            GaugeSlot { id: airspeedSlot; panel: root; slot: 0; wheelStep: root.step }
        }
        AltimeterInst {
            id: altimeterInst
            objectName: "altimeterInst"
            x: 36; y: 712
            altitude: root.num(31)
            barometer: root.num(59)
            GaugeSlot { id: altimeterSlot; panel: root; slot: 1; wheelStep: root.step }
        }
        HSI {
            id: hsiInst
            objectName: "hsiInst"
            x: 36; y: 246
            heading: root.num(10)
            cdi_dots: root.num(22)
            gsi_dots: root.num(23)
            obs: root.num(24)
            bat: root.num(47)
            to_from: root.num(53)
            gsi_signal: root.num(54)
            nav_signal: root.num(55)
            ap_heading: root.num(57)
            GaugeSlot { id: hsiSlot; panel: root; slot: 2; wheelStep: root.step }
        }
        HorizonteInst {
            id: attitudeInst
            objectName: "attitudeInst"
            x: 36; y: 19
            altVacuum: root.num(34)
            rotationVacuum: root.num(35)
            GaugeSlot { id: attitudeSlot; panel: root; slot: 3; wheelStep: root.step }
        }
        RPMBaron {
            id: rpmLeft
            objectName: "rpmLeft"
            x: 786; y: 246
            value: root.num(72)
            GaugeSlot { id: rpmLeftSlot; panel: root; slot: 4; wheelStep: root.step }
        }
        RPMBaron {
            id: rpmRight
            objectName: "rpmRight"
            x: 786; y: 19
            value: root.num(100)
            GaugeSlot { id: rpmRightSlot; panel: root; slot: 5; wheelStep: root.step }
        }
        PressBaron {
            id: pressLeft
            objectName: "pressLeft"
            x: 786; y: 479
            value: root.num(48)
            GaugeSlot { id: pressLeftSlot; panel: root; slot: 6; wheelStep: root.step }
        }
        PressBaron {
            id: pressRight
            objectName: "pressRight"
            x: 531; y: 718
            value: root.num(99)
            GaugeSlot { id: pressRightSlot; panel: root; slot: 7; wheelStep: root.step }
        }
        FuelFlowBaron {
            id: fuelFlowLeft
            objectName: "fuelFlowLeft"
            x: 531; y: 479
            value: root.num(7)
            GaugeSlot { id: fuelFlowLeftSlot; panel: root; slot: 8; wheelStep: root.step }
        }
        FuelFlowBaron {
            id: fuelFlowRight
            objectName: "fuelFlowRight"
            x: 531; y: 246
            value: root.num(101)
            GaugeSlot { id: fuelFlowRightSlot; panel: root; slot: 9; wheelStep: root.step }
        }
        OilBaron {
            id: oilLeft
            objectName: "oilLeft"
            x: 276; y: 712
            temp: root.num(0)
            press: root.num(1)
            GaugeSlot { id: oilLeftSlot; panel: root; slot: 10; wheelStep: root.step }
        }
        OilBaron {
            id: oilRight
            objectName: "oilRight"
            x: 276; y: 246
            temp: root.num(103)
            press: root.num(102)
            GaugeSlot { id: oilRightSlot; panel: root; slot: 11; wheelStep: root.step }
        }
        VsBaron {
            id: vs
            objectName: "vs"
            x: 276; y: 479
            value: root.num(16)
            GaugeSlot { id: vsSlot; panel: root; slot: 12; wheelStep: root.step }
        }
        EngTempBaron {
            id: engTempLeft
            objectName: "engTempLeft"
            x: 276; y: 19
            egt: root.num(9)
            cht: root.num(104)
            GaugeSlot { id: engTempLeftSlot; panel: root; slot: 13; wheelStep: root.step }
        }
        EngTempBaron {
            id: engTempRight
            objectName: "engTempRight"
            x: 531; y: 19
            cht: root.num(105)
            egt: root.num(106)
            GaugeSlot { id: engTempRightSlot; panel: root; slot: 14; wheelStep: root.step }
        }
        InstrumentAir {
            id: instrumentAir
            objectName: "instrumentAir"
            x: 786; y: 712
            value: root.num(38)
            GaugeSlot { id: instrumentAirSlot; panel: root; slot: 15; wheelStep: root.step }
        }
        TurnCoordinator {
            id: turnCoordinatorInst
            objectName: "turnCoordinatorInst"
            x: 36; y: 40
            slipSkid: root.num(32)
            // The panel has no turn-rate field: the symbol stays level.
            turnRate: 0
            GaugeSlot { id: turnCoordinatorSlot; panel: root; slot: 16; wheelStep: root.step }
        }
        VorInst {
            id: vorInst
            objectName: "vorInst"
            x: 1022; y: 718
            hDefDot: root.num(22)
            vDefDot: root.num(23)
            compRingDeg: root.num(24)
            nav2sig: root.num(25)
            tofromnav: root.num(26)
            glideslope: root.num(27)
            GaugeSlot { id: vorSlot; panel: root; slot: 17; wheelStep: root.step }
        }
    }

    LayoutWindow {
        id: configPanel
        objectName: "configPanel"
        title: "Baron Instruments Configuration Panel"
        fixedWidth: 1100
        fixedHeight: 771

        menu: BaronConfig {
            fileClass: root.files
            configText: root.config
            viewmanager: root.geometry
        }
    }
}
