// Artwork of the navigation gauges: HSI, VOR/ILS and second course indicator,
// ADF, marker-beacon lamps and the strip compass. Cards, dots and tape marks
// are placed with the gauges' own scripts (Cessna/Instrumentos/<Folder>/*.js),
// the functions the documents turn and move their layers with.
//
// Several HSI layers are shown scaled down about their centre; they are drawn
// here in gauge coordinates through GaugeLayer, so a mark drawn at a gauge point
// is shown at that point when the layer stands at angle 0.
#include "artwork.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

using namespace art;

namespace {

const QSizeF kGauge(210, 210);
const QPointF kCentre(105, 105);

// Where a document places a layer: top-left, size, and the scale it applies
// about the layer's centre.
struct GaugeLayer
{
    double x, y, width, height, scale;

    QSizeF size() const { return {width, height}; }
    // Makes the painter draw in gauge coordinates.
    void enter(QPainter &p) const
    {
        p.translate(width / 2, height / 2);
        p.scale(1 / scale, 1 / scale);
        p.translate(-(x + width / 2), -(y + height / 2));
    }
};

const char *const kCardNames[] = {"N", "3", "6", "E", "12", "15", "S", "21", "24", "W", "30", "33"};

QString cardName(double heading)
{
    const int h = int(std::lround(std::fmod(std::fmod(heading, 360.0) + 360.0, 360.0)));
    return h % 30 == 0 ? QString::fromLatin1(kCardNames[(h / 30) % 12]) : QString();
}

// A compass card: marks every 5 degrees (longer every 10) inside the rim and
// the names every 30 degrees turned with the card. `markAngle` gives the angle
// at which the card carries a heading.
struct CardStyle
{
    double rim;            // outer edge of the marks
    double longTick, shortTick;
    double nameRadius;
    double cardinalSize, numberSize;
};
void compassCard(QPainter &p, QPointF c, const CardStyle &s,
                 const std::function<double(double)> &markAngle)
{
    ticks(p, c, s.rim, s.shortTick, s.rim / 90, anglesOf(5, 355, 10, markAngle));
    ticks(p, c, s.rim, s.longTick, s.rim / 60, anglesOf(0, 350, 10, markAngle));
    for (int h = 0; h < 360; h += 30) {
        const bool cardinal = h % 90 == 0;
        numeral(p, c, s.nameRadius, markAngle(h), cardName(h),
                cardinal ? s.cardinalSize : s.numberSize, colour::white, true, Typeface::SansBold);
    }
}

// A filled triangle pointing at `tip` from a base `length` further out along
// the same radius, `halfWidthDeg` wide on each side.
void radialTriangle(QPainter &p, QPointF c, double tipRadius, double baseRadius, double angle,
                    double halfWidthDeg, QColor colour)
{
    QPainterPath t;
    t.moveTo(polar(c, tipRadius, angle));
    t.lineTo(polar(c, baseRadius, angle - halfWidthDeg));
    t.lineTo(polar(c, baseRadius, angle + halfWidthDeg));
    t.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(t);
}

// A cross-head screw of the instrument case.
void caseScrew(QPainter &p, QPointF at, double r = 4.2)
{
    hub(p, at, r, QColor(58, 58, 62));
    p.setPen(QPen(QColor(14, 14, 15), r * 0.28, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(polar(at, r * 0.62, 30), polar(at, r * 0.62, 210));
    p.drawLine(polar(at, r * 0.62, 120), polar(at, r * 0.62, 300));
}

// A knurled setting knob in a corner of the case, with its legend.
void cornerKnob(QPainter &p, QPointF at, double r, const QString &legend)
{
    QPainterPath shadow;
    shadow.addEllipse(at + QPointF(1, 1.5), r, r);
    softShadow(p, shadow, 2, 120);
    QRadialGradient g(at - QPointF(r / 3, r / 3), r * 1.4);
    g.setColorAt(0, QColor(90, 90, 95));
    g.setColorAt(1, QColor(22, 22, 24));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(at, r, r);
    ticks(p, at, r, r * 0.16, 0.7, anglesOf(0, 350, 10, [](double a) { return a; }),
          QColor(10, 10, 10));
    hub(p, at, r * 0.55, QColor(40, 40, 43));
    label(p, at, legend, r * 0.42, QColor(220, 220, 215), Typeface::Cockpit);
}

// The case around a round 210 x 210 instrument whose black ring covers the
// dial from `rGlass` out: screws in three corners, a knob in the fourth.
void caseCorners(QPainter &p, const QString &knob)
{
    for (const QPointF &s : {QPointF(13, 13), QPointF(197, 13), QPointF(197, 197)})
        caseScrew(p, s);
    cornerKnob(p, QPointF(19, 191), 14, knob);
}

// The red-and-white striped warning flag of the VOR heads, with its legend.
void stripedFlag(QPainter &p, const QRectF &window, const QString &legend)
{
    const QRectF r = window.adjusted(-2, -2, 2, 2);
    p.save();
    p.setClipRect(r);
    p.fillRect(r, colour::red);
    p.setPen(QPen(colour::white, 2.2));
    for (double x = r.left() - r.height(); x < r.right(); x += 7)
        p.drawLine(QPointF(x, r.bottom()), QPointF(x + r.height(), r.top()));
    const QRectF plate = QRectF(0, 0, window.width() * 0.78, window.height() * 0.66);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::red);
    p.drawRoundedRect(QRectF(window.center() - plate.center(), plate.size()), 1.5, 1.5);
    label(p, window.center(), legend, window.height() * 0.5, colour::white, Typeface::Cockpit);
    p.restore();
}

// The TO or FROM triangle of a VOR head: white on black, with its legend.
void toFromFlag(QPainter &p, const QRectF &window, bool to)
{
    const QRectF r = window.adjusted(-2, -2, 2, 2);
    p.fillRect(r, QColor(10, 10, 11));
    const double h = window.height() * 0.42;
    const double cx = window.left() + window.width() * 0.3;
    const double cy = window.center().y();
    QPainterPath t;
    t.moveTo(cx, to ? cy - h / 2 : cy + h / 2);
    t.lineTo(cx - h * 0.6, to ? cy + h / 2 : cy - h / 2);
    t.lineTo(cx + h * 0.6, to ? cy + h / 2 : cy - h / 2);
    t.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour::white);
    p.drawPath(t);
    label(p, QPointF(window.left() + window.width() * 0.68, cy), to ? QStringLiteral("TO")
                                                                  : QStringLiteral("FR"),
          window.height() * 0.46, colour::white, Typeface::Cockpit);
}

// A black dial of radius r with the listed windows cut out (the flags below
// show through them), each with a thin recessed rim.
void dialWithWindows(QPainter &p, QPointF c, double r, const QVector<QRectF> &windows)
{
    QPainterPath dial;
    dial.addEllipse(c, r, r);
    for (const QRectF &w : windows) {
        QPainterPath hole;
        hole.addRoundedRect(w, 1.5, 1.5);
        dial = dial.subtracted(hole);
    }
    QRadialGradient g(c, r);
    g.setColorAt(0.0, colour::faceBlack.lighter(125));
    g.setColorAt(0.85, colour::faceBlack);
    g.setColorAt(1.0, colour::faceBlack.darker(160));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(dial);
    p.setBrush(Qt::NoBrush);
    for (const QRectF &w : windows) {
        p.setPen(QPen(QColor(0, 0, 0, 220), 1.6));
        p.drawRoundedRect(w, 1.5, 1.5);
        p.setPen(QPen(QColor(90, 90, 95), 0.6));
        p.drawRoundedRect(w.adjusted(-1, -1, 1, 1), 2, 2);
    }
}

// A dot of a deviation scale: a white ring.
void scaleDot(QPainter &p, QPointF at, double r = 2.6)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour::white, r * 0.45));
    p.drawEllipse(at, r, r);
}

