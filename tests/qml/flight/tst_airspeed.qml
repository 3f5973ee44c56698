import QtQuick
import QtTest
import "qrc:/Cessna/Instrumentos/Airspeed"

Item {
    width: 420
    height: 210

    // Fields as a panel binds them: the text of the field, or 0 when missing.
    property var fields: []
    function field(i) { return i < fields.length ? fields[i] : 0 }
    // A new value vector holding the given fields (the others "0").
    function setFields(map) {
        const f = []
        for (const k in map) {
            while (f.length <= k) f.push("0")
            f[k] = map[k]
        }
        fields = f
    }

    Airspeed {
        id: asi
        value: field(15)
        is172: field(64)
    }

    TestCase {
        name: "Airspeed"
        when: windowShown

        function fileOf(url) { return String(url).split("/").pop() }
        function angleOf(layer) { return findChild(asi, layer).transform[0].angle }

        function test_needle_data() {
            return [
                {tag: "below zero", v: -10, a: 0}, {tag: "zero", v: 0, a: 0},
                {tag: "first band", v: 20, a: 15}, {tag: "band end 40", v: 40, a: 30},
                {tag: "mid band", v: 50, a: 50}, {tag: "130", v: 130, a: 222.75},
                {tag: "160", v: 160, a: 268}, {tag: "200", v: 200, a: 319},
                {tag: "past the end", v: 250, a: 319},
            ]
        }
        function test_needle(d) {
            setFields({15: String(d.v)})
            fuzzyCompare(asi.needleAngle, d.a, 1e-9)
            fuzzyCompare(angleOf("needle"), d.a, 1e-9)
            fuzzyCompare(angleOf("needleShadow"), d.a, 1e-9)
        }

        function test_layersAndPivots() {
            const n = findChild(asi, "needle"), s = findChild(asi, "needleShadow")
            compare([n.x, n.y, n.width, n.height], [98, 29, 15, 95])
            compare([n.x + n.transform[0].origin.x, n.y + n.transform[0].origin.y], [106, 107])
            compare([s.x + s.transform[0].origin.x, s.y + s.transform[0].origin.y], [106, 114])
            compare(n.sourceSize.width, 21)
            compare(n.status, Image.Ready)
            compare(s.status, Image.Ready)
        }

        // A bool input takes any non-empty text as true, "0" included.
        function test_faceSelection() {
            fields = []
            verify(!asi.is172)
            verify(fileOf(findChild(asi, "face").source) === "airspeed210.png")
            setFields({64: "0"})
            verify(asi.is172)
            verify(fileOf(findChild(asi, "face").source) === "airspeed.png")
            compare(findChild(asi, "face").status, Image.Ready)
            setFields({64: ""})
            verify(!asi.is172)
            compare(findChild(asi, "face").width, 210)
        }
    }
}
