import QtQuick

// A white rule across the references page.
Rectangle {
    height: 2
    color: "white"
}