// A needle bar that hangs straight down in its layer, as the document shows
// it: `bar` is a point of the bar at angle 0 and `pivot` the point it turns
// about. Returns where the bar, turned by `angle`, crosses the horizontal
// line y = `lineY` (or the vertical line x = `lineX` when `vertical`).
QPointF needleCrossing(QPointF pivot, QPointF bar, double angle, double line, bool vertical)
{
    const double a = qDegreesToRadians(angle);
    const double ca = std::cos(a), sa = std::sin(a);
    const QPointF d = bar - pivot;
    const QPointF start = pivot + QPointF(d.x() * ca - d.y() * sa, d.x() * sa + d.y() * ca);
    const QPointF dir(-sa, ca); // (0, 1) turned clockwise by the angle
    const double s = vertical ? (line - start.x()) / dir.x() : (line - start.y()) / dir.y();
    return start + s * dir;
}

// A white needle bar hanging from (x, top) to `bottom`, with its shadow.
void hangingBar(QPainter &p, double x, double top, double bottom, double width)
{
    QPainterPath bar;
    bar.addRoundedRect(QRectF(x - width / 2, top, width, bottom - top), width / 2, width / 2);
    softShadow(p, bar.translated(1.2, 1.6), 1.2, 110);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::white);
    p.drawPath(bar);
}

// The cover of a VOR head: yellow course index at the top and reciprocal at
// the bottom on the card's rim, the case corners, the glass.
void courseCover(QPainter &p, double rim)
{
    const QPointF c = kCentre;
    radialTriangle(p, c, rim - 9, rim + 1, 0, 4.5, colour::yellow);
    radialTriangle(p, c, rim - 6, rim + 1, 180, 3.2, colour::yellow);
    ticks(p, c, rim + 1, 6, 1.6, {45, 135, 225, 315});
    caseCorners(p, QStringLiteral("OBS"));
    glass(p, c, rim);
}


// The angle at which a card carries a heading: the card turns by the
// document's cardAngle(heading) to bring it to the top.
std::function<double(double)> cardMarks(const QString &scale)
{
    return [scale](double h) { return -call(scale, QStringLiteral("cardAngle"), {h}); };
}

