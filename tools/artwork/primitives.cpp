#include "artwork.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QJSEngine>
#include <QPainterPath>
#include <QRadialGradient>
#include <QLinearGradient>
#include <QtMath>

namespace art {

namespace {
QVector<ImageSpec> &registry()
{
    static QVector<ImageSpec> specs;
    return specs;
}
QString &sourceRootRef()
{
    static QString root;
    return root;
}
QHash<QString, QString> &families()
{
    static QHash<QString, QString> f;
    return f;
}
} // namespace

bool add(const QString &path, QSizeF size, PaintFunction paint, double pixelsPerUnit)
{
    registry().append({path, size, std::move(paint), pixelsPerUnit});
    return true;
}

bool addCutOut(const QString &path, QSizeF size, PaintFunction paint, double pixelsPerUnit)
{
    registry().append({path, size, std::move(paint), pixelsPerUnit, true});
    return true;
}

QString cutOutScript(const QString &imagePath)
{
    return QFileInfo(imagePath).path() + QStringLiteral("/Cutouts.js");
}

const QVector<ImageSpec> &images()
{
    return registry();
}

QString sourceRoot()
{
    return sourceRootRef();
}

void setSourceRoot(const QString &root)
{
    sourceRootRef() = root;
}

namespace {
// The code of a script of the source tree as QJSEngine can run it: without its
// ".pragma library" line, and with each `.import "File.js" as Name` replaced by
// `var Name = {...}` holding that file's top-level functions and variables
// (a "qrc:/" path names the file of the source tree at that path; any other
// path is relative to the importing script).
QString scriptCode(const QString &relativePath, int depth)
{
    QFile file(sourceRoot() + QLatin1Char('/') + relativePath);
    if (depth > 8 || !file.open(QIODevice::ReadOnly))
        qFatal("artwork: cannot read %s", qPrintable(file.fileName()));
    QString code = QString::fromUtf8(file.readAll());
    code.remove(QStringLiteral(".pragma library"));
    static const QRegularExpression importLine(
        QStringLiteral("^\\s*\\.import\\s+\"([^\"]+\\.js)\"\\s+as\\s+(\\w+)\\s*$"),
        QRegularExpression::MultilineOption);
    static const QRegularExpression topLevelName(
        QStringLiteral("^(?:function|var)\\s+(\\w+)"), QRegularExpression::MultilineOption);
    QRegularExpressionMatch m;
    while ((m = importLine.match(code)).hasMatch()) {
        QString path = m.captured(1);
        if (path.startsWith(QLatin1String("qrc:/")))
            path = path.mid(5);
        else
            path = QFileInfo(relativePath).path() + QLatin1Char('/') + path;
        const QString imported = scriptCode(QDir::cleanPath(path), depth + 1);
        QStringList exports;
        for (auto it = topLevelName.globalMatch(imported); it.hasNext();) {
            const QString name = it.next().captured(1);
            exports << QStringLiteral("%1: typeof %1 === \"undefined\" ? undefined : %1").arg(name);
        }
        code.replace(m.capturedStart(), m.capturedLength(),
                     QStringLiteral("var %1 = (function () {\n%2\nreturn {%3};\n})();")
                         .arg(m.captured(2), imported, exports.join(QStringLiteral(", "))));
    }
    return code;
}
} // namespace

QJSValue script(const QString &relativePath)
{
    // One engine per script, kept for the generator's run.
    static QHash<QString, QJSEngine *> engines;
    QJSEngine *&engine = engines[relativePath];
    if (!engine) {
        engine = new QJSEngine;
        const QString code = scriptCode(relativePath, 0);
        const QJSValue result = engine->evaluate(code, sourceRoot() + QLatin1Char('/') + relativePath);
        if (result.isError())
            qFatal("artwork: %s: %s", qPrintable(relativePath), qPrintable(result.toString()));
    }
    return engine->globalObject();
}

double call(const QString &relativePath, const QString &function, const QVector<double> &args)
{
    QJSValueList list;
    for (double a : args)
        list << QJSValue(a);
    const QJSValue result = script(relativePath).property(function).call(list);
    if (result.isError())
        qFatal("artwork: %s.%s: %s", qPrintable(relativePath), qPrintable(function),
               qPrintable(result.toString()));
    return result.toNumber();
}

QVector<double> array(const QString &relativePath, const QString &name)
{
    const QJSValue value = script(relativePath).property(name);
    QVector<double> out;
    const int n = value.property(QStringLiteral("length")).toInt();
    for (int i = 0; i < n; ++i)
        out << value.property(quint32(i)).toNumber();
    return out;
}

void loadFonts()
{
    const QString dir = sourceRoot() + QStringLiteral("/fonts/");
    const struct { Typeface face; const char *file; } files[] = {
        {Typeface::Sans, "DejaVuSans.ttf"},
        {Typeface::SansBold, "DejaVuSans-Bold.ttf"},
        {Typeface::Condensed, "DejaVuSansCondensed-Bold.ttf"},
        {Typeface::Cockpit, "B612-Bold.otf"},
    };
    for (const auto &f : files) {
        const int id = QFontDatabase::addApplicationFont(dir + QLatin1String(f.file));
        const QStringList names = QFontDatabase::applicationFontFamilies(id);
        if (names.isEmpty())
            qFatal("artwork: cannot load font %s", f.file);
        families().insert(QString::number(int(f.face)), names.first());
    }
}

QFont font(double pixelSize, Typeface face)
{
    QFont f(families().value(QString::number(int(face)), QStringLiteral("sans-serif")));
    f.setPixelSize(1); // replaced below; pixel sizes below 1 are not allowed
    f.setPointSizeF(pixelSize * 0.75); // at 96 dpi a point is 4/3 px; the painter scale does the rest
    if (face == Typeface::SansBold || face == Typeface::Condensed || face == Typeface::Cockpit)
        f.setBold(true);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QPointF polar(QPointF centre, double radius, double angleDeg)
{
    const double a = qDegreesToRadians(angleDeg);
    return centre + QPointF(radius * std::sin(a), -radius * std::cos(a));
}

void face(QPainter &p, QPointF c, double r, QColor colour)
{
    QRadialGradient g(c, r);
    g.setColorAt(0.0, colour.lighter(125));
    g.setColorAt(0.85, colour);
    g.setColorAt(1.0, colour.darker(160));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

void bezel(QPainter &p, QPointF c, double rInner, double rOuter)
{
    QPainterPath ring;
    ring.addEllipse(c, rOuter, rOuter);
    ring.addEllipse(c, rInner, rInner);
    QLinearGradient g(c - QPointF(rOuter, rOuter), c + QPointF(rOuter, rOuter));
    g.setColorAt(0.0, colour::bezelLight);
    g.setColorAt(0.5, colour::bezelDark);
    g.setColorAt(1.0, QColor(12, 12, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(ring);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 200), 0.8));
    p.drawEllipse(c, rInner, rInner);
}

void ticks(QPainter &p, QPointF c, double rOuter, double length, double width,
           const QVector<double> &anglesDeg, QColor colour)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    for (double a : anglesDeg)
        p.drawLine(polar(c, rOuter - length, a), polar(c, rOuter, a));
}

void arc(QPainter &p, QPointF c, double r, double width, double fromDeg, double toDeg,
         QColor colour, Qt::PenCapStyle cap)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, cap));
    p.setBrush(Qt::NoBrush);
    const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    // QPainter: 0 at three o'clock, counter-clockwise, sixteenths of a degree.
    const double start = 90.0 - fromDeg;
    const double span = -(toDeg - fromDeg);
    p.drawArc(box, qRound(start * 16), qRound(span * 16));
}

