// Engine and system gauges: tachometer, the four twin-needle gauges, trim and
// flaps, manifold pressure, suction, the clock, the annunciator strip.
//
// Every numbered mark is placed through the gauge's own scale script, so the
// needle of the document points exactly at the mark for the same value.
#include "artwork.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {

using art::colour::red;
using art::colour::white;
using art::colour::green;
using art::colour::yellow;

const QPointF centre(105, 105);
const double dialRadius = 96;    // the face inside the bezel
const double bezelOuter = 104;

const QString base = QStringLiteral("Cessna/Instrumentos/");

// Angle of a value through a function of a gauge's scale script.
struct Scale
{
    QString script;
    QString function;
    double sign = 1; // -1 for a needle that turns by the negative of the function
    double operator()(double value) const { return sign * art::call(script, function, {value}); }
    Scale mirrored() const { return {script, function, -sign}; }
};

Scale scaleOf(const QString &folder, const QString &function)
{
    return {base + folder + QLatin1Char('/') + folder + QStringLiteral("Scale.js"), function};
}

double constantOf(const QString &folder, const QString &name)
{
    return art::script(base + folder + QLatin1Char('/') + folder + QStringLiteral("Scale.js"))
        .property(name)
        .toNumber();
}

// The values from `from` to `to` (inclusive) every `step`.
QVector<double> steps(double from, double to, double step)
{
    QVector<double> out;
    for (int i = 0;; ++i) {
        const double v = from + i * step;
        if (v > to + step * 1e-6)
            break;
        out << v;
    }
    return out;
}

// Angles of the values through a scale.
QVector<double> anglesOf(const Scale &scale, const QVector<double> &values)
{
    QVector<double> out;
    for (double v : values)
        out << scale(v);
    return out;
}

// Ticks of a scale around a pivot, from `from` to `to` every `step`.
void scaleTicks(QPainter &p, QPointF pivot, double rOuter, double length, double width,
                const Scale &scale, double from, double to, double step)
{
    art::ticks(p, pivot, rOuter, length, width, anglesOf(scale, steps(from, to, step)));
}

// A coloured band of a scale between two values.
void scaleBand(QPainter &p, QPointF pivot, double r, double width, const Scale &scale,
               double from, double to, QColor colour)
{
    art::arc(p, pivot, r, width, scale(from), scale(to), colour);
}

// A radial line across the band at one value (red lines, limits).
void scaleLine(QPainter &p, QPointF pivot, double rInner, double rOuter, double width,
               const Scale &scale, double value, QColor colour = red)
{
    const double a = scale(value);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(art::polar(pivot, rInner, a), art::polar(pivot, rOuter, a));
}

// Numerals of a scale at radius r, each value shown divided by `divisor`.
void scaleNumerals(QPainter &p, QPointF pivot, double r, const Scale &scale,
                   const QVector<double> &values, double size, double divisor = 1)
{
    for (double v : values)
        art::numeral(p, pivot, r, scale(v), QString::number(v / divisor), size);
}