// A course card: a ring of headings from `inner` out to the rim.
void courseCard(QPainter &p, double inner, double rim, const QString &scale)
{
    const QPointF c = kCentre;
    ring(p, c, inner, rim + 1, QColor(14, 14, 16));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 200), 1.2));
    p.drawEllipse(c, inner, inner);
    compassCard(p, c, {rim, 7, 4, 73.5, 11, 9.5}, cardMarks(scale));
}

// The dots of a deviation scale: one wherever the needle, turned by the
// script's `angleOf(dots)`, crosses the face's centre line (horizontal, or
// vertical when `vertical`), for 1 to `maxDots` dots either way, as far as
// the card leaves the face open (`openRadius`).
struct NeedleOnFace
{
    QPointF pivot, bar;
    QString scale, angleOf;
    bool vertical;
};
void deviationDots(QPainter &p, const NeedleOnFace &n, int maxDots, double openRadius)
{
    const QPointF c = kCentre;
    for (int dot = -maxDots; dot <= maxDots; ++dot) {
        if (dot == 0)
            continue;
        const double angle = call(n.scale, n.angleOf, {double(dot)});
        const QPointF at = needleCrossing(n.pivot, n.bar, angle, n.vertical ? c.x() : c.y(), n.vertical);
        if (QLineF(c, at).length() < openRadius - 2.6)
            scaleDot(p, at, 2.6);
    }
    scaleDot(p, c, 5.5);
}

} // namespace

// ---- horizontal situation indicator -----------------------------------------

namespace {
const QString kHsiScale = QStringLiteral("Cessna/Instrumentos/HSI/HSIScale.js");

// Placements of the document's layers.
const GaugeLayer kHsiRose{0, -4, 210, 210, 0.82};
const GaugeLayer kHsiBug{97, 31, 16, 168, 1};
const GaugeLayer kHsiArrow{-11, -60.5, 232, 325, 0.39};
const GaugeLayer kHsiDots{-14, 82, 238, 46, 0.4};
const GaugeLayer kHsiBar{89, -57.5, 32, 325, 0.34};
const GaugeLayer kHsiHdgFlag{55, 11, 212, 60, 0.4};
const GaugeLayer kHsiNavFlag{-70, 12, 236, 58, 0.4};
const GaugeLayer kHsiInnerBezel{0, 19, 210, 168, 1};
const GaugeLayer kHsiGlide{-130, 78, 470, 50, 0.43};

// Gauge points the layers turn about.
const QPointF kRoseCentre(105, 101);
const QPointF kBugPivot(104, 102);
const QPointF kCoursePivot(105, 102.5);
const QPointF kDotsPivot(105, 105);
// The inner bezel's window on the card, and the outer bezel's opening.
const QPointF kWindowCentre(105, 102);
const double kWindowRadius = 73;
const double kBezelOpening = 87;
// Glide-slope pointers and scales: the pointers rest at y 103 (their layer's
// centre); the scales stand 80 px left and right of the centre line.
const double kGlideRestY = 103;
const double kGlideScaleX = 80;
// The warning flags as they stand in view (angle 0). Each lies where the
// window shows it and where the inner bezel or the case hides it once the flag
// has swung aside about its pivot (HDG: gauge point (173, 11) by 45 degrees,
// NAV: (48, 12) by 90), and stays inside the gauge all the way.
const QRectF kHdgFlagArea(128, 44, 22, 8.6);
const QRectF kNavFlagArea(64, 40, 31, 12.4);

// Layers drawn at the pixel size the document shows them at (scaled down).
constexpr double kFileSize = 1.0;

double hsiNumber(const char *name)
{
    return script(kHsiScale).property(QLatin1String(name)).toNumber();
}

void hsiFlag(QPainter &p, const QRectF &area, QColor colour, QColor ink, const QString &legend)
{
    QPainterPath flag;
    flag.addRoundedRect(area, 1.2, 1.2);
    softShadow(p, flag.translated(0.8, 1.2), 1, 120);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(flag);
    label(p, area.center(), legend, area.height() * 0.72, ink, Typeface::Cockpit);
}
} // namespace

RADOD_ARTWORK("Cessna/Instrumentos/HSI/HSI_background.png", kGauge, [](QPainter &p) {
    face(p, kCentre, 104, QColor(10, 10, 12));
});

// The compass card: headings at their own angle (the card turns by -heading).
RADOD_ARTWORK("Cessna/Instrumentos/HSI/HSI_compas rose.png", kGauge, [](QPainter &p) {
    kHsiRose.enter(p);
    const QPointF c = kRoseCentre;
    face(p, c, kWindowRadius - 1, QColor(16, 16, 18));
    compassCard(p, c, {kWindowRadius - 1.5, 7.5, 4, 57, 12.5, 10.5}, cardMarks(kHsiScale));
});

