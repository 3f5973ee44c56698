import QtQuick

// Records the calls a radio panel makes on its window's geometry service.
QtObject {
    property var calls: []

    function record(name, a, b) {
        calls.push(name + " " + a + " " + b)
    }
    function setPosition(x, y) { record("setPosition", x, y) }
    function setSize(w, h) { record("setSize", w, h) }
    function setFixedSize(w, h) { record("setFixedSize", w, h) }
    function setMaximumSize(w, h) { record("setMaximumSize", w, h) }
    function setMinimumSize(w, h) { record("setMinimumSize", w, h) }
    function saveWindowGeometry() { record("saveWindowGeometry", "", "") }
    function clear() { calls = [] }
}
