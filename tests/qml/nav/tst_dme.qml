import QtQuick
import QtTest
import "qrc:/Cessna/Instrumentos/DME"
import "qrc:/Cessna/Instrumentos/DME/DMEFormat.js" as DMEFormat

Item {
    id: stage
    width: 250
    height: 120

    DME { id: dme }

    TestCase {
        name: "DME"
        when: windowShown

        function part(name) { return findChild(dme, name) }
        function textAt(x, y) {
            for (let i = 0; i < dme.children.length; ++i) {
                const child = dme.children[i]
                if (child.x === x && child.y === y && child.text !== undefined)
                    return child
            }
            return null
        }

        function test_defaults() {
            const fresh = createTemporaryObject(Qt.createComponent("qrc:/Cessna/Instrumentos/DME/DME.qml"), stage)
            compare([fresh.nav1Dme, fresh.nav1Min, fresh.nav2Dme, fresh.nav2Min], ["88.8", "888.8", "88.8", "888.8"])
            compare([fresh.width, fresh.height], [250, 120])
            compare(String(fresh.color), "#000000")
        }

        // Cut to one decimal on the text, never rounded.
        function test_format_data() {
            return [
                {tag: "cut, not rounded", text: "12.76", shown: "12.7"},
                {tag: "one decimal", text: "5.0", shown: "5.0"},
                {tag: "nines stay", text: "99.99", shown: "99.9"},
                {tag: "long decimals", text: "0.0999", shown: "0.0"},
                {tag: "second dot dropped", text: "12.3.4", shown: "12.3"},
                {tag: "three digits", text: "888.8", shown: "888.8"},
                {tag: "negative", text: "-0.55", shown: "-0.5"},
                {tag: "no whole part", text: ".75", shown: ".7"},
                {tag: "line end of the last field", text: "7.25\r\n", shown: "7.2"},
                {tag: "spaces", text: " 3.14 ", shown: "3.1"},
                {tag: "whole number", text: "12", shown: "12.0"},
                {tag: "zero", text: "0", shown: "0.0"},
                {tag: "trailing dot", text: "12.", shown: "12.0"},
                {tag: "two dots", text: "12..5", shown: "12.0"},
                {tag: "empty", text: "", shown: ""},
                {tag: "blank", text: "  ", shown: ""},
                {tag: "letters", text: "abc", shown: "abc.0"},
                {tag: "letters with dot", text: "ab.cd", shown: "ab.c"},
            ]
        }
        function test_format(d) {
            compare(DMEFormat.format(d.text), d.shown)
            for (const p of ["nav1Dme", "nav1Min", "nav2Dme", "nav2Min"])
                dme[p] = d.text
            compare([part("distance1").text, part("time1").text, part("distance2").text, part("time2").text],
                    [d.shown, d.shown, d.shown, d.shown])
        }

        // Whatever reaches the formatting, it answers with a text.
        function test_formatAnyValue() {
            compare(DMEFormat.format(undefined), "")
            compare(DMEFormat.format(null), "")
            compare(DMEFormat.format(12.76), "12.7")
            compare(DMEFormat.format(7), "7.0")
            compare(DMEFormat.format({}), "[object Object].0")
        }

        function test_numberWindows_data() {
            return [{tag: "distance1", at: [0, 28]}, {tag: "time1", at: [134, 28]},
                    {tag: "distance2", at: [0, 67]}, {tag: "time2", at: [134, 67]}]
        }
        function test_numberWindows(d) {
            const t = part(d.tag)
            compare([t.x, t.y, t.width, t.height], [d.at[0], d.at[1], 62, 29])
            compare([t.horizontalAlignment, t.verticalAlignment], [Text.AlignHCenter, Text.AlignVCenter])
            compare(t.font.pixelSize, 22)
            compare(t.font.family, "DSEG7 Classic")
            compare(String(t.color), "#ffffff")
        }

        function test_legends_data() {
            return [
                {tag: "NM 1", at: [62, 30], size: 18, text: "NM"}, {tag: "1", at: [109, 30], size: 16, text: "1"},
                {tag: "MIN 1", at: [202, 30], size: 18, text: "MIN"}, {tag: "NM 2", at: [62, 69], size: 18, text: "NM"},
                {tag: "2", at: [109, 69], size: 16, text: "2"}, {tag: "MIN 2", at: [202, 69], size: 18, text: "MIN"},
            ]
        }
        function test_legends(d) {
            const t = textAt(d.at[0], d.at[1])
            verify(t, d.tag)
            compare([t.text, t.font.pixelSize, String(t.color)], [d.text, d.size, "#ffffff"])
            verify(t.font.family.indexOf("DSEG14") === 0, t.font.family)
        }

        function test_panelDefaultShows888() {
            dme.nav1Dme = "88.8"
            dme.nav1Min = "888.8"
            compare([part("distance1").text, part("time1").text], ["88.8", "888.8"])
        }
    }
}
