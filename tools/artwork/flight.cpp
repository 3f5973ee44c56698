// Artwork of the flight gauges: airspeed, altimeter, attitude, heading, turn
// coordinator and vertical speed. Marks are placed with the gauges' own scale
// scripts (Cessna/Instrumentos/<Folder>/*Scale.js), the very functions the
// documents turn their needles with.
#include "artwork.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

using namespace art;

namespace {

const QSizeF kGauge(210, 210);

// ---- shared pieces of the round flight gauges -------------------------------

// Bezel plus a face ring from rOpen to rFace: the centre stays open so that a
// card drawn on a lower layer shows through.
void openDial(QPainter &p, QPointF c, double rOpen, double rFace, double rBezel)
{
    bezel(p, c, rFace, rBezel);
    QRadialGradient g(c, rFace);
    g.setColorAt(0.0, colour::faceBlack.lighter(125));
    g.setColorAt(0.85, colour::faceBlack);
    g.setColorAt(1.0, colour::faceBlack.darker(160));
    QPainterPath path;
    path.addEllipse(c, rFace, rFace);
    path.addEllipse(c, rOpen, rOpen);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(path);
    // A thin lip where the face ends, so the card below looks recessed.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 160), 1.2));
    p.drawEllipse(c, rOpen, rOpen);
}

// Two screws at the lower corners, as on panel-mounted instruments.
void screws(QPainter &p, const QVector<QPointF> &at, double r = 4.2)
{
    for (const QPointF &s : at) {
        hub(p, s, r, QColor(55, 55, 58));
        p.setPen(QPen(QColor(15, 15, 15), r * 0.3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(s + QPointF(-r * 0.6, -r * 0.3), s + QPointF(r * 0.6, r * 0.3));
    }
}

// ---- airspeed indicator --------------------------------------------------

const QString kAirspeedScale = QStringLiteral("Cessna/Instrumentos/Airspeed/AirspeedScale.js");
// The needle turns about gauge point (106, 107): the dial is centred there.
const QPointF kAsiPivot(106, 107);

double asiAngle(double knots)
{
    return call(kAirspeedScale, QStringLiteral("needleAngle"), {knots});
}

struct AirspeedArcs
{
    double whiteFrom, whiteTo;   // flap operating range
    double greenFrom, greenTo;   // normal operating range
    double yellowTo;             // caution range, from greenTo
    double redLine;              // never exceed
};

// The face of the airspeed indicator, open in the middle for the TAS card.
void airspeedFace(QPainter &p, const AirspeedArcs &a)
{
    const QPointF c = kAsiPivot;
    const double rFace = 93, rOpen = 50;
    openDial(p, c, rOpen, rFace, 103);

    // Coloured arcs: white inside, green and yellow on the outer band.
    arc(p, c, 78.5, 4.5, asiAngle(a.whiteFrom), asiAngle(a.whiteTo), colour::white);
    arc(p, c, 84, 6, asiAngle(a.greenFrom), asiAngle(a.greenTo), colour::green);
    arc(p, c, 84, 6, asiAngle(a.greenTo), asiAngle(a.yellowTo), colour::yellow);
    ticks(p, c, 88, 15, 2.6, {asiAngle(a.redLine)}, colour::red);

    // Graduations every 5 kt, longer every 10 kt, from 40 kt up.
    ticks(p, c, 87, 6, 1.1, anglesOf(45, 195, 10, asiAngle));
    ticks(p, c, 87, 11, 1.8, anglesOf(40, 200, 10, asiAngle));
    for (int kt = 40; kt <= 200; kt += 20)
        numeral(p, c, 63, asiAngle(kt), QString::number(kt), 12.5, colour::white, false,
                Typeface::Condensed);

    label(p, c + QPointF(0, -58), QStringLiteral("AIRSPEED"), 5.5, colour::white, Typeface::Cockpit);
    screws(p, {QPointF(14, 196), QPointF(196, 196)});
}

} // namespace

// Bottom layer: the true-airspeed card with its small temperature /
// pressure-altitude window, seen through the face's open centre.
RADOD_ARTWORK("Cessna/Instrumentos/Airspeed/aircard.png", kGauge, [](QPainter &p) {
    const QPointF c = kAsiPivot;
    face(p, c, 54, QColor(26, 26, 28));
    // True airspeed figures just inside the indicated ones.
    ticks(p, c, 50, 3, 0.8, anglesOf(60, 200, 10, asiAngle), QColor(200, 200, 196));
    for (int kt = 60; kt <= 200; kt += 20)
        numeral(p, c, 41.5, asiAngle(kt), QString::number(kt), 6, QColor(215, 215, 210), true,
                Typeface::Condensed);
    // Window: pressure altitude (thousands of feet) against air temperature.
    const QPointF w = c + QPointF(0, -17);
    p.setPen(QPen(QColor(70, 70, 72), 0.8));
    p.setBrush(QColor(8, 8, 9));
    p.drawRoundedRect(QRectF(w.x() - 19, w.y() - 8, 38, 16), 3, 3);
    for (int i = 0; i <= 4; ++i) {
        const double x = w.x() - 15 + i * 7.5;
        label(p, QPointF(x, w.y() - 3.5), QString::number(i * 3), 4, colour::white, Typeface::Sans);
        label(p, QPointF(x, w.y() + 3.5), QString::number(-30 + i * 15), 3.6, colour::yellow,
              Typeface::Sans);
    }
    p.setPen(QPen(colour::white, 0.6));
    p.drawLine(w + QPointF(0, -8), w + QPointF(0, 8));
    label(p, c + QPointF(0, 22), QStringLiteral("KNOTS"), 6.5, colour::white, Typeface::Cockpit);
    label(p, c + QPointF(0, 31), QStringLiteral("TAS"), 4.5, QColor(200, 200, 196), Typeface::Cockpit);
});

// Face of the Cessna 172: flaps 33-85 kt, normal 44-129, caution to 163, Vne 163.
RADOD_ARTWORK("Cessna/Instrumentos/Airspeed/airspeed.png", kGauge, [](QPainter &p) {
    airspeedFace(p, {33, 85, 44, 129, 163, 163});
});

// The faster single's face with its red line at 200 kt. The file is 198 units
// wide and is stretched to 210 by the document, so it is drawn in gauge units
// shrunk by 198/210.
RADOD_ARTWORK("Cessna/Instrumentos/Airspeed/airspeed210.png", QSizeF(198, 198), [](QPainter &p) {
    p.scale(198.0 / 210.0, 198.0 / 210.0);
    airspeedFace(p, {55, 100, 62, 165, 200, 200});
});

namespace {
// The airspeed needle: 15 x 95 layer turning about (8, 78).
const QPointF kAsiNeedlePivot(8, 78);
QPainterPath asiNeedleShape(QPointF pivot)
{
    return needlePath(pivot, 76, 15, 6.5);
}
} // namespace

RADOD_ARTWORK("Cessna/Instrumentos/Airspeed/needle.png", QSizeF(15, 95), [](QPainter &p) {
    needle(p, kAsiNeedlePivot, 76, 15, 6.5, colour::white, false);
    hub(p, kAsiNeedlePivot, 6.5);
});

// The shadow layer turns about (10, 82), 7 units below the needle's pivot, so
// it always falls the same way: below the needle, as from a light overhead.
RADOD_ARTWORK("Cessna/Instrumentos/Airspeed/needle_shadow.png", QSizeF(21, 100), [](QPainter &p) {
    QPainterPath shape = asiNeedleShape(QPointF(10, 82));
    shape.addEllipse(QPointF(10, 82), 6.5, 6.5);
    softShadow(p, shape, 1.6, 110);
});
