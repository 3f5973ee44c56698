import QtQuick
import QtTest
import "qrc:/RadioAvionico"

// A radio document loaded where nothing but the file service is published (no
// value vector, layout string or geometry service) starts quietly: the start
// scale, the powered avionics look, the compact off look, no script error.
Item {
    id: top
    width: 1200
    height: 1300

    readonly property Component compactComponent: Qt.createComponent("qrc:/RadioCompacto/radioCompac.qml")

    Component {
        id: avionicsComponent
        RadioAvionico {}
    }

    TestCase {
        name: "UnpublishedRadio"
        when: windowShown

        function init() {
            testSupport.clearExchange()
            failOnWarning(/.*/)
        }

        function test_panelsStartQuietly() {
            var avionics = createTemporaryObject(avionicsComponent, top)
            var compact = createTemporaryObject(compactComponent, top, {x: 700})
            verify(avionics && compact)
            compare(avionics.container.scale, 1.6)
            compare(avionics.width, 433 * 1.6)
            verify(avionics.powered)
            compare(findChild(findChild(avionics, "containerON"), "com").text, ".")
            verify(!compact.powered)
            compare(findChild(compact, "com").text, "188.88")
            // the menus load the default layout
            compare(findChild(avionics.settingsWindow.contentItem, "scaleText").text, "1.00")
            mouseWheel(avionics, 20, 20, 0, 120)
            compare(avionics.container.scale, 1.65)
        }
    }
}
