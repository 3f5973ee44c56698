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

// Bezel and matte face of a round gauge; the face stops at rFace.
void dial(QPainter &p, QPointF c, double rFace, double rBezel, QColor colour = colour::faceBlack)
{
    bezel(p, c, rFace, rBezel);
    face(p, c, rFace, colour);
}

// Bezel plus a face ring from rOpen to rFace: the centre stays open so that a
// card drawn on a lower layer shows through.
void openDial(QPainter &p, QPointF c, double rOpen, double rFace, double rBezel)
{
    bezel(p, c, rFace, rBezel);
    QPainterPath annulus;
    annulus.addEllipse(c, rFace, rFace);
    annulus.addEllipse(c, rOpen, rOpen);
    p.save();
    p.setClipPath(annulus);
    face(p, c, rFace);
    p.restore();
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

// The needle turns about gauge point (106, 107): the dial is centred there.
const QPointF kAsiPivot(106, 107);
const auto asiAngle = scaleFunction(
    "Cessna/Instrumentos/Airspeed/AirspeedScale.js", "needleAngle");

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

// The true-airspeed card with its small temperature / pressure-altitude
// window, seen through the face's open centre.
void airspeedCard(QPainter &p)
{
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
}

} // namespace

// The card does not move, so each face is drawn over it as one picture.
// Face of the Cessna 172: flaps 33-85 kt, normal 44-129, caution to 163, Vne 163.
RADOD_ARTWORK("Cessna/Instrumentos/Airspeed/airspeed.png", kGauge, [](QPainter &p) {
    airspeedCard(p);
    airspeedFace(p, {33, 85, 44, 129, 163, 163});
});

