import QtQuick
import QtTest
import "qrc:/Cessna/Instrumentos/Adf"

Item {
    id: stage
    width: 210
    height: 210

    AdfInst { id: adf }

    TestCase {
        name: "AdfInst"
        when: windowShown

        function part(name) { return findChild(adf, name) }

        function test_inputsAndDefaults() {
            const fresh = createTemporaryObject(Qt.createComponent("qrc:/Cessna/Instrumentos/Adf/AdfInst.qml"), stage)
            for (const p of ["heading", "needle", "pilotDeg"])
                compare(fresh[p], 0, p)
            compare([fresh.width, fresh.height], [210, 210])
        }

        function test_layers() {
            for (const name of ["face", "card", "needle", "cover"]) {
                const l = part(name)
                compare([l.x, l.y, l.width, l.height], [0, 0, 210, 210], name)
                compare(l.status, Image.Ready, name)
            }
            for (const name of ["card", "needle"])
                compare([part(name).transform[0].origin.x, part(name).transform[0].origin.y], [105, 105])
            const ring = part("ring")
            compare([ring.x, ring.y, ring.width, ring.border.width], [6, 6, 198, 12])
        }

        function test_cardAndNeedle_data() {
            return [
                {tag: "zero", hdg: 0, brg: 0}, {tag: "east, abeam right", hdg: 90, brg: 90},
                {tag: "behind", hdg: 200, brg: 180}, {tag: "past 360", hdg: 370, brg: 400},
                {tag: "negative", hdg: -10, brg: -45},
            ]
        }
        function test_cardAndNeedle(d) {
            adf.heading = d.hdg
            adf.needle = d.brg
            compare(part("card").transform[0].angle, -d.hdg)
            compare(part("needle").transform[0].angle, d.brg)
        }

        function test_unusedInput() {
            adf.heading = 30
            adf.needle = 60
            adf.pilotDeg = 123
            compare([part("card").transform[0].angle, part("needle").transform[0].angle], [-30, 60])
        }
    }
}
