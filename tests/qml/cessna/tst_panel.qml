import QtQuick
import QtTest
import "qrc:/Cessna"
import "qrc:/Classes/Modules.js" as Modules

// The Cessna panel on a real file service over a temporary exchange folder.
// The test plays the instrument manager: it publishes the context properties
// and pushes config.txt back after the panel writes it.
Item {
    id: testRoot
    width: 1920
    height: 1080

    readonly property string configPath: testSupport.literalPath("config.txt")
    readonly property string lockPath: testSupport.literalPath("lock.txt")
    readonly property string defaultLayout: Modules.Cessna.defaultLayout

    // Stands in for the geometry service and records its calls.
    QtObject {
        id: windowStandIn
        property var calls: []
        function setPosition(x, y) { calls = calls.concat([["position", x, y]]) }
        function setSize(w, h) { calls = calls.concat([["size", w, h]]) }
        function setFixedSize(w, h) {}
        function setMaximumSize(w, h) {}
        function setMinimumSize(w, h) {}
        function saveWindowGeometry() { calls = calls.concat([["save"]]) }
    }

    Component {
        id: panelComponent
        Cessna {}
    }

    TestCase {
        id: test
        name: "CessnaPanel"
        when: windowShown

        property var panel: null

        // Slot table: id, document x and y, nominal size, default slot.
        readonly property var slots: [
            ["airspeedInst", 440, 226, 210, [440, 226, 210]], ["altimeterInst", 872, 226, 210, [871, 226, 210]],
            ["attitudeInst", 656, 226, 210, [656, 226, 210]], ["headingInst", 656, 442, 210, [656, 442, 210]],
            ["turnSlipInst", 440, 442, 210, [440, 442, 210]], ["verticalSpeedInst", 872, 442, 210, [872, 442, 210]],
            ["oilTempPressInst", 8, 658, 210, [8, 658, 210]], ["vacAmpInst", 224, 658, 210, [224, 658, 210]],
            ["dualFuelInst", 8, 442, 210, [2, 452, 210]], ["egtFuelFlowInst", 224, 442, 210, [224, 442, 210]],
            ["davtronInst", 224, 226, 210, [224, 226, 210]], ["rpmInst", 872, 658, 210, [872, 658, 210]],
            ["vorInst", 1088, 226, 210, [1088, 182, 210]], ["obsInst", 1088, 442, 210, [1088, 442, 210]],
            ["adfInst", 1088, 658, 210, [1088, 658, 210]], ["linearCompInst", 1117, 79, 90, [1117, 57, 90]],
            ["annInst", 650, 79, 50, [791, 87, 79]], ["markerInst", 8, 77, 45, [91, 87, 77]],
            ["plateInst", 336, 77, 45, [424, 88, 45]], ["hsiInst", 8, 226, 210, [6, 218, 210]],
            ["trimInst", 500, 687, 210, [490, 700, 210]], ["dmeInst", 600, 687, 210, [630, 700, 180]]
        ]

        function gauge(name) {
            const g = findChild(panel, name)
            verify(g, name)
            return g
        }
        function fieldOf(layout, i) {
            return layout.split(",")[i]
        }
        function withField(layout, i, value) {
            const f = layout.split(",")
            f[i] = value
            return f.join(",")
        }
        // What the instrument manager does after a write of config.txt.
        function pushConfig() {
            testSupport.setContextProperty("configStringCessna", testSupport.read(configPath))
        }
        function makePanel(layout, values, lockText) {
            testSupport.setContextProperty("TimedProcessing", values === undefined ? "" : values)
            testSupport.setContextProperty("lock", lockText === undefined ? "0" : lockText)
            testSupport.setContextProperty("configStringCessna", layout === undefined ? testRoot.defaultLayout : layout)
            testSupport.setContextProperty("viewManager", windowStandIn)
            windowStandIn.calls = []
            panel = createTemporaryObject(panelComponent, testRoot)
            verify(panel)
            return panel
        }
        // A value vector of 107 fields where field i holds i, but for the
        // fields named in `set`.
        function vector(set) {
            const v = []
            for (let i = 0; i < 107; ++i)
                v.push(String(i))
            for (const k in set)
                v[k] = set[k]
            return v.join(";")
        }

        function init() {
            testSupport.clearExchange()
            testSupport.write(lockPath, "0")
        }

        // ---- layout application ------------------------------------------

        function test_defaultLayout() {
            makePanel()
            for (let s = 0; s < 22; ++s) {
                const [name, , , nominal, slot] = slots[s]
                const g = gauge(name)
                compare([g.x, g.y], [slot[0], slot[1]], name)
                fuzzyCompare(g.scale, slot[2] / nominal, 1e-12, name)
                compare(g.visible, true, name)
                compare(panel.slotHandles[s].gauge, g, "slot order")
            }
            compare(gauge("plateInst").texto, "RADOD")
            compare(windowStandIn.calls, [["position", 0, 23], ["size", 1920, 1017]])
            compare([panel.width, panel.height], [1920, 1017])
            const container = findChild(panel, "container")
            compare(container.y, -10)
            compare(container.scale, 1)
            compare(panel.flagLock, false)
            compare(panel.layoutWindow.visible, false)
            compare(panel.layoutMenu, null, "the menu is made when its window first shows")
        }

        function test_documentPositionsWithoutLayout() {
            makePanel("")
            for (const [name, x, y] of slots)
                compare([gauge(name).x, gauge(name).y], [x, y], name)
            compare(windowStandIn.calls, [], "an empty layout does not touch the window")
            compare(gauge("plateInst").texto, "N172SF")
        }

        function test_layoutChanges() {
            makePanel()
            let layout = withField(testRoot.defaultLayout, 4, "12")
            layout = withField(layout, 6, "105")
            layout = withField(layout, 7, "0")
            layout = withField(layout, 88, "N55")
            layout = withField(layout, 93, "0.8")
            windowStandIn.calls = []
            testSupport.setContextProperty("configStringCessna", layout)
            const altimeter = gauge("altimeterInst")
            compare([altimeter.x, altimeter.scale, altimeter.visible], [12, 0.5, false])
            compare(gauge("plateInst").texto, "N55")
            compare(findChild(panel, "container").scale, 0.8)
            compare(windowStandIn.calls, [["position", 0, 23], ["size", 1920, 1017]])
            // Anything but exactly "1" hides.
            testSupport.setContextProperty("configStringCessna", withField(layout, 3, "yes"))
            compare(gauge("airspeedInst").visible, false)
        }

        function test_shortOrDamagedLayout() {
            makePanel()
            windowStandIn.calls = []
            // Fewer than 94 fields: what is there is applied, nothing else moves.
            testSupport.setContextProperty("configStringCessna", "10,20,105,1,500")
            const airspeed = gauge("airspeedInst"), altimeter = gauge("altimeterInst")
            compare([airspeed.x, airspeed.y, airspeed.scale, airspeed.visible], [10, 20, 0.5, true])
            compare([altimeter.x, altimeter.y, altimeter.scale], [500, 226, 1])
            compare(gauge("plateInst").texto, "RADOD")
            compare(windowStandIn.calls, [])
            compare(findChild(panel, "container").scale, 1)
            // Fields that are not numbers leave what they would set.
            let layout = withField(testRoot.defaultLayout, 4, "abc")
            layout = withField(layout, 5, "")
            layout = withField(layout, 89, "x")
            layout = withField(layout, 92, "0")
            layout = withField(layout, 93, "-1")
            testSupport.setContextProperty("configStringCessna", layout)
            compare([altimeter.x, altimeter.y], [500, 226])
            compare(windowStandIn.calls, [], "no nonsense position or size")
            compare(panel.height, 1017)
            compare(findChild(panel, "container").scale, 1)
            // The file emptied or deleted: nothing changes.
            testSupport.setContextProperty("configStringCessna", "")
            compare([airspeed.x, airspeed.y], [440, 226])
            compare(windowStandIn.calls, [])
        }

        // ---- value bindings ------------------------------------------------

        function test_fullVector() {
            makePanel(undefined, vector({61: "90", 62: "120001", 63: "45", 64: "0", 42: "1",
                                         66: "12.76", 67: "5.0", 68: "7.25", 69: "30.5"}))
            const expected = [
                ["oilTempPressInst", "press", 1],
                ["dualFuelInst", "leftFuel", 2], ["dualFuelInst", "rightFuel", 3],
                ["davtronInst", "temp", 4], ["davtronInst", "minute", 5], ["davtronInst", "hour", 6],
                ["hsiInst", "heading", 10], ["adfInst", "heading", 11], ["adfInst", "needle", 12],
                ["vacAmpInst", "vac", 13], ["vacAmpInst", "amp", 14], ["airspeedInst", "value", 15],
                ["verticalSpeedInst", "value", 16], ["rpmInst", "value", 17],
                ["headingInst", "headingMag", 20], ["headingInst", "headingDegMag", 21],
                ["vorInst", "hDefDot", 22], ["hsiInst", "cdi_dots", 22],
                ["vorInst", "vDefDot", 23], ["hsiInst", "gsi_dots", 23],
                ["vorInst", "compRingDeg", 24], ["hsiInst", "obs", 24],
                ["vorInst", "tofromnav", 26], ["vorInst", "glideslope", 27],
                ["obsInst", "obs_hDefDot", 28], ["obsInst", "nav2sig", 29], ["obsInst", "toFromNav", 30],
                ["altimeterInst", "altitude", 31], ["turnSlipInst", "slipDeg", 32],
                ["turnSlipInst", "turnrateRoll", 33], ["attitudeInst", "altVacuum", 34],
                ["attitudeInst", "rotationVacuum", 35], ["annInst", "lowVoltWarn", 36],
                ["annInst", "oilPressure", 37], ["annInst", "vacuum1", 38], ["annInst", "vacuum2", 39],
                ["annInst", "annunciatorTest", 0], ["linearCompInst", "value", 43],
                ["markerInst", "outer", 44], ["markerInst", "middle", 45], ["markerInst", "inner", 46],
                ["annInst", "busVolts", 47], ["hsiInst", "bat", 47],
                ["trimInst", "trim", 50], ["trimInst", "flaps", 51], ["hsiInst", "nav_signal", 56],
                ["hsiInst", "ap_heading", 57], ["altimeterInst", "barometer", 59],
                ["obsInst", "compRingDeg", 90], ["airspeedInst", "is172", true],
                ["dmeInst", "nav1Dme", "12.76"], ["dmeInst", "nav1Min", "5.0"],
                ["dmeInst", "nav2Dme", "7.25"], ["dmeInst", "nav2Min", "30.5"],
            ]
            for (const [name, input, value] of expected)
                compare(gauge(name)[input], value, name + "." + input)
        }

        // Fields in the vector's units (deg C, kilograms, kg/s) on faces in
        // deg F and US gallons of avgas; the tanks' kilograms go to the fuel
        // gauge, which reads them itself, and the clock's deg C stay.
        function test_vectorUnits_data() {
            return [
                {tag: "oil 80 C", field: 0, text: "80", gauge: "oilTempPressInst", input: "temp", value: 176},
                {tag: "flow 0.0097 kg/s", field: 7, text: "0.0097", gauge: "egtFuelFlowInst", input: "fuelGalhour",
                 value: 12.795},
                {tag: "EGT 700 C", field: 9, text: "700", gauge: "egtFuelFlowInst", input: "egtDeg", value: 1292},
                {tag: "low fuel 1: 13.65 kg", field: 40, text: "13.65", gauge: "annInst", input: "fuelQuantity1",
                 value: 5.001},
                {tag: "low fuel 2: 27.29 kg", field: 41, text: "27.29", gauge: "annInst", input: "fuelQuantity2",
                 value: 9.999},
                {tag: "left tank", field: 2, text: "35.48", gauge: "dualFuelInst", input: "leftFuel", value: 35.48},
                {tag: "outside air -3.5 C", field: 4, text: "-3.5", gauge: "davtronInst", input: "temp", value: -3.5},
            ]
        }
        function test_vectorUnits(d) {
            const set = {}
            set[d.field] = d.text
            makePanel(undefined, vector(set))
            fuzzyCompare(gauge(d.gauge)[d.input], d.value, 5e-3)
        }

        function test_emptyVector() {
            makePanel(undefined, "")
            for (const [name, input] of [["airspeedInst", "value"], ["altimeterInst", "altitude"],
                                         ["hsiInst", "bat"], ["obsInst", "compRingDeg"],
                                         ["markerInst", "outer"], ["annInst", "busVolts"]])
                compare(gauge(name)[input], 0, name + "." + input)
            compare(gauge("airspeedInst").is172, false, "a missing field is false")
            for (const input of ["nav1Dme", "nav1Min", "nav2Dme", "nav2Min"])
                compare(gauge("dmeInst")[input], "88.8", input)
        }

        function test_nav2CourseSwitch_data() {
            return [
                {tag: "above", set: {61: "90", 62: "120000.5"}, course: 90},
                {tag: "exactly 120000", set: {61: "90", 62: "120000"}, course: 0},
                {tag: "below", set: {61: "90", 62: "5"}, course: 0},
                {tag: "first source empty", set: {61: "", 62: "130000", 63: "45"}, course: 45},
            ]
        }
        function test_nav2CourseSwitch(d) {
            makePanel(undefined, vector(d.set))
            compare(gauge("obsInst").compRingDeg, d.course)
        }

        function test_vectorUpdatesAndOddFields() {
            makePanel(undefined, "")
            // A shorter vector, a field that is not a number and a line end.
            testSupport.setContextProperty("TimedProcessing", vector({15: "abc", 16: " 250\n"}).split(";").slice(0, 20).join(";"))
            compare(gauge("airspeedInst").value, 0)
            compare(gauge("verticalSpeedInst").value, 250)
            compare(gauge("rpmInst").value, 17)
            compare(gauge("altimeterInst").altitude, 0)
            compare(gauge("dmeInst").nav1Dme, "88.8")
        }

        // ---- dragging and clicking -----------------------------------------

        function test_dragWritesTruncatedSlot() {
            // Zoom 0.8 and a slot size of 215: positions and sizes with fractions.
            let layout = withField(testRoot.defaultLayout, 93, "0.8")
            layout = withField(layout, 2, "215")
            makePanel(layout)
            panel.layoutWindow.show() // makes the menu
            tryVerify(() => panel.layoutMenu !== null)
            panel.layoutWindow.close()
            testRoot.Window.window.requestActivate()
            tryVerify(() => testRoot.Window.active)
            const airspeed = gauge("airspeedInst")
            const start = airspeed.mapToItem(testRoot, 105, 105)
            mousePress(testRoot, start.x, start.y)
            for (let i = 1; i <= 10; ++i)
                mouseMove(testRoot, start.x + 3.7 * i, start.y + 2.3 * i)
            mouseRelease(testRoot, start.x + 37, start.y + 23)
            verify(airspeed.x !== 440 && airspeed.y !== 226, "the gauge moved")
            const written = testSupport.read(configPath)
            compare(written.split(",").slice(0, 4),
                    [String(Math.trunc(airspeed.x)), String(Math.trunc(airspeed.y)), "214", "1"])
            compare(written.split(",").slice(4).join(","), layout.split(",").slice(4).join(","))
            compare(panel.layoutMenu.configText, written, "the menu's working copy gets the string")
            pushConfig()
            compare(airspeed.x, Math.trunc(airspeed.x), "the pushed string places it")
        }

        function test_clickRewritesSameSlot() {
            makePanel()
            const rpm = gauge("rpmInst")
            mouseClick(rpm, 100, 100)
            compare(testSupport.read(configPath), testRoot.defaultLayout)
        }

        function test_compassHandle() {
            makePanel()
            const compass = gauge("linearCompInst")
            // The handle covers the tape's window only.
            mouseClick(compass, 300, 45)
            compare(testSupport.read(configPath), "<missing>")
            mouseClick(compass, 75, 45)
            compare(testSupport.read(configPath), testRoot.defaultLayout)
        }

        function test_lockedPanel() {
            makePanel(undefined, "", "1")
            compare(panel.flagLock, true)
            const hsi = gauge("hsiInst")
            mouseDrag(hsi, 100, 100, 50, 40)
            compare([hsi.x, hsi.y], [6, 218])
            compare(testSupport.read(configPath), "<missing>")
            panel.writeDataToFile(0, 1, 2, 3, true)
            compare(testSupport.read(configPath), "<missing>", "writeDataToFile does nothing while locked")
            // Unlocked by the next push.
            testSupport.setContextProperty("lock", "0")
            compare(panel.flagLock, false)
            mouseDrag(hsi, 100, 100, 50, 40)
            verify(testSupport.exists(configPath))
        }

        function test_lockAtStart() {
            // Without a lock text, the panel reads lock.txt itself.
            testSupport.write(lockPath, "1")
            makePanel(undefined, "", 1)
            compare(panel.flagLock, true)
        }

        function test_dragAfterResetWritesWholeLayout() {
            makePanel()
            // Reset deleted config.txt and the manager pushed "".
            testSupport.setContextProperty("configStringCessna", "")
            mouseClick(gauge("rpmInst"), 100, 100)
            compare(testSupport.read(configPath), testRoot.defaultLayout)
        }

        // ---- wheel zoom ----------------------------------------------------

        function test_wheelSteps() {
            makePanel()
            const container = findChild(panel, "container")
            mouseWheel(testRoot, 1500, 950, 0, 120)
            compare(container.scale, 1.05)
            compare(fieldOf(testSupport.read(configPath), 93), "1.05")
            mouseWheel(gauge("airspeedInst"), 100, 100, 0, 120)
            mouseWheel(testRoot, 1500, 950, 0, 120)
            compare(fieldOf(testSupport.read(configPath), 93), "1.1500000000000001")
            compare(testSupport.read(configPath).split(",").slice(0, 93).join(","),
                    testRoot.defaultLayout.split(",").slice(0, 93).join(","))
        }

        function test_wheelFloor() {
            makePanel(withField(testRoot.defaultLayout, 93, "0.15"))
            const container = findChild(panel, "container")
            mouseWheel(testRoot, 1500, 950, 0, -120)
            compare(container.scale, 0.1)
            compare(fieldOf(testSupport.read(configPath), 93), "0.1")
            mouseWheel(testRoot, 1500, 950, 0, -360)
            compare(container.scale, 0.1)
        }

        function test_wheelReadsLockFile() {
            makePanel()
            const container = findChild(panel, "container")
            for (const text of ["1", "0\n", ""]) {
                testSupport.write(lockPath, text)
                mouseWheel(testRoot, 1500, 950, 0, 120)
                compare(container.scale, 1, JSON.stringify(text))
            }
            testSupport.remove(lockPath)
            mouseWheel(testRoot, 1500, 950, 0, 120)
            compare(container.scale, 1)
            compare(testSupport.read(configPath), "<missing>")
            // The file is read at every event, whatever the lock property says.
            testSupport.write(lockPath, "0")
            testSupport.setContextProperty("lock", "1")
            mouseWheel(testRoot, 1500, 950, 0, 120)
            compare(container.scale, 1.05)
        }

        // ---- placard -------------------------------------------------------

        function test_placardEditing() {
            makePanel()
            const plate = gauge("plateInst")
            mouseClick(plate, 110, 25)
            compare(plate.f, 1)
            tryVerify(() => plate.field.activeFocus)
            plate.field.selectAll()
            for (const c of "N123,AB")
                keyClick(c)
            compare(plate.texto, "N123AB", "a comma never reaches the text")
            compare(testSupport.read(configPath), testRoot.defaultLayout, "typing writes nothing")
            keyClick(Qt.Key_Return)
            compare(plate.f, 0)
            verify(!plate.field.activeFocus)
            const written = testSupport.read(configPath)
            compare(fieldOf(written, 88), "N123AB")
            compare(written.split(",").length, 94)
            pushConfig()
            compare(plate.texto, "N123AB")
            // Enter on the keypad ends editing as well; the click count starts again.
            mouseClick(plate, 110, 25)
            compare(plate.f, 1)
            keyClick(Qt.Key_Enter)
            compare(plate.f, 0)
            mouseClick(plate, 110, 25)
            compare(plate.f, 1)
            mouseClick(plate, 110, 25)
            compare(plate.f, 0, "an even click ends edit mode")
        }

        function test_placardKeepsLayoutIntact() {
            makePanel()
            const plate = gauge("plateInst")
            plate.texto = "A,B\nC\r"
            compare(plate.texto, "ABC")
            compare(plate.field.text, "ABC", "the field shows what is stored")
            panel.finishPlacard()
            const written = testSupport.read(configPath)
            compare(written.split(",").length, 94)
            compare(fieldOf(written, 88), "ABC")
            compare(fieldOf(written, 89), "0")
        }

        function test_placardLockedIgnoresClicks() {
            makePanel(undefined, "", "1")
            const plate = gauge("plateInst")
            mouseClick(plate, 110, 25)
            compare(plate.f, 0)
        }

        // ---- layout window -------------------------------------------------

        function test_escapeOpensLayoutWindow() {
            makePanel()
            panel.forceActiveFocus()
            keyClick(Qt.Key_Escape)
            const w = panel.layoutWindow
            tryVerify(() => w.visible)
            compare(w.title, "C172 Instruments Configuration Panel")
            compare([w.width, w.height], [880, 750])
            compare([w.minimumWidth, w.maximumWidth, w.minimumHeight, w.maximumHeight], [880, 880, 750, 750])
            // Centred on the first screen (give or take the frame the
            // platform puts around the window).
            const s = Qt.application.screens[0]
            const frame = 8
            verify(Math.abs(w.x - (s.virtualX + (s.width - 880) / 2)) <= frame, "x " + w.x)
            verify(Math.abs(w.y - (s.virtualY + (s.height - 750) / 2)) <= frame, "y " + w.y)
            compare(panel.layoutMenu.configText, testRoot.defaultLayout)
            compare(panel.layoutMenu.fileClass, fileclass)
            compare(panel.layoutMenu.viewmanager, windowStandIn)
            w.close()
        }
    }
}
