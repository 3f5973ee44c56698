import QtQuick
import "HSIScale.js" as Scale
import "Cutouts.js" as Cutouts
import "qrc:/Cessna/Instrumentos/Layers"

// Horizontal situation indicator: compass card with heading bug, course arrow
// with its deviation bar and dots, HDG and NAV warning flags behind the inner
// bezel, and the glide-slope pointers at the sides.
Item {
    id: hsi

    property real heading: 0     // aircraft heading, degrees
    property real obs: 0         // selected course, degrees
    property real cdi_dots: 0    // course deviation, dots
    property real gsi_dots: 0    // glide-slope deviation, dots
    property real nav_signal: 0  // navigation signal present when not 0
    property real ap_heading: 0  // heading bug, degrees
    property real bat: 0         // bus voltage; not 0 means powered
    // Accepted from the panels but not drawn.
    property real to_from: 0
    property real gsi_signal: 0
    property real gsi_flag: 0

    // The course relative to the aircraft: the angle of the arrow, dots and bar.
    readonly property real courseAngle: Scale.courseAngle(obs, heading)

    // The HDG and NAV flags swing through their angle in one second.
    readonly property int flagSwingMs: 1000

    width: 210
    height: 210

    LayerImage {
        objectName: "background"
        source: Qt.resolvedUrl("HSI_background.png")
        width: 210
        height: 210
    }
    Image {
        objectName: "rose"
        source: "HSI_compas rose.png"
        y: -4
        width: 210
        height: 210
        scale: 0.82
        transform: Rotation { origin.x: 105; origin.y: 105; angle: Scale.cardAngle(hsi.heading) }
    }
    CutOutLayer {
        objectName: "headingBug"
        source: Qt.resolvedUrl("HSI_headingbug.png")
        cutouts: Cutouts.rects
        x: 97
        y: 31
        width: 16
        height: 168
        transform: Rotation { origin.x: 7; origin.y: 71; angle: Scale.bugAngle(hsi.ap_heading, hsi.heading) }
    }
    CutOutLayer {
        objectName: "courseArrow"
        source: Qt.resolvedUrl("HSI_Needle arrow.png")
        cutouts: Cutouts.rects
        x: -11
        y: -60.5
        width: 232
        height: 325
        scale: 0.39
        transform: Rotation { origin.x: 116; origin.y: 163; angle: hsi.courseAngle }
    }
    CutOutLayer {
        objectName: "deviationScale"
        source: Qt.resolvedUrl("HSI_loc scale.png")
        cutouts: Cutouts.rects
        x: -14
        y: 82
        width: 238
        height: 46
        scale: 0.4
        transform: Rotation { origin.x: 119; origin.y: 23; angle: hsi.courseAngle }
    }
    CutOutLayer {
        objectName: "deviationBar"
        source: Qt.resolvedUrl("HSI_Needle center.png")
        cutouts: Cutouts.rects
        x: 89
        y: -57.5
        width: 32
        height: 325
        scale: 0.34
        transform: [
            Rotation { origin.x: 16; origin.y: 160; angle: hsi.courseAngle },
            Translate {
                x: Scale.barOffsetX(hsi.cdi_dots, hsi.courseAngle)
                y: Scale.barOffsetY(hsi.cdi_dots, hsi.courseAngle)
            }
        ]
    }
    CutOutLayer {
        objectName: "hdgFlag"
        source: Qt.resolvedUrl("HSI_flag HDG right.png")
        cutouts: Cutouts.rects
        x: 55
        y: 11
        width: 212
        height: 60
        scale: 0.4
        transform: Rotation {
            origin.x: 118
            origin.y: 0
            angle: Scale.hdgFlagAngle(hsi.bat)
            Behavior on angle {
                NumberAnimation { duration: hsi.flagSwingMs; easing.type: Easing.InOutQuad }
            }
        }
    }
    CutOutLayer {
        objectName: "navFlag"
        source: Qt.resolvedUrl("HSI_flag NAV left.png")
        cutouts: Cutouts.rects
        x: -70
        y: 12
        width: 236
        height: 58
        scale: 0.4
        transform: Rotation {
            origin.x: 118
            origin.y: 0
            angle: Scale.navFlagAngle(hsi.nav_signal)
            Behavior on angle {
                NumberAnimation { duration: hsi.flagSwingMs; easing.type: Easing.InOutQuad }
            }
        }
    }
    LayerImage {
        objectName: "innerBezel"
        source: Qt.resolvedUrl("HSI_inner bezel.png")
        y: 19
        width: 210
        height: 168
    }
    Image {
        objectName: "glideSlope"
        source: "HSI_ILS bugs.png"
        x: -130
        y: 78
        width: 470
        height: 50
        scale: 0.43
        transform: Translate { y: Scale.glideOffset(hsi.gsi_dots) }
    }
    LayerImage {
        objectName: "bezel"
        source: Qt.resolvedUrl("HSI_Bezel ext.png")
        width: 210
        height: 210
    }
}
