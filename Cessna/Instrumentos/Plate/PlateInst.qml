import QtQuick

// Tail-number placard. Its text can be edited in place: every keystroke is
// copied into `texto` at once; `f` (driven by the panel) takes the keyboard
// focus at 1 and gives it up at 0.
Rectangle {
    id: root
    width: 220
    height: 50
    color: "black"

    property string texto: "N172SF" // placard text
    property real f: 0              // 1 = edit mode
    // The text field, for the panel's own key handling (Return ends editing).
    readonly property alias field: field

    onFChanged: {
        if (f === 1)
            field.forceActiveFocus()
        else if (f === 0)
            field.focus = false
    }

    FontLoader {
        id: placardFont
        source: "Rubik-Bold.ttf"
    }

    TextInput {
        id: field
        objectName: "field"
        x: root.width / 2 - width / 2
        y: 0
        text: root.texto
        color: "white"
        font.family: placardFont.font.family
        font.weight: placardFont.font.weight
        font.pixelSize: 45
        smooth: true
        // Focus is the panel's to give (through f), never a click's.
        activeFocusOnPress: false
        // The text is stored inside a comma-separated layout string.
        validator: RegularExpressionValidator { regularExpression: /[^,]*/ }
        onTextChanged: root.texto = text
    }
}