// The faster single's face with its red line at 200 kt.
RADOD_ARTWORK("Cessna/Instrumentos/Airspeed/airspeed210.png", kGauge, [](QPainter &p) {
    airspeedCard(p);
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

// ---- wide-range airspeed indicator -------------------------------------------

namespace {
const QPointF kCentre(105, 105);
const auto b58Angle = scaleFunction(
    "Cessna/Instrumentos/AirspeedB58/AirspeedB58Scale.js", "needleAngle");
} // namespace

// Twin's face: flaps 71-122 kt, normal 84-195, caution to 223, Vne 223; red
// radial at Vmc 84 and blue at Vyse 101.
RADOD_ARTWORK("Cessna/Instrumentos/AirspeedB58/airspeed1.png", kGauge, [](QPainter &p) {
    const QPointF c = kCentre;
    dial(p, c, 95, 104);
    arc(p, c, 80.5, 4.5, b58Angle(71), b58Angle(122), colour::white);
    arc(p, c, 86, 6, b58Angle(84), b58Angle(195), colour::green);
    arc(p, c, 86, 6, b58Angle(195), b58Angle(223), colour::yellow);
    ticks(p, c, 90, 15, 2.6, {b58Angle(84), b58Angle(223)}, colour::red);
    ticks(p, c, 90, 15, 2.6, {b58Angle(101)}, QColor(40, 120, 255));
    ticks(p, c, 89, 6, 1.1, anglesOf(45, 255, 10, b58Angle));
    ticks(p, c, 89, 11, 1.8, anglesOf(40, 260, 10, b58Angle));
    for (int kt = 40; kt <= 260; kt += 20)
        numeral(p, c, 66, b58Angle(kt), QString::number(kt), kt >= 100 ? 11 : 12, colour::white,
                false, Typeface::Condensed);
    label(p, c + QPointF(0, -30), QStringLiteral("AIRSPEED"), 6, colour::white, Typeface::Cockpit);
    label(p, c + QPointF(0, 28), QStringLiteral("KNOTS"), 7, colour::white, Typeface::Cockpit);
    screws(p, {QPointF(12, 198), QPointF(198, 198)});
});

RADOD_CUTOUT("Cessna/Instrumentos/AirspeedB58/airspeed2.png", kGauge, [](QPainter &p) {
    needle(p, kCentre, 84, 18, 6.5);
    hub(p, kCentre, 7);
});

// ---- altimeter ---------------------------------------------------------------

namespace {
const auto hundredHand = scaleFunction(
    "Cessna/Instrumentos/Altimeter/AltimeterScale.js", "hundredAngle");

// A recessed setting window centred on `centre`.
void settingWindow(QPainter &p, QPointF centre, double width, double height)
{
    const QRectF box(centre.x() - width / 2, centre.y() - height / 2, width, height);
    p.setPen(QPen(QColor(150, 150, 150), 0.8));
    p.setBrush(QColor(4, 4, 5));
    p.drawRoundedRect(box, 1.5, 1.5);
    QLinearGradient inner(box.topLeft(), box.bottomLeft());
    inner.setColorAt(0, QColor(0, 0, 0, 200));
    inner.setColorAt(0.35, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(inner);
    p.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
}
} // namespace

// The dial: 0-9 with 20-ft graduations, the inch window right of centre (text
// at x = 175) and the hectopascal window left of it (x = 46), text top y = 100.
RADOD_ARTWORK("Cessna/Instrumentos/Altimeter/altimeterback.png", kGauge, [](QPainter &p) {
    const QPointF c = kCentre;
    dial(p, c, 95, 104);
    ticks(p, c, 91, 6, 1.1, anglesOf(0, 980, 20, hundredHand));
    ticks(p, c, 91, 11, 2.2, anglesOf(0, 900, 100, hundredHand));
    for (int digit = 0; digit <= 9; ++digit)
        numeral(p, c, 71, hundredHand(digit * 100), QString::number(digit), 16, colour::white,
                false, Typeface::SansBold);
    settingWindow(p, QPointF(175, 103.5), 24, 11);
    settingWindow(p, QPointF(46, 103.5), 20, 11);
    label(p, QPointF(175, 115), QStringLiteral("IN HG"), 3.8, colour::white, Typeface::Cockpit);
    label(p, QPointF(46, 115), QStringLiteral("HPA"), 3.8, colour::white, Typeface::Cockpit);
    label(p, c + QPointF(0, -46), QStringLiteral("100 FEET"), 5.5, colour::white, Typeface::Cockpit);
    label(p, c + QPointF(0, 48), QStringLiteral("CALIBRATED TO 20,000 FEET"), 3.6,
          QColor(200, 200, 196), Typeface::Cockpit);
    screws(p, {QPointF(12, 198), QPointF(198, 198)});
});

// Inner disk with the legend and the ten-thousand-foot pointer (a thin line
// to the rim ending in a small triangle).
RADOD_CUTOUT("Cessna/Instrumentos/Altimeter/altneedle10000.png", kGauge, [](QPainter &p) {
    const QPointF c = kCentre;
    QRadialGradient g(c, 30);
    g.setColorAt(0, QColor(42, 42, 45));
    g.setColorAt(1, QColor(28, 28, 30));
    p.setPen(QPen(QColor(0, 0, 0, 180), 0.8));
    p.setBrush(g);
    p.drawEllipse(c, 30, 30);
    label(p, c + QPointF(0, 17), QStringLiteral("ALTIMETER"), 4.6, colour::white, Typeface::Cockpit);
    p.setPen(QPen(colour::white, 1.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(c, polar(c, 84, 0));
    QPainterPath tip;
    tip.moveTo(polar(c, 84, 0));
    tip.lineTo(polar(c, 94, -3.4));
    tip.lineTo(polar(c, 94, 3.4));
    tip.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour::white);
    p.drawPath(tip);
});

// The short, broad thousand-foot hand.
RADOD_CUTOUT("Cessna/Instrumentos/Altimeter/altneedle1000.png", kGauge, [](QPainter &p) {
    needle(p, kCentre, 46, 12, 11);
});

// The long hundred-foot hand: a 168 x 168 layer turning about its centre.
RADOD_CUTOUT("Cessna/Instrumentos/Altimeter/altneedle100.png", QSizeF(168, 168), [](QPainter &p) {
    const QPointF c(84, 84);
    needle(p, c, 80, 16, 5.5);
    hub(p, c, 6.5);
});

// ---- attitude indicator ------------------------------------------------------

namespace {
const auto pitchOffset = scaleFunction(
    "Cessna/Instrumentos/Attitude/AttitudeScale.js", "pitchOffset");

const QColor kSkyHigh(20, 70, 150);
const QColor kSkyLow(70, 150, 225);
const QColor kGroundHigh(140, 90, 45);
const QColor kGroundLow(85, 52, 25);

// Sky above `horizonY`, ground below it, over the whole 210 box.
void skyAndGround(QPainter &p, double horizonY)
{
    QLinearGradient sky(0, 0, 0, horizonY);
    sky.setColorAt(0, kSkyHigh);
    sky.setColorAt(1, kSkyLow);
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRect(QRectF(0, 0, 210, horizonY));
    QLinearGradient ground(0, horizonY, 0, 210);
    ground.setColorAt(0, kGroundHigh);
    ground.setColorAt(1, kGroundLow);
    p.setBrush(ground);
    p.drawRect(QRectF(0, horizonY, 210, 210 - horizonY));
}
} // namespace

RADOD_ARTWORK("Cessna/Instrumentos/Attitude/horizonteBg.png", kGauge, [](QPainter &p) {
    skyAndGround(p, 105);
});

// The ladder moves down by the pitch offset. Each pitch mark is drawn where
// that offset brings it to the centre (105, 105), so the marks are 1.8 px per
// degree apart, closer between 15 and 25 degrees nose up.
RADOD_ARTWORK("Cessna/Instrumentos/Attitude/attitude_horizon.png", kGauge, [](QPainter &p) {
    const double centreY = 105;
    const auto markY = [&](double pitch) { return centreY - pitchOffset(pitch); };
    skyAndGround(p, markY(0));
    p.setPen(QPen(colour::white, 1.6));
    p.drawLine(QPointF(0, markY(0)), QPointF(210, markY(0)));
    for (int pitch : {-20, -15, -10, -5, 5, 10, 15, 20}) {
        const double y = markY(pitch);
        const bool major = pitch % 10 == 0;
        const double half = major ? (std::abs(pitch) == 20 ? 26 : 20) : 8;
        p.setPen(QPen(colour::white, major ? 1.4 : 1.1, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(105 - half, y), QPointF(105 + half, y));
        if (major) {
            const QString text = QString::number(std::abs(pitch));
            label(p, QPointF(105 - half - 7, y), text, 6.5, colour::white, Typeface::Condensed);
            label(p, QPointF(105 + half + 7, y), text, 6.5, colour::white, Typeface::Condensed);
        }
    }
});

// The bank ring turns with the sky: blue above, brown below, white marks at
// 10, 20, 30, 45, 60 and 90 degrees each side and the zero pointer. The mark of
// a bank angle is drawn at that angle, so it comes under the fixed index when
// the aeroplane banks by it.
RADOD_ARTWORK("Cessna/Instrumentos/Attitude/attroll.png", kGauge, [](QPainter &p) {
    const QPointF c = kCentre;
    const double rIn = 76, rOut = 97;
    QPainterPath upper, lower;
    upper.addEllipse(c, rOut, rOut);
    upper.addEllipse(c, rIn, rIn);
    QPainterPath topHalf;
    topHalf.addRect(QRectF(0, 0, 210, 105));
    lower = upper.subtracted(topHalf);
    upper = upper.intersected(topHalf);
    p.setPen(Qt::NoPen);
    p.setBrush(kSkyHigh.darker(115));
    p.drawPath(upper);
    p.setBrush(kGroundLow);
    p.drawPath(lower);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 150), 1));
    p.drawEllipse(c, rIn, rIn);
    for (int side : {-1, 1}) {
        ticks(p, c, 94, 7, 1.4, {side * 10.0, side * 20.0});
        ticks(p, c, 94, 13, 2.2, {side * 30.0, side * 60.0});
        ticks(p, c, 94, 13, 2.6, {side * 90.0});
        QPainterPath tri;
        tri.moveTo(polar(c, 84, side * 45.0));
        tri.lineTo(polar(c, 93, side * 45.0 - 2.6));
        tri.lineTo(polar(c, 93, side * 45.0 + 2.6));
        tri.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(colour::white);
        p.drawPath(tri);
    }
    // Zero pointer: a white triangle pointing up at the index.
    QPainterPath zero;
    zero.moveTo(polar(c, 94, 0));
    zero.lineTo(polar(c, 80, -5.5));
    zero.lineTo(polar(c, 80, 5.5));
    zero.closeSubpath();
    p.setBrush(colour::white);
    p.drawPath(zero);
});

namespace {
// The orange miniature aeroplane on its pedestal (the hoop).
void miniatureAeroplane(QPainter &p)
{
    const QPointF c = kCentre;
    // Pedestal, clipped to the window.
    QPainterPath window;
    window.addEllipse(c, 77, 77);
    QPainterPath pedestal;
    pedestal.moveTo(c + QPointF(-6, 8));
    pedestal.lineTo(c + QPointF(6, 8));
    pedestal.cubicTo(c + QPointF(14, 40), c + QPointF(38, 62), c + QPointF(48, 80));
    pedestal.lineTo(c + QPointF(-48, 80));
    pedestal.cubicTo(c + QPointF(-38, 62), c + QPointF(-14, 40), c + QPointF(-6, 8));
    pedestal = pedestal.intersected(window);
    softShadow(p, pedestal.translated(0, 1.5), 2, 80);
    QLinearGradient g(c + QPointF(-40, 0), c + QPointF(40, 0));
    g.setColorAt(0, QColor(38, 38, 40));
    g.setColorAt(0.5, QColor(70, 70, 74));
    g.setColorAt(1, QColor(30, 30, 32));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(pedestal);
    // Wings, bent down to the centre dot.
    QPainterPath wings;
    for (int side : {-1, 1}) {
        wings.moveTo(c + QPointF(side * 58, -1.6));
        wings.lineTo(c + QPointF(side * 22, -1.6));
        wings.lineTo(c + QPointF(side * 12, 6));
        wings.lineTo(c + QPointF(side * 12, 9.5));
        wings.lineTo(c + QPointF(side * 22, 1.8));
        wings.lineTo(c + QPointF(side * 58, 1.8));
        wings.closeSubpath();
    }
    wings.addEllipse(c, 3.2, 3.2);
    softShadow(p, wings.translated(0.8, 1.6), 1.2, 100);
    p.setBrush(colour::orange);
    p.drawPath(wings);
}
} // namespace

// The fixed front: the miniature aeroplane under the mask (case, bezel, the
// fixed bank index at the top and the glass), one picture as neither moves.
RADOD_ARTWORK("Cessna/Instrumentos/Attitude/attitude.png", kGauge, [](QPainter &p) {
    miniatureAeroplane(p);
    const QPointF c = kCentre;
    QPainterPath cover;
    cover.addRect(QRectF(0, 0, 210, 210));
    cover.addEllipse(c, 96, 96);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(8, 8, 9));
    p.drawPath(cover);
    bezel(p, c, 96, 104);
    QPainterPath index;
    index.moveTo(polar(c, 94.5, 0));
    index.lineTo(polar(c, 103, -4));
    index.lineTo(polar(c, 103, 4));
    index.closeSubpath();
    p.setBrush(colour::orange);
    p.drawPath(index);
    glass(p, c, 96);
    screws(p, {QPointF(12, 12), QPointF(198, 12), QPointF(12, 198), QPointF(198, 198)});
});

// ---- heading indicator -------------------------------------------------------

namespace {
// Headings on the card are at their own angle (the card turns by -heading).
double headingMark(double degrees)
{
    return degrees;
}
} // namespace

RADOD_ARTWORK("Cessna/Instrumentos/Heading/heading1.png", kGauge, [](QPainter &p) {
    dial(p, kCentre, 95, 104, QColor(8, 8, 9));
    screws(p, {QPointF(12, 198), QPointF(198, 198)});
});

// The compass card: 5-degree graduations, cardinal letters and the tens of
// degrees every 30, turned with the card.
RADOD_CUTOUT("Cessna/Instrumentos/Heading/heading2.png", kGauge, [](QPainter &p) {
    const QPointF c = kCentre;
    face(p, c, 92);
    ticks(p, c, 91, 5.5, 1.1, anglesOf(5, 355, 10, headingMark));
    ticks(p, c, 91, 10, 1.8, anglesOf(0, 350, 10, headingMark));
    static const char *const names[] = {"N", "3", "6", "E", "12", "15",
                                        "S", "21", "24", "W", "30", "33"};
    for (int i = 0; i < 12; ++i) {
        const bool cardinal = i % 3 == 0;
        numeral(p, c, 71, headingMark(i * 30), QString::fromLatin1(names[i]), cardinal ? 17 : 14,
                colour::white, true, Typeface::SansBold);
    }
});

// Fixed parts: the lubber line at the top, marks every 45 degrees, the white
// aeroplane and the legend, under the glass.
RADOD_ARTWORK("Cessna/Instrumentos/Heading/heading3.png", kGauge, [](QPainter &p) {
    const QPointF c = kCentre;
    QPainterPath lubber;
    lubber.moveTo(polar(c, 80, 0));
    lubber.lineTo(polar(c, 97, -3.5));
    lubber.lineTo(polar(c, 97, 3.5));
    lubber.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour::orange);
    p.drawPath(lubber);
    for (int a = 45; a < 360; a += 45) {
        QPainterPath mark;
        mark.moveTo(polar(c, 88, a));
        mark.lineTo(polar(c, 97, a - 2.5));
        mark.lineTo(polar(c, 97, a + 2.5));
        mark.closeSubpath();
        p.setBrush(colour::white);
        p.drawPath(mark);
    }
    // The aeroplane, seen from above, nose up.
    QPainterPath plane;
    plane.moveTo(c + QPointF(0, -30));
    plane.cubicTo(c + QPointF(3, -28), c + QPointF(3.2, -20), c + QPointF(3.2, -12));
    plane.lineTo(c + QPointF(28, -4));
    plane.lineTo(c + QPointF(28, 2));
    plane.lineTo(c + QPointF(3.2, 0));
    plane.lineTo(c + QPointF(2.2, 18));
    plane.lineTo(c + QPointF(11, 22));
    plane.lineTo(c + QPointF(11, 26));
    plane.lineTo(c + QPointF(0, 24.5));
    plane.lineTo(c + QPointF(-11, 26));
    plane.lineTo(c + QPointF(-11, 22));
    plane.lineTo(c + QPointF(-2.2, 18));
    plane.lineTo(c + QPointF(-3.2, 0));
    plane.lineTo(c + QPointF(-28, 2));
    plane.lineTo(c + QPointF(-28, -4));
    plane.lineTo(c + QPointF(-3.2, -12));
    plane.cubicTo(c + QPointF(-3.2, -20), c + QPointF(-3, -28), c + QPointF(0, -30));
    softShadow(p, plane.translated(1, 2), 1.5, 110);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::white);
    p.drawPath(plane);
    label(p, c + QPointF(0, 44), QStringLiteral("VACUUM"), 5.5, colour::white, Typeface::Cockpit);
    glass(p, c, 95);
});

