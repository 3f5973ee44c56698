import QtQuick
import QtTest
import "qrc:/Cessna/Instrumentos/HSI"

Rectangle {
    id: stage
    width: 250
    height: 250
    color: "#808080"

    HSI { id: hsi; x: 20; y: 20 }

    TestCase {
        name: "HSI"
        when: windowShown

        function part(name) { return findChild(hsi, name) }
        function rotationOf(name) { return part(name).transform[0] }
        function reset() {
            for (const p of ["heading", "obs", "cdi_dots", "gsi_dots", "nav_signal", "ap_heading",
                             "bat", "to_from", "gsi_signal", "gsi_flag"])
                hsi[p] = 0
            tryCompare(rotationOf("hdgFlag"), "angle", 0, 3000)
            tryCompare(rotationOf("navFlag"), "angle", 0, 3000)
        }
        function init() { reset() }

        function test_inputsAndDefaults() {
            const fresh = createTemporaryObject(Qt.createComponent("qrc:/Cessna/Instrumentos/HSI/HSI.qml"), stage)
            verify(fresh)
            for (const p of ["heading", "obs", "cdi_dots", "gsi_dots", "nav_signal", "ap_heading",
                             "bat", "to_from", "gsi_signal", "gsi_flag"])
                compare(fresh[p], 0, p)
            compare([fresh.width, fresh.height], [210, 210])
        }

        // Placement, size, scale and pivot (as a gauge point) of every layer.
        function test_layers_data() {
            return [
                {tag: "background", geo: [0, 0, 210, 210, 1]},
                {tag: "rose", geo: [0, -4, 210, 210, 0.82], pivot: [105, 101]},
                {tag: "headingBug", geo: [97, 31, 16, 168, 1], pivot: [104, 102]},
                {tag: "courseArrow", geo: [-11, -60.5, 232, 325, 0.39], pivot: [105, 102.5]},
                {tag: "deviationScale", geo: [-14, 82, 238, 46, 0.4], pivot: [105, 105]},
                {tag: "deviationBar", geo: [89, -57.5, 32, 325, 0.34], pivot: [105, 102.5]},
                {tag: "hdgFlag", geo: [55, 11, 212, 60, 0.4], pivot: [173, 11]},
                {tag: "navFlag", geo: [-70, 12, 236, 58, 0.4], pivot: [48, 12]},
                {tag: "innerBezel", geo: [0, 19, 210, 168, 1]},
                {tag: "glideSlope", geo: [-130, 78, 470, 50, 0.43]},
                {tag: "bezel", geo: [0, 0, 210, 210, 1]},
            ]
        }
        function test_layers(d) {
            const l = part(d.tag)
            verify(l, d.tag)
            compare([l.x, l.y, l.width, l.height, l.scale], d.geo)
            compare(l.status, Image.Ready)
            if (d.pivot) {
                const r = rotationOf(d.tag)
                compare([l.x + r.origin.x, l.y + r.origin.y], d.pivot)
            }
        }

        // The layers shown scaled down come in the pixel size the document
        // shows them at (one pixel per unit of the layer; a cut-out layer's
        // picture as much as the layer).
        function test_fileSizes_data() {
            return [
                {tag: "courseArrow", size: [232, 325]}, {tag: "deviationScale", size: [238, 46]},
                {tag: "deviationBar", size: [32, 325]}, {tag: "hdgFlag", size: [212, 60]},
                {tag: "navFlag", size: [236, 58]}, {tag: "glideSlope", size: [470, 50]},
            ]
        }
        function test_fileSizes(d) {
            const l = part(d.tag)
            compare([l.width, l.height], d.size)
            const picture = findChild(l, "picture") || l
            compare([picture.implicitWidth, picture.implicitHeight], [picture.width, picture.height])
        }

        function test_cardBugAndCourse_data() {
            return [
                {tag: "north", hdg: 0, obs: 0, bug: 0, course: 0},
                {tag: "hdg 90 crs 90", hdg: 90, obs: 90, bug: 120, course: 0},
                {tag: "crs right of nose", hdg: 30, obs: 120, bug: 10, course: 90},
                {tag: "past 360", hdg: 350, obs: 10, bug: 5, course: -340},
                {tag: "negative", hdg: -20, obs: 400, bug: -90, course: 420},
            ]
        }
        function test_cardBugAndCourse(d) {
            hsi.heading = d.hdg
            hsi.obs = d.obs
            hsi.ap_heading = d.bug
            fuzzyCompare(rotationOf("rose").angle, -d.hdg, 1e-9)
            fuzzyCompare(rotationOf("headingBug").angle, d.bug - d.hdg, 1e-9)
            for (const name of ["courseArrow", "deviationScale", "deviationBar"])
                fuzzyCompare(rotationOf(name).angle, d.course, 1e-9)
        }

        // The card's E (layer point right of the card's centre) stands straight
        // above the card's centre at heading 90.
        function test_cardShowsHeadingAtTop() {
            hsi.heading = 90
            const east = part("rose").mapToItem(hsi, 105 + 80, 105)
            fuzzyCompare(east.x, 105, 1e-6)
            fuzzyCompare(east.y, 101 - 0.82 * 80, 1e-6)
        }

        // The bar slides 15 px per dot across the course, without limit.
        function test_deviationBar_data() {
            return [
                {tag: "2 right, course up", hdg: 90, obs: 90, dots: 2, move: [30, 0]},
                {tag: "2 left, course up", hdg: 0, obs: 0, dots: -2, move: [-30, 0]},
                {tag: "course to the right", hdg: 30, obs: 120, dots: 2, move: [0, 30]},
                {tag: "course down", hdg: 0, obs: 180, dots: 1, move: [-15, 0]},
                {tag: "past the scale", hdg: 0, obs: 0, dots: 10, move: [150, 0]},
                {tag: "centred", hdg: 45, obs: 10, dots: 0, move: [0, 0]},
            ]
        }
        function test_deviationBar(d) {
            hsi.heading = d.hdg
            hsi.obs = d.obs
            hsi.cdi_dots = d.dots
            const shift = part("deviationBar").transform[1]
            fuzzyCompare(shift.x, d.move[0], 1e-9)
            fuzzyCompare(shift.y, d.move[1], 1e-9)
            // The bar's middle, which stands on the gauge at (105, 105) centred.
            const turn = (d.obs - d.hdg) * Math.PI / 180
            const mid = part("deviationBar").mapToItem(hsi, 16, 162.5)
            fuzzyCompare(mid.x, 105 - 2.5 * Math.sin(turn) + d.move[0], 1e-4)
            fuzzyCompare(mid.y, 102.5 + 2.5 * Math.cos(turn) + d.move[1], 1e-4)
        }

        function test_glideSlopePointers_data() {
            return [{tag: "centred", dots: 0, y: 0}, {tag: "one down", dots: 1, y: 14},
                    {tag: "two up", dots: -2, y: -28}, {tag: "past the scale", dots: 5, y: 70}]
        }
        function test_glideSlopePointers(d) {
            hsi.gsi_dots = d.dots
            const shift = part("glideSlope").transform[0]
            compare(shift.x, 0)
            fuzzyCompare(shift.y, d.y, 1e-9)
        }

        // Powered, the HDG flag swings 45 degrees aside over a second.
        function test_hdgFlagSwing() {
            const r = rotationOf("hdgFlag")
            compare(r.angle, 0)
            const started = Date.now()
            hsi.bat = 12
            verify(r.angle < 45, "the flag swings, it does not jump")
            wait(250)
            verify(r.angle > 0 && r.angle < 45, "half way: " + r.angle)
            tryCompare(r, "angle", 45, 3000)
            verify(Date.now() - started >= 900, "the swing takes a second")
            hsi.bat = 0
            tryCompare(r, "angle", 0, 3000)
        }

        function test_flagAngles_data() {
            return [
                {tag: "no power, no signal", bat: 0, nav: 0, hdgAngle: 0, navAngle: 0},
                {tag: "powered, signal", bat: 28, nav: 1, hdgAngle: 45, navAngle: 90},
                {tag: "negative values count", bat: -1, nav: -1, hdgAngle: 45, navAngle: 90},
                {tag: "fractions count", bat: 0.1, nav: 0.5, hdgAngle: 45, navAngle: 90},
                {tag: "not a number shows the flags", bat: NaN, nav: NaN, hdgAngle: 0, navAngle: 0},
            ]
        }
        function test_flagAngles(d) {
            hsi.bat = d.bat
            hsi.nav_signal = d.nav
            tryCompare(rotationOf("hdgFlag"), "angle", d.hdgAngle, 3000)
            tryCompare(rotationOf("navFlag"), "angle", d.navAngle, 3000)
        }

        // The inputs the gauge accepts but does not draw change nothing.
        function test_unusedInputs() {
            hsi.heading = 10; hsi.obs = 40; hsi.cdi_dots = 1; hsi.gsi_dots = 1
            const before = [rotationOf("rose").angle, rotationOf("courseArrow").angle,
                            part("deviationBar").transform[1].x, part("glideSlope").transform[0].y]
            hsi.to_from = 2; hsi.gsi_signal = 1; hsi.gsi_flag = 1
            compare([rotationOf("rose").angle, rotationOf("courseArrow").angle,
                     part("deviationBar").transform[1].x, part("glideSlope").transform[0].y], before)
        }

        // What the glass shows: each flag in view at rest, and gone behind the
        // bezel once swung aside; nothing drawn outside the gauge meanwhile.
        function isOrange(c) { return c.r > 0.8 && c.g > 0.35 && c.g < 0.7 && c.b < 0.3 }
        function isRed(c) { return c.r > 0.7 && c.g < 0.3 && c.b < 0.3 }
        function test_flagsOnScreen() {
            let image = grabImage(stage)
            verify(isOrange(image.pixel(20 + 129.5, 20 + 48)), "HDG flag in view " + image.pixel(20 + 129.5, 20 + 48))
            verify(isRed(image.pixel(20 + 66, 20 + 47)), "NAV flag in view")
            hsi.bat = 12
            hsi.nav_signal = 1
            tryCompare(rotationOf("hdgFlag"), "angle", 45, 3000)
            tryCompare(rotationOf("navFlag"), "angle", 90, 3000)
            image = grabImage(stage)
            verify(!isOrange(image.pixel(20 + 129.5, 20 + 48)), "HDG flag aside")
            verify(!isRed(image.pixel(20 + 66, 20 + 47)), "NAV flag aside")
            // Nothing else on the gauge is red, and above the glide-slope
            // pointers only the lubber line is orange outside the card window.
            for (let y = 0; y < 210; ++y) {
                for (let x = 0; x < 210; ++x) {
                    const c = image.pixel(20 + x, 20 + y)
                    verify(!isRed(c), "red at " + [x, y])
                    if (y < 90 && Math.hypot(x - 105, y - 102) > 76 && Math.abs(x - 105) > 8)
                        verify(!isOrange(c), "orange at " + [x, y])
                }
            }
            const grey = image.pixel(2, 2)
            for (let i = 0; i < 250; i += 2) {
                for (const p of [[i, 10], [i, 240], [10, i], [240, i]])
                    compare(String(image.pixel(p[0], p[1])), String(grey), "outside at " + p)
            }
        }
    }
}
