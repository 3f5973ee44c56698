#pragma once

// The artwork generator: every image that the documents use is drawn here, from
// a short description per image built on a few primitives. Descriptions live in
// one source file per family (flight.cpp, nav.cpp, ...) and register
// themselves with RADOD_ARTWORK.
//
// Coordinates: a description draws in the document's own units (a 210 x 210
// gauge layer is drawn in a 210 x 210 box); the image is rendered at
// `pixelsPerUnit` times that size (2 by default), antialiased, so layers stay
// crisp when a panel scales a gauge up.
//
// Angles: degrees, clockwise, 0 at twelve o'clock: the direction in which a
// needle drawn pointing up shows at rotation 0 in a document.

#include <QColor>
#include <QFont>
#include <QJSValue>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QVector>

#include <functional>

namespace art {

using PaintFunction = std::function<void(QPainter &)>;

struct ImageSpec
{
    QString path;        // resource folder path + file name, e.g. "Cessna/Instrumentos/Airspeed/needle.png"
    QSizeF size;         // in document units
    PaintFunction paint;
    double pixelsPerUnit = 2.0;
    bool cutOut = false; // see addCutOut()
};

// Registers an image. Returns true so that it can initialise a static.
bool add(const QString &path, QSizeF size, PaintFunction paint, double pixelsPerUnit = 2.0);
// Registers a layer that is cut out to the pixels it paints: it is described
// in the layer's units like any other, but its file holds only the whole
// units round what it paints (with a transparent margin, so its edges blend
// as they did), and the script `cutOutScript()` of its folder says where in
// the layer that part lies. A needle then paints, and turns, only its own
// pixels instead of a whole face of transparency.
bool addCutOut(const QString &path, QSizeF size, PaintFunction paint, double pixelsPerUnit = 2.0);
const QVector<ImageSpec> &images();
// The script that lists the cut-out layers of the folder of `imagePath`.
QString cutOutScript(const QString &imagePath);

// The source tree (for scripts that documents and artwork share).
QString sourceRoot();
void setSourceRoot(const QString &root);

// Evaluates a script of the source tree (a gauge's scale table, say) and returns
// its global object, so that the artwork uses the very numbers the document uses.
// The script may `.import "qrc:/Classes/Interpolate.js" as Logic` (or a file
// relative to it), as a document's library script does.
QJSValue script(const QString &relativePath);
// Calls a function of such a script with numeric arguments.
double call(const QString &relativePath, const QString &function, const QVector<double> &args);
// Reads a numeric array of such a script.
QVector<double> array(const QString &relativePath, const QString &name);

// ---- colours -------------------------------------------------------------
namespace colour {
const QColor faceBlack(18, 18, 20);
const QColor white(240, 240, 236);
const QColor green(20, 170, 60);
const QColor yellow(240, 200, 20);
const QColor red(220, 30, 30);
const QColor orange(240, 130, 20);
const QColor sky(40, 110, 190);
const QColor ground(120, 75, 35);
const QColor bezelDark(30, 30, 32);
const QColor bezelLight(95, 95, 100);
} // namespace colour

// ---- fonts ---------------------------------------------------------------
enum class Typeface { Sans, SansBold, Condensed, Cockpit };
QFont font(double pixelSize, Typeface face = Typeface::SansBold);
void loadFonts(); // from <source>/fonts

// ---- primitives ----------------------------------------------------------
QPointF polar(QPointF centre, double radius, double angleDeg);

// Matte black dial with a faint radial shading.
void face(QPainter &p, QPointF c, double r, QColor colour = colour::faceBlack);
// Dark metal ring from rInner to rOuter with a soft highlight.
void bezel(QPainter &p, QPointF c, double rInner, double rOuter);
// Radial ticks ending at rOuter, one per angle.
void ticks(QPainter &p, QPointF c, double rOuter, double length, double width,
           const QVector<double> &anglesDeg, QColor colour = colour::white);
// A band along a circle of radius r (centre line), from one angle to another.
void arc(QPainter &p, QPointF c, double r, double width, double fromDeg, double toDeg,
         QColor colour, Qt::PenCapStyle cap = Qt::FlatCap);
// Text centred on the point at radius r and the angle; upright, or turned with
// the angle when `turned` is true.
void numeral(QPainter &p, QPointF c, double r, double angleDeg, const QString &text,
             double pixelSize, QColor colour = colour::white, bool turned = false,
             Typeface face = Typeface::SansBold);
// Text centred on a point.
void label(QPainter &p, QPointF centre, const QString &text, double pixelSize,
           QColor colour = colour::white, Typeface face = Typeface::SansBold);
// A tapered needle pointing up from `pivot`: `length` above the pivot, `tail`
// below it, `width` at its widest, with a faint shadow offset down-right.
void needle(QPainter &p, QPointF pivot, double length, double tail, double width,
            QColor colour = colour::white, bool shadow = true);
// The needle's centre cap.
void hub(QPainter &p, QPointF c, double r, QColor colour = QColor(45, 45, 48));
// A faint reflection on a glass of radius r (for cover layers; mostly transparent).
void glass(QPainter &p, QPointF c, double r);

// The outline that needle() fills, for layers that draw a needle's shadow on
// their own.
QPainterPath needlePath(QPointF pivot, double length, double tail, double width);
// A soft shadow of a shape: the shape filled with a blurred edge `blur` wide,
// `alpha` dark at its core.
void softShadow(QPainter &p, const QPainterPath &shape, double blur, int alpha = 90);
// A flat annulus from rInner to rOuter (a face with an open centre).
void ring(QPainter &p, QPointF c, double rInner, double rOuter, QColor colour);
// Angles of the values from `first` to `last` (inclusive) in steps of `step`,
// through a function from value to angle (a gauge's scale script, say).
QVector<double> anglesOf(double first, double last, double step,
                         const std::function<double(double)> &angleOf);
// A one-argument function of a scale script as a C++ function, e.g.
// scaleFunction("Cessna/Instrumentos/Airspeed/AirspeedScale.js", "needleAngle").
std::function<double(double)> scaleFunction(const QString &relativePath, const QString &function);

} // namespace art

#define RADOD_ARTWORK_CONCAT2(a, b) a##b
#define RADOD_ARTWORK_CONCAT(a, b) RADOD_ARTWORK_CONCAT2(a, b)
// RADOD_ARTWORK("Cessna/Instrumentos/Airspeed/needle.png", QSizeF(15, 95), [](QPainter &p) { ... });
#define RADOD_ARTWORK(...) \
    static const bool RADOD_ARTWORK_CONCAT(radodArtwork_, __LINE__) = art::add(__VA_ARGS__)
// RADOD_CUTOUT("Cessna/Instrumentos/Rpm/needle.png", QSizeF(210, 210), [](QPainter &p) { ... });
#define RADOD_CUTOUT(...) \
    static const bool RADOD_ARTWORK_CONCAT(radodCutOut_, __LINE__) = art::addCutOut(__VA_ARGS__)
