import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import "qrc:/Classes/LayoutString.js" as Layout
import "../RadioFields.js" as Radio

// The settings menu of the radio panels: window position, panel scale, lit
// colour and (avionics menu) the frequency set of the shared layout string in
// configRadio.txt. There is no save: every change of a control replaces its
// field(s) in the working copy and writes the whole copy at once; the panels
// follow when the file comes back to them as formDataString.
//
// Loading a layout string sets every control, and a control whose value
// changes writes its field back in its own form (scale and colour with two
// decimals, the frequency set as 1 or 2): once, after all controls are set,
// and only while the file still holds the string that was loaded.
Item {
    id: menu

    // Resource folder of the menu's images and fonts.
    property string folder: "qrc:/RadioAvionico"
    // The frequency-set row (avionics menu only).
    property bool frequencySetRow: true

    // Working copy: always a whole layout string.
    property string configText: Radio.defaultLayout
    readonly property string layoutText: typeof formDataString === "string" ? formDataString : ""
    // Set once every control exists; the change rules wait for it.
    property bool ready: false
    // Set while a layout string is being loaded.
    property bool loading: false

    readonly property real scaleStep: 0.02

    // Replaces fields index, index + 1, ... of the working copy and writes it,
    // unless nothing changed or a load is under way.
    function store(index, texts) {
        if (!ready)
            return
        const updated = Layout.replaceFields(configText, index, texts)
        if (updated === configText)
            return
        configText = updated
        if (!loading)
            write()
    }
    function write() {
        if (typeof fileObj !== "undefined" && fileObj)
            fileObj.writeFile(configText, Radio.layoutPath)
    }
    // The loaded string in the controls' form goes back only over the string
    // it came from: a newer layout written meanwhile stays, and comes here next.
    function writeBack() {
        if (typeof fileObj !== "undefined" && fileObj)
            fileObj.writeFileIfUnchanged(configText, Radio.layoutPath, layoutText)
    }

    function load() {
        if (!ready)
            return
        loading = true
        configText = Radio.completeLayout(layoutText)
        const f = configText.split(",")
        posX.text = f[Radio.layoutX]
        posY.text = f[Radio.layoutY]
        setSlider(scaleSlider, f[Radio.layoutScale])
        setSlider(sliderRed, f[Radio.layoutRed])
        setSlider(sliderGreen, f[Radio.layoutGreen])
        setSlider(sliderBlue, f[Radio.layoutBlue])
        if (frequencySetRow)
            selectFrequencySet(Radio.reads(f[Radio.layoutFrequencySet], 1) ? checkBox : checkBox2)
        loading = false
        if (configText !== layoutText)
            writeBack()
    }
    // A field that is not a number leaves its slider where it is.
    function setSlider(slider, text) {
        const v = parseFloat(text)
        if (!isNaN(v))
            slider.value = v
    }

    // Position fields: an emptied field becomes "0"; whole numbers are stored.
    function positionEdited(field, index) {
        if (field.text === "") {
            field.text = "0"
            return
        }
        if (/^-?[0-9]+$/.test(field.text))
            store(index, [field.text])
    }
    function nudge(field, delta) {
        field.text = String((parseInt(field.text, 10) || 0) + delta)
    }
    // "+" and "-": the scale text moves by 0.02 within the slider's range; the
    // slider follows when the written string comes back.
    function stepScale(delta) {
        const s = parseFloat(scaleText.text)
        scaleText.text = Radio.clamp((isNaN(s) ? 1 : s) + delta, scaleSlider.from, scaleSlider.to).toFixed(2)
    }
    function colourChanged() {
        if (!ready)
            return
        colorBox.color = Qt.rgba(sliderRed.value, sliderGreen.value, sliderBlue.value, 1)
        store(Radio.layoutRed, [colorBox.color.r.toFixed(2), colorBox.color.g.toFixed(2),
                                colorBox.color.b.toFixed(2)])
    }
    function selectFrequencySet(box) {
        checkBox.checked = box === checkBox
        checkBox2.checked = box === checkBox2
    }
    function frequencySetChanged() {
        if (checkBox.checked)
            store(Radio.layoutFrequencySet, ["1"])
        else if (checkBox2.checked)
            store(Radio.layoutFrequencySet, ["2"])
    }

    width: 630
    height: 450
    focus: true
    Material.theme: Material.Dark
    Material.accent: Material.LightGreen

    onLayoutTextChanged: load()
    Component.onCompleted: {
        ready = true
        load()
    }

    Keys.onPressed: (event) => {
        switch (event.key) {
        case Qt.Key_Left: nudge(posX, -1); break
        case Qt.Key_Right: nudge(posX, 1); break
        case Qt.Key_Up: nudge(posY, -1); break
        case Qt.Key_Down: nudge(posY, 1); break
        case Qt.Key_Plus: stepScale(scaleStep); break
        case Qt.Key_Minus: stepScale(-scaleStep); break
        default: return
        }
        event.accepted = true
    }

    // A label of the menu, white on its dark background.
    component Caption: Text {
        textFormat: Text.PlainText
        color: "white"
        font.pixelSize: 20
    }
    component PositionField: TextField {
        width: 92
        height: 33
        topPadding: 0
        bottomPadding: 0
        leftPadding: 8
        rightPadding: 8
        topInset: 0
        bottomInset: 0
        font.pixelSize: 20
        color: "black"
        verticalAlignment: TextInput.AlignVCenter
        validator: IntValidator {}
        background: Rectangle {
            color: "white"
            border.width: 3
            border.color: "#434343"
            radius: 1
        }
    }
    component ColourSlider: Slider {
        x: 360
        width: 205
        from: 0
        to: 1
    }

    Image {
        anchors.fill: parent
        source: menu.folder + "/images/bg_config.jpg"
    }
    // A click beside the controls gives the keys back to the shortcuts.
    MouseArea {
        anchors.fill: parent
        onClicked: menu.forceActiveFocus()
    }

    Caption { x: 235; y: 15; text: "Settings"; font.pixelSize: 40 }

    Caption { x: 40; y: 110; text: "Position X: " }
    PositionField {
        id: posX
        objectName: "posX"
        x: 145
        y: 110
        text: "0"
        onTextChanged: menu.positionEdited(posX, Radio.layoutX)
    }
    Caption { x: 40; y: 180; text: "Position Y: " }
    PositionField {
        id: posY
        objectName: "posY"
        x: 145
        y: 180
        onTextChanged: menu.positionEdited(posY, Radio.layoutY)
    }

    Caption { x: 40; y: 250; text: "Scale: " }
    Caption {
        id: scaleText
        objectName: "scaleText"
        x: 100
        y: 250
        text: "1.00"
        onTextChanged: menu.store(Radio.layoutScale, [scaleText.text === "" ? "1" : scaleText.text])
    }
    Slider {
        id: scaleSlider
        objectName: "scaleSlider"
        x: 145
        y: 257
        width: 175 // ends before the colour column
        from: Radio.minimumScale
        to: Radio.maximumScale
        stepSize: 0.1
        value: 1
        onValueChanged: if (menu.ready) scaleText.text = value.toFixed(2)
    }

    Caption { x: 440; y: 70; text: "Color: " }
    Caption { x: 330; y: 110; text: "R"; font.pixelSize: 18 }
    Caption { x: 330; y: 180; text: "G"; font.pixelSize: 18 }
    Caption { x: 330; y: 250; text: "B"; font.pixelSize: 18 }
    ColourSlider { id: sliderRed; objectName: "sliderRed"; y: 115; value: 1; onValueChanged: menu.colourChanged() }
    ColourSlider { id: sliderGreen; objectName: "sliderGreen"; y: 185; value: 0; onValueChanged: menu.colourChanged() }
    ColourSlider { id: sliderBlue; objectName: "sliderBlue"; y: 255; value: 0; onValueChanged: menu.colourChanged() }
    Rectangle {
        id: colorBox
        objectName: "colorBox"
        visible: false
        color: Qt.rgba(1, 0, 0, 1)
    }

    Item {
        id: frequencySetControls
        objectName: "frequencySetRow"
        visible: menu.frequencySetRow
        enabled: visible

        Caption { x: 40; y: 305; text: "Set frequencies:"; font.pixelSize: 18 }
        FrequencySetBox {
            id: checkBox
            objectName: "checkBox"
            x: 240
            y: 300
            tick: menu.folder + "/images/check.jpg"
            onClicked: menu.selectFrequencySet(checkBox)
            onCheckedChanged: menu.frequencySetChanged()
        }
        Caption { x: 280; y: 305; text: "COM1/NAV1"; font.pixelSize: 18 }
        FrequencySetBox {
            id: checkBox2
            objectName: "checkBox2"
            x: 424
            y: 300
            tick: menu.folder + "/images/check.jpg"
            onClicked: menu.selectFrequencySet(checkBox2)
            onCheckedChanged: menu.frequencySetChanged()
        }
        Caption { x: 464; y: 305; text: "COM2/NAV2"; font.pixelSize: 18 }
    }

    FontLoader {
        id: previewFont
        source: menu.folder + "/fonts/digital-7.ttf"
    }
    Text {
        id: previewDigital7
        textFormat: Text.PlainText
        objectName: "previewDigital7"
        // The LCD face is wider than the menu at 70 pixels: the preview shrinks
        // to the menu's width.
        x: 20
        y: 370
        width: menu.width - 40
        height: 70
        text: "Display Preview"
        color: colorBox.color
        font.family: previewFont.font.family
        font.pixelSize: 70
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: 8
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }
}
