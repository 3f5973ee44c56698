import QtQuick
import "AttitudeScale.js" as Scale
import "qrc:/Cessna/Instrumentos/Layers"

// Attitude indicator: sky-and-ground disk, pitch ladder and bank ring turning
// with the bank; fixed in front, the miniature aeroplane under the mask with
// the bank index (one picture).
Item {
    id: horizon

    property real altVacuum: 0       // pitch, degrees, positive nose up
    property real rotationVacuum: 0  // bank, degrees, positive right wing down

    readonly property real pitchOffset: Scale.pitchOffset(altVacuum)
    readonly property real rollAngle: Scale.rollAngle(rotationVacuum)

    width: 210
    height: 210

    // The ladder moves up to 46 px and the group turns: keep what leaves the
    // gauge's square from drawing over the neighbouring gauges.
    Item {
        width: 210
        height: 210
        clip: true

        // Everything in the group turns: its layers keep their full resolution.
        Item {
            objectName: "roll"
            width: 210
            height: 210
            transform: Rotation { origin.x: 105; origin.y: 105; angle: horizon.rollAngle }

            LayerImage {
                objectName: "background"
                turns: true
                source: Qt.resolvedUrl("horizonteBg.png")
                width: 210
                height: 210
            }
            LayerImage {
                objectName: "ladder"
                turns: true
                source: Qt.resolvedUrl("attitude_horizon.png")
                width: 210
                height: 210
                transform: Translate { y: horizon.pitchOffset }
            }
            LayerImage {
                objectName: "bankRing"
                turns: true
                source: Qt.resolvedUrl("attroll.png")
                width: 210
                height: 210
            }
        }
    }
    LayerImage {
        objectName: "mask"
        source: Qt.resolvedUrl("attitude.png")
        width: 210
        height: 210
    }
}
