// Artwork of the Baron's own gauges: the engine cluster (tachometer, manifold
// pressure, fuel flow, oil, cylinder-head and exhaust-gas temperatures), the
// vertical speed and instrument-air gauges, and the turn coordinator's vector
// layers.
//
// Every mark is placed through the gauge's scale script
// (Baron/instrumentos/<Gauge>/<Gauge>Scale.js), the functions the documents
// turn their needles with, so a needle points at the mark of its value.
#include "artwork.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QtMath>

using namespace art;

namespace {

const QSizeF kGauge(210, 210);
const QPointF kCentre(105, 105);
const QString kFolder = QStringLiteral("Baron/instrumentos/");

// Radii of the round dials: face inside the bezel, the coloured range band
// outside the marks, the marks, the numerals.
const double kFaceRadius = 96;
const double kBezelRadius = 104;
const double kBandRadius = 91;
const double kBandWidth = 5;
const double kMarkRadius = 88; // outer end of the marks
const double kMinorMark = 7;
const double kMajorMark = 13;
const double kNumeralRadius = 63;

const QColor kLegend(200, 200, 196);

using AngleOf = std::function<double(double)>;

QString scriptOf(const QString &gauge)
{
    return kFolder + gauge + QLatin1Char('/') + gauge + QStringLiteral("Scale.js");
}

AngleOf angleOf(const QString &gauge, const QString &function)
{
    return scaleFunction(scriptOf(gauge), function);
}

double numberOf(const QString &gauge, const QString &name)
{
    return script(scriptOf(gauge)).property(name).toNumber();
}

QVector<double> numbersOf(const QString &gauge, const QString &name)
{
    return array(scriptOf(gauge), name);
}

// A range band of a scale between two values, outside the marks.
void band(QPainter &p, const AngleOf &angle, double from, double to, QColor colour)
{
    arc(p, kCentre, kBandRadius, kBandWidth, angle(from), angle(to), colour);
}

// A limit: a red radial across the band, drawn before the marks so that the
// white mark of the same value stays whole.
void limit(QPainter &p, const AngleOf &angle, double value)
{
    ticks(p, kCentre, kBandRadius + kBandWidth / 2 + 1, kMajorMark, 3, {angle(value)},
          colour::red);
}

// The coloured ranges of one scale of a gauge, as its script names them:
// `<scale>Yellow` and `<scale>Green` (from/to pairs) and `<scale>RedLines`.
// A scale without one of them has none of that colour.
void ranges(QPainter &p, const QString &gauge, const QString &scale, const AngleOf &angle)
{
    const std::pair<const char *, QColor> bands[] = {{"Yellow", colour::yellow},
                                                     {"Green", colour::green}};
    for (const auto &[kind, colour] : bands) {
        const QVector<double> pairs = numbersOf(gauge, scale + QLatin1String(kind));
        for (int i = 0; i + 1 < pairs.size(); i += 2)
            band(p, angle, pairs[i], pairs[i + 1], colour);
    }
    for (double value : numbersOf(gauge, scale + QStringLiteral("RedLines")))
        limit(p, angle, value);
}

// Where a scale has marks: from, to, and the steps of its minor and major marks.
struct Marks
{
    double from, to, minorStep, majorStep;
};

// The minor and major marks of a scale.
void marks(QPainter &p, const AngleOf &angle, const Marks &m)
{
    ticks(p, kCentre, kMarkRadius, kMinorMark, 1.3, anglesOf(m.from, m.to, m.minorStep, angle));
    ticks(p, kCentre, kMarkRadius, kMajorMark, 2.4, anglesOf(m.from, m.to, m.majorStep, angle));
}

// Numerals of a scale, each value shown divided by `divisor`.
void numerals(QPainter &p, const AngleOf &angle, const QVector<double> &values, double size,
              double divisor = 1)
{
    for (double v : values)
        numeral(p, kCentre, kNumeralRadius, angle(v), QString::number(v / divisor), size,
                colour::white, false, Typeface::Condensed);
}

// The values from `from` to `to` (inclusive) every `step`.
QVector<double> every(double from, double to, double step)
{
    QVector<double> out;
    for (int i = 0; from + i * step <= to + step * 1e-6; ++i)
        out << from + i * step;
    return out;
}

// A caption in the instrument maker's lettering.
void caption(QPainter &p, QPointF at, const QString &text, double size, QColor colour = colour::white)
{
    label(p, at, text, size, colour, Typeface::Cockpit);
}

// Bezel and matte black face of a round Baron gauge.
void roundFace(QPainter &p)
{
    bezel(p, kCentre, kFaceRadius, kBezelRadius);
    face(p, kCentre, kFaceRadius);
}

// The orange pointer of the engine dials, pointing up from `pivot`.
void orangePointer(QPainter &p, QPointF pivot, double length)
{
    needle(p, pivot, length, 10, 7, colour::orange);
}

// ---- engine cluster ------------------------------------------------------------

RADOD_ARTWORK("Baron/instrumentos/EngineDial/engine_neddle.png", QSizeF(30, 150), [](QPainter &p) {
    orangePointer(p, QPointF(15, 75), 74);
});

void centreCap(QPainter &p)
{
    hub(p, QPointF(25, 25), 11, QColor(34, 34, 36));
    hub(p, QPointF(25, 25), 4, QColor(78, 78, 82));
}

RADOD_ARTWORK("Baron/instrumentos/EngineDial/engine_center.png", QSizeF(50, 50), centreCap);

// A block of caption lines centred on `at.x()`, the first line's middle at
// `at.y()`: the names in white, then the unit (if any) smaller, in grey.
void captionBlock(QPainter &p, QPointF at, const QStringList &names, const QString &unit,
                  double size)
{
    const double lineHeight = size * 1.25, unitSize = 6.5;
    for (int i = 0; i < names.size(); ++i)
        caption(p, at + QPointF(0, i * lineHeight), names[i], size);
    if (!unit.isEmpty())
        caption(p, at + QPointF(0, names.size() * lineHeight - (size - unitSize) / 2 + 1),
                unit, unitSize, kLegend);
}

// A dial with one scale, its gauge's `needleAngle`: the ranges named after
// `ranges`, marks, numerals (each value shown divided by `divisor`) and the
// caption.
struct SingleScale
{
    QString gauge;
    QString ranges;
    QVector<Marks> marks;
    QVector<double> numbered;
    double numeralSize;
    double divisor;
    QPointF captionAt;
    QStringList caption;
    QString unit;
    double captionSize;
};

void singleScaleDial(QPainter &p, const SingleScale &d)
{
    const AngleOf angle = angleOf(d.gauge, QStringLiteral("needleAngle"));
    roundFace(p);
    ranges(p, d.gauge, d.ranges, angle);
    for (const Marks &m : d.marks)
        marks(p, angle, m);
    numerals(p, angle, d.numbered, d.numeralSize, d.divisor);
    captionBlock(p, d.captionAt, d.caption, d.unit, d.captionSize);
}

RADOD_ARTWORK("Baron/instrumentos/RPMBaron/rpm_backdrop.png", kGauge, [](QPainter &p) {
    singleScaleDial(p, {QStringLiteral("RPMBaron"), QStringLiteral("rpm"), {{0, 3500, 100, 500}},
                        every(0, 3500, 500), 18, 100, {66, 126}, {QStringLiteral("RPM")},
                        QStringLiteral("X 100"), 11});
});

RADOD_ARTWORK("Baron/instrumentos/PressBaron/man_press_backdrop.png", kGauge, [](QPainter &p) {
    singleScaleDial(p, {QStringLiteral("PressBaron"), QStringLiteral("pressure"), {{10, 40, 1, 5}},
                        every(10, 40, 5), 17, 1, {62, 98},
                        {QStringLiteral("MAN"), QStringLiteral("PRESS")}, QStringLiteral("IN HG"),
                        8});
});

// The low end of the fuel-flow scale, 0 to 5 gal/h, is compressed: marked
// every 2.5 only.
RADOD_ARTWORK("Baron/instrumentos/FuelFlowBaron/fuel_flow_backdrop.png", kGauge, [](QPainter &p) {
    singleScaleDial(p, {QStringLiteral("FuelFlowBaron"), QStringLiteral("flow"),
                        {{0, 5, 2.5, 5}, {5, 30, 1, 5}}, every(0, 30, 5), 17, 1, {70, 84},
                        {QStringLiteral("FUEL"), QStringLiteral("FLOW")}, QStringLiteral("GAL/HR"),
                        8});
});

// One half of a split dial: the scale (`function` of the gauge's script, the
// ranges named `ranges`), its marks, numerals, and its name and unit.
struct HalfScale
{
    QString function;
    QString ranges;
    Marks marks;
    QVector<double> numbered;
    QString name;
    QString unit;
};

// A dial with two needles on one pivot, a scale on each half: the title at
// the top between them, each half's name and unit, the split under the pivot.
void splitDial(QPainter &p, const QString &gauge, const QString &title, const HalfScale &left,
               const HalfScale &right)
{
    roundFace(p);
    for (const HalfScale *half : {&left, &right}) {
        const AngleOf angle = angleOf(gauge, half->function);
        ranges(p, gauge, half->ranges, angle);
        marks(p, angle, half->marks);
        numerals(p, angle, half->numbered, 15);
        captionBlock(p, QPointF(half == &left ? 70 : 140, 120), {half->name}, half->unit, 7.5);
    }
    caption(p, QPointF(105, 46), title, 10);
    p.setPen(QPen(kLegend, 1));
    p.drawLine(QPointF(105, 150), QPointF(105, 178));
}

RADOD_ARTWORK("Baron/instrumentos/OilBaron/oil_backdrop.png", kGauge, [](QPainter &p) {
    const double pressMax = numberOf(QStringLiteral("OilBaron"), QStringLiteral("pressMax"));
    splitDial(p, QStringLiteral("OilBaron"), QStringLiteral("OIL"),
              {QStringLiteral("tempAngle"), QStringLiteral("temp"), {0, 120, 10, 40},
               every(0, 120, 40), QStringLiteral("TEMP"), QStringLiteral("\u00B0C")},
              {QStringLiteral("pressureAngle"), QStringLiteral("press"), {0, pressMax, 10, 50},
               every(0, pressMax, 50), QStringLiteral("PRESS"), QStringLiteral("PSI")});
});

// The EGT half has a mark every division inside its scale, longer every five,
// and no numerals: the gauge is read against a peak when leaning.
RADOD_ARTWORK("Baron/instrumentos/EngTempBaron/temp_backdrop.png", kGauge, [](QPainter &p) {
    const QString gauge = QStringLiteral("EngTempBaron");
    const QVector<double> ends = numbersOf(gauge, QStringLiteral("egtPoints"));
    const double division = numberOf(gauge, QStringLiteral("egtDivision"));
    const Marks egtMarks{std::ceil(ends.first() / division) * division,
                         std::floor(ends.last() / division) * division, division, division * 5};
    splitDial(p, gauge, QStringLiteral("TEMP"),
              {QStringLiteral("chtAngle"), QStringLiteral("cht"), {50, 250, 10, 50},
               every(50, 250, 50), QStringLiteral("CHT"), QStringLiteral("\u00B0C")},
              {QStringLiteral("egtAngle"), QString(), egtMarks, {}, QStringLiteral("EGT"),
               QStringLiteral("\u00B0C")});
});

// ---- vertical speed ----------------------------------------------------------------

RADOD_ARTWORK("Baron/instrumentos/VsBaron/vs_baron_BG.png", kGauge, [](QPainter &p) {
    const AngleOf vs = angleOf(QStringLiteral("VsBaron"), QStringLiteral("needleAngle"));
    roundFace(p);
    marks(p, vs, {-4000, 4000, 100, 500});
    ticks(p, kCentre, kMarkRadius, kMajorMark + 3, 3, anglesOf(-4000, 4000, 1000, vs));
    // 0 to the left, 1 to 3 up over the top and down under the bottom, 4 at
    // the right for both.
    for (int k = -3; k <= 4; ++k)
        numeral(p, kCentre, kNumeralRadius, vs(k * 1000), QString::number(std::abs(k)), 20,
                colour::white, false, Typeface::Condensed);
    caption(p, QPointF(72, 88), QStringLiteral("UP"), 8);
    caption(p, QPointF(72, 123), QStringLiteral("DOWN"), 8);
    caption(p, QPointF(136, 84), QStringLiteral("VERTICAL"), 6);
    caption(p, QPointF(136, 92), QStringLiteral("SPEED"), 6);
    caption(p, QPointF(136, 120), QStringLiteral("1000 FT"), 5, kLegend);
    caption(p, QPointF(136, 127), QStringLiteral("PER MIN"), 5, kLegend);
});

// A white pointer with a dark counterweight behind the pivot, cut out to its
// own pixels: it turns on every change of the vertical speed.
RADOD_CUTOUT("Baron/instrumentos/VsBaron/needle.png", kGauge, [](QPainter &p) {
    QPainterPath weight;
    weight.moveTo(kCentre + QPointF(-3, 0));
    weight.lineTo(kCentre + QPointF(-6.5, 30));
    weight.arcTo(QRectF(kCentre + QPointF(-6.5, 23.5), QSizeF(13, 13)), 180, 180);
    weight.lineTo(kCentre + QPointF(3, 0));
    weight.closeSubpath();
    softShadow(p, weight.translated(1.2, 1.6), 1, 80);
    p.setPen(QPen(QColor(70, 70, 74), 0.6));
    p.setBrush(QColor(26, 26, 28));
    p.drawPath(weight);
    needle(p, kCentre, 86, 4, 6.5, colour::white);
    hub(p, kCentre, 8, QColor(40, 40, 42));
    hub(p, kCentre, 3, QColor(90, 90, 95));
});

// ---- instrument air --------------------------------------------------------------

RADOD_ARTWORK("Baron/instrumentos/InstrumentAir/instrument_air_backdrop.png", kGauge,
              [](QPainter &p) {
    const QString gauge = QStringLiteral("InstrumentAir");
    const AngleOf air = angleOf(gauge, QStringLiteral("needleAngle"));
    roundFace(p);
    ranges(p, gauge, QStringLiteral("air"), air);
    marks(p, air, {3, 6, 0.2, 1});
    numerals(p, air, every(3, 6, 1), 19);
    caption(p, QPointF(105, 74), QStringLiteral("IN HG"), 6.5, kLegend);
    captionBlock(p, QPointF(105, 128), {QStringLiteral("INSTRUMENT"), QStringLiteral("AIR")},
                 QString(), 7.5);

    // The left and right source indicators: recessed buttons that show red
    // when their engine's air source fails.
    for (double side : {-1.0, 1.0}) {
        const QPointF at = kCentre + QPointF(side * 42, 48);
        p.setPen(QPen(colour::white, 1.4));
        p.setBrush(QColor(6, 6, 6));
        p.drawEllipse(at, 7, 7);
        caption(p, at + QPointF(0, 15), side < 0 ? QStringLiteral("L") : QStringLiteral("R"), 9);
    }
    caption(p, QPointF(105, 156), QStringLiteral("SOURCE"), 5.5, kLegend);
});

RADOD_ARTWORK("Baron/instrumentos/InstrumentAir/neddle.png", QSizeF(50, 210), [](QPainter &p) {
    orangePointer(p, QPointF(25, 105), 88);
});

RADOD_ARTWORK("Baron/instrumentos/InstrumentAir/center.png", QSizeF(50, 50), centreCap);

// ---- turn coordinator (vector layers) -----------------------------------------------

const QString kTurnScale = kFolder + QStringLiteral("TurnCoordinator/TurnCoordinatorScale.js");

double turnNumber(const char *name)
{
    return script(kTurnScale).property(QLatin1String(name)).toNumber();
}

// The ball's pivot above the face, and the radius of its track about it.
QPointF ballPivot()
{
    return QPointF(kGauge.width() / 2, turnNumber("ballPivotY") * kGauge.height());
}
double ballTrack()
{
    return turnNumber("ballTrackRadius") * kGauge.height();
}

// The tube the ball runs in: its track between the stops, widened by the
// glass either side, with rounded ends the ball stops against.
QPainterPath ballTube()
{
    const double stop = turnNumber("ballStop");
    const double r = ballTrack();
    const QPointF pivot = ballPivot();
    // QPainterPath: 0 at three o'clock, counter-clockwise.
    const QRectF circle(pivot - QPointF(r, r), QSizeF(2 * r, 2 * r));
    QPainterPath track;
    track.arcMoveTo(circle, -90 - stop);
    track.arcTo(circle, -90 - stop, 2 * stop);
    QPainterPathStroker stroker;
    stroker.setWidth(2 * turnNumber("tubeHalfWidth") * kGauge.height());
    stroker.setCapStyle(Qt::RoundCap);
    return stroker.createStroke(track).simplified();
}

const double kTurnFace = 94;

RADOD_ARTWORK("Baron/instrumentos/TurnCoordinator/tc_back.svg", kGauge, [](QPainter &p) {
    face(p, kCentre, kTurnFace, QColor(16, 16, 18));
    const QRectF tube = ballTube().boundingRect();
    QLinearGradient fluid(tube.topLeft(), tube.bottomLeft());
    fluid.setColorAt(0, QColor(252, 250, 236));
    fluid.setColorAt(1, QColor(196, 192, 170));
    p.setPen(Qt::NoPen);
    p.setBrush(fluid);
    p.drawPath(ballTube());
});

RADOD_ARTWORK("Baron/instrumentos/TurnCoordinator/tc_ball.svg", kGauge, [](QPainter &p) {
    const QPointF at = ballPivot() + QPointF(0, ballTrack());
    const double r = turnNumber("ballRadius") * kGauge.height();
    QRadialGradient shine(at - QPointF(r / 3, r / 3), r * 1.3);
    shine.setColorAt(0, QColor(110, 110, 116));
    shine.setColorAt(0.45, QColor(22, 22, 24));
    shine.setColorAt(1, QColor(0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(at, r, r);
});

// The face over the ball: open where the tube is, with the two wires one ball
// apart that the ball centres between in coordinated flight.
RADOD_ARTWORK("Baron/instrumentos/TurnCoordinator/tc_face_1.svg", kGauge, [](QPainter &p) {
    QPainterPath disc;
    disc.addEllipse(kCentre, kTurnFace, kTurnFace);
    const QPainterPath tube = ballTube();
    QRadialGradient shade(kCentre, kTurnFace);
    shade.setColorAt(0, QColor(34, 34, 37));
    shade.setColorAt(0.85, QColor(20, 20, 22));
    shade.setColorAt(1, QColor(10, 10, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(disc.subtracted(tube));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 120, 124), 1.2));
    p.drawPath(tube);

    const double r = turnNumber("ballRadius") * kGauge.height();
    const QRectF box = tube.boundingRect();
    p.setPen(QPen(QColor(12, 12, 12), 1.3, Qt::SolidLine, Qt::FlatCap));
    for (double dx : {-(r + 1.2), r + 1.2})
        p.drawLine(QPointF(kCentre.x() + dx, box.top() + 1), QPointF(kCentre.x() + dx, box.bottom() - 1));

    caption(p, QPointF(105, 50), QStringLiteral("TURN COORDINATOR"), 6.5);
    caption(p, QPointF(105, 132), QStringLiteral("2 MIN"), 9.5);
});

// Index marks: wings level at three and nine o'clock, and where the wing tips
// stand in a standard-rate turn, with the L and R letters below them.
RADOD_ARTWORK("Baron/instrumentos/TurnCoordinator/tc_face_2.svg", kGauge, [](QPainter &p) {
    const double bank = turnNumber("standardRateBank");
    ticks(p, kCentre, 93, 13, 3.4, {90.0, 270.0, 90.0 + bank, 270.0 - bank});
    numeral(p, kCentre, 84, 270.0 - bank - 14, QStringLiteral("L"), 13, colour::white, false,
            Typeface::Cockpit);
    numeral(p, kCentre, 84, 90.0 + bank + 14, QStringLiteral("R"), 13, colour::white, false,
            Typeface::Cockpit);
    caption(p, QPointF(105, 62), QStringLiteral("D.C. ELEC."), 5, kLegend);
    caption(p, QPointF(105, 184), QStringLiteral("NO PITCH"), 4.6, kLegend);
    caption(p, QPointF(105, 190), QStringLiteral("INFORMATION"), 4.6, kLegend);
});

// The aeroplane seen from behind, wings level.
RADOD_ARTWORK("Baron/instrumentos/TurnCoordinator/tc_mark.svg", kGauge, [](QPainter &p) {
    const QPointF c = kCentre;
    // The wings: the right half of the outline from the fuselage's top to its
    // bottom, the left half its mirror image.
    const QPointF rightHalf[] = {{10, -3.5}, {78, -1.5}, {78, 1.8}, {10, 4}};
    QPolygonF wings;
    for (const QPointF &at : rightHalf)
        wings << c + at;
    for (auto at = std::rbegin(rightHalf); at != std::rend(rightHalf); ++at)
        wings << c + QPointF(-at->x(), at->y());
    QPainterPath plane;
    plane.addPolygon(wings);
    plane.closeSubpath();
    QPainterPath fin;
    fin.addPolygon(QPolygonF{c + QPointF(-2, -8), c + QPointF(-1.2, -22), c + QPointF(1.2, -22),
                             c + QPointF(2, -8)});
    fin.closeSubpath();
    QPainterPath stabiliser;
    stabiliser.addRect(QRectF(c + QPointF(-17, -10.5), QSizeF(34, 2.6)));
    QPainterPath body;
    body.addEllipse(c, 9.5, 9.5);
    const QPainterPath shape = plane.united(fin).united(stabiliser).united(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawPath(shape.translated(1, 1.8));
    p.setBrush(colour::white);
    p.drawPath(shape);
    hub(p, c, 6, QColor(40, 40, 42));
});

// The bezel, and a faint sheen of the glass towards the upper left.
RADOD_ARTWORK("Baron/instrumentos/TurnCoordinator/tc_case.svg", kGauge, [](QPainter &p) {
    bezel(p, kCentre, kTurnFace, kBezelRadius);
    QPainterPath glassDisc;
    glassDisc.addEllipse(kCentre, kTurnFace, kTurnFace);
    const QPointF hot = kCentre + QPointF(-50, -56);
    QPainterPath sheenDisc;
    sheenDisc.addEllipse(hot, 85, 85);
    QRadialGradient sheen(hot, 85);
    sheen.setColorAt(0, QColor(255, 255, 255, 30));
    sheen.setColorAt(0.5, QColor(255, 255, 255, 12));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sheen);
    p.drawPath(glassDisc.intersected(sheenDisc));
});

} // namespace
