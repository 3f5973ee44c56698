import QtQuick
import QtTest
import "qrc:/Classes/Modules.js" as Modules
import "qrc:/Caravan/G1000/EIS/EisScale.js" as Scale

// The engine indication strip: every number from its field (validation,
// conversion, rounding), every pointer from its number through its table, and
// the zoom, keys and drag with the general lock file's rules.
Item {
    id: stage
    width: 600
    height: 1200

    readonly property var eisComponent: Qt.createComponent("qrc:/Caravan/G1000/EIS/EIS.qml")

    QtObject {
        id: windowStandIn
        property int saves: 0
        function saveWindowGeometry() { saves += 1 }
    }

    // A value vector of 107 fields with `fields` ({index: text}) set and the
    // others absent (undefined) unless `filler` is given.
    function vector(fields, filler) {
        const v = new Array(107).fill(filler === undefined ? "" : filler)
        let last = -1
        for (const k in fields) {
            v[k] = fields[k]
            last = Math.max(last, Number(k))
        }
        return filler === undefined ? v.slice(0, last + 1) : v
    }

    TestCase {
        name: "EngineIndication"
        when: windowShown

        property var eis: null

        function make(config) {
            testSupport.clearExchange()
            testSupport.setContextProperty("viewManager", windowStandIn)
            windowStandIn.saves = 0
            compare(stage.eisComponent.status, Component.Ready, stage.eisComponent.errorString())
            eis = createTemporaryObject(stage.eisComponent, stage,
                                        config === undefined ? {} : {config: config})
            verify(eis)
            return eis
        }
        function item(name) {
            const i = findChild(eis, name)
            verify(i, name)
            return i
        }

        // Field, text shown, and where the field's pointer stands (a rotation,
        // an x, or the column's height), as the strip is specified.
        function test_numbers_data() {
            return [
                {tag: "torque 2034 N.m", f: 65, v: "2034", item: "torqueValue", text: "1500", ptr: "ponteiroTorque", rotation: 303},
                {tag: "torque read whole before converting", f: 65, v: "0.6", item: "torqueValue", text: "1", ptr: "ponteiroTorque", rotation: 224.034},
                {tag: "torque absent", f: 65, item: "torqueValue", text: "0", ptr: "ponteiroTorque", rotation: 224},
                {tag: "torque negative", f: 65, v: "-40", item: "torqueValue", text: "0", ptr: "ponteiroTorque", rotation: 224},
                {tag: "torque beyond the scale", f: 65, v: "5000", item: "torqueValue", text: "3688", ptr: "ponteiroTorque", rotation: 462},
                {tag: "itt 725", f: 70, v: "725", item: "ittValue", text: "725", ptr: "ponteiroItt", rotation: 361.5},
                {tag: "itt half up", f: 70, v: "724.5", item: "ittValue", text: "725", ptr: "ponteiroItt", rotation: 361.5},
                {tag: "itt not a number", f: 70, v: "hot", item: "ittValue", text: "NaN", ptr: "ponteiroItt", rotation: 261},
                {tag: "ng 97.4", f: 71, v: "97.4", item: "ngRMPValue", text: "97.4", ptr: "ponteiroNgRpm", rotation: 401.54},
                {tag: "ng decimal half away from zero", f: 71, v: "1.15", item: "ngRMPValue", text: "1.2", ptr: "ponteiroNgRpm", rotation: 261.8},
                {tag: "ng zero keeps its decimal", f: 71, v: "0", item: "ngRMPValue", text: "0.0", ptr: "ponteiroNgRpm", rotation: 261},
                {tag: "ng negative", f: 71, v: "-2", item: "ngRMPValue", text: "0", ptr: "ponteiroNgRpm", rotation: 261},
                {tag: "prop rpm", f: 72, v: "1899.5", item: "propRPMValue", text: "1900"},
                {tag: "oil pressure 120", f: 1, v: "120", item: "oilPsiValue", text: "120", ptr: "ponteiroOilPsi", x: 208.5},
                {tag: "oil pressure 40", f: 1, v: "40", item: "oilPsiValue", text: "40", ptr: "ponteiroOilPsi", x: 78},
                {tag: "oil pressure 95", f: 1, v: "95", item: "oilPsiValue", text: "95", ptr: "ponteiroOilPsi", x: 172.5},
                {tag: "oil temperature 75", f: 0, v: "75", item: "oilDegCValue", text: "75", ptr: "ponteiroOilDegC", x: 164.5522388},
                {tag: "oil temperature absent", f: 0, item: "oilDegCValue", text: "0", ptr: "ponteiroOilDegC", x: 17},
                {tag: "fuel left 200 kg", f: 2, v: "200", item: "fuelLeftValue", text: "440.9", ptr: "ponteiroFuelLeft", height: 56.1125},
                {tag: "fuel left read to a tenth first", f: 2, v: "0.04", item: "fuelLeftValue", text: "0.0", ptr: "ponteiroFuelLeft", height: 0},
                {tag: "fuel right 300 kg", f: 3, v: "300", item: "fuelRightValue", text: "661.4", ptr: "ponteiroFuelRight", height: 84.1355},
                {tag: "fuel right absent", f: 3, item: "fuelRightValue", text: "0.0", ptr: "ponteiroFuelRight", height: 0},
                {tag: "fuel right above full", f: 3, v: "600", item: "fuelRightValue", text: "1322.8", ptr: "ponteiroFuelRight", height: 129},
                {tag: "fuel flow absent", f: 7, item: "fuelFlowValue", text: "0.0"},
                {tag: "fuel flow empty", f: 7, v: "", item: "fuelFlowValue", text: "0.0"},
                {tag: "fuel flow 0.05 kg/s", f: 7, v: "0.05", item: "fuelFlowValue", text: "396.8"},
                {tag: "fuel flow negative stays", f: 7, v: "-0.01", item: "fuelFlowValue", text: "-79.4"},
                {tag: "battery -5.2", f: 73, v: "-5.2", item: "batAmpsValue", text: "0"},
                {tag: "battery 5.25", f: 73, v: "5.25", item: "batAmpsValue", text: "5.3"},
                {tag: "bus volts", f: 47, v: "28.04", item: "busVoltsValue", text: "28.0"},
                {tag: "bus volts absent", f: 47, item: "busVoltsValue", text: "0"},
            ]
        }
        function test_numbers(d) {
            make()
            const fields = {}
            if (d.v !== undefined)
                fields[d.f] = d.v
            // The other fields hold a number far from these cases when the
            // field itself is given, so a swapped field shows up.
            eis.instrumentValues = d.v === undefined ? stage.vector(fields) : stage.vector(fields, "33")
            compare(item(d.item).text, d.text)
            if (d.ptr === undefined)
                return
            const p = item(d.ptr)
            if (d.rotation !== undefined)
                fuzzyCompare(p.rotation, d.rotation, 1e-3)
            if (d.x !== undefined)
                fuzzyCompare(p.x, d.x, 1e-6)
            if (d.height !== undefined)
                fuzzyCompare(p.height, d.height, 1e-3)
        }

        // Every point of every table, typed as specified.
        function test_tables_data() {
            return [
                {tag: "torque", f: "torqueAngle", points: [-1, 0, 1000, 1100, 1200, 1300, 1400, 1500, 1600, 1700, 1800, 1900, 2000, 2500, 3000, 3500],
                 values: [224, 224, 258, 267, 276, 284, 293, 303, 315, 327, 340, 353, 367, 429, 462, 462]},
                {tag: "itt", f: "ittAngle", points: [0, 600, 650, 700, 750, 800, 850, 900, 950, 1200],
                 values: [261, 324, 339, 354, 369, 384, 399, 413, 426, 426]},
                {tag: "ng", f: "ngAngle", points: [0, 12, 50, 60, 70, 80, 90, 100, 110, 120],
                 values: [261, 269, 299, 320, 342, 363.5, 386, 407, 427, 427]},
                {tag: "oil pressure", f: "oilPressureX", points: [0, 40, 84, 85, 105, 115, 200],
                 values: [17, 78, 142, 145, 200, 208.5, 208.5]},
                {tag: "oil temperature", f: "oilTemperatureX", points: [-10, 0, 32, 99, 100, 115],
                 values: [17, 17, 110, 195, 201, 208.5]},
                {tag: "fuel", f: "fuelExtent", points: [0, 200, 400, 600, 800, 1000, 1200],
                 values: [0, -24.5, -51, -76, -102.5, -129, -129]},
            ]
        }
        function test_tables(d) {
            for (let i = 0; i < d.points.length; ++i)
                compare(Scale[d.f](d.points[i]), d.values[i], d.tag + " at " + d.points[i])
        }

        // The pointers are vector images, sized by the pictures themselves.
        function test_pointerImages() {
            make()
            const arc = item("ponteiroTorque")
            compare([arc.width, arc.height], [100, 100])
            compare(findChild(arc, "raster").status, Image.Ready)
            compare(item("ponteiroFuelLeft").width, 12)
            compare(item("background").status, Image.Ready)
        }

        function test_wheelZoomNeedsTheGeneralLockAtZero() {
            make("10,20,240,1000")
            testSupport.write(Modules.lockGeralPath, "1")
            mouseWheel(eis, 100, 100, 0, 120)
            compare(eis.zoom, 1)
            testSupport.write(Modules.lockGeralPath, "0")
            mouseWheel(eis, 100, 100, 0, 120)
            fuzzyCompare(eis.zoom, 1.05, 1e-12)
            compare(eis.config, "10,20,240,1000,1.0500")
            compare([eis.width, eis.height], [252, 1050])
            for (let i = 0; i < 30; ++i)
                mouseWheel(eis, 10, 10, 0, -120)
            compare(eis.zoom, 0.1)
            compare(testSupport.read(Modules.EIS.configPath), "<missing>")
        }

        function test_keys() {
            make("10,20,240,1000,0.5")
            compare(eis.zoom, 0.5) // the stored zoom, restored
            eis.forceActiveFocus()
            testSupport.write(Modules.lockGeralPath, "1")
            keyClick(Qt.Key_S)
            compare(testSupport.read(Modules.EIS.configPath), "<missing>")
            compare(windowStandIn.saves, 0)
            testSupport.write(Modules.lockGeralPath, "0")
            eis.zoom = 0.75
            keyClick(Qt.Key_S)
            compare(testSupport.read(Modules.EIS.configPath), "10,20,240,1000,0.75")
            compare(windowStandIn.saves, 1)
            // L flips the general lock file, twice back to where it was; any
            // other content stays.
            keyClick(Qt.Key_L)
            compare(testSupport.read(Modules.lockGeralPath), "1")
            keyClick(Qt.Key_L)
            compare(testSupport.read(Modules.lockGeralPath), "0")
            testSupport.write(Modules.lockGeralPath, "locked")
            keyClick(Qt.Key_L)
            compare(testSupport.read(Modules.lockGeralPath), "locked")
        }

        // A stored zoom that is not a positive number leaves the zoom at 1.
        function test_storedZoom_data() {
            return [{tag: "none", config: "1,2,3,4", zoom: 1}, {tag: "text", config: "1,2,3,4,big", zoom: 1},
                    {tag: "tiny", config: "1,2,3,4,0.01", zoom: 0.1}, {tag: "two", config: "1,2,3,4,2", zoom: 2}]
        }
        function test_storedZoom(d) {
            compare(make(d.config).zoom, d.zoom)
        }

        // The drag keeps the strip inside its parent, whatever the lock.
        function test_dragStaysInside() {
            make()
            testSupport.write(Modules.lockGeralPath, "1")
            eis.zoom = 0.5
            mouseDrag(eis, 50, 50, 500, 900)
            compare([eis.x, eis.y], [stage.width - 120, stage.height - 500])
            mouseDrag(eis, 50, 50, -2000, -2000)
            compare([eis.x, eis.y], [0, 0])
        }
    }
}
