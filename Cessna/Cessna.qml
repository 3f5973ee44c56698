import QtQuick
import QtQuick.Window
import "qrc:/Classes"
import "qrc:/Classes/LayoutString.js" as LayoutString
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
Rectangle {
    id: root
    color: "#000000"
    width: 1920
    height: 1080

    // What the module window publishes; a property that is not there (yet)
    // reads as empty.
    property var instrumentValues: typeof TimedProcessing === "string" ? TimedProcessing.split(";") : []
    property string config: typeof configStringCessna === "string" ? configStringCessna : ""
    property string lockString: typeof lock === "string" ? lock : ""
    property bool flagLock: false

    // The layout window and its menu.
    readonly property alias layoutWindow: configPanel
    readonly property alias layoutMenu: configMenu

    readonly property var files: typeof fileclass !== "undefined" ? fileclass : null
    readonly property var geometry: typeof viewManager !== "undefined" ? viewManager : null

    // Placard clicks since edit mode last ended: odd = editing.
    property int placardClicks: 0

    // Wheel angle (1/8 degree units) per unit of zoom: one notch of 120 adds 0.05.
    readonly property real wheelAnglePerZoom: 2400
    readonly property real minimumZoom: 0.1

    // The drag handles in slot order (slot s = index s).
    readonly property var slotHandles: [
        airspeedSlot, altimeterSlot, attitudeSlot, headingSlot, turnSlipSlot, verticalSpeedSlot,
        oilTempPressSlot, vacAmpSlot, dualFuelSlot, egtFuelFlowSlot, davtronSlot, rpmSlot,
        vorSlot, obsSlot, adfSlot, linearCompSlot, annSlot, markerSlot, plateSlot, hsiSlot,
        trimSlot, dmeSlot
    ]

    // ---- value vector ------------------------------------------------------

    // Field i as text, or undefined when the vector is too short.
    function field(i) {
        return i < instrumentValues.length ? instrumentValues[i] : undefined
    }
    // Field i as a number: 0 when missing or not a decimal number.
    function num(i) {
        const text = field(i)
        if (text === undefined)
            return 0
        const n = Number(text)
        return isFinite(n) ? n : 0
    }
    // Field i as a flag: any text that is not empty is true.
    function flag(i) {
        const text = field(i)
        return text !== undefined && text !== ""
    }
    // Field i as text, or the fallback when missing.
    function text(i, fallback) {
        const t = field(i)
        return t === undefined ? fallback : t
    }
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

    // ---- layout --------------------------------------------------------------

    // Applies a layout string as far as it is valid: a slot field, the
    // placard, the window geometry or the zoom that is missing or not a number
    // leaves what it would set as it is.
    function updateInsts(texto) {
        const layout = typeof texto === "string" ? texto : ""
        for (const handle of slotHandles)
            handle.apply(layout)
        const placard = CessnaLayout.placard(layout)
        // Text being typed into the placard is not overwritten by a push.
        if (placard !== undefined && plateInst.f !== 1)
            plateInst.texto = placard
        const g = CessnaLayout.windowGeometry(layout)
        if (g.x !== undefined && geometry)
            geometry.setPosition(g.x, g.y)
        if (g.width !== undefined) {
            if (geometry)
                geometry.setSize(g.width, g.height)
            root.width = g.width
            root.height = g.height
        }
        const z = CessnaLayout.zoom(layout)
        if (z !== undefined)
            container.scale = z
    }

    // Writes a layout string to config.txt. Every edit starts from
    // CessnaLayout.complete(config): a layout that lacks fields (the file was
    // emptied, or deleted by the menu's Reset) is completed from the default,
    // so that what is written is always a whole layout.
    function store(layout) {
        if (files)
            files.writeFile(layout, CessnaLayout.configPath)
    }

    function writeDataToFile(pos, x, y, size, visible) {
        if (flagLock)
            return
        const layout = LayoutString.replaceSlot(CessnaLayout.complete(config), pos, 0, x, y, size, visible)
        configMenu.configText = layout
        store(layout)
    }

    // Wheel zoom: only while lock.txt reads exactly "0" (read at every event).
    function zoomBy(angle) {
        if (angle === 0 || !files || files.readTextFromFile(CessnaLayout.lockPath) !== "0")
            return
        const zoom = Math.max(container.scale + angle / wheelAnglePerZoom, minimumZoom)
        container.scale = zoom
        // String() gives the shortest decimal that reads back as the same number.
        store(LayoutString.replaceField(CessnaLayout.complete(config), CessnaLayout.zoomField, String(zoom)))
    }

    function placardClicked() {
        placardClicks += 1
        plateInst.f = placardClicks % 2 === 1 ? 1 : 0
    }

    function finishPlacard() {
        placardClicks = 0
        plateInst.f = 0
        const placard = CessnaLayout.placardText(plateInst.texto)
        store(LayoutString.replaceField(CessnaLayout.complete(config), CessnaLayout.placardField, placard))
    }

    function showLayoutWindow() {
        configPanel.show()
        const screen = Qt.application.screens.length > 0 ? Qt.application.screens[0] : null
        if (screen) {
            configPanel.x = screen.virtualX + (screen.width - configPanel.width) / 2
            configPanel.y = screen.virtualY + (screen.height - configPanel.height) / 2
        }
        configPanel.raise()
        configPanel.requestActivate()
    }

    // Set once the document has been created: from then on every new layout
    // string is applied (the first one is applied by onCompleted).
    property bool created: false

    onConfigChanged: {
        if (created)
            updateInsts(config)
    }
    onLockStringChanged: flagLock = lockString === "1"

    Component.onCompleted: {
        created = true
        if (config !== "")
            updateInsts(config)
        if (typeof lock === "string")
            flagLock = lock === "1"
        else if (files)
            flagLock = files.readTextFromFile(CessnaLayout.lockPath) === "1"
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
            temp: root.num(0)
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
            fuelGalhour: root.num(7)
            egtDeg: root.num(9)
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
            fuelQuantity1: root.num(40)
            fuelQuantity2: root.num(41)
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

    // Wheel anywhere over the panel zooms it; presses go through to the gauges.
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.NoButton
        onWheel: wheel => {
            root.zoomBy(wheel.angleDelta.y)
            wheel.accepted = true
        }
    }

    // The layout window, opened with Escape. It stays above the panel
    // windows, which are themselves kept on top.
    Window {
        id: configPanel
        objectName: "configPanel"
        title: "C172 Instruments Configuration Panel"
        width: 880
        height: 750
        minimumWidth: 880
        maximumWidth: 880
        minimumHeight: 750
        maximumHeight: 750
        visible: false
        transientParent: null
        flags: Qt.Window | Qt.WindowStaysOnTopHint

        CessnaConfig {
            id: configMenu
            fileClass: root.files
            configText: root.config
            viewmanager: root.geometry
        }
    }
}
