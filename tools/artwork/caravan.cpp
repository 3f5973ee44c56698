// Artwork of the Caravan's own gauges: the airspeed indicator (knots outside,
// miles per hour inside), the torque indicator and the grey needle both share.
// Every mark is placed through the gauge's scale script
// (Caravan/instrumentos/<Gauge>/<Gauge>Scale.js), the very function the
// document turns the needle with, so a mark lies where the needle stands for
// its value.
#include "artwork.h"

#include <QLinearGradient>
#include <QPainterPath>

using namespace art;

namespace {

const QSizeF kGauge(210, 210);

// The needle layer: 94 x 700 of the 1640 x 1660 face artwork the documents
// place it by, its bottom centre on the dial centre (0.5, 840 / 1660 of the
// gauge). The faces are square, so the dial centre is this point of the face.
const QSizeF kNeedle(210.0 * 94 / 1640, 210.0 * 700 / 1660);
const QPointF kPivot(105, 210.0 * 840 / 1660);

const double kFace = 95;         // face radius
const double kBezel = 103;       // bezel outer radius
const double kScaleRim = 93.5;   // outer end of the graduations
const double kBand = 91;         // centre line of the outer colour band
const double kBandWidth = 5;

const QColor kSecondary(205, 205, 200); // smaller legends

double knotsAngle(double knots)
{
    return call(QStringLiteral("Caravan/instrumentos/Airspeed/AirspeedScale.js"),
                QStringLiteral("interpolateSpeedToAngle"), {knots});
}

double torqueAngle(double footPounds)
{
    return call(QStringLiteral("Caravan/instrumentos/Torque/TorqueScale.js"),
                QStringLiteral("interpolateTorqueToAngle"), {footPounds});
}

// Bezel and matte face, centred on the needle's pivot.
void dial(QPainter &p)
{
    bezel(p, kPivot, kFace, kBezel);
    face(p, kPivot, kFace);
}

// The dark boss the needle rises from, and the glass over the face.
void hubAndGlass(QPainter &p)
{
    hub(p, kPivot, 7.5, QColor(38, 38, 40));
    glass(p, kPivot, kFace);
}

// A red radial at one angle from the face's rim down over the outer part of
// the graduations; the inner part of the mark under it stays white.
void redLine(QPainter &p, double angleDeg)
{
    p.setPen(QPen(colour::red, 3.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(polar(kPivot, 84, angleDeg), polar(kPivot, kFace, angleDeg));
}

// ---- airspeed indicator -----------------------------------------------------

// Cessna 208 markings, knots: flaps 50-125, normal 63-175, maximum operating 175.
const double kWhiteArc[] = {50, 125};
const double kGreenArc[] = {63, 175};
const double kMaxOperating = 175;
const double kMphPerKnot = 1.150779;

double mphAngle(double mph)
{
    return knotsAngle(mph / kMphPerKnot);
}

} // namespace

// Outer scale: knots, 5-kt marks from 40 to 200, numbered every 20, the flap
// (white) and normal (green) ranges and the red line. Inner scale: miles per
// hour, 10-mph marks from 40 to 240, numbered every 20.
RADOD_ARTWORK("Caravan/images/airspeed.png", kGauge, [](QPainter &p) {
    const QPointF c = kPivot;
    dial(p);
    arc(p, c, kBand, kBandWidth, knotsAngle(kGreenArc[0]), knotsAngle(kGreenArc[1]), colour::green);
    arc(p, c, kBand - kBandWidth + 0.5, 4, knotsAngle(kWhiteArc[0]), knotsAngle(kWhiteArc[1]),
        colour::white);
    ticks(p, c, kScaleRim, 13.5, 1.2, anglesOf(45, 195, 10, knotsAngle));
    ticks(p, c, kScaleRim, 17.5, 2, anglesOf(40, 200, 10, knotsAngle));
    redLine(p, knotsAngle(kMaxOperating));
    for (int kt = 40; kt <= 200; kt += 20)
        numeral(p, c, 64, knotsAngle(kt), QString::number(kt), 12.5, colour::white, false,
                Typeface::Condensed);

    const double mphRim = 53;
    arc(p, c, mphRim, 0.8, mphAngle(40), mphAngle(240), colour::white);
    ticks(p, c, mphRim, 4, 1, anglesOf(50, 230, 20, mphAngle));
    ticks(p, c, mphRim, 6, 1.4, anglesOf(40, 240, 20, mphAngle));
    for (int mph = 40; mph <= 240; mph += 20)
        numeral(p, c, 41.5, mphAngle(mph), QString::number(mph), 6.5, kSecondary, false,
                Typeface::Condensed);

    label(p, c + QPointF(0, -20), QStringLiteral("AIRSPEED"), 5.5, colour::white, Typeface::Cockpit);
    label(p, c + QPointF(0, 17), QStringLiteral("KNOTS"), 7, colour::white, Typeface::Cockpit);
    label(p, c + QPointF(0, 26), QStringLiteral("MPH"), 5, kSecondary, Typeface::Cockpit);
    hubAndGlass(p);
});

// ---- torque indicator -------------------------------------------------------

// Foot-pounds x 100: 100 ft-lb marks from 0 to 2500, numbered every 500, the
// normal range 0-2000 in green and the limit at 2000 in red.
RADOD_ARTWORK("Caravan/images/torque.png", kGauge, [](QPainter &p) {
    const QPointF c = kPivot;
    const double limit = 2000;
    dial(p);
    arc(p, c, kBand, kBandWidth, torqueAngle(0), torqueAngle(limit), colour::green);
    ticks(p, c, kScaleRim, 13.5, 1.3, anglesOf(0, 2500, 100, torqueAngle));
    ticks(p, c, kScaleRim, 17.5, 2.4, anglesOf(0, 2500, 500, torqueAngle));
    redLine(p, torqueAngle(limit));
    for (int ftlb = 0; ftlb <= 2500; ftlb += 500)
        numeral(p, c, 63, torqueAngle(ftlb), QString::number(ftlb / 100), 16, colour::white, false,
                Typeface::SansBold);
    label(p, c + QPointF(0, 36), QStringLiteral("TORQUE"), 9, colour::white, Typeface::Cockpit);
    label(p, c + QPointF(0, 48), QStringLiteral("FT-LB X 100"), 6, kSecondary, Typeface::Cockpit);
    hubAndGlass(p);
});

// ---- needle -------------------------------------------------------------------

// A grey lance drawn upright, its flat root at the layer's bottom centre (the
// pivot, inside the face's boss) and its tip at the top edge.
RADOD_ARTWORK("Caravan/images/ponteiro.png", kNeedle, [](QPainter &p) {
    const double w = kNeedle.width(), h = kNeedle.height();
    const double mid = w / 2, root = 3.2, shoulder = 2.4, tipLength = 9;
    QPainterPath lance;
    lance.moveTo(mid, 1);
    lance.lineTo(mid + shoulder, 1 + tipLength);
    lance.lineTo(mid + root, h);
    lance.lineTo(mid - root, h);
    lance.lineTo(mid - shoulder, 1 + tipLength);
    lance.closeSubpath();
    softShadow(p, lance.translated(0.9, 0.9), 0.8, 100);
    QLinearGradient metal(mid - root, 0, mid + root, 0);
    metal.setColorAt(0, QColor(120, 122, 126));
    metal.setColorAt(0.45, QColor(205, 207, 210));
    metal.setColorAt(1, QColor(140, 142, 146));
    p.setPen(QPen(QColor(60, 60, 64), 0.4));
    p.setBrush(metal);
    p.drawPath(lance);
}, 4); // finer than the faces: the layer is narrow and panels scale it up