// The heading bug: an orange notched block on the card's rim at the top of a
// long strip, which turns about the card's centre.
RADOD_CUTOUT("Cessna/Instrumentos/HSI/HSI_headingbug.png", kHsiBug.size(), [](QPainter &p) {
    kHsiBug.enter(p);
    const QPointF o = kBugPivot;
    const double outer = o.y() - 71, inner = o.y() - 63, half = 6;
    QPainterPath bug;
    bug.moveTo(o.x() - half, outer);
    bug.lineTo(o.x() + half, outer);
    bug.lineTo(o.x() + half, inner);
    bug.lineTo(o.x() + 1.8, inner);
    bug.lineTo(o.x(), inner - 3.5);
    bug.lineTo(o.x() - 1.8, inner);
    bug.lineTo(o.x() - half, inner);
    bug.closeSubpath();
    softShadow(p, bug.translated(0.6, 1.2), 1, 100);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::orange);
    p.drawPath(bug);
});

// The course arrow: a yellow head and tail on a black centre plate, with a
// gap for the deviation bar between them.
RADOD_CUTOUT("Cessna/Instrumentos/HSI/HSI_Needle arrow.png", kHsiArrow.size(), [](QPainter &p) {
    kHsiArrow.enter(p);
    const QPointF o = kCoursePivot;
    p.setPen(QPen(QColor(44, 44, 48), 0.6));
    p.setBrush(QColor(12, 12, 14));
    p.drawEllipse(o, 36, 36);

    QPainterPath head;
    head.moveTo(o + QPointF(0, -63));
    head.lineTo(o + QPointF(6.5, -49));
    head.lineTo(o + QPointF(1.7, -49));
    head.lineTo(o + QPointF(1.7, -37));
    head.lineTo(o + QPointF(-1.7, -37));
    head.lineTo(o + QPointF(-1.7, -49));
    head.lineTo(o + QPointF(-6.5, -49));
    head.closeSubpath();
    QPainterPath tail;
    tail.addRect(QRectF(o.x() - 1.7, o.y() + 37, 3.4, 25));
    for (const QPainterPath &part : {head, tail}) {
        softShadow(p, part.translated(0.8, 1.2), 1, 110);
        p.setPen(QPen(QColor(60, 45, 0), 0.4));
        p.setBrush(colour::yellow);
        p.drawPath(part);
    }
}, kFileSize);

// The course-deviation dots, 15 px apart across the course.
RADOD_CUTOUT("Cessna/Instrumentos/HSI/HSI_loc scale.png", kHsiDots.size(), [](QPainter &p) {
    kHsiDots.enter(p);
    const double pxPerDot = hsiNumber("barPxPerDot");
    for (double dot : array(kHsiScale, QStringLiteral("deviationDots")))
        scaleDot(p, kDotsPivot + QPointF(dot * pxPerDot, 0));
}, kFileSize);

// The course-deviation bar, in line with the arrow at no deviation.
RADOD_CUTOUT("Cessna/Instrumentos/HSI/HSI_Needle center.png", kHsiBar.size(), [](QPainter &p) {
    kHsiBar.enter(p);
    QPainterPath bar;
    bar.addRect(QRectF(kCoursePivot.x() - 1.7, kCoursePivot.y() - 34, 3.4, 68));
    softShadow(p, bar.translated(0.8, 1.2), 1, 110);
    p.setPen(QPen(QColor(60, 45, 0), 0.4));
    p.setBrush(colour::yellow);
    p.drawPath(bar);
}, kFileSize);

RADOD_CUTOUT("Cessna/Instrumentos/HSI/HSI_flag HDG right.png", kHsiHdgFlag.size(), [](QPainter &p) {
    kHsiHdgFlag.enter(p);
    hsiFlag(p, kHdgFlagArea, colour::orange, QColor(20, 12, 0), QStringLiteral("HDG"));
}, kFileSize);

RADOD_CUTOUT("Cessna/Instrumentos/HSI/HSI_flag NAV left.png", kHsiNavFlag.size(), [](QPainter &p) {
    kHsiNavFlag.enter(p);
    hsiFlag(p, kNavFlagArea, colour::red, colour::white, QStringLiteral("NAV"));
}, kFileSize);

