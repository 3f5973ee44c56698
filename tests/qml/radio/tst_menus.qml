import QtQuick
import QtTest
import "qrc:/RadioAvionico/RadioAvionicoConfig"
import "qrc:/RadioCompacto/RadioCompactoConfig"
import "RadioTestSupport.js" as T

// The radio settings menus: loading a layout string into the controls (and
// the rewrite that loading can cause), the write of every control change, the
// shortcuts, the frequency-set boxes and the colour preview.
Item {
    id: top
    width: 700
    height: 500

    readonly property string configPath: testSupport.literalPath("configRadio.txt")

    Component {
        id: avionicsMenu
        RadioAvionicoConfig {}
    }
    Component {
        id: compactMenu
        RadioComapacConfig {}
    }

    TestCase {
        name: "RadioMenus"
        when: windowShown

        function init() {
            testSupport.clearExchange()
            testSupport.setContextProperty("formDataString", T.defaultLayout)
            failOnWarning(/.*/)
        }

        // A layout string reaches the menus as the file's text: what the file holds.
        function push(layout) {
            testSupport.write(configPath, layout)
            testSupport.setContextProperty("formDataString", layout)
        }
        function createMenu(component, layout) {
            push(layout !== undefined ? layout : T.defaultLayout)
            var menu = createTemporaryObject(component, top)
            verify(menu)
            return menu
        }
        function control(menu, name) {
            var found = findChild(menu, name)
            verify(found, name)
            return found
        }
        function file() {
            return testSupport.read(configPath)
        }
        function field(index) {
            return file().split(",")[index]
        }
        function clickKey(menu, key, times) {
            menu.forceActiveFocus()
            for (var i = 0; i < (times || 1); ++i)
                keyClick(key)
        }

        function test_defaultLoad() {
            var menu = createMenu(avionicsMenu)
            compare(control(menu, "posX").text, "0")
            compare(control(menu, "posY").text, "0")
            compare(control(menu, "scaleText").text, "1.00")
            compare(control(menu, "scaleSlider").value, 1)
            compare(control(menu, "sliderRed").value, 1)
            compare(control(menu, "sliderGreen").value, 0)
            compare(control(menu, "sliderBlue").value, 0)
            verify(!control(menu, "checkBox").checked)
            verify(control(menu, "checkBox2").checked)
            verify(control(menu, "frequencySetRow").visible)
            // loading ticked COM2/NAV2 and wrote it back
            compare(file(), "0,0,1.00,1.00,0,0,2,0.30")
            compare(menu.configText, file())
        }

        // The compact menu has no frequency set: the default loads without a write.
        function test_compactDefaultLoad() {
            var menu = createMenu(compactMenu)
            verify(!control(menu, "frequencySetRow").visible)
            compare(control(menu, "scaleText").text, "1.00")
            compare(file(), T.defaultLayout)
            clickKey(menu, Qt.Key_Right)
            compare(file(), "1,0,1.00,1.00,0,0,0,0.30")
        }

        function test_frequencySet() {
            var menu = createMenu(avionicsMenu, T.layoutWith(6, "1"))
            verify(control(menu, "checkBox").checked)
            verify(!control(menu, "checkBox2").checked)
            compare(file(), T.layoutWith(6, "1"), "nothing to rewrite")

            mouseClick(control(menu, "checkBox2"))
            verify(control(menu, "checkBox2").checked)
            verify(!control(menu, "checkBox").checked)
            compare(file(), T.layoutWith(6, "2"))
            mouseClick(control(menu, "checkBox"))
            compare(file(), T.layoutWith(6, "1"))
            // clicking the ticked box again changes nothing
            testSupport.remove(configPath)
            mouseClick(control(menu, "checkBox"))
            compare(testSupport.exists(configPath), false)
        }

        function test_positionKeys_data() {
            return [{tag: "avionics", menu: avionicsMenu}, {tag: "compact", menu: compactMenu}]
        }
        function test_positionKeys(d) {
            var menu = createMenu(d.menu, "10,20,1.00,1.00,0,0,2,0.30")
            clickKey(menu, Qt.Key_Right, 3)
            compare(field(0), "13")
            clickKey(menu, Qt.Key_Left)
            compare(field(0), "12")
            clickKey(menu, Qt.Key_Down, 2)
            compare(field(1), "22")
            clickKey(menu, Qt.Key_Up, 5)
            compare(file(), "12,17,1.00,1.00,0,0,2,0.30")
            compare(control(menu, "posY").text, "17")
        }

        function test_scaleKeys_data() {
            return [{tag: "avionics", menu: avionicsMenu}, {tag: "compact", menu: compactMenu}]
        }
        function test_scaleKeys(d) {
            var menu = createMenu(d.menu, "0,0,1.00,1.00,0,0,2,0.30")
            clickKey(menu, Qt.Key_Plus)
            compare(control(menu, "scaleText").text, "1.02")
            compare(field(2), "1.02")
            compare(control(menu, "scaleSlider").value, 1, "the slider waits for the string to come back")
            clickKey(menu, Qt.Key_Minus, 3)
            compare(field(2), "0.96")
            // the keys stop at the slider's range
            testSupport.setContextProperty("formDataString", "0,0,4.99,1.00,0,0,2,0.30")
            clickKey(menu, Qt.Key_Plus, 2)
            compare(field(2), "5.00")
            testSupport.setContextProperty("formDataString", "0,0,0.11,1.00,0,0,2,0.30")
            clickKey(menu, Qt.Key_Minus, 2)
            compare(field(2), "0.10")
        }

        function test_positionFields() {
            var menu = createMenu(avionicsMenu, "120,-40,1.00,1.00,0,0,2,0.30")
            var posX = control(menu, "posX")
            compare(posX.text, "120")
            compare(control(menu, "posY").text, "-40")
            // deleting the text writes 0
            posX.forceActiveFocus()
            posX.selectAll()
            keyClick(Qt.Key_Delete)
            compare(posX.text, "0")
            compare(field(0), "0")
            // typing: only whole numbers reach the file
            posX.selectAll()
            keyClick(Qt.Key_Minus)
            compare(posX.text, "-")
            compare(field(0), "0")
            keyClick(Qt.Key_7)
            keyClick(Qt.Key_A)
            compare(posX.text, "-7")
            compare(field(0), "-7")
            // arrows belong to the field while it has the focus
            keyClick(Qt.Key_Left)
            compare(field(0), "-7")
        }

        function test_scaleSlider() {
            var menu = createMenu(avionicsMenu, "0,0,1.00,1.00,0,0,2,0.30")
            var slider = control(menu, "scaleSlider")
            slider.forceActiveFocus()
            keyClick(Qt.Key_Right) // keyboard step 0.1
            compare(control(menu, "scaleText").text, "1.10")
            compare(field(2), "1.10")
            slider.value = 2.345
            compare(control(menu, "scaleText").text, "2.35")
            compare(field(2), "2.35")
        }

        function test_colour() {
            var menu = createMenu(avionicsMenu, "0,0,1.00,1.00,0,0,2,0.30")
            var preview = control(menu, "previewDigital7")
            compare(T.rgb(preview.color), "1.00,0.00,0.00,1.00")
            control(menu, "sliderGreen").value = 0.5
            compare(file(), "0,0,1.00,1.00,0.50,0.00,2,0.30")
            compare(T.rgb(preview.color), "1.00,0.50,0.00,1.00")
            compare(T.rgb(control(menu, "colorBox").color), "1.00,0.50,0.00,1.00")
            // a click on the blue slider moves it and writes
            var blue = control(menu, "sliderBlue")
            mouseClick(blue, blue.width - 4, blue.height / 2)
            verify(blue.value > 0.9)
            compare(field(5), blue.value.toFixed(2))
        }

        // Loading runs the change rule of every control whose value changes.
        function test_loadingRewrite() {
            var menu = createMenu(avionicsMenu, "5,6,1.5,0.5,0.25,0,7,0.30")
            compare(file(), "5,6,1.50,0.50,0.25,0.00,2,0.30")
            compare(control(menu, "scaleText").text, "1.50")
            compare(T.rgb(control(menu, "previewDigital7").color), "0.50,0.25,0.00,1.00")
        }

        // The controls follow every new layout string (a wheel zoom, the other menu).
        function test_followsNewLayout() {
            var menu = createMenu(compactMenu, "0,0,1.00,1.00,0,0,2,0.30")
            push("33,44,1.35,1.00,0,0,2,0.30")
            compare(control(menu, "scaleSlider").value, 1.35)
            compare(control(menu, "scaleText").text, "1.35")
            compare(control(menu, "posX").text, "33")
            compare(control(menu, "posY").text, "44")
            compare(menu.configText, "33,44,1.35,1.00,0,0,2,0.30")
            compare(file(), "33,44,1.35,1.00,0,0,2,0.30")
        }

        // A loaded string goes back in the controls' form only over itself:
        // a newer layout that lands between the read and the write-back stays.
        function test_newerLayoutStays_data() {
            return [{tag: "avionics", menu: avionicsMenu}, {tag: "compact", menu: compactMenu}]
        }
        function test_newerLayoutStays(d) {
            var menu = createMenu(d.menu, "0,0,1.00,1.00,0,0,2,0.30")
            testSupport.write(configPath, "9,8,2.00,1.00,0,0,2,0.30")
            testSupport.setContextProperty("formDataString", "5,6,1.5,0.5,0.25,0,7,0.30")
            compare(control(menu, "posX").text, "5")
            compare(file(), "9,8,2.00,1.00,0,0,2,0.30")
            // The newer one comes next and is loaded.
            testSupport.setContextProperty("formDataString", "9,8,2.00,1.00,0,0,2,0.30")
            compare(control(menu, "posY").text, "8")
            compare(file().split(",").slice(0, 3).join(","), "9,8,2.00")
        }

        // An emptied file loads as the default string, written whole; damaged
        // fields are kept but never reach a slider.
        function test_damagedLayouts() {
            var menu = createMenu(avionicsMenu, "")
            compare(file(), "0,0,1.00,1.00,0,0,2,0.30")
            testSupport.remove(configPath)
            testSupport.setContextProperty("formDataString", "abc,def,big,x,y,z,1,0.30")
            compare(control(menu, "posX").text, "abc")
            compare(control(menu, "scaleSlider").value, 1)
            compare(control(menu, "sliderRed").value, 1)
            compare(testSupport.exists(configPath), false)
            clickKey(menu, Qt.Key_Right)
            compare(file(), "1,def,big,x,y,z,1,0.30")
            // a short string is completed
            push("7,8")
            compare(file(), "7,8,1.00,1.00,0,0,2,0.30")
        }
    }
}