// A slotted screw head of radius r.
void screw(QPainter &p, QPointF at, double r)
{
    art::hub(p, at, r, QColor(62, 62, 66));
    p.setPen(QPen(QColor(15, 15, 15), r * 0.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(at + QPointF(-r * 0.65, r * 0.35), at + QPointF(r * 0.65, -r * 0.35));
}

// The black dial of a round gauge, with the screws of its mounting at the two
// lower corners.
void roundDial(QPainter &p)
{
    art::face(p, centre, dialRadius);
    for (QPointF at : {QPointF(14, 196), QPointF(196, 196)})
        screw(p, at, 4.2);
}

// Bezel of a round gauge, drawn over everything else of its top layer.
void roundBezel(QPainter &p)
{
    art::bezel(p, centre, dialRadius, bezelOuter);
}

// Needle of the single-needle round gauges, pointing up from the centre.
void mainNeedle(QPainter &p, double length)
{
    art::needle(p, centre, length, 16, 6.5, white);
    art::hub(p, centre, 8.5);
    art::hub(p, centre, 3, QColor(90, 90, 95));
}

// ---- twin-needle gauges ----------------------------------------------------

// Needle of the twin gauges: short, from the image centre, which the document
// places on one of the two pivots. The cover hides its root.
void twinNeedle(QPainter &p)
{
    art::needle(p, centre, 47, 9, 5, white);
}

// Cover of the twin gauges: bezel, the caps over both pivots, a faint glass.
// Everything else is clear so that the needles show.
void twinCover(QPainter &p, double pivotOffset)
{
    roundBezel(p);
    for (double dx : {-pivotOffset, pivotOffset}) {
        const QPointF pivot = centre + QPointF(dx, 0);
        art::hub(p, pivot, 9, QColor(28, 28, 30));
        art::hub(p, pivot, 3.2, QColor(70, 70, 74));
    }
    art::glass(p, centre, dialRadius);
}

// Registers the needle and the cover of a twin gauge whose pivots stand
// `pivotOffset` left and right of the centre.
bool twinParts(const QString &folder, const QString &needle, const QString &cover,
               double pivotOffset)
{
    const QString dir = base + folder + QLatin1Char('/');
    art::addCutOut(dir + needle, QSizeF(210, 210), [](QPainter &p) { twinNeedle(p); });
    art::add(dir + cover, QSizeF(210, 210),
             [pivotOffset](QPainter &p) { twinCover(p, pivotOffset); });
    return true;
}

// Twin gauge title between the two scales.
void twinTitle(QPainter &p, double y, const QString &text, double size = 9)
{
    art::label(p, QPointF(105, y), text, size);
}

// The white base line of a twin-gauge scale of radius r about its pivot, with
// short ticks at `minor` and long ones at `major`.
void twinScale(QPainter &p, QPointF pivot, double r, const Scale &scale, double from, double to,
               const QVector<double> &minor, const QVector<double> &major)
{
    art::arc(p, pivot, r, 1.6, scale(from), scale(to), white);
    art::ticks(p, pivot, r, 6, 1.2, anglesOf(scale, minor));
    art::ticks(p, pivot, r, 11, 1.5, anglesOf(scale, major));
}

// Name of a twin-gauge scale, and its unit in small letters below it.
void twinLegend(QPainter &p, QPointF at, const QString &name, double size,
                const QString &unit = QString())
{
    art::label(p, at, name, size);
    if (!unit.isEmpty())
        art::label(p, at + QPointF(0, 10), unit, 5.5, QColor(200, 200, 196), art::Typeface::Sans);
}

// ---- tachometer ------------------------------------------------------------

RADOD_ARTWORK("Cessna/Instrumentos/Rpm/RPM.png", QSizeF(210, 210), [](QPainter &p) {
    const Scale rpm = scaleOf(QStringLiteral("Rpm"), QStringLiteral("needleAngle"));
    const double maxRpm = constantOf(QStringLiteral("Rpm"), QStringLiteral("maxRpm"));
    const double greenLow = art::array(rpm.script, QStringLiteral("greenArc")).value(0);
    const double greenHigh = art::array(rpm.script, QStringLiteral("greenArc")).value(1);
    const double redLine = constantOf(QStringLiteral("Rpm"), QStringLiteral("redLine"));
    roundDial(p);
    scaleBand(p, centre, 86, 7, rpm, greenLow, greenHigh, green);
    scaleTicks(p, centre, 90, 7, 1.3, rpm, 0, maxRpm, 100);
    scaleTicks(p, centre, 90, 14, 2.6, rpm, 0, maxRpm, 500);
    scaleLine(p, centre, 74, 92, 3.2, rpm, redLine);
    scaleNumerals(p, centre, 65, rpm, steps(0, maxRpm, 500), 17, 100);
    art::label(p, QPointF(105, 72), QStringLiteral("RPM"), 11);
    art::label(p, QPointF(105, 84), QStringLiteral("HUNDREDS"), 6.5, QColor(200, 200, 196));

    // Recording hour meter below the hub.
    const QRectF meter(80, 150, 50, 13);
    p.setPen(QPen(QColor(90, 90, 95), 1));
    p.setBrush(QColor(8, 8, 8));
    p.drawRoundedRect(meter, 1.5, 1.5);
    const QString digits = QStringLiteral("01274");
    const double cell = (meter.width() - 2) / 5;
    for (int i = 0; i < digits.size(); ++i) {
        const QRectF box(meter.left() + 1 + i * cell, meter.top() + 1, cell - 0.6,
                         meter.height() - 2);
        p.setPen(Qt::NoPen);
        p.setBrush(i == digits.size() - 1 ? QColor(235, 235, 230) : QColor(30, 30, 32));
        p.drawRect(box);
        art::label(p, box.center(), digits.mid(i, 1), 9,
                   i == digits.size() - 1 ? QColor(10, 10, 10) : white, art::Typeface::Sans);
    }
    art::label(p, QPointF(105, 170), QStringLiteral("HOURS"), 6, QColor(200, 200, 196));
    roundBezel(p);
    art::glass(p, centre, dialRadius);
});

RADOD_CUTOUT("Cessna/Instrumentos/Rpm/needle.png", QSizeF(210, 210), [](QPainter &p) {
    mainNeedle(p, 84);
});

// ---- fuel quantity -----------------------------------------------------------

RADOD_ARTWORK("Cessna/Instrumentos/DualFuel/DualFuel.png", QSizeF(210, 210), [](QPainter &p) {
    const QString folder = QStringLiteral("DualFuel");
    const Scale left = scaleOf(folder, QStringLiteral("readingAngle"));
    const double full = constantOf(folder, QStringLiteral("fullScale"));
    const QVector<double> numbered{0, 10, 20};
    const double r = 48;
    roundDial(p);
    for (const Scale &scale : {left, left.mirrored()}) {
        const QPointF pivot = centre + QPointF(-55 * scale.sign, 0);
        scaleBand(p, pivot, r - 3, 5, scale, 0, 1.5, red);
        twinScale(p, pivot, r, scale, 0, full, steps(0, full, 2), numbered + QVector<double>{full});
        scaleNumerals(p, pivot, r - 21, scale, numbered, 10.5);
        art::label(p, pivot + QPointF(-16 * scale.sign, 24),
                   scale.sign > 0 ? QStringLiteral("L") : QStringLiteral("R"), 13);
    }
    twinTitle(p, 40, QStringLiteral("FUEL QTY"), 9.5);
    twinTitle(p, 168, QStringLiteral("GALLONS"), 7.5);
    art::label(p, QPointF(105, 180), QStringLiteral("26 EACH"), 6, QColor(200, 200, 196),
               art::Typeface::Sans);
});

const bool dualFuelParts =
    twinParts(QStringLiteral("DualFuel"), QStringLiteral("DualFuelNeedle.png"),
              QStringLiteral("DualFuelCover.png"), 55);

// ---- exhaust-gas temperature and fuel flow ----------------------------------

RADOD_ARTWORK("Cessna/Instrumentos/EgtFuelFlow/EGT.png", QSizeF(210, 210), [](QPainter &p) {
    const QString folder = QStringLiteral("EgtFuelFlow");
    const Scale egt = scaleOf(folder, QStringLiteral("egtAngle"));
    const Scale flow = scaleOf(folder, QStringLiteral("flowAngle"));
    const double egtHigh = constantOf(folder, QStringLiteral("egtHigh"));
    const double maxFlow = constantOf(folder, QStringLiteral("maxFlow"));
    const QPointF left = centre + QPointF(-60, 0), right = centre + QPointF(60, 0);
    const double r = 51;
    roundDial(p);

    // EGT: unnumbered 25-degree steps, hundreds numbered small.
    twinScale(p, left, r, egt, 975, egtHigh, steps(975, egtHigh, 25), steps(1000, 1300, 100));
    scaleNumerals(p, left, r - 20, egt, {1000, 1100, 1200, 1300}, 8.5, 100);
    twinLegend(p, left + QPointF(5, 50), QStringLiteral("EGT"), 10, QStringLiteral("\u00B0F x100"));

    // Fuel flow: the low end to 5 gal/h is compressed.
    scaleBand(p, right, r - 3, 5, flow, 4.5, 11.5, green);
    twinScale(p, right, r, flow, 0, maxFlow, steps(5, maxFlow, 1), {0, 5, 10, 15, maxFlow});
    scaleNumerals(p, right, r - 20, flow, {5, 10, 15, maxFlow}, 9);
    art::numeral(p, right, r + 7, flow(0), QStringLiteral("0"), 7.5);
    twinLegend(p, right + QPointF(2, 50), QStringLiteral("FUEL FLOW"), 6, QStringLiteral("GAL/HR"));
});

const bool egtFuelFlowParts =
    twinParts(QStringLiteral("EgtFuelFlow"), QStringLiteral("egtNeedle.png"),
              QStringLiteral("EGTCover.png"), 60);

// ---- oil temperature and pressure ------------------------------------------

RADOD_ARTWORK("Cessna/Instrumentos/OilTempPress/OilPressTempFace.png", QSizeF(210, 210),
              [](QPainter &p) {
    const QString folder = QStringLiteral("OilTempPress");
    const Scale temp = scaleOf(folder, QStringLiteral("tempAngle"));
    const Scale press = scaleOf(folder, QStringLiteral("pressureAngle"));
    const double maxPress = constantOf(folder, QStringLiteral("pressureMax"));
    const QPointF left = centre + QPointF(-55, 0), right = centre + QPointF(55, 0);
    const double r = 48;
    roundDial(p);

    scaleBand(p, left, r - 3, 5, temp, 100, 245, green);
    twinScale(p, left, r, temp, 75, 245, steps(75, 225, 25), steps(100, 200, 50));
    scaleLine(p, left, r - 13, r + 2, 2.8, temp, 245);
    scaleNumerals(p, left, r - 21, temp, {100, 150, 200}, 8.5);
    twinLegend(p, left + QPointF(0, 45), QStringLiteral("OIL"), 8, QStringLiteral("TEMP \u00B0F"));

    scaleBand(p, right, r - 3, 5, press, 20, 50, yellow);
    scaleBand(p, right, r - 3, 5, press, 50, 90, green);
    twinScale(p, right, r, press, 0, maxPress, steps(0, 110, 10), steps(0, 100, 50));
    scaleLine(p, right, r - 13, r + 2, 2.8, press, 20);
    scaleLine(p, right, r - 13, r + 2, 2.8, press, maxPress);
    scaleNumerals(p, right, r - 21, press, {0, 50, 100}, 8.5);
    twinLegend(p, right + QPointF(0, 45), QStringLiteral("OIL"), 8, QStringLiteral("PRESS PSI"));
});

const bool oilTempPressParts =
    twinParts(QStringLiteral("OilTempPress"), QStringLiteral("OilPressTempNeedle.png"),
              QStringLiteral("OilPressTempCover.png"), 55);

// ---- suction and ammeter ----------------------------------------------------

RADOD_ARTWORK("Cessna/Instrumentos/VacAmp/VacAmp.png", QSizeF(210, 210), [](QPainter &p) {
    const QString folder = QStringLiteral("VacAmp");
    const Scale vac = scaleOf(folder, QStringLiteral("vacAngle"));
    const Scale amp = scaleOf(folder, QStringLiteral("ampAngle"));
    const double ampMax = constantOf(folder, QStringLiteral("ampMax"));
    const QPointF left = centre + QPointF(-55, 0), right = centre + QPointF(55, 0);
    const double r = 48;
    roundDial(p);

    scaleBand(p, left, r - 3, 5, vac, 4.5, 5.5, green);
    twinScale(p, left, r, vac, 3, 7, steps(3, 7, 0.5), steps(3, 7, 1));
    scaleNumerals(p, left, r - 20, vac, {3, 4, 5, 6, 7}, 9);
    twinLegend(p, left + QPointF(0, 45), QStringLiteral("SUCTION"), 6, QStringLiteral("IN HG"));

    twinScale(p, right, r, amp, -ampMax, ampMax, steps(-ampMax, ampMax, 10),
              steps(-ampMax, ampMax, 30));
    scaleNumerals(p, right, r - 20, amp, {-ampMax, 0, ampMax}, 8.5);
    art::numeral(p, right, r - 20, amp(-ampMax / 2), QStringLiteral("\u2212"), 11);
    art::numeral(p, right, r - 20, amp(ampMax / 2), QStringLiteral("+"), 11);
    twinLegend(p, right + QPointF(0, 45), QStringLiteral("AMPS"), 7.5);
});

const bool vacAmpParts =
    twinParts(QStringLiteral("VacAmp"), QStringLiteral("VacAmpNeedle.png"),
              QStringLiteral("VacAmpCover.png"), 55);

// ---- trim and flaps ---------------------------------------------------------

RADOD_ARTWORK("Cessna/Instrumentos/Trim/trimcover.png", QSizeF(86, 182), [](QPainter &p) {
    const QString folder = QStringLiteral("Trim");
    const Scale travel = scaleOf(folder, QStringLiteral("indicatorY"));
    const double indicatorHeight = constantOf(folder, QStringLiteral("indicatorHeight"));
    const auto markY = [&](double trim) { return travel(trim) + indicatorHeight / 2; };

    // Panel plate with screws.
    QLinearGradient plate(0, 0, 86, 182);
    plate.setColorAt(0, QColor(46, 46, 50));
    plate.setColorAt(1, QColor(24, 24, 26));
    p.setPen(QPen(QColor(8, 8, 8), 1));
    p.setBrush(plate);
    p.drawRoundedRect(QRectF(0.5, 0.5, 85, 181), 6, 6);
    for (QPointF at : {QPointF(9, 9), QPointF(9, 173)})
        screw(p, at, 3.2);

    // The slot the indicator runs in, from one end of the travel to the other.
    const double slotX = 86 - 86.0 / 4;
    const QRectF slot(slotX, markY(-1) - 7, 86 - slotX - 2, markY(1) - markY(-1) + 14);
    p.setPen(QPen(QColor(70, 70, 74), 0.8));
    p.setBrush(QColor(6, 6, 6));
    p.drawRoundedRect(slot, 3, 3);

    art::label(p, QPointF(31, 15), QStringLiteral("TRIM"), 11);
    const QColor legend(200, 200, 196);
    for (auto [trim, word] : {std::pair{-0.6, "DN"}, {0.6, "UP"}}) {
        art::label(p, QPointF(40, markY(trim) - 4.5), QStringLiteral("NOSE"), 6, legend);
        art::label(p, QPointF(40, markY(trim) + 4.5), QString::fromLatin1(word), 6, legend);
    }

    // Take-off bracket over a quarter unit either side, index at neutral.
    const double top = markY(-0.25), bottom = markY(0.25), bx = slotX - 5;
    p.setPen(QPen(white, 1.4, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF{QPointF(bx + 3, top), QPointF(bx, top), QPointF(bx, bottom),
                             QPointF(bx + 3, bottom)});
    QPainterPath index;
    index.moveTo(slotX - 1, markY(0));
    index.lineTo(slotX - 8, markY(0) - 3.5);
    index.lineTo(slotX - 8, markY(0) + 3.5);
    index.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    p.drawPath(index);
    art::label(p, QPointF(31, markY(0) - 5), QStringLiteral("TAKE"), 8);
    art::label(p, QPointF(31, markY(0) + 5), QStringLiteral("OFF"), 8);

    // Flap readout window under its label.
    art::label(p, QPointF(43, 134), QStringLiteral("FLAPS"), 9);
    p.setPen(QPen(QColor(80, 80, 84), 1));
    p.setBrush(QColor(4, 4, 4));
    p.drawRoundedRect(QRectF(5, 141, 76, 39), 3, 3);
});

RADOD_ARTWORK("Cessna/Instrumentos/Trim/trimindicator.png", QSizeF(21.5, 10), [](QPainter &p) {
    // A pointer aimed at the take-off index, with a grip behind it.
    QPainterPath pointer;
    pointer.moveTo(0.5, 5);
    pointer.lineTo(7, 0.8);
    pointer.lineTo(21, 0.8);
    pointer.lineTo(21, 9.2);
    pointer.lineTo(7, 9.2);
    pointer.closeSubpath();
    QLinearGradient g(0, 0, 0, 10);
    g.setColorAt(0, QColor(255, 255, 250));
    g.setColorAt(1, QColor(190, 190, 185));
    p.setPen(QPen(QColor(60, 60, 60), 0.6));
    p.setBrush(g);
    p.drawPath(pointer);
    p.setPen(QPen(QColor(120, 120, 118), 0.7));
    for (double x : {11.0, 14.0, 17.0})
        p.drawLine(QPointF(x, 2.5), QPointF(x, 7.5));
});

// ---- manifold pressure ------------------------------------------------------

RADOD_ARTWORK("Cessna/Instrumentos/Manifold/manifoldback.png", QSizeF(210, 210), [](QPainter &p) {
    const QString folder = QStringLiteral("Manifold");
    const Scale inches = scaleOf(folder, QStringLiteral("needleAngle"));
    const double low = constantOf(folder, QStringLiteral("minInches"));
    const double high = constantOf(folder, QStringLiteral("maxInches"));
    roundDial(p);
    scaleBand(p, centre, 86, 7, inches, 15, 25, green);
    scaleTicks(p, centre, 90, 7, 1.3, inches, low, high, 1);
    scaleTicks(p, centre, 90, 14, 2.6, inches, low, high, 5);
    scaleNumerals(p, centre, 66, inches, steps(low, high, 5), 16);
    art::label(p, QPointF(105, 130), QStringLiteral("MANIFOLD"), 8.5);
    art::label(p, QPointF(105, 141), QStringLiteral("PRESSURE"), 8.5);
    art::label(p, QPointF(105, 152), QStringLiteral("IN HG"), 7, QColor(200, 200, 196),
               art::Typeface::Sans);
    roundBezel(p);
    art::glass(p, centre, dialRadius);
});

RADOD_CUTOUT("Cessna/Instrumentos/Manifold/needle.png", QSizeF(210, 210), [](QPainter &p) {
    mainNeedle(p, 82);
});

// ---- suction ----------------------------------------------------------------

RADOD_ARTWORK("Cessna/Instrumentos/Suction/VacGauge.png", QSizeF(210, 210), [](QPainter &p) {
    const Scale suction = scaleOf(QStringLiteral("Suction"), QStringLiteral("needleAngle"));
    roundDial(p);
    scaleBand(p, centre, 86, 7, suction, 4.5, 5.5, green);
    scaleTicks(p, centre, 90, 7, 1.3, suction, 3, 7, 0.25);
    scaleTicks(p, centre, 90, 14, 2.6, suction, 3, 7, 1);
    scaleNumerals(p, centre, 66, suction, {4, 5, 6}, 20);
    scaleNumerals(p, centre, 68, suction, {3, 7}, 13);
    art::label(p, QPointF(105, 62), QStringLiteral("SUCTION"), 9);
    art::label(p, QPointF(105, 74), QStringLiteral("IN HG"), 7, QColor(200, 200, 196),
               art::Typeface::Sans);
    roundBezel(p);
    art::glass(p, centre, dialRadius);
});

RADOD_CUTOUT("Cessna/Instrumentos/Suction/VacNeedle.png", QSizeF(210, 210), [](QPainter &p) {
    mainNeedle(p, 82);
});

// ---- clock and outside-air thermometer --------------------------------------

// The LCD font of the clock's texts, at the pixel sizes the document uses.
QFont digitalFont(int pixelSize)
{
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont(
            art::sourceRoot() + QStringLiteral("/fonts/DSEG14Classic-Regular.ttf"));
        const QStringList names = QFontDatabase::applicationFontFamilies(id);
        if (names.isEmpty())
            qFatal("artwork: cannot load the LCD font");
        return names.first();
    }();
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// A grey LCD window around the widest text of one of the clock's lines (as
// DavtronDisplay.js describes it), with the unlit segments faintly visible.
void lcdWindow(QPainter &p, const QJSValue &line, double narrowing)
{
    const double right = line.property(QStringLiteral("right")).toNumber();
    const double top = line.property(QStringLiteral("top")).toNumber();
    const QString widest = line.property(QStringLiteral("widest")).toString();
    const QString unlit = line.property(QStringLiteral("unlit")).toString();
    const QFont f = digitalFont(line.property(QStringLiteral("pixelSize")).toInt());
    const QFontMetricsF fm(f);
    QPainterPath outline;
    outline.addText(0, fm.ascent(), f, unlit);
    const QRectF glyphs = outline.boundingRect();
    const double width = fm.horizontalAdvance(widest) * narrowing;
    // The two lines stand close above each other: little room above and below.
    const double side = 5, above = 2.5, below = 1.5;
    const QRectF window(right - width - side, top + glyphs.top() - above, width + 2 * side,
                        glyphs.height() + above + below);
    // Recess, then the glass.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(8, 8, 8));
    p.drawRoundedRect(window.adjusted(-2.5, -2.5, 2.5, 2.5), 4, 4);
    QLinearGradient lcd(window.topLeft(), window.bottomLeft());
    lcd.setColorAt(0, QColor(158, 164, 150));
    lcd.setColorAt(1, QColor(132, 138, 126));
    p.setBrush(lcd);
    p.drawRoundedRect(window, 2, 2);
    p.save();
    p.translate(right, top + fm.ascent());
    p.scale(narrowing, 1);
    p.setFont(f);
    p.setPen(QColor(0, 0, 0, 22));
    p.drawText(QPointF(-fm.horizontalAdvance(unlit), 0), unlit);
    p.restore();
}

RADOD_ARTWORK("Cessna/Instrumentos/Davtron/AMtronon.png", QSizeF(210, 210), [](QPainter &p) {
    const QString display = base + QStringLiteral("Davtron/DavtronDisplay.js");
    const QJSValue lines = art::script(display);
    const double narrowing = lines.property(QStringLiteral("digitWidthScale")).toNumber();

    // Square case with rounded corners and a matte black front.
    QLinearGradient metal(0, 0, 210, 210);
    metal.setColorAt(0, QColor(92, 92, 96));
    metal.setColorAt(0.5, QColor(40, 40, 44));
    metal.setColorAt(1, QColor(18, 18, 20));
    p.setPen(QPen(QColor(0, 0, 0), 1));
    p.setBrush(metal);
    p.drawRoundedRect(QRectF(2, 2, 206, 206), 18, 18);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(22, 22, 24));
    p.drawRoundedRect(QRectF(9, 9, 192, 192), 13, 13);
    for (QPointF at : {QPointF(20, 20), QPointF(190, 20), QPointF(20, 190), QPointF(190, 190)})
        screw(p, at, 4);

    lcdWindow(p, lines.property(QStringLiteral("temperatureLine")), narrowing);
    lcdWindow(p, lines.property(QStringLiteral("timeLine")), narrowing);

    const QColor legend(215, 215, 210);
    art::label(p, QPointF(105, 30), QStringLiteral("OAT  \u00B0C"), 8, legend);
    for (auto [y, text] : {std::pair{104.0, "UT"}, {116.0, "LT"}, {128.0, "FT"}, {140.0, "ET"}})
        art::label(p, QPointF(24, y), QString::fromLatin1(text), 6, legend);

    // Front buttons.
    const struct { double x; const char *text; } buttons[] = {
        {60, "OAT/VOLTS"}, {105, "SELECT"}, {150, "CONTROL"}};
    for (const auto &b : buttons) {
        art::hub(p, QPointF(b.x, 170), 8.5, QColor(55, 55, 58));
        art::label(p, QPointF(b.x, 186), QString::fromLatin1(b.text), 5.5, legend);
    }
});

// ---- annunciator strip ------------------------------------------------------

// One legend window of the strip; `sides` windows carry an L and an R lamp
// left and right of the words.
struct Legend
{
    QRectF cell;
    QStringList lines;
    QColor colour;
    bool sides;
};

const double sideWidth = 11;

const Legend lowFuel{QRectF(5, 8, 56, 34), {QStringLiteral("LOW"), QStringLiteral("FUEL")},
                     QColor(255, 176, 0), true};
const Legend oilPress{QRectF(64, 8, 42, 34), {QStringLiteral("OIL"), QStringLiteral("PRESS")},
                      QColor(255, 40, 30), false};
const Legend vac{QRectF(109, 8, 48, 34), {QStringLiteral("VAC")}, QColor(255, 176, 0), true};
const Legend volts{QRectF(160, 8, 35, 34), {QStringLiteral("VOLTS")}, QColor(255, 40, 30), false};

enum class Part { Words, Left, Right };

QRectF partRect(const Legend &l, Part part)
{
    if (!l.sides)
        return l.cell;
    switch (part) {
    case Part::Left:
        return QRectF(l.cell.left(), l.cell.top(), sideWidth, l.cell.height());
    case Part::Right:
        return QRectF(l.cell.right() - sideWidth, l.cell.top(), sideWidth, l.cell.height());
    case Part::Words:
        break;
    }
    return l.cell.adjusted(sideWidth, 0, -sideWidth, 0);
}

// Text of one part, unlit (dim, on the dark glass) or lit (bright, glowing).
void legendPart(QPainter &p, const Legend &l, Part part, bool lit)
{
    const QRectF r = partRect(l, part);
    const QStringList lines = part == Part::Words ? l.lines
                              : QStringList{part == Part::Left ? QStringLiteral("L")
                                                               : QStringLiteral("R")};
    const double size = part == Part::Words ? (lines.size() > 1 ? 9.5 : 10) : 9;
    if (lit) {
        QRadialGradient glow(r.center(), std::max(r.width(), r.height()) * 0.75);
        QColor inner = l.colour, outer = l.colour;
        inner.setAlpha(80);
        outer.setAlpha(30);
        glow.setColorAt(0, inner);
        glow.setColorAt(1, outer);
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    }
    const QColor text = lit ? l.colour.lighter(135) : QColor(l.colour.red() / 4 + 20,
                                                             l.colour.green() / 4 + 20,
                                                             l.colour.blue() / 4 + 20);
    const double lineHeight = size * 1.15;
    for (int i = 0; i < lines.size(); ++i) {
        const QPointF at(r.center().x(),
                         r.center().y() + (i - (lines.size() - 1) / 2.0) * lineHeight);
        if (lit) {
            QColor halo = l.colour;
            halo.setAlpha(70);
            for (QPointF d : {QPointF(-0.6, 0), QPointF(0.6, 0), QPointF(0, -0.6), QPointF(0, 0.6)})
                art::label(p, at + d, lines[i], size, halo, art::Typeface::Condensed);
        }
        art::label(p, at, lines[i], size, text, art::Typeface::Condensed);
    }
}

void litSheet(QPainter &p, const Legend &l, Part part)
{
    legendPart(p, l, part, true);
}

RADOD_ARTWORK("Cessna/Instrumentos/Annunciator/AnnunciatorBack.png", QSizeF(200, 50),
              [](QPainter &p) {
    QLinearGradient plate(0, 0, 0, 50);
    plate.setColorAt(0, QColor(70, 70, 74));
    plate.setColorAt(1, QColor(30, 30, 32));
    p.setPen(QPen(QColor(0, 0, 0), 1));
    p.setBrush(plate);
    p.drawRoundedRect(QRectF(0.5, 0.5, 199, 49), 5, 5);
    for (const Legend *l : {&lowFuel, &oilPress, &vac, &volts}) {
        p.setPen(QPen(QColor(10, 10, 10), 1.5));
        p.setBrush(QColor(16, 16, 17));
        p.drawRect(l->cell);
        if (l->sides) {
            p.setPen(QPen(QColor(40, 40, 42), 0.8));
            p.drawLine(partRect(*l, Part::Left).topRight(), partRect(*l, Part::Left).bottomRight());
            p.drawLine(partRect(*l, Part::Right).topLeft(), partRect(*l, Part::Right).bottomLeft());
            legendPart(p, *l, Part::Left, false);
            legendPart(p, *l, Part::Right, false);
        }
        legendPart(p, *l, Part::Words, false);
    }
    for (double x : {3.0, 197.0})
        art::hub(p, QPointF(x, 25), 1.6, QColor(90, 90, 94));
});

RADOD_ARTWORK("Cessna/Instrumentos/Annunciator/AnnunciatorLowFuel.png", QSizeF(200, 50),
              [](QPainter &p) { litSheet(p, lowFuel, Part::Words); });
RADOD_ARTWORK("Cessna/Instrumentos/Annunciator/AnnunciatorLowFuelL.png", QSizeF(200, 50),
              [](QPainter &p) { litSheet(p, lowFuel, Part::Left); });
RADOD_ARTWORK("Cessna/Instrumentos/Annunciator/AnnunciatorLowFuelR.png", QSizeF(200, 50),
              [](QPainter &p) { litSheet(p, lowFuel, Part::Right); });
RADOD_ARTWORK("Cessna/Instrumentos/Annunciator/AnnunciatorOilPress.png", QSizeF(200, 50),
              [](QPainter &p) { litSheet(p, oilPress, Part::Words); });
RADOD_ARTWORK("Cessna/Instrumentos/Annunciator/AnnunciatorVac.png", QSizeF(200, 50),
              [](QPainter &p) { litSheet(p, vac, Part::Words); });
RADOD_ARTWORK("Cessna/Instrumentos/Annunciator/AnnunciatorVacL.png", QSizeF(200, 50),
              [](QPainter &p) { litSheet(p, vac, Part::Left); });
RADOD_ARTWORK("Cessna/Instrumentos/Annunciator/AnnunciatorVacR.png", QSizeF(200, 50),
              [](QPainter &p) { litSheet(p, vac, Part::Right); });
RADOD_ARTWORK("Cessna/Instrumentos/Annunciator/AnnunciatorVolts.png", QSizeF(200, 50),
              [](QPainter &p) { litSheet(p, volts, Part::Words); });

} // namespace