namespace {
// The outline of a text centred on the origin as drawText centres it in a box:
// half its advance to the left, the middle of its line height on the origin.
// Laid out at a large size and scaled down, so fractional sizes stay exact.
QPainterPath textOutline(const QString &text, double pixelSize, Typeface face)
{
    const double large = 1000;
    const QFont f = font(large, face);
    const QFontMetricsF fm(f);
    QPainterPath path;
    path.addText(-fm.horizontalAdvance(text) / 2, (fm.ascent() - fm.descent()) / 2, f, text);
    return QTransform::fromScale(pixelSize / large, pixelSize / large).map(path);
}
} // namespace

void numeral(QPainter &p, QPointF c, double r, double angleDeg, const QString &text,
             double pixelSize, QColor colour, bool turned, Typeface face)
{
    const QPointF at = polar(c, r, angleDeg);
    p.save();
    p.translate(at);
    if (turned)
        p.rotate(angleDeg);
    if (p.paintEngine() && p.paintEngine()->type() == QPaintEngine::SVG) {
        // Vector layers carry their text as outlines: they show the same
        // wherever they are rasterised, without the fonts.
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPath(textOutline(text, pixelSize, face));
    } else {
        p.setFont(font(pixelSize, face));
        p.setPen(colour);
        const QRectF box(-pixelSize * 4, -pixelSize, pixelSize * 8, pixelSize * 2);
        p.drawText(box, Qt::AlignCenter | Qt::TextDontClip, text);
    }
    p.restore();
}