// The heading bug: an orange notch on the card's rim, at the top when the bug
// equals the heading.
RADOD_CUTOUT("Cessna/Instrumentos/Heading/heading4.png", kGauge, [](QPainter &p) {
    const QPointF c = kCentre;
    QPainterPath bug;
    bug.moveTo(polar(c, 93, -5.5));
    bug.lineTo(polar(c, 84, -5.5));
    bug.lineTo(polar(c, 84, -1.6));
    bug.lineTo(polar(c, 89, 0));
    bug.lineTo(polar(c, 84, 1.6));
    bug.lineTo(polar(c, 84, 5.5));
    bug.lineTo(polar(c, 93, 5.5));
    bug.closeSubpath();
    softShadow(p, bug.translated(0.6, 1.2), 1, 90);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::orange);
    p.drawPath(bug);
});

// ---- turn coordinator ----------------------------------------------------------

namespace {
const QString kTurnScale = QStringLiteral("Cessna/Instrumentos/TurnSlip/TurnSlipScale.js");
double turnScale(const char *name)
{
    return script(kTurnScale).property(QLatin1String(name)).toNumber();
}

double standardRateTilt()
{
    return turnScale("standardRateTilt");
}

// The ball tube, as the gauge's script stops the ball in it; its ends are
// rounded to half its height.
QRectF ballTube()
{
    return {turnScale("tubeX"), turnScale("tubeY"), turnScale("tubeWidth"), turnScale("tubeHeight")};
}
} // namespace

