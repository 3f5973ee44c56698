import QtQuick
import QtTest
import "qrc:/Cessna/Instrumentos/Davtron"

Item {
    width: 210
    height: 210

    property var fields: []
    function field(i) { return i < fields.length ? fields[i] : 0 }

    DavtronInst { id: clock; temp: field(4); minute: field(5); hour: field(6) }

    TestCase {
        name: "Davtron"
        when: windowShown

        function temperature() { return findChild(clock, "temperatureText").text }
        function time() { return findChild(clock, "timeText").text }
        function show(temp, hour, minute) {
            fields = ["0", "0", "0", "0", String(temp), String(minute), String(hour)]
        }

        function test_texts_data() {
            return [
                {tag: "5.7, 21:05", c: 5.7, h: 21, m: 5, temp: "05 C", time: "00:05"},
                {tag: "-3.2, 22:05", c: -3.2, h: 22, m: 5, temp: "- 04 C", time: "01:05"},
                {tag: "23, 6:30", c: 23, h: 6, m: 30, temp: "23 C", time: "09:30"},
                {tag: "0, 20:59", c: 0, h: 20, m: 59, temp: "00 C", time: "23:59"},
                {tag: "midnight exactly", c: 9.99, h: 21, m: 0, temp: "09 C", time: "00:00"},
                {tag: "last hour wraps", c: -0.5, h: 23, m: 59, temp: "- 01 C", time: "02:59"},
                {tag: "one-digit hour", c: -10, h: 0, m: 7, temp: "- 10 C", time: "03:07"},
                {tag: "two-digit hour", c: 100.2, h: 7, m: 10, temp: "100 C", time: "10:10"},
            ]
        }
        function test_texts(d) {
            show(d.c, d.h, d.m)
            compare(temperature(), d.temp)
            compare(time(), d.time)
        }

        // Before any field arrives, and with every field missing.
        function test_defaults() {
            fields = []
            compare(temperature(), "00 C")
            compare(time(), "03:00")
        }

        // Garbled or out-of-range clock values still give a readable time.
        function test_outOfRange() {
            show(0, -5, 5)
            compare(time(), "22:05")
            show(0, 47, 5)
            compare(time(), "02:05")
            show(0, 10, -5)
            compare(time(), "13:-5")
            show("nan", 10, 0)
            compare(temperature(), "00 C")
        }

        function test_layers() {
            const face = findChild(clock, "face")
            compare([face.width, face.height], [210, 210])
            compare(face.status, Image.Ready)
            show(-3.2, 22, 5)
            const t = findChild(clock, "temperatureText"), h = findChild(clock, "timeText")
            compare([t.x + t.width, t.y, t.font.pixelSize], [155, 52, 42])
            compare([h.x + h.width, h.y, h.font.pixelSize], [177, 97, 48])
            compare(String(t.color), "#000000")
            compare(String(h.color), "#000000")
            verify(t.font.family.indexOf("DSEG14") === 0, t.font.family)
        }
    }
}