// The inner bezel: a black mask with a round window on the card, the lubber
// line, marks every 45 degrees, the fixed aeroplane and the glide-slope
// scales left and right.
RADOD_ARTWORK("Cessna/Instrumentos/HSI/HSI_inner bezel.png", kHsiInnerBezel.size(), [](QPainter &p) {
    kHsiInnerBezel.enter(p);
    const QPointF c = kWindowCentre;
    QPainterPath mask;
    mask.addEllipse(kCentre, kBezelOpening + 4, kBezelOpening + 4);
    QPainterPath band;
    band.addRect(QRectF(kHsiInnerBezel.x, kHsiInnerBezel.y, kHsiInnerBezel.width, kHsiInnerBezel.height));
    mask = mask.intersected(band);
    QPainterPath window;
    window.addEllipse(c, kWindowRadius, kWindowRadius);
    mask = mask.subtracted(window);
    QRadialGradient g(c, 100);
    g.setColorAt(0.7, QColor(24, 24, 27));
    g.setColorAt(1.0, QColor(8, 8, 9));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(mask);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 200), 1.4));
    p.drawEllipse(c, kWindowRadius, kWindowRadius);

    radialTriangle(p, c, kWindowRadius - 6, kWindowRadius + 7, 0, 3.4, colour::orange);
    for (int a = 45; a < 360; a += 45)
        radialTriangle(p, c, kWindowRadius - 1, kWindowRadius + 6, a, a == 180 ? 2.6 : 2.2,
                       colour::white);

    // Glide-slope scales: a centre bar and dots 14 px apart.
    const double pxPerDot = hsiNumber("glidePxPerDot");
    for (double side : {-1.0, 1.0}) {
        const double x = c.x() + side * kGlideScaleX;
        p.setPen(QPen(colour::white, 1.6, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(x - 4, kGlideRestY), QPointF(x + 4, kGlideRestY));
        for (double dot : array(kHsiScale, QStringLiteral("glideDots")))
            scaleDot(p, QPointF(x, kGlideRestY + dot * pxPerDot), 2.2);
    }
    label(p, QPointF(c.x() - kGlideScaleX, kGlideRestY - 38), QStringLiteral("GS"), 5,
          colour::white, Typeface::Cockpit);
    label(p, QPointF(c.x() + kGlideScaleX, kGlideRestY - 38), QStringLiteral("GS"), 5,
          colour::white, Typeface::Cockpit);

    // The aeroplane, nose up, over the course arrow's pivot.
    const QPointF o = kCoursePivot;
    QPainterPath plane;
    plane.addRoundedRect(QRectF(o.x() - 1.6, o.y() - 12, 3.2, 22), 1.6, 1.6);
    plane.addRoundedRect(QRectF(o.x() - 13, o.y() - 3, 26, 3.4), 1.2, 1.2);
    plane.addRoundedRect(QRectF(o.x() - 5.5, o.y() + 7, 11, 2.6), 1, 1);
    plane.setFillRule(Qt::WindingFill);
    softShadow(p, plane.translated(0.8, 1.4), 1, 120);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::orange);
    p.drawPath(plane.simplified());
});

// The two yellow glide-slope pointers, at the scales' centre bars.
RADOD_ARTWORK("Cessna/Instrumentos/HSI/HSI_ILS bugs.png", kHsiGlide.size(), [](QPainter &p) {
    kHsiGlide.enter(p);
    for (double side : {-1.0, 1.0}) {
        const double base = kCentre.x() + side * (kGlideScaleX + 3);
        const double tip = kCentre.x() + side * (kGlideScaleX - 8);
        QPainterPath pointer;
        pointer.moveTo(tip, kGlideRestY);
        pointer.lineTo(base, kGlideRestY - 5);
        pointer.lineTo(base, kGlideRestY + 5);
        pointer.closeSubpath();
        softShadow(p, pointer.translated(0.6, 1), 0.8, 110);
        p.setPen(QPen(QColor(60, 45, 0), 0.4));
        p.setBrush(colour::yellow);
        p.drawPath(pointer);
    }
}, kFileSize);

// The outer bezel on the square case, the case screws and the glass. The
// case is opaque up to its corners: the flags swing aside under it.
RADOD_ARTWORK("Cessna/Instrumentos/HSI/HSI_Bezel ext.png", kGauge, [](QPainter &p) {
    QPainterPath casing;
    casing.addRoundedRect(QRectF(QPointF(0, 0), kGauge), 8, 8);
    QPainterPath opening;
    opening.addEllipse(kCentre, kBezelOpening, kBezelOpening);
    QLinearGradient metal(0, 0, 0, kGauge.height());
    metal.setColorAt(0, QColor(46, 46, 50));
    metal.setColorAt(1, QColor(22, 22, 24));
    p.setPen(Qt::NoPen);
    p.setBrush(metal);
    p.drawPath(casing.subtracted(opening));
    bezel(p, kCentre, kBezelOpening, 103);
    for (const QPointF &s : {QPointF(13, 13), QPointF(197, 13), QPointF(13, 197), QPointF(197, 197)})
        caseScrew(p, s);
    glass(p, kCentre, kBezelOpening);
});

// ---- VOR/ILS indicator ------------------------------------------------------------

namespace {
const QString kVorScale = QStringLiteral("Cessna/Instrumentos/Vor/VorScale.js");
// The course card's ring; inside it the face shows. The needles' pivots
// (gauge points (100, 40) and (35, 105)) lie under the ring.
const double kVorRim = 87;
const double kVorCardInner = 63;
const QRectF kVorNavWindow(120, 70, 26, 18);
const QRectF kVorGlideWindow(64, 120, 26, 16);

// vorOBSneedle.png is drawn in a 200 x 210 box with its bar on x = 100. The
// glide-slope needle shows it at 200 x 210 from (-65, 5), turning about gauge
// point (35, 105); the course needle stretches it to 210 x 205 at (0, -60),
// turning about gauge point (100, 40), so its bar stands on x = 105.
const QSizeF kVorNeedleBox(200, 210);
const double kVorNeedleBarX = 100;
const QPointF kVorGlidePivot(35, 105), kVorGlideBar(35, 150);
const QPointF kVorCoursePivot(100, 40), kVorCourseBar(105, 150);

double vorScaleNumber(const char *name)
{
    return script(kVorScale).property(QLatin1String(name)).toNumber();
}
} // namespace

