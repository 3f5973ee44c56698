import QtQuick
import QtTest
import "qrc:/Cessna/Instrumentos/Altimeter"

Item {
    width: 420
    height: 210

    Component {
        id: altimeterComponent
        AltimeterInst {}
    }

    TestCase {
        name: "Altimeter"
        when: windowShown

        function hands(gauge) {
            return [findChild(gauge, "tenThousand").rotation, findChild(gauge, "thousand").rotation,
                    findChild(gauge, "hundred").rotation]
        }
        function fuzzyList(actual, expected) {
            for (let i = 0; i < expected.length; ++i)
                fuzzyCompare(actual[i], expected[i], 1e-9)
        }

        // The hands are set by the change handler: they rest at 0 while the
        // altitude keeps its default and follow it from its first change (a
        // binding that gives a value at creation is a change).
        function test_handsFollowChangesOnly() {
            const idle = createTemporaryObject(altimeterComponent, parent)
            idle.altitude = 0
            compare(hands(idle), [0, 0, 0])
            const bound = createTemporaryObject(altimeterComponent, parent, {altitude: 5000.5})
            fuzzyList(hands(bound), [18.0018, 180.018, 1800.18])
        }

        function test_hands_data() {
            return [
                {tag: "12500", alt: 12500, h: [45, 90, 900]},
                {tag: "-500", alt: -500, h: [-1.8, 342, 3420]},
                {tag: "3780", alt: 3780, h: [13.608, 136.08, 1360.8]},
                {tag: "band edge", alt: 10000, h: [36, 0, 0]},
                {tag: "zero after change", alt: 0, h: [0, 0, 0]},
            ]
        }
        function test_hands(d) {
            const gauge = createTemporaryObject(altimeterComponent, parent)
            gauge.altitude = 1
            gauge.altitude = d.alt
            fuzzyList(hands(gauge), d.h)
        }

        function test_handsKeepPlaceOnNonNumber() {
            const gauge = createTemporaryObject(altimeterComponent, parent)
            gauge.altitude = 1200
            gauge.altitude = NaN
            fuzzyList(hands(gauge), [4.32, 43.2, 432])
        }

        function test_layers() {
            const gauge = createTemporaryObject(altimeterComponent, parent)
            const h = findChild(gauge, "hundred")
            compare([h.x, h.y, h.width, h.height], [21, 21, 168, 168])
            for (const name of ["dial", "tenThousand", "thousand", "hundred"])
                compare(findChild(gauge, name).status, Image.Ready, name)
        }

        function test_settingTexts_data() {
            return [
                {tag: "standard", b: 29.92, inches: "29.92", hpa: "1013"},
                {tag: "zero", b: 0, inches: "0.00", hpa: "0"},
                {tag: "default", b: undefined, inches: "22.98", hpa: "778"},
                {tag: "high", b: 31.005, inches: "31.00", hpa: "1050"},
                {tag: "not a number", b: NaN, inches: "", hpa: ""},
            ]
        }
        function test_settingTexts(d) {
            const gauge = createTemporaryObject(altimeterComponent, parent)
            if (d.b !== undefined)
                gauge.barometer = d.b
            const inches = findChild(gauge, "inches"), hpa = findChild(gauge, "hectopascals")
            compare(inches.text, d.inches)
            compare(hpa.text, d.hpa)
            // Centred on the windows, top at y = 100, white, 7 px.
            fuzzyCompare(inches.x + inches.width / 2, 175, 1e-9)
            fuzzyCompare(hpa.x + hpa.width / 2, 46, 1e-9)
            compare([inches.y, hpa.y, inches.font.pixelSize], [100, 100, 7])
            compare(String(inches.color), "#ffffff")
        }
    }
}
