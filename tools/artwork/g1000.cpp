// Artwork of the G1000 engine indication strip (Caravan/G1000/EIS): the
// background with its scales, bands and labels, and the three vector pointers
// the strip moves over it. Every mark of an arc, a bar or a fuel column is
// placed through the strip's scale script (Caravan/G1000/EIS/EisScale.js), the
// very tables the document moves its pointers by.
#include "artwork.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>

using namespace art;

namespace {

const QString kScale = QStringLiteral("Caravan/G1000/EIS/EisScale.js");

// The strip, in the document's units.
const QSizeF kStrip(240, 1000);
// The background is drawn at this many pixels per unit: the strip is mostly
// black and scaled by its zoom, so a little finer than the gauges' faces.
const double kStripPixelsPerUnit = 3;

// The arc pointer: a square layer whose centre is the dial's centre, placed at
// (43, y) and scaled by 1.4 about its centre in the document: the arrow's tip
// then just reaches the inner edge of the coloured bands.
const double kPointerSide = 100;
const double kPointerX = 43;
const double kTorqueY = 29, kIttY = 210, kNgY = 325;
// Tip and base of the pointer's arrow, from the centre, in the layer's units.
const double kTipRadius = 46, kArrowBase = 33, kArrowHalfWidth = 5.5;

// The bar marker (10 x 10, its point at the bottom centre) and the fuel column.
const QSizeF kMarker(10, 10);
const QSizeF kColumn(12, 129);

// Where the dials' scales lie on the strip.
const double kArcRadius = 67.5;   // centre line of the coloured bands
const double kArcWidth = 4;
const double kTickOuter = 73;     // outer end of the graduations
// A dial's name and unit, just below its centre, clear of the numerals.
const QPointF kLabel(8, 6), kUnit(14, 20);
const double kNumeralRadius = 35; // inside the pointer's sweep

// Bars of the oil gauges: top and bottom on the strip.
const double kOilPsiTop = 531, kOilPsiBottom = 540;
const double kOilTempTop = 600, kOilTempBottom = 609;

// Fuel columns: left edges, the zero line, and the scale between them.
const double kFuelLeftX = 36, kFuelRightX = 181, kFuelZero = 824;

const QColor kStripWhite(235, 235, 235);
const QColor kBoxGrey(110, 110, 115);
const QColor kRule(150, 150, 155);
const QColor kGreen(0, 200, 60);
const QColor kYellow(250, 220, 0);
const QColor kRed(235, 25, 25);

QPointF dialCentre(double layerY)
{
    return {kPointerX + kPointerSide / 2, layerY + kPointerSide / 2};
}

double scaleOf(const char *function, double value)
{
    return call(kScale, QString::fromLatin1(function), {value});
}

// A dial: the coloured bands (value ranges), a thin white base arc over the
// whole scale, the graduations and their numerals.
struct Band
{
    double from, to;
    QColor colour;
};

void dialScale(QPainter &p, QPointF c, const char *function, double first, double last,
               const QVector<Band> &bands, const QVector<double> &numbered, double redLine)
{
    const auto angle = [function](double v) { return scaleOf(function, v); };
    arc(p, c, kArcRadius + kArcWidth / 2 - 0.5, 1, angle(first), angle(last), kStripWhite);
    for (const Band &b : bands)
        arc(p, c, kArcRadius, kArcWidth, angle(b.from), angle(b.to), b.colour);
    QVector<double> marks;
    for (double v : numbered)
        marks << angle(v);
    ticks(p, c, kTickOuter, kTickOuter - kArcRadius + kArcWidth / 2, 1.6, marks, kStripWhite);
    // The limit: a red radial across the band and the graduations.
    p.setPen(QPen(kRed, 2.4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(polar(c, kArcRadius - kArcWidth, angle(redLine)), polar(c, kTickOuter + 1, angle(redLine)));
}

void dialNumerals(QPainter &p, QPointF c, const char *function, const QVector<double> &values,
                  const QStringList &texts)
{
    for (int i = 0; i < values.size(); ++i)
        numeral(p, c, kNumeralRadius, scaleOf(function, values[i]), texts.value(i), 11, kStripWhite,
                false, Typeface::Cockpit);
}

void text(QPainter &p, QPointF centre, const QString &t, double size, QColor colour = kStripWhite)
{
    label(p, centre, t, size, colour, Typeface::Cockpit);
}

// A label left-aligned at x, its line centred on y.
void leftText(QPainter &p, double x, double y, const QString &t, double size)
{
    const QFont f = font(size, Typeface::Cockpit);
    const double width = QFontMetricsF(f).horizontalAdvance(t);
    text(p, QPointF(x + width / 2, y), t, size);
}

// The frame of a number's box (the document right-aligns its number in it).
void box(QPainter &p, double width, double height, double top)
{
    const double right = 230;
    p.setPen(QPen(kBoxGrey, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(right - width, top, width, height).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
}

void rule(QPainter &p, double y)
{
    p.setPen(QPen(kRule, 1.2));
    p.drawLine(QPointF(6, y), QPointF(234, y));
}

// A horizontal bar with its bands: [x0, x1) segments in their colours.
void bar(QPainter &p, double top, double bottom, const QVector<Band> &segments)
{
    p.setPen(Qt::NoPen);
    for (const Band &s : segments) {
        p.setBrush(s.colour);
        p.drawRect(QRectF(s.from, top, s.to - s.from, bottom - top));
    }
}

// The marker's point for the marker at x (its layer is 10 wide).
double markerPoint(const char *function, double value)
{
    return scaleOf(function, value) + kMarker.width() / 2;
}

// An oil gauge: its label beside its number's box (33 high, at boxTop), and
// its bar with the bands under the marker's travel, from the table's first
// point to its last (115 psi or °C).
void oilGauge(QPainter &p, const QString &name, double boxTop, const char *function, double top,
              double bottom, const QVector<Band> &bands)
{
    const double boxHeight = 33;
    leftText(p, 10, boxTop + boxHeight / 2, name, 13);
    box(p, 63, boxHeight, boxTop);
    p.setPen(QPen(kBoxGrey, 1));
    p.drawLine(QPointF(markerPoint(function, 0), bottom), QPointF(markerPoint(function, 115), bottom));
    bar(p, top, bottom, bands);
}

void fuelScale(QPainter &p)
{
    const double top = kFuelZero + scaleOf("fuelExtent", 1000);
    // The columns' wells.
    p.setPen(QPen(kBoxGrey, 1));
    p.setBrush(Qt::NoBrush);
    for (double x : {kFuelLeftX, kFuelRightX})
        p.drawRect(QRectF(x - 1, top - 1, kColumn.width() + 2, kFuelZero - top + 2));
    const double leftTicks = kFuelLeftX + kColumn.width() + 2;
    const double rightTicks = kFuelRightX - 2;
    const double mid = (leftTicks + rightTicks) / 2;
    for (int lb = 0; lb <= 1000; lb += 200) {
        const double y = kFuelZero + scaleOf("fuelExtent", lb);
        const QColor c = lb == 0 ? kRed : kStripWhite;
        p.setPen(QPen(c, lb == 0 ? 2.4 : 1.6, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(leftTicks, y), QPointF(leftTicks + 9, y));
        p.drawLine(QPointF(rightTicks - 9, y), QPointF(rightTicks, y));
        text(p, QPointF(mid, y), QString::number(lb), 11);
    }
    text(p, QPointF(kFuelLeftX + kColumn.width() / 2, top - 12), QStringLiteral("L"), 13);
    text(p, QPointF(kFuelRightX + kColumn.width() / 2, top - 12), QStringLiteral("R"), 13);
}

} // namespace

// The strip, top to bottom: TRQ, ITT and Ng dials; PROP RPM; the oil pressure
// and temperature bars; the fuel columns; FFLOW; BAT AMPS and BUS VOLTS;
// A-ICE GAL. Limits of a PT6A turboprop: torque 2397 ft-lb, ITT 805 °C
// (850 °C for a moment), Ng 101.6 %.
RADOD_ARTWORK("Caravan/images/EIS.png", kStrip, [](QPainter &p) {
    p.fillRect(QRectF(QPointF(0, 0), kStrip), Qt::black);

    const QPointF trq = dialCentre(kTorqueY);
    dialScale(p, trq, "torqueAngle", 0, 3000, {{0, 2397, kGreen}}, {0, 1000, 1500, 2000, 2500, 3000}, 2397);
    dialNumerals(p, trq, "torqueAngle", {0, 1000, 1500, 2000, 2500, 3000},
                 {"0", "10", "15", "20", "25", "30"});
    text(p, trq + kLabel, QStringLiteral("TRQ"), 14);
    text(p, trq + kUnit, QStringLiteral("FT-LB X 100"), 8);
    box(p, 74, 40, 140);

    const QPointF itt = dialCentre(kIttY);
    dialScale(p, itt, "ittAngle", 0, 950, {{400, 805, kGreen}, {805, 850, kYellow}},
              {0, 600, 900}, 850);
    dialNumerals(p, itt, "ittAngle", {0, 600, 900}, {"0", "600", "900"});
    text(p, itt + kLabel, QStringLiteral("ITT"), 14);
    text(p, itt + kUnit, QStringLiteral("ºC"), 10);
    box(p, 73, 37, 260);

    const QPointF ng = dialCentre(kNgY);
    dialScale(p, ng, "ngAngle", 0, 110, {{52, 101.6, kGreen}}, {12, 50, 100}, 101.6);
    dialNumerals(p, ng, "ngAngle", {12, 50, 100}, {"12", "50", "100"});
    text(p, ng + kLabel, QStringLiteral("NG"), 14);
    text(p, ng + kUnit, QStringLiteral("% RPM"), 8);
    box(p, 73, 37, 380);

    rule(p, 432);
    leftText(p, 10, 456.5, QStringLiteral("PROP RPM"), 13);
    box(p, 63, 33, 440);
    rule(p, 478.5);

    oilGauge(p, QStringLiteral("OIL PSI"), 483, "oilPressureX", kOilPsiTop, kOilPsiBottom,
             {{76, 81, kRed}, {81, 152, kYellow}, {152, 208, kGreen}, {208, 213, kRed}});
    oilGauge(p, QStringLiteral("OIL ºC"), 550, "oilTemperatureX", kOilTempTop, kOilTempBottom,
             {{24, 29, kRed}, {29, 115, kYellow}, {115, 205, kGreen}, {205, 210, kRed}});
    rule(p, 622);

    text(p, QPointF(120, 640), QStringLiteral("FUEL QTY LBS"), 13);
    fuelScale(p);
    leftText(p, 10, 852, QStringLiteral("FFLOW PPH"), 13);
    rule(p, 876);

    leftText(p, 10, 903, QStringLiteral("BAT AMPS"), 13);
    leftText(p, 10, 937, QStringLiteral("BUS VOLTS"), 13);
    rule(p, 958);
    leftText(p, 10, 978, QStringLiteral("A-ICE GAL"), 13);
}, kStripPixelsPerUnit);

// The arc pointer: a white arrow near the top edge of a transparent square, so
// that the square turned about its centre (the dial's) sweeps the arrow along
// the arc. Rotation 0 points straight up.
RADOD_ARTWORK("Caravan/images/ponteiro.svg", QSizeF(kPointerSide, kPointerSide), [](QPainter &p) {
    const QPointF c(kPointerSide / 2, kPointerSide / 2);
    QPainterPath arrow;
    arrow.moveTo(c + QPointF(0, -kTipRadius));
    arrow.lineTo(c + QPointF(kArrowHalfWidth, -kArrowBase));
    arrow.lineTo(c + QPointF(0, -kArrowBase - 2.5));
    arrow.lineTo(c + QPointF(-kArrowHalfWidth, -kArrowBase));
    arrow.closeSubpath();
    p.setPen(QPen(QColor(40, 40, 40), 0.6));
    p.setBrush(Qt::white);
    p.drawPath(arrow);
});

// The fuel column: a narrow grey bar, shaded across like a rounded rod. The
// document shows as much of it, from the bottom, as the tank holds.
RADOD_ARTWORK("Caravan/images/ponteiro2.svg", kColumn, [](QPainter &p) {
    QLinearGradient shade(0, 0, kColumn.width(), 0);
    shade.setColorAt(0, QColor(95, 95, 100));
    shade.setColorAt(0.4, QColor(215, 215, 220));
    shade.setColorAt(1, QColor(110, 110, 115));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawRect(QRectF(QPointF(0, 0), kColumn));
});

// The bar marker: a small grey square with a point at the bottom, which rests
// on the bar.
RADOD_ARTWORK("Caravan/images/ponteiro3.svg", kMarker, [](QPainter &p) {
    const double w = kMarker.width(), h = kMarker.height(), shoulder = 6;
    QPainterPath marker;
    marker.moveTo(0.5, 0.5);
    marker.lineTo(w - 0.5, 0.5);
    marker.lineTo(w - 0.5, shoulder);
    marker.lineTo(w / 2, h);
    marker.lineTo(0.5, shoulder);
    marker.closeSubpath();
    p.setPen(QPen(QColor(40, 40, 40), 0.6));
    p.setBrush(QColor(200, 200, 205));
    p.drawPath(marker);
});
