import QtQuick

// A text of a radio display, placed from an entry of the panel's face table
// (AvionicsFace.js, CompactFace.js): by its top-left corner, by its right edge,
// or centred in a box; in one of the panel's display fonts; its glyphs
// narrowed by the entry's `condense` about the left edge (the box centre for
// boxed texts, the right edge for right-aligned ones) and lowered by its
// `squash` about the top.
Text {
    id: item
    textFormat: Text.PlainText

    property var place: ({})
    property RadioFonts fonts

    readonly property bool boxed: place.width !== undefined
    readonly property real condense: place.condense !== undefined ? place.condense : 1
    readonly property real squash: place.squash !== undefined ? place.squash : 1
    readonly property font face: fonts ? fonts[place.font || "segments"] : Qt.font({})

    x: place.right !== undefined ? place.right - width : (place.x || 0)
    y: place.y || 0
    width: boxed ? place.width : implicitWidth
    height: boxed ? place.height : implicitHeight
    font.family: face.family
    font.weight: face.weight
    font.italic: face.italic
    font.pixelSize: place.size || 12
    horizontalAlignment: boxed ? Text.AlignHCenter : Text.AlignLeft
    verticalAlignment: boxed ? Text.AlignVCenter : Text.AlignTop
    transform: Scale {
        origin.x: item.boxed ? item.width / 2 : (item.place.right !== undefined ? item.width : 0)
        xScale: item.condense
        yScale: item.squash
    }
}