// The base under the windows: black, as the windows look with no flag.
RADOD_ARTWORK("Cessna/Instrumentos/Vor/vorOBSgsflagoff.png", kGauge, [](QPainter &p) {
    face(p, kCentre, kVorRim + 1, QColor(6, 6, 7));
});

RADOD_ARTWORK("Cessna/Instrumentos/Vor/vorOBSgsflag.png", kGauge, [](QPainter &p) {
    stripedFlag(p, kVorGlideWindow, QStringLiteral("GS"));
});

RADOD_ARTWORK("Cessna/Instrumentos/Vor/vorOBSnavflag.png", kGauge, [](QPainter &p) {
    stripedFlag(p, kVorNavWindow, QStringLiteral("NAV"));
});

RADOD_ARTWORK("Cessna/Instrumentos/Vor/vorOBSnavfr.png", kGauge, [](QPainter &p) {
    toFromFlag(p, kVorNavWindow, false);
});

RADOD_ARTWORK("Cessna/Instrumentos/Vor/vorOBSnavto.png", kGauge, [](QPainter &p) {
    toFromFlag(p, kVorNavWindow, true);
});

// The face: the dotted cross where the needles cross the centre lines at
// each dot of deviation, the centre circle, the NAV and GS windows.
RADOD_ARTWORK("Cessna/Instrumentos/Vor/vorVORILS.png", kGauge, [](QPainter &p) {
    const QPointF c = kCentre;
    dialWithWindows(p, c, kVorRim + 1, {kVorNavWindow, kVorGlideWindow});
    const int maxDots = int(vorScaleNumber("maxDots"));
    deviationDots(p, {kVorCoursePivot, kVorCourseBar, kVorScale, QStringLiteral("courseNeedleAngle"), false},
                  maxDots, kVorCardInner);
    deviationDots(p, {kVorGlidePivot, kVorGlideBar, kVorScale, QStringLiteral("glideNeedleAngle"), true},
                  maxDots, kVorCardInner);
    label(p, QPointF(kVorNavWindow.center().x(), kVorNavWindow.top() - 6), QStringLiteral("NAV"), 5,
          QColor(200, 200, 196), Typeface::Cockpit);
    label(p, QPointF(kVorGlideWindow.center().x(), kVorGlideWindow.bottom() + 6), QStringLiteral("GS"),
          5, QColor(200, 200, 196), Typeface::Cockpit);
});

RADOD_CUTOUT("Cessna/Instrumentos/Vor/vorOBSneedle.png", kVorNeedleBox, [](QPainter &p) {
    hangingBar(p, kVorNeedleBarX, 92, 207, 3.2);
});

// The course card: a ring of headings at their own angle.
RADOD_ARTWORK("Cessna/Instrumentos/Vor/vorOBScard.png", kGauge, [](QPainter &p) {
    courseCard(p, kVorCardInner, kVorRim, kVorScale);
});

RADOD_ARTWORK("Cessna/Instrumentos/Vor/vorOBScover.png", kGauge, [](QPainter &p) {
    courseCover(p, kVorRim);
});

// ---- second course indicator -------------------------------------------------

namespace {
const QString kObsScale = QStringLiteral("Cessna/Instrumentos/Obs/ObsScale.js");
const double kObsRim = 87;
const double kObsCardInner = 52;
const QRectF kObsNavWindow(116, 72, 24, 16);
// OBSneedle.png is drawn in gauge units with its bar on x = 105; the document
// shows it from (0, -55), turning about gauge point (105, 50).
const QPointF kObsPivot(105, 50), kObsBar(105, 150);
} // namespace

RADOD_ARTWORK("Cessna/Instrumentos/Obs/OBS2navfr.png", kGauge, [](QPainter &p) {
    toFromFlag(p, kObsNavWindow, false);
});

RADOD_ARTWORK("Cessna/Instrumentos/Obs/OBS2navto.png", kGauge, [](QPainter &p) {
    toFromFlag(p, kObsNavWindow, true);
});

RADOD_ARTWORK("Cessna/Instrumentos/Obs/OBS2navflag.png", kGauge, [](QPainter &p) {
    stripedFlag(p, kObsNavWindow, QStringLiteral("NAV"));
});

RADOD_ARTWORK("Cessna/Instrumentos/Obs/VORwBG.png", kGauge, [](QPainter &p) {
    const QPointF c = kCentre;
    dialWithWindows(p, c, kObsRim + 1, {kObsNavWindow});
    const int maxDots = int(script(kObsScale).property(QStringLiteral("maxDots")).toNumber());
    deviationDots(p, {kObsPivot, kObsBar, kObsScale, QStringLiteral("needleAngle"), false}, maxDots,
                  kObsCardInner);
    label(p, QPointF(kObsNavWindow.center().x(), kObsNavWindow.top() - 6), QStringLiteral("NAV 2"),
          5, QColor(200, 200, 196), Typeface::Cockpit);
});

RADOD_CUTOUT("Cessna/Instrumentos/Obs/OBSneedle.png", kGauge, [](QPainter &p) {
    hangingBar(p, kObsBar.x(), 97, 207, 3.2);
});