// Face: wings-level marks at 9 and 3 o'clock, L and R marks where the
// aeroplane's wings stand in a standard-rate turn, the ball tube with its
// reference wires and the legends.
RADOD_ARTWORK("Cessna/Instrumentos/TurnSlip/turnslip.png", kGauge, [](QPainter &p) {
    const QPointF c = kCentre;
    dial(p, c, 95, 104);
    const double rate = standardRateTilt();
    // Wing tips stand at 90 + tilt (right wing) and 270 + tilt (left wing).
    ticks(p, c, 92, 16, 3.2, {90.0, 270.0});
    ticks(p, c, 92, 16, 3.2, {90.0 + rate, 270.0 - rate});
    numeral(p, c, 66, 270.0 - rate - 9, QStringLiteral("L"), 13, colour::white, false,
            Typeface::SansBold);
    numeral(p, c, 66, 90.0 + rate + 9, QStringLiteral("R"), 13, colour::white, false,
            Typeface::SansBold);
    label(p, c + QPointF(0, -60), QStringLiteral("TURN COORDINATOR"), 6, colour::white,
          Typeface::Cockpit);
    label(p, c + QPointF(0, 70), QStringLiteral("2 MIN"), 7.5, colour::white, Typeface::Cockpit);
    label(p, c + QPointF(0, 80), QStringLiteral("NO PITCH INFORMATION"), 3.6,
          QColor(200, 200, 196), Typeface::Cockpit);
    label(p, QPointF(80, 67), QStringLiteral("D.C."), 4, QColor(200, 200, 196), Typeface::Cockpit);
    label(p, QPointF(80, 72), QStringLiteral("ELEC."), 4, QColor(200, 200, 196), Typeface::Cockpit);
    // The tube: ivory fluid behind the ball, a dark frame and two wires one
    // ball-width apart around its rest position (x = 106).
    const QRectF tubeRect = ballTube();
    QPainterPath tube;
    tube.addRoundedRect(tubeRect, tubeRect.height() / 2, tubeRect.height() / 2);
    p.setPen(QPen(QColor(10, 10, 10), turnScale("tubeFrame")));
    QLinearGradient fluid(tubeRect.topLeft(), tubeRect.bottomLeft());
    fluid.setColorAt(0, QColor(250, 248, 232));
    fluid.setColorAt(1, QColor(205, 200, 180));
    p.setBrush(fluid);
    p.drawPath(tube);
    p.setPen(QPen(QColor(15, 15, 15), 1.4, Qt::SolidLine, Qt::FlatCap));
    for (double x : {106.0 - 10, 106.0 + 10})
        p.drawLine(QPointF(x, tubeRect.top() + 0.5), QPointF(x, tubeRect.bottom() - 0.5));
    screws(p, {QPointF(12, 198), QPointF(198, 198)});
});

