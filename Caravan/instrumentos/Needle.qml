import QtQuick

// The grey needle of the Caravan's round gauges (airspeed and torque): the
// upright pointer image, placed in its gauge (the parent) by the fractions of
// the 1640 x 1660 face artwork it was laid out on, and turning about its
// bottom centre, which is the dial centre at (0.5, 0.506) of the gauge.
Image {
    id: needle

    property real angle: 0     // degrees clockwise, 0 pointing up

    x: parent.width * 773 / 1640
    y: parent.height * 140 / 1660
    width: parent.width * 94 / 1640
    height: parent.height * 700 / 1660
    source: "qrc:/Caravan/images/ponteiro.png"
    fillMode: Image.PreserveAspectFit
    transform: Rotation {
        origin.x: needle.width / 2
        origin.y: needle.height
        angle: needle.angle
    }
}
