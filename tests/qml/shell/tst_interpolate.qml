import QtQuick
import QtTest
import "qrc:/Classes/Interpolate.js" as Logic

TestCase {
    name: "Interpolate"

    function test_clampsAndSegments_data() {
        return [
            {tag: "below", v: -5, expect: 0}, {tag: "first", v: 0, expect: 0},
            {tag: "interior point", v: 10, expect: 90}, {tag: "between", v: 15, expect: 180},
            {tag: "above", v: 25, expect: 270},
        ]
    }
    function test_clampsAndSegments(d) {
        compare(Logic.interpolate(d.v, [0, 10, 20], [0, 90, 270]), d.expect)
    }

    function test_repeatedPointJumps() {
        compare(Logic.interpolate(10, [0, 10, 10, 20], [0, 50, 80, 100]), 50)
        compare(Logic.interpolate(10.5, [0, 10, 10, 20], [0, 50, 80, 100]), 81)
    }
}
