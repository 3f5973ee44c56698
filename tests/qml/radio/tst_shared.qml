import QtQuick
import QtTest
import "qrc:/RadioAvionico"
import "RadioTestSupport.js" as T

// Both radio panels share configRadio.txt: what one of them (or its menu)
// writes reaches the other when the file is pushed back to both windows, as
// the instrument manager does.
Item {
    id: top
    width: 1400
    height: 1000

    readonly property string configPath: testSupport.literalPath("configRadio.txt")
    readonly property Component compactComponent: Qt.createComponent("qrc:/RadioCompacto/radioCompac.qml")

    ViewManagerStandIn { id: views }

    Component {
        id: avionicsComponent
        RadioAvionico {}
    }

    TestCase {
        name: "SharedRadioLayout"
        when: windowShown

        property var avionics
        property var compact

        function init() {
            testSupport.clearExchange()
            testSupport.setContextProperty("viewManager", views)
            testSupport.setContextProperty("timedDataString", T.vector({25: "1", 29: "28", 30: "118.100"}))
            testSupport.setContextProperty("formDataString", T.defaultLayout)
            testSupport.write(configPath, T.defaultLayout)
            failOnWarning(/.*/)
            avionics = createTemporaryObject(avionicsComponent, top)
            compact = createTemporaryObject(compactComponent, top, {x: 500})
            verify(avionics && compact)
            // the start-up rewrite of the avionics menu
            pushFile()
        }
        // The instrument manager: the file's text becomes formDataString of both windows.
        function pushFile() {
            testSupport.setContextProperty("formDataString", testSupport.read(configPath))
        }
        function menu(panel) {
            return panel.settingsWindow.contentItem.children[0].item
        }

        function test_wheelZoomReachesTheOther() {
            mouseWheel(avionics, 50, 50, 0, 240)
            compare(avionics.container.scale, 1.1)
            compare(compact.container.scale, 1, "not before the push")
            pushFile()
            compare(compact.container.scale, 1.1)
            compare(findChild(menu(compact), "scaleText").text, "1.10")
            compare(findChild(menu(avionics), "scaleSlider").value, 1.1)

            mouseWheel(compact, 50, 50, 0, -120)
            pushFile()
            compare(avionics.container.scale, 1.05)
            compare(testSupport.read(configPath), "0,0,1.05,1.00,0,0,2,0.30")
        }

        function test_menuColourReachesBoth() {
            findChild(menu(compact), "sliderBlue").value = 1
            findChild(menu(compact), "sliderRed").value = 0
            pushFile()
            compare(testSupport.read(configPath), "0,0,1.00,0.00,0.00,1.00,2,0.30")
            compare(T.rgb(avionics.litColour), "0.00,0.00,1.00,1.00")
            compare(T.rgb(compact.litColour), "0.00,0.00,1.00,1.00")
            compare(findChild(menu(avionics), "sliderBlue").value, 1)
        }

        function test_menuPositionAndFrequencySet() {
            var avionicsMenu = menu(avionics)
            if (Qt.platform.pluginName === "offscreen")
                ignoreWarning("This plugin does not support raise()")
            avionics.forceActiveFocus()
            keyClick(Qt.Key_Escape)
            tryVerify(() => avionics.settingsWindow.active)
            verify(avionicsMenu.activeFocus)
            keyClick(Qt.Key_Right)
            keyClick(Qt.Key_Right)
            mouseClick(findChild(avionicsMenu, "checkBox"))
            views.clear()
            pushFile()
            compare(testSupport.read(configPath), "2,0,1.00,1.00,0,0,1,0.30")
            // both windows move; only the avionics panel has a frequency set
            compare(views.calls, ["setPosition 2 0", "setFixedSize 433 496",
                                  "setPosition 2 0", "setFixedSize 340 779"])
            compare(avionics.freqSet, 1)
            compare(findChild(findChild(avionics, "containerON"), "com").text, "118.10")
            compare(findChild(menu(compact), "posX").text, "2")
            avionics.settingsWindow.hide()
        }
    }
}
