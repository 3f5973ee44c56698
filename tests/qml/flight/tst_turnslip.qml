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

        // The ball stops where its ends meet the ends of the tube (x 60 to
        // 152, a 2 px frame, ends rounded to its 22 px height): 35 px either
        // side, at 8.583 degrees of slip.
        function test_ball_data() {
            const stop = 35 * 5.15 / 21
            return [
                {tag: "centred", s: 0, dx: 0, dy: -1},
                {tag: "slip right", s: 5.15, dx: -21, dy: Math.sin((5.15 + 270) * Math.PI / 180)},
                {tag: "at the left stop", s: stop, dx: -35, dy: Math.sin((stop + 270) * Math.PI / 180)},
                {tag: "beyond the left stop", s: 30, dx: -35, dy: Math.sin((stop + 270) * Math.PI / 180)},
                {tag: "beyond the right stop", s: -90, dx: 35, dy: Math.sin((270 - stop) * Math.PI / 180)},
                {tag: "no number", s: NaN, dx: 0, dy: -1},
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
