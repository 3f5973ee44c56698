import QtQuick
import QtTest
import "qrc:/Cessna/Instrumentos/Plate"

Item {
    id: panel
    width: 300
    height: 60

    // Return while the placard edits reaches the panel, as in the Cessna panel.
    property int returns: 0
    focus: true
    Keys.onReturnPressed: returns++

    PlateInst { id: plate }

    TestCase {
        name: "Plate"
        when: windowShown

        function field() { return findChild(plate, "field") }
        function type(text) {
            for (const c of text)
                keyClick(c)
        }
        function init() {
            plate.f = 0
            plate.texto = "N172SF"
            panel.forceActiveFocus()
            panel.returns = 0
        }

        function test_defaults() {
            compare([plate.width, plate.height, plate.f], [220, 50, 0])
            compare(plate.texto, "N172SF")
            compare(String(plate.color), "#000000")
            compare(field().text, "N172SF")
            compare([field().y, field().font.pixelSize, String(field().color)], [0, 45, "#ffffff"])
        }

        // Every keystroke is in texto at once, while f is 1.
        function test_typingCopiesEachKey() {
            plate.f = 1
            verify(field().activeFocus)
            field().selectAll()
            keyClick("N")
            compare(plate.texto, "N")
            type("123AB")
            compare(plate.texto, "N123AB")
            keyClick(Qt.Key_Backspace)
            compare(plate.texto, "N123A")
        }

        function test_focusFollowsF() {
            plate.f = 1
            verify(field().activeFocus)
            plate.f = 0
            verify(!field().activeFocus)
            type("XY")
            compare(plate.texto, "N172SF")
            plate.f = 1
            verify(field().activeFocus)
        }

        // Only 1 takes the focus and only 0 gives it up.
        function test_otherValuesOfF() {
            plate.f = 2
            verify(!field().activeFocus)
            plate.f = 1
            plate.f = 0.5
            verify(field().activeFocus)
        }

        function test_panelReplacesText() {
            plate.f = 1
            type("X")
            plate.texto = "PR-ABC"
            compare(field().text, "PR-ABC")
            fuzzyCompare(field().x + field().width / 2, 110, 1e-9)
        }

        // The text is stored in a comma-separated layout: a comma cannot be typed.
        function test_commaRefused() {
            plate.f = 1
            field().cursorPosition = field().text.length
            keyClick(Qt.Key_Comma)
            compare(plate.texto, "N172SF")
        }

        function test_returnReachesPanel() {
            plate.f = 1
            keyClick(Qt.Key_Return)
            compare(panel.returns, 1)
            compare(plate.texto, "N172SF")
        }

        // A click on the placard does not take the focus; the panel decides.
        function test_clickTakesNoFocus() {
            mouseClick(plate, 110, 25)
            verify(!field().activeFocus)
        }

        function test_staysCentred() {
            plate.f = 1
            field().cursorPosition = field().text.length
            const before = field().width
            type("ZZ")
            verify(field().width > before)
            fuzzyCompare(field().x + field().width / 2, 110, 1e-9)
        }
    }
}
