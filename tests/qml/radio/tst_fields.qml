import QtQuick
import QtTest
import "qrc:/RadioAvionico/RadioFields.js" as Radio

// The radio readers and display formats at their edges: the examples the
// panels are known by, and what absent, empty, padded and non-numeric fields
// show.
TestCase {
    name: "RadioFields"

    function test_frequency_data() {
        return [
            {tag: "six digits", text: "118.100", six: false, expect: "118.10"},
            {tag: "short COM", text: "121.5", six: false, expect: "121.5"},
            {tag: "extra digits dropped", text: "118.105", six: false, expect: "118.10"},
            {tag: "a second point is no digit", text: "1.18.1", six: false, expect: "----"},
            {tag: "absent", text: undefined, six: false, expect: "0."},
            {tag: "empty", text: "", six: false, expect: "."},
            {tag: "line end of the last field", text: "118.100\n", six: false, expect: "118.10"},
            {tag: "text", text: "abc", six: false, expect: "----"},
            {tag: "negative", text: "-118.1", six: false, expect: "----"},
            {tag: "NAV six digits", text: "108.500", six: true, expect: "108.50"},
            {tag: "NAV five digits", text: "108.5", six: true, expect: "----"},
            {tag: "NAV seven digits", text: "108.5000", six: true, expect: "----"},
            {tag: "NAV absent", text: undefined, six: true, expect: "----"},
            {tag: "NAV empty", text: "", six: true, expect: "----"},
            {tag: "NAV six letters", text: "abc.def", six: true, expect: "----"},
            {tag: "NAV padded five digits", text: "10850 ", six: true, expect: "----"},
        ]
    }
    function test_frequency(d) {
        compare(Radio.frequency(d.text, d.six), d.expect)
    }

    function test_dme_data() {
        return [
            {tag: "rounds down", text: "12.34", expect: "12.3"},
            {tag: "just below 100 rounds up to 100", text: "99.96", expect: "99.9"},
            {tag: "100", text: "100", expect: "99.9"},
            {tag: "far", text: "250.4", expect: "99.9"},
            {tag: "rounds up to 10", text: "9.96", expect: "10.0"},
            {tag: "half upward", text: "7.25", expect: "07.3"},
            {tag: "binary half upward", text: "1.15", expect: "01.2"},
            {tag: "whole", text: "5", expect: "05.0"},
            {tag: "zero", text: "0", expect: "00.0"},
            {tag: "leading number of text", text: "12.3nm", expect: "12.3"},
            {tag: "absent", text: undefined, expect: "--.-"},
            {tag: "empty", text: "", expect: "--.-"},
            {tag: "text", text: "abc", expect: "--.-"},
            {tag: "negative (no station)", text: "-1", expect: "--.-"},
        ]
    }
    function test_dme(d) {
        compare(Radio.dme(d.text), d.expect)
    }

    function test_adf_data() {
        return [
            {tag: "padded", text: "350.0", point: true, expect: "0350"},
            {tag: "four digits", text: "1750.5", point: true, expect: "1750"},
            {tag: "last four digits", text: "12345.0", point: true, expect: "2345"},
            {tag: "no point where one is needed", text: "350", point: true, expect: "----"},
            {tag: "no point allowed", text: "350", point: false, expect: "0350"},
            {tag: "compact with point", text: "350.9", point: false, expect: "0350"},
            {tag: "absent", text: undefined, point: false, expect: "----"},
            {tag: "empty", text: "", point: false, expect: "----"},
            {tag: "nothing before the point", text: ".5", point: true, expect: "----"},
            {tag: "text", text: "abc.0", point: true, expect: "----"},
            {tag: "negative", text: "-5.0", point: true, expect: "----"},
        ]
    }
    function test_adf(d) {
        compare(Radio.adf(d.text, d.point), d.expect)
    }

    function test_transponder_data() {
        return [
            {tag: "code", text: "1200", expect: ["1", "2", "0", "0"]},
            {tag: "first four of longer", text: "12005", expect: ["1", "2", "0", "0"]},
            {tag: "short", text: "700", expect: ["-", "-", "-", "-"]},
            {tag: "absent", text: undefined, expect: ["-", "-", "-", "-"]},
            {tag: "text", text: "12ab", expect: ["-", "-", "-", "-"]},
            {tag: "line end", text: "7700\n", expect: ["7", "7", "0", "0"]},
        ]
    }
    function test_transponder(d) {
        compare(Radio.transponderDigits(d.text), d.expect)
    }

    function test_transponderMode_data() {
        return [
            {tag: "off", text: "0", on: false, mode: "----"},
            {tag: "standby", text: "1", on: true, mode: "STBY"},
            {tag: "test", text: "2", on: true, mode: "TEST"},
            {tag: "on", text: "3", on: true, mode: "ON"},
            {tag: "altitude", text: "4.0", on: true, mode: "ALT"},
            {tag: "unknown", text: "7", on: true, mode: "----"},
            {tag: "absent", text: undefined, on: true, mode: "----"},
            {tag: "text", text: "x", on: true, mode: "----"},
        ]
    }
    function test_transponderMode(d) {
        compare(Radio.transponderOn(d.text), d.on)
        compare(Radio.transponderMode(d.text), d.mode)
    }

    function test_autopilotNumbers_data() {
        return [
            {tag: "rounds", text: "950.6", rounded: "951", whole: "950"},
            {tag: "negative", text: "-500.7", rounded: "-501", whole: "-500"},
            {tag: "negative half upward", text: "-500.5", rounded: "-500", whole: "-500"},
            {tag: "small negative", text: "-0.4", rounded: "0", whole: "0"},
            {tag: "absent", text: undefined, rounded: "----", whole: "----"},
            {tag: "empty", text: "", rounded: "----", whole: "----"},
            {tag: "text", text: "alt", rounded: "----", whole: "----"},
        ]
    }
    function test_autopilotNumbers(d) {
        compare(Radio.roundedNumber(d.text), d.rounded)
        compare(Radio.wholeNumber(d.text), d.whole)
    }

    // Both panels light with a bus written as volts or as an on flag.
    function test_power_data() {
        function vector(power, bus) {
            var f = []
            for (var i = 0; i < 35; ++i)
                f.push("0")
            f[25] = power
            f[29] = bus
            return f
        }
        return [
            {tag: "switch on, 28 V", fields: vector("1", "28"), avionics: true, compact: true},
            {tag: "switch on, flag", fields: vector("1", "1"), avionics: true, compact: true},
            {tag: "switch on, 12 V", fields: vector("1", "12"), avionics: false, compact: false},
            {tag: "switch on, 20 V", fields: vector("1", "20"), avionics: true, compact: true},
            {tag: "switch off", fields: vector("0", "28"), avionics: false, compact: false},
            {tag: "switch 2", fields: vector("2", "28"), avionics: true, compact: false},
            {tag: "bus text", fields: vector("1", "x"), avionics: true, compact: false},
            {tag: "empty vector", fields: [""], avionics: true, compact: false},
            {tag: "short vector", fields: ["118.1", "", "", ""], avionics: true, compact: false},
        ]
    }
    function test_power(d) {
        compare(Radio.avionicsPowered(d.fields), d.avionics)
        compare(Radio.compactPowered(d.fields), d.compact)
    }

    function test_layout() {
        compare(Radio.completeLayout(""), Radio.defaultLayout)
        compare(Radio.completeLayout("5,6,2"), "5,6,2,1.00,0,0,0,0.30")
        compare(Radio.completeLayout("1,2,3,4,5,6,7,8,9"), "1,2,3,4,5,6,7,8,9")
        compare(Radio.layoutScaleValue("1.35"), 1.35)
        compare(Radio.layoutScaleValue("9"), 5)
        compare(Radio.layoutScaleValue("0.01"), 0.1)
        compare(Radio.layoutScaleValue("0"), undefined)
        compare(Radio.layoutScaleValue("abc"), undefined)
        compare(Radio.colourComponent("0.5", 1), 0.5)
        compare(Radio.colourComponent("3", 0), 1)
        compare(Radio.colourComponent("", 0.25), 0.25)
    }

    function test_wheelScale_data() {
        return [
            {tag: "one notch up", scale: 1, delta: 120, expect: 1.05},
            {tag: "one notch down", scale: 1, delta: -120, expect: 0.95},
            {tag: "high-resolution wheel", scale: 1, delta: 15, expect: 1.01},
            {tag: "stops at 5", scale: 4.98, delta: 120, expect: 5},
            {tag: "stops at 0.3", scale: 0.32, delta: -120, expect: 0.3},
            {tag: "below range comes up to 0.3", scale: 0.1, delta: 120, expect: 0.3},
        ]
    }
    function test_wheelScale(d) {
        compare(Radio.wheelScale(d.scale, d.delta), d.expect)
    }
}