// The flag window, its flag stowed.
RADOD_CUTOUT("Cessna/Instrumentos/TurnSlip/turnslipflag.png", kGauge, [](QPainter &p) {
    const QRectF window(93, 62, 24, 10);
    p.setPen(QPen(QColor(120, 120, 120), 0.8));
    p.setBrush(QColor(4, 4, 5));
    p.drawRoundedRect(window, 1.5, 1.5);
    QLinearGradient shade(window.topLeft(), window.bottomLeft());
    shade.setColorAt(0, QColor(0, 0, 0, 220));
    shade.setColorAt(1, QColor(40, 40, 40, 120));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawRect(window.adjusted(0.6, 0.6, -0.6, -0.6));
});

// The aeroplane seen from behind, wings level at rotation 0.
RADOD_CUTOUT("Cessna/Instrumentos/TurnSlip/turnslipplane.png", kGauge, [](QPainter &p) {
    const QPointF c = kCentre;
    QPainterPath plane;
    plane.moveTo(c + QPointF(-86, -1.2));
    plane.lineTo(c + QPointF(-10, -3.2));
    plane.lineTo(c + QPointF(-4, -8));
    plane.lineTo(c + QPointF(-1.6, -20));
    plane.lineTo(c + QPointF(1.6, -20));
    plane.lineTo(c + QPointF(4, -8));
    plane.lineTo(c + QPointF(10, -3.2));
    plane.lineTo(c + QPointF(86, -1.2));
    plane.lineTo(c + QPointF(86, 1.6));
    plane.lineTo(c + QPointF(10, 3.6));
    plane.lineTo(c + QPointF(-10, 3.6));
    plane.lineTo(c + QPointF(-86, 1.6));
    plane.closeSubpath();
    QPainterPath tail;
    tail.moveTo(c + QPointF(-16, -9.5));
    tail.lineTo(c + QPointF(16, -9.5));
    tail.lineTo(c + QPointF(16, -7.5));
    tail.lineTo(c + QPointF(-16, -7.5));
    tail.closeSubpath();
    plane = plane.united(tail);
    plane.addEllipse(c, 9, 9);
    softShadow(p, plane.translated(1, 2), 1.5, 110);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::white);
    p.drawPath(plane.simplified());
    hub(p, c, 6.5, QColor(40, 40, 42));
});