RADOD_ARTWORK("Cessna/Instrumentos/Obs/OBScard.png", kGauge, [](QPainter &p) {
    courseCard(p, kObsCardInner, kObsRim, kObsScale);
});

RADOD_ARTWORK("Cessna/Instrumentos/Obs/OBScover.png", kGauge, [](QPainter &p) {
    courseCover(p, kObsRim);
});

// ---- ADF indicator -----------------------------------------------------------

namespace {
const QString kAdfScale = QStringLiteral("Cessna/Instrumentos/Adf/AdfScale.js");
const double kAdfRim = 87;
} // namespace

RADOD_ARTWORK("Cessna/Instrumentos/Adf/ADF.png", kGauge, [](QPainter &p) {
    face(p, kCentre, kAdfRim + 1);
    label(p, kCentre + QPointF(0, 26), QStringLiteral("ADF"), 7, colour::white, Typeface::Cockpit);
});

RADOD_ARTWORK("Cessna/Instrumentos/Adf/adfOBScard.png", kGauge, [](QPainter &p) {
    const QPointF c = kCentre;
    ring(p, c, 58, kAdfRim + 1, QColor(14, 14, 16));
    compassCard(p, c, {kAdfRim, 7, 4, 72, 12, 10}, cardMarks(kAdfScale));
});

// The bearing pointer: a long yellow arrow with its tail, on a hub.
RADOD_CUTOUT("Cessna/Instrumentos/Adf/ADFneedle.png", kGauge, [](QPainter &p) {
    const QPointF c = kCentre;
    QPainterPath arrow;
    arrow.moveTo(c + QPointF(0, -80));
    arrow.lineTo(c + QPointF(7, -62));
    arrow.lineTo(c + QPointF(2, -62));
    arrow.lineTo(c + QPointF(2, 58));
    arrow.lineTo(c + QPointF(6, 70));
    arrow.lineTo(c + QPointF(-6, 70));
    arrow.lineTo(c + QPointF(-2, 58));
    arrow.lineTo(c + QPointF(-2, -62));
    arrow.lineTo(c + QPointF(-7, -62));
    arrow.closeSubpath();
    softShadow(p, arrow.translated(1.2, 1.8), 1.4, 110);
    p.setPen(QPen(QColor(60, 45, 0), 0.5));
    p.setBrush(colour::yellow);
    p.drawPath(arrow);
    hub(p, c, 6.5);
});

// Fixed index at the top, marks every 45 degrees, the heading knob, the glass.
RADOD_ARTWORK("Cessna/Instrumentos/Adf/ADFcover.png", kGauge, [](QPainter &p) {
    const QPointF c = kCentre;
    radialTriangle(p, c, kAdfRim - 10, kAdfRim + 1, 0, 4.5, colour::orange);
    for (int a = 45; a < 360; a += 45)
        radialTriangle(p, c, kAdfRim - 7, kAdfRim + 1, a, 2.5, colour::white);
    caseCorners(p, QStringLiteral("HDG"));
    glass(p, c, kAdfRim);
});

// ---- marker-beacon lamps --------------------------------------------------------

