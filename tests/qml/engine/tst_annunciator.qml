import QtQuick
import QtTest
import "qrc:/Cessna/Instrumentos/Annunciator"

Item {
    width: 200
    height: 50

    AnnunciatorInst { id: ann }

    TestCase {
        name: "Annunciator"
        when: windowShown

        readonly property var lamps: ["lowFuel", "lowFuelLeft", "lowFuelRight", "oilPress",
                                      "vac", "vacLeft", "vacRight", "volts"]

        function lit() {
            return lamps.filter(function(name) { return findChild(ann, name).visible })
        }
        // Healthy readings, powered, test off; then the given changes.
        function set(changes) {
            ann.busVolts = 12
            ann.lowVoltWarn = 0
            ann.oilPressure = 0
            ann.vacuum1 = 3
            ann.vacuum2 = 3
            ann.fuelQuantity1 = 20
            ann.fuelQuantity2 = 20
            ann.annunciatorTest = 0
            for (const k in changes)
                ann[k] = changes[k]
        }

        function test_defaults() {
            compare([ann.busVolts, ann.lowVoltWarn, ann.oilPressure, ann.annunciatorTest], [0, 0, 0, 0])
            compare([ann.vacuum1, ann.vacuum2, ann.fuelQuantity1, ann.fuelQuantity2], [3, 3, 20, 20])
            compare([ann.width, ann.height], [200, 50])
        }

        function test_lights_data() {
            return [
                {tag: "all healthy", c: {}, lit: []},
                {tag: "left fuel low", c: {fuelQuantity1: 4}, lit: ["lowFuel", "lowFuelLeft"]},
                {tag: "left fuel at 5", c: {fuelQuantity1: 5}, lit: []},
                {tag: "right fuel low", c: {fuelQuantity2: 4.9}, lit: ["lowFuel", "lowFuelRight"]},
                {tag: "both tanks", c: {fuelQuantity1: 0, fuelQuantity2: -1},
                 lit: ["lowFuel", "lowFuelLeft", "lowFuelRight"]},
                {tag: "oil pressure", c: {oilPressure: 1}, lit: ["oilPress"]},
                {tag: "oil pressure 2", c: {oilPressure: 2}, lit: []},
                {tag: "left vacuum", c: {vacuum1: 2.9}, lit: ["vac", "vacLeft"]},
                {tag: "right vacuum", c: {vacuum2: 2.9}, lit: ["vac", "vacRight"]},
                {tag: "right vacuum at 3", c: {vacuum2: 3}, lit: []},
                {tag: "low volts", c: {lowVoltWarn: 1}, lit: ["volts"]},
                {tag: "test", c: {annunciatorTest: 1}, lit: lamps},
                {tag: "test any non-zero", c: {annunciatorTest: -3}, lit: lamps},
                {tag: "bus at 8 V", c: {busVolts: 8, fuelQuantity1: 0, fuelQuantity2: 0, oilPressure: 1,
                                        vacuum1: 0, vacuum2: 0, lowVoltWarn: 1}, lit: []},
                {tag: "bus just above 8 V", c: {busVolts: 8.01, lowVoltWarn: 1}, lit: ["volts"]},
                // The LOW FUEL words follow the lamp test even without power.
                {tag: "test without power", c: {busVolts: 0, annunciatorTest: 1}, lit: ["lowFuel"]},
                {tag: "test at 8 V", c: {busVolts: 8, annunciatorTest: 1}, lit: ["lowFuel"]},
            ]
        }
        function test_lights(d) {
            set(d.c)
            compare(lit(), d.lit)
        }

        function test_sheets() {
            for (const name of ["back"].concat(lamps)) {
                const sheet = findChild(ann, name)
                compare([sheet.x, sheet.y, sheet.width, sheet.height], [0, 0, 200, 50], name)
                compare(sheet.status, Image.Ready, name)
                // Decoded at the size they are painted at.
                compare([sheet.sourceSize.width, sheet.sourceSize.height], [200, 50], name)
            }
            verify(findChild(ann, "back").visible)
        }
    }
}