// The glass of the ball tube: highlights, drawn over the ball.
RADOD_ARTWORK("Cessna/Instrumentos/TurnSlip/TurnSlipBubble.png", kGauge, [](QPainter &p) {
    const QRectF tubeRect = ballTube();
    const double frame = turnScale("tubeFrame") / 2;
    QPainterPath tube;
    tube.addRoundedRect(tubeRect.adjusted(frame, frame, -frame, -frame), tubeRect.height() / 2 - frame,
                        tubeRect.height() / 2 - frame);
    QLinearGradient shine(tubeRect.topLeft(), tubeRect.bottomLeft());
    shine.setColorAt(0, QColor(255, 255, 255, 110));
    shine.setColorAt(0.3, QColor(255, 255, 255, 0));
    shine.setColorAt(0.8, QColor(0, 0, 0, 0));
    shine.setColorAt(1, QColor(0, 0, 0, 70));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawPath(tube);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(tubeRect.left() + 10, tubeRect.top() + 3),
               QPointF(tubeRect.right() - 10, tubeRect.top() + 3));
    glass(p, kCentre, 95);
});

// ---- vertical speed indicator --------------------------------------------------

namespace {
// The needle turns about gauge point (106, 105).
const QPointF kVsiPivot(106, 105);
const auto vsiAngle = scaleFunction(
    "Cessna/Instrumentos/VerticalSpeed/VerticalSpeedScale.js", "needleAngle");
} // namespace