namespace {
const QSizeF kMarkerSize(174, 45);
struct Lamp
{
    const char *letter;
    QColor lit;
    QColor unlit;
};
const Lamp kLamps[] = {
    {"O", QColor(70, 225, 255), QColor(16, 42, 52)},
    {"M", QColor(255, 176, 30), QColor(58, 40, 10)},
    {"I", QColor(250, 250, 244), QColor(50, 50, 50)},
};
const double kLampRadius = 14;

QPointF lampCentre(int i)
{
    const double third = kMarkerSize.width() / 3;
    return {third * (i + 0.5), kMarkerSize.height() / 2};
}

// Every lamp with its chrome rim; `lit` draws the glowing lenses.
void markerLamps(QPainter &p, bool lit)
{
    for (int i = 0; i < 3; ++i) {
        const QPointF c = lampCentre(i);
        const Lamp &lamp = kLamps[i];
        bezel(p, c, kLampRadius, kLampRadius + 4);
        QRadialGradient lens(c - QPointF(kLampRadius * 0.3, kLampRadius * 0.35), kLampRadius * 1.3);
        if (lit) {
            lens.setColorAt(0.0, lamp.lit.lighter(160));
            lens.setColorAt(0.6, lamp.lit);
            lens.setColorAt(1.0, lamp.lit.darker(140));
        } else {
            lens.setColorAt(0.0, lamp.unlit.lighter(170));
            lens.setColorAt(0.7, lamp.unlit);
            lens.setColorAt(1.0, lamp.unlit.darker(170));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(lens);
        p.drawEllipse(c, kLampRadius, kLampRadius);
        const QColor ink = lit ? lamp.lit.darker(330) : lamp.unlit.lighter(190);
        label(p, c, QString::fromLatin1(lamp.letter), 15, ink, Typeface::SansBold);
        glass(p, c, kLampRadius);
    }
}
} // namespace

// The housing with the three unlit lamps: cyan O, amber M, white I.
RADOD_ARTWORK("Cessna/Instrumentos/MarkerBeacon/background.png", kMarkerSize, [](QPainter &p) {
    QLinearGradient g(0, 0, 0, kMarkerSize.height());
    g.setColorAt(0, QColor(48, 48, 52));
    g.setColorAt(1, QColor(18, 18, 20));
    p.setPen(QPen(QColor(0, 0, 0), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(QPointF(0.5, 0.5), kMarkerSize - QSizeF(1, 1)), 5, 5);
    markerLamps(p, false);
});

// The same lamps lit; the document shows each third on its own.
RADOD_ARTWORK("Cessna/Instrumentos/MarkerBeacon/on.png", kMarkerSize, [](QPainter &p) {
    for (int i = 0; i < 3; ++i) {
        const QPointF c = lampCentre(i);
        QRadialGradient halo(c, kLampRadius + 8);
        QColor glow = kLamps[i].lit;
        glow.setAlpha(110);
        halo.setColorAt(0.6, glow);
        glow.setAlpha(0);
        halo.setColorAt(1.0, glow);
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawEllipse(c, kLampRadius + 8, kLampRadius + 8);
    }
    markerLamps(p, true);
});

// ---- strip compass ---------------------------------------------------------------

namespace {
const QString kCompassScale = QStringLiteral("Cessna/Instrumentos/LinearCompass/LinearCompassScale.js");
const QSizeF kTapeSize(712, 86);
const QSizeF kFrameSize(158, 90);
// The frame is placed at x = -4: its lubber line on the window's centre.
const double kFrameX = -4;

double compassNumber(const char *name)
{
    return script(kCompassScale).property(QLatin1String(name)).toNumber();
}
double tapeX(double heading)
{
    return call(kCompassScale, QStringLiteral("headingX"), {heading});
}
} // namespace

// The tape: 5-degree marks, the tens every 30 degrees and the cardinal
// letters, each where the document's tape position puts it under the lubber
// line, from the tape's first heading to its last.
RADOD_ARTWORK("Cessna/Instrumentos/LinearCompass/comp.png", kTapeSize, [](QPainter &p) {
    QLinearGradient g(0, 0, 0, kTapeSize.height());
    g.setColorAt(0.0, QColor(6, 6, 7));
    g.setColorAt(0.5, QColor(26, 26, 28));
    g.setColorAt(1.0, QColor(6, 6, 7));
    p.fillRect(QRectF(QPointF(0, 0), kTapeSize), g);

    const double first = compassNumber("firstHeading"), last = compassNumber("lastHeading");
    const double bottom = 74;
    for (double h = std::ceil(first / 5) * 5; h <= last; h += 5) {
        const double x = tapeX(h);
        const bool ten = std::fmod(std::fabs(h), 10) < 1e-9;
        p.setPen(QPen(colour::white, ten ? 1.8 : 1.1, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(x, bottom - (ten ? 15 : 8)), QPointF(x, bottom));
        const QString name = cardName(h);
        if (!name.isEmpty()) {
            const bool cardinal = name.at(0).isLetter();
            label(p, QPointF(x, 38), name, cardinal ? 26 : 20, colour::white, Typeface::SansBold);
        }
    }
});

// The window frame: rounded shaded edges, as of a card seen on its drum, and
// the white lubber line in the middle.
RADOD_ARTWORK("Cessna/Instrumentos/LinearCompass/comp_window.png", kFrameSize, [](QPainter &p) {
    const QRectF all(QPointF(0, 0), kFrameSize);
    QLinearGradient side(0, 0, kFrameSize.width(), 0);
    side.setColorAt(0.0, QColor(0, 0, 0, 255));
    side.setColorAt(0.2, QColor(0, 0, 0, 120));
    side.setColorAt(0.38, QColor(0, 0, 0, 0));
    side.setColorAt(0.62, QColor(0, 0, 0, 0));
    side.setColorAt(0.8, QColor(0, 0, 0, 120));
    side.setColorAt(1.0, QColor(0, 0, 0, 255));
    p.fillRect(all, side);
    QLinearGradient top(0, 0, 0, kFrameSize.height());
    top.setColorAt(0.0, QColor(0, 0, 0, 200));
    top.setColorAt(0.12, QColor(0, 0, 0, 0));
    top.setColorAt(0.88, QColor(0, 0, 0, 0));
    top.setColorAt(1.0, QColor(0, 0, 0, 200));
    p.fillRect(all, top);

    // The frame's rim.
    QLinearGradient rim(0, 0, kFrameSize.width(), kFrameSize.height());
    rim.setColorAt(0, colour::bezelLight);
    rim.setColorAt(0.5, colour::bezelDark);
    rim.setColorAt(1, QColor(12, 12, 14));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(rim), 4));
    p.drawRoundedRect(all.adjusted(2, 2, -2, -2), 9, 9);

    const double lubber = compassNumber("lubberX") - kFrameX;
    p.setPen(QPen(colour::white, 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(lubber, 5), QPointF(lubber, kFrameSize.height() - 5));
    // A faint reflection across the top of the glass.
    QLinearGradient shine(0, 4, 0, 30);
    shine.setColorAt(0, QColor(255, 255, 255, 30));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawRoundedRect(QRectF(8, 4, kFrameSize.width() - 16, 26), 6, 6);
});
