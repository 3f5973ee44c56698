import QtQuick
import QtQuick.Window
import "qrc:/Classes/LayoutString.js" as Layout
import "RadioFields.js" as Radio

// What both radio panels share: the design drawn inside a container scaled by
// the panel scale, the lit colour, the shared layout string of configRadio.txt
// (window place and fixed size, scale, colour), the wheel zoom, and the
// settings window that Escape opens.
//
// Reads the context properties the radio windows publish: timedDataString (the
// radio value vector), formDataString (the layout string), fileObj (file
// service), viewManager (window geometry). Any of them may be missing.
Rectangle {
    id: panel

    property real designWidth: 433
    property real designHeight: 496

    // The lit colour, from layout fields 3 to 5.
    property real red: 1
    property real green: 0
    property real blue: 0
    readonly property color litColour: Qt.rgba(red, green, blue, 1)

    // The radio value vector, split into fields.
    readonly property var fields: Radio.values(typeof timedDataString === "string" ? timedDataString : "")
    // The last layout string received, and its fields once applied.
    readonly property string layoutText: typeof formDataString === "string" ? formDataString : ""
    property var layoutFields: []

    // The settings window and the menu it holds.
    property alias settingsTitle: settingsWin.title
    property alias settingsMenu: menuLoader.sourceComponent
    readonly property alias settingsWindow: settingsWin

    readonly property alias container: container
    default property alias content: container.data

    // Whole screen pixels of the window at the current scale.
    readonly property int windowWidth: Math.trunc(designWidth * container.scale)
    readonly property int windowHeight: Math.trunc(designHeight * container.scale)

    // Window geometry through the window's geometry service, when there is one.
    function view() {
        return typeof viewManager !== "undefined" && viewManager ? viewManager : null
    }

    function setScale(scale) {
        container.scale = scale
        panel.width = designWidth * scale
        panel.height = designHeight * scale
    }

    // Applies a layout string: window position, scale and fixed window size,
    // lit colour. Fields that are missing or not numbers leave what they set as
    // it is, so an emptied or damaged file cannot collapse or lose the window.
    function applyLayout() {
        const f = layoutText.split(",")
        const x = parseInt(f[Radio.layoutX], 10)
        const y = parseInt(f[Radio.layoutY], 10)
        const scale = Radio.layoutScaleValue(f[Radio.layoutScale])
        const v = view()
        if (v && !isNaN(x) && !isNaN(y))
            v.setPosition(x, y)
        if (scale !== undefined)
            setScale(scale)
        // Both limits are set before the resize, so the window grows and
        // shrinks to the panel and cannot be resized by the user.
        if (v)
            v.setFixedSize(windowWidth, windowHeight)
        red = Radio.colourComponent(f[Radio.layoutRed], red)
        green = Radio.colourComponent(f[Radio.layoutGreen], green)
        blue = Radio.colourComponent(f[Radio.layoutBlue], blue)
        layoutFields = f
    }

    // The wheel zoom: scales the panel at once and writes the new scale into
    // the layout string; the window follows when the string comes back.
    function zoomBy(angleDelta) {
        const scale = Radio.wheelScale(container.scale, angleDelta)
        if (scale === container.scale)
            return
        setScale(scale)
        if (typeof fileObj !== "undefined" && fileObj)
            fileObj.writeFile(Layout.replaceField(Radio.completeLayout(layoutText), Radio.layoutScale,
                                                  scale.toFixed(2)), Radio.layoutPath)
    }

    function showSettings() {
        settingsWin.show()
        settingsWin.raise()
        settingsWin.requestActivate()
    }

    color: "#000000"
    width: designWidth * container.scale
    height: designHeight * container.scale
    focus: true
    Keys.onEscapePressed: showSettings()

    // The layout is applied once the document is complete, then on every change.
    property bool completed: false
    onLayoutTextChanged: if (completed) applyLayout()
    Component.onCompleted: {
        completed = true
        applyLayout()
    }

    Item {
        id: container
        objectName: "container"
        width: panel.designWidth
        height: panel.designHeight
        transformOrigin: Item.TopLeft
        scale: 1.6 // until a layout string is applied
    }

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.NoButton
        onWheel: (wheel) => panel.zoomBy(wheel.angleDelta.y)
    }

    Window {
        id: settingsWin
        // Above the panel windows, which stay on top themselves.
        flags: Qt.Window | Qt.WindowStaysOnTopHint
        width: 630
        height: 450
        minimumWidth: 630
        maximumWidth: 630
        minimumHeight: 450
        maximumHeight: 450
        visible: false
        color: "#000000"

        Loader {
            id: menuLoader
            anchors.fill: parent
            focus: true
        }
    }
}
