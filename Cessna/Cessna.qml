import QtQuick
import QtQuick.Window
import "qrc:/Classes"
import "qrc:/Classes/Modules.js" as Modules
import "qrc:/Classes/Units.js" as Units
import "CessnaLayout.js" as CessnaLayout
import "CessnaConfig"
import "Instrumentos/Adf"
import "Instrumentos/Airspeed"
import "Instrumentos/Altimeter"
import "Instrumentos/Annunciator"
import "Instrumentos/Attitude"
import "Instrumentos/Davtron"
import "Instrumentos/DME"
import "Instrumentos/DualFuel"
import "Instrumentos/EgtFuelFlow"
import "Instrumentos/HSI"
import "Instrumentos/Heading"
import "Instrumentos/LinearCompass"
import "Instrumentos/MarkerBeacon"
import "Instrumentos/Obs"
import "Instrumentos/OilTempPress"
import "Instrumentos/Plate"
import "Instrumentos/Rpm"
import "Instrumentos/Trim"
import "Instrumentos/TurnSlip"
import "Instrumentos/VacAmp"
import "Instrumentos/VerticalSpeed"
import "Instrumentos/Vor"

// The Cessna panel: the 22 instruments of a single-engine piston aircraft,
// driven by the value vector (TimedProcessing) and placed by the layout string
// of config.txt (configStringCessna). While the layout is unlocked the gauges
// can be dragged, the panel zoomed with the wheel and the placard edited;
// Escape opens the layout menu.
PanelDocument {
    id: root
    width: 1920
    height: 1080

    module: Modules.Cessna
    config: typeof configStringCessna === "string" ? configStringCessna : ""
    zoomField: CessnaLayout.zoomField
    zoomItem: container
    layoutMenu: configPanel.menuItem

    // The layout window and its menu.
    readonly property alias layoutWindow: configPanel

    // Placard clicks since edit mode last ended: odd = editing.
    property int placardClicks: 0

    // The drag handles in slot order (slot s = index s).
    slotHandles: [
        airspeedSlot, altimeterSlot, attitudeSlot, headingSlot, turnSlipSlot, verticalSpeedSlot,
        oilTempPressSlot, vacAmpSlot, dualFuelSlot, egtFuelFlowSlot, davtronSlot, rpmSlot,
        vorSlot, obsSlot, adfSlot, linearCompSlot, annSlot, markerSlot, plateSlot, hsiSlot,
        trimSlot, dmeSlot
    ]

    // Course of the second course indicator: shown only while field 62 is
    // above 120000; field 61, else field 63, else 0.
    function nav2Course() {
        if (!(Number(text(62, "")) > 120000))
            return 0
        for (const i of [61, 63]) {
            const t = field(i)
            if (t !== undefined && t !== "")
                return num(i)
        }
        return 0
    }

    // The placard text kept in the layout; text being typed into the placard
    // is not overwritten by a push.
    onLayoutApplied: fields => {
        if (CessnaLayout.placardField < fields.length && plateInst.f !== 1)
            plateInst.texto = CessnaLayout.placardText(fields[CessnaLayout.placardField])
    }

    function placardClicked() {
        placardClicks += 1
        plateInst.f = placardClicks % 2 === 1 ? 1 : 0
    }

    function finishPlacard() {
        placardClicks = 0
        plateInst.f = 0
        storeField(CessnaLayout.placardField, CessnaLayout.placardText(plateInst.texto))
    }

    function showLayoutWindow() {
        showCentred(configPanel)
    }

    Shortcut {
        sequence: "Escape"
        onActivated: root.showLayoutWindow()
    }

    // All gauges, in container coordinates; the container's scale is the
    // panel zoom, acting about its origin 10 px above the window's corner.
    Item {
        id: container
        objectName: "container"
        y: -10

        Airspeed {
            id: airspeedInst
            objectName: "airspeedInst"
            x: 440; y: 226
            value: root.num(15)
            is172: root.flag(64)
            GaugeSlot { id: airspeedSlot; panel: root; slot: 0; nominalSize: 210 }
        }
        AltimeterInst {
            id: altimeterInst
            objectName: "altimeterInst"
            x: 872; y: 226
            altitude: root.num(31)
            barometer: root.num(59)
            GaugeSlot { id: altimeterSlot; panel: root; slot: 1; nominalSize: 210 }
        }
        HorizonteInst {
            id: attitudeInst
            objectName: "attitudeInst"
            x: 656; y: 226
            altVacuum: root.num(34)
            rotationVacuum: root.num(35)
            GaugeSlot { id: attitudeSlot; panel: root; slot: 2; nominalSize: 210 }
        }
        HeadingInst {
            id: headingInst
            objectName: "headingInst"
            x: 656; y: 442
            headingMag: root.num(20)
            headingDegMag: root.num(21)
            GaugeSlot { id: headingSlot; panel: root; slot: 3; nominalSize: 210 }
        }
        TurnSlipInst {
            id: turnSlipInst
            objectName: "turnSlipInst"
            x: 440; y: 442
            slipDeg: root.num(32)
            turnrateRoll: root.num(33)
            GaugeSlot { id: turnSlipSlot; panel: root; slot: 4; nominalSize: 210 }
        }
        VerticalSpeedInst {
            id: verticalSpeedInst
            objectName: "verticalSpeedInst"
            x: 872; y: 442
            value: root.num(16)
            GaugeSlot { id: verticalSpeedSlot; panel: root; slot: 5; nominalSize: 210 }
        }
        OilTempPressInst {
            id: oilTempPressInst
            objectName: "oilTempPressInst"
            x: 8; y: 658
            // The vector's oil temperature is in deg C, the face in deg F.
            temp: Units.celsiusToFahrenheit(root.num(0))
            press: root.num(1)
            GaugeSlot { id: oilTempPressSlot; panel: root; slot: 6; nominalSize: 210 }
        }
        VacAmpInst {
            id: vacAmpInst
            objectName: "vacAmpInst"
            x: 224; y: 658
            vac: root.num(13)
            amp: root.num(14)
            GaugeSlot { id: vacAmpSlot; panel: root; slot: 7; nominalSize: 210 }
        }
        DualFuelInst {
            id: dualFuelInst
            objectName: "dualFuelInst"
            x: 8; y: 442
            leftFuel: root.num(2)
            rightFuel: root.num(3)
            GaugeSlot { id: dualFuelSlot; panel: root; slot: 8; nominalSize: 210 }
        }
        EgtFuelFlowInst {
            id: egtFuelFlowInst
            objectName: "egtFuelFlowInst"
            x: 224; y: 442
            // The vector's flow is in kg/s and EGT in deg C; the face reads
            // gallons per hour and deg F.
            fuelGalhour: Units.kgPerSecondToGallonsPerHour(root.num(7))
            egtDeg: Units.celsiusToFahrenheit(root.num(9))
            GaugeSlot { id: egtFuelFlowSlot; panel: root; slot: 9; nominalSize: 210 }
        }
        DavtronInst {
            id: davtronInst
            objectName: "davtronInst"
            x: 224; y: 226
            temp: root.num(4)
            minute: root.num(5)
            hour: root.num(6)
            GaugeSlot { id: davtronSlot; panel: root; slot: 10; nominalSize: 210 }
        }
        RpmInst {
            id: rpmInst
            objectName: "rpmInst"
            x: 872; y: 658
            value: root.num(17)
            GaugeSlot { id: rpmSlot; panel: root; slot: 11; nominalSize: 210 }
        }
        VorInst {
            id: vorInst
            objectName: "vorInst"
            x: 1088; y: 226
            hDefDot: root.num(22)
            vDefDot: root.num(23)
            compRingDeg: root.num(24)
            tofromnav: root.num(26)
            glideslope: root.num(27)
            GaugeSlot { id: vorSlot; panel: root; slot: 12; nominalSize: 210 }
        }
        ObsInst {
            id: obsInst
            objectName: "obsInst"
            x: 1088; y: 442
            obs_hDefDot: root.num(28)
            nav2sig: root.num(29)
            toFromNav: root.num(30)
            compRingDeg: root.nav2Course()
            GaugeSlot { id: obsSlot; panel: root; slot: 13; nominalSize: 210 }
        }
        AdfInst {
            id: adfInst
            objectName: "adfInst"
            x: 1088; y: 658
            heading: root.num(11)
            needle: root.num(12)
            GaugeSlot { id: adfSlot; panel: root; slot: 14; nominalSize: 210 }
        }
        LinearCompassInst {
            id: linearCompInst
            objectName: "linearCompInst"
            x: 1117; y: 79
            value: root.num(43)
            // Only the tape's window at the left shows anything.
            GaugeSlot { id: linearCompSlot; panel: root; slot: 15; nominalSize: 90; width: 150; height: 90 }
        }
        AnnunciatorInst {
            id: annInst
            objectName: "annInst"
            x: 650; y: 79
            lowVoltWarn: root.num(36)
            oilPressure: root.num(37)
            vacuum1: root.num(38)
            vacuum2: root.num(39)
            // The low-fuel sensors report kilograms; the lamps light below
            // 5 gallons.
            fuelQuantity1: Units.kilogramsToGallons(root.num(40))
            fuelQuantity2: Units.kilogramsToGallons(root.num(41))
            busVolts: root.num(47)
            // The lamp test (field 42) is not offered on this panel.
            annunciatorTest: 0
            GaugeSlot { id: annSlot; panel: root; slot: 16; nominalSize: 50 }
        }
        MarkerBeaconInst {
            id: markerInst
            objectName: "markerInst"
            x: 8; y: 77
            outer: root.num(44)
            middle: root.num(45)
            inner: root.num(46)
            GaugeSlot { id: markerSlot; panel: root; slot: 17; nominalSize: 45 }
        }
        PlateInst {
            id: plateInst
            objectName: "plateInst"
            x: 336; y: 77
            // Keeps the text storable: what the field shows is what is stored.
            onTextoChanged: {
                const clean = CessnaLayout.placardText(texto)
                if (clean !== texto)
                    texto = clean
            }
            Keys.onReturnPressed: event => { root.finishPlacard(); event.accepted = true }
            Keys.onEnterPressed: event => { root.finishPlacard(); event.accepted = true }
            GaugeSlot {
                id: plateSlot
                panel: root; slot: 18; nominalSize: 45
                onClicked: root.placardClicked()
            }
        }
        HSI {
            id: hsiInst
            objectName: "hsiInst"
            x: 8; y: 226
            heading: root.num(10)
            cdi_dots: root.num(22)
            gsi_dots: root.num(23)
            obs: root.num(24)
            bat: root.num(47)
            nav_signal: root.num(56)
            ap_heading: root.num(57)
            GaugeSlot { id: hsiSlot; panel: root; slot: 19; nominalSize: 210 }
        }
        TrimInst {
            id: trimInst
            objectName: "trimInst"
            x: 500; y: 687
            trim: root.num(50)
            flaps: root.num(51)
            GaugeSlot { id: trimSlot; panel: root; slot: 20; nominalSize: 210 }
        }
        DME {
            id: dmeInst
            objectName: "dmeInst"
            x: 600; y: 687
            nav1Dme: root.text(66, "88.8")
            nav1Min: root.text(67, "88.8")
            nav2Dme: root.text(68, "88.8")
            nav2Min: root.text(69, "88.8")
            GaugeSlot { id: dmeSlot; panel: root; slot: 21; nominalSize: 210 }
        }
    }

    // The layout window, opened with Escape.
    LayoutWindow {
        id: configPanel
        objectName: "configPanel"
        title: "C172 Instruments Configuration Panel"
        fixedWidth: 880
        fixedHeight: 750

        menu: CessnaConfig {
            fileClass: root.files
            configText: root.config
            viewmanager: root.geometry
        }
    }
}
