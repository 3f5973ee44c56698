import QtQuick
import QtTest
import "qrc:/Cessna/Instrumentos/Attitude"

Item {
    width: 210
    height: 210

    HorizonteInst { id: ai }

    TestCase {
        name: "Attitude"
        when: windowShown

        function test_pitchOffset_data() {
            return [
                {tag: "level", p: 0, o: -1}, {tag: "10 up", p: 10, o: 17},
                {tag: "15 up", p: 15, o: 26}, {tag: "20 up", p: 20, o: 30.5},
                {tag: "25 up", p: 25, o: 35}, {tag: "30 up", p: 30, o: 35},
                {tag: "10 down", p: -10, o: -19}, {tag: "25 down", p: -25, o: -46},
                {tag: "30 down", p: -30, o: -46},
            ]
        }
        function test_pitchOffset(d) {
            ai.altVacuum = d.p
            fuzzyCompare(findChild(ai, "ladder").transform[0].y, d.o, 1e-9)
        }

        function test_bankTurnsTheWholeGroup() {
            ai.rotationVacuum = 30
            const roll = findChild(ai, "roll").transform[0]
            compare([roll.angle, roll.origin.x, roll.origin.y], [-30, 105, 105])
            ai.rotationVacuum = -120
            compare(roll.angle, 120)
            // Ladder and ring are inside the group, the mask with the
            // miniature aeroplane is not.
            compare(findChild(ai, "ladder").parent, findChild(ai, "roll"))
            compare(findChild(ai, "bankRing").parent, findChild(ai, "roll"))
            verify(findChild(ai, "mask").parent !== findChild(ai, "roll"))
        }

        function test_layersLoad() {
            for (const name of ["background", "ladder", "bankRing", "mask"])
                compare(findChild(ai, name).status, Image.Ready, name)
        }
    }
}