void label(QPainter &p, QPointF centre, const QString &text, double pixelSize, QColor colour,
           Typeface face)
{
    numeral(p, centre, 0, 0, text, pixelSize, colour, false, face);
}

void needle(QPainter &p, QPointF pivot, double length, double tail, double width, QColor colour,
            bool shadow)
{
    const QPainterPath path = needlePath(pivot, length, tail, width);
    p.setPen(Qt::NoPen);
    if (shadow) {
        p.setBrush(QColor(0, 0, 0, 90));
        p.drawPath(path.translated(1.2, 1.6));
    }
    p.setBrush(colour);
    p.drawPath(path);
}

void hub(QPainter &p, QPointF c, double r, QColor colour)
{
    QRadialGradient g(c - QPointF(r / 3, r / 3), r * 1.4);
    g.setColorAt(0, colour.lighter(180));
    g.setColorAt(1, colour);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

void glass(QPainter &p, QPointF c, double r)
{
    // A soft sheen towards the upper left that fades out before the centre,
    // and a faint darkening at the rim: no hard edges over the dial.
    p.save();
    QPainterPath disk;
    disk.addEllipse(c, r, r);
    p.setClipPath(disk, Qt::IntersectClip);
    p.setPen(Qt::NoPen);
    const QPointF hot = c + QPointF(-r * 0.55, -r * 0.6);
    QRadialGradient sheen(hot, r * 0.9);
    sheen.setColorAt(0, QColor(255, 255, 255, 34));
    sheen.setColorAt(0.5, QColor(255, 255, 255, 14));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(sheen);
    p.drawEllipse(hot, r * 0.9, r * 0.9);
    QRadialGradient rim(c, r);
    rim.setColorAt(0.88, QColor(0, 0, 0, 0));
    rim.setColorAt(1, QColor(0, 0, 0, 60));
    p.setBrush(rim);
    p.drawEllipse(c, r, r);
    p.restore();
}

} // namespace art

namespace art {

QPainterPath needlePath(QPointF pivot, double length, double tail, double width)
{
    QPainterPath path;
    const double w = width / 2;
    path.moveTo(pivot + QPointF(0, -length));
    path.lineTo(pivot + QPointF(w * 0.45, -length + width * 1.6));
    path.lineTo(pivot + QPointF(w, 0));
    path.lineTo(pivot + QPointF(w * 0.7, tail));
    path.lineTo(pivot + QPointF(-w * 0.7, tail));
    path.lineTo(pivot + QPointF(-w, 0));
    path.lineTo(pivot + QPointF(-w * 0.45, -length + width * 1.6));
    path.closeSubpath();
    return path;
}

void softShadow(QPainter &p, const QPainterPath &shape, double blur, int alpha)
{
    // Concentric outlines of falling darkness approximate a blurred edge.
    const int steps = 8;
    p.save();
    p.setBrush(Qt::NoBrush);
    for (int i = steps; i >= 1; --i) {
        const double width = blur * 2.0 * i / steps;
        p.setPen(QPen(QColor(0, 0, 0, alpha / (steps + 1)), width, Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.drawPath(shape);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, alpha / 2));
    p.drawPath(shape);
    p.restore();
}

void ring(QPainter &p, QPointF c, double rInner, double rOuter, QColor colour)
{
    QPainterPath path;
    path.addEllipse(c, rOuter, rOuter);
    path.addEllipse(c, rInner, rInner);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
}

QVector<double> anglesOf(double first, double last, double step,
                         const std::function<double(double)> &angleOf)
{
    QVector<double> out;
    const int n = int(std::floor((last - first) / step + 1e-9));
    for (int i = 0; i <= n; ++i)
        out << angleOf(first + i * step);
    return out;
}

std::function<double(double)> scaleFunction(const QString &relativePath, const QString &function)
{
    return [relativePath, function](double value) { return call(relativePath, function, {value}); };
}

} // namespace art
