import QtQuick
import QtTest
import "qrc:/Cessna/Instrumentos/TurnSlip"

Item {
    width: 210
    height: 210

    Component {
        id: turnComponent
        TurnSlipInst {}
    }

    TestCase {
        name: "TurnSlip"
        when: windowShown

        function planeOf(gauge) { return findChild(gauge, "aeroplane").transform[0].angle }

        // The aeroplane is set by the change handler: level while the input
        // keeps its default, set as soon as it changes (a binding that gives a
        // value at creation is a change).
        function test_planeFollowsChangesOnly() {
            const idle = createTemporaryObject(turnComponent, parent)
            idle.turnrateRoll = 0
            compare(planeOf(idle), 0)
            const bound = createTemporaryObject(turnComponent, parent, {turnrateRoll: 75})
            compare(planeOf(bound), 60)
        }

        function test_planeLimitedInputKept() {
            const gauge = createTemporaryObject(turnComponent, parent)
            gauge.turnrateRoll = 75
            compare(planeOf(gauge), 60)
            compare(gauge.turnrateRoll, 75)
            gauge.turnrateRoll = 20
            compare(planeOf(gauge), 20)
            gauge.turnrateRoll = -90
            compare(planeOf(gauge), -60)
        }

        function test_ball_data() {
            return [
                {tag: "centred", s: 0, dx: 0, dy: -1},
                {tag: "slip right", s: 5.15, dx: -21, dy: Math.sin((5.15 + 270) * Math.PI / 180)},
                {tag: "skid", s: -10, dx: 210 / 5.15, dy: Math.sin(260 * Math.PI / 180)},
                {tag: "no limit", s: 30, dx: -630 / 5.15, dy: Math.sin(300 * Math.PI / 180)},
            ]
        }
        function test_ball(d) {
            const gauge = createTemporaryObject(turnComponent, parent)
            gauge.slipDeg = d.s
            const ball = findChild(gauge, "ball")
            compare([ball.x, ball.y, ball.width, ball.height, String(ball.color)], [98, 135, 16, 20, "#000000"])
            fuzzyCompare(ball.transform[0].x, d.dx, 1e-9)
            fuzzyCompare(ball.transform[0].y, d.dy, 1e-9)
        }

        // The tube's glass lies over the ball, the flag window under the aeroplane.
        function test_stacking() {
            const gauge = createTemporaryObject(turnComponent, parent)
            const order = []
            for (let i = 0; i < gauge.children.length; ++i)
                order.push(gauge.children[i].objectName)
            compare(order.slice(0, 5), ["face", "ball", "flag", "aeroplane", "tubeGlass"])
            for (const name of ["face", "flag", "aeroplane", "tubeGlass"])
                compare(findChild(gauge, name).status, Image.Ready, name)
        }
    }
}