RADOD_ARTWORK("Cessna/Instrumentos/VerticalSpeed/verticalSpeedBack.png", kGauge, [](QPainter &p) {
    const QPointF c = kVsiPivot;
    dial(p, c, 94, 103);
    for (int sign : {1, -1}) {
        ticks(p, c, 90, 6, 1.1, anglesOf(100 * sign, 1900 * sign, 100 * sign, vsiAngle));
        ticks(p, c, 90, 11, 2, anglesOf(500 * sign, 2000 * sign, 500 * sign, vsiAngle));
        for (int fpm = 500; fpm <= 2000; fpm += 500) {
            // The two 20s sit close together at the stops: nudge them apart.
            const double nudge = fpm == 2000 ? -sign * 4.0 : 0.0;
            numeral(p, c, 67, vsiAngle(sign * fpm) + nudge, QString::number(fpm / 100), 14,
                    colour::white, false, Typeface::SansBold);
        }
    }
    ticks(p, c, 90, 14, 2.6, {vsiAngle(0)});
    numeral(p, c, 67, vsiAngle(0), QStringLiteral("0"), 14, colour::white, false, Typeface::SansBold);
    label(p, c + QPointF(-22, -36), QStringLiteral("UP"), 8, colour::white, Typeface::Cockpit);
    label(p, c + QPointF(-22, 36), QStringLiteral("DN"), 8, colour::white, Typeface::Cockpit);
    label(p, c + QPointF(24, -12), QStringLiteral("VERTICAL SPEED"), 4.4, colour::white,
          Typeface::Cockpit);
    label(p, c + QPointF(24, 14), QStringLiteral("100 FEET PER MINUTE"), 3.6,
          QColor(200, 200, 196), Typeface::Cockpit);
    screws(p, {QPointF(12, 198), QPointF(198, 198)});
});

// The needle: 15 x 95 layer turning about (8, 90).
RADOD_ARTWORK("Cessna/Instrumentos/VerticalSpeed/needle.png", QSizeF(15, 95), [](QPainter &p) {
    const QPointF pivot(8, 90);
    needle(p, pivot, 86, 4, 6);
    hub(p, pivot, 4.8);
});
