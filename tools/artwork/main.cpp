// radod-artwork: draws every image of the resource tree.
//   radod-artwork --out DIR --source SRC [--only SUBSTRING] [--list]
#include "artwork.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <algorithm>
#include <cstdio>

namespace {

// Vector layers: the description drawn into an SVG whose view box is the
// layer's own units, so that it shows the same at any size it is rasterised at.
// It states no width and height of its own: its natural size is then the view
// box, exactly (a size in millimetres, all QSvgGenerator writes, comes back a
// hair smaller and is cut to a pixel less).
bool writeSvg(const art::ImageSpec &spec, const QString &target)
{
    QSvgGenerator svg;
    svg.setFileName(target);
    svg.setViewBox(QRectF(QPointF(0, 0), spec.size));
    svg.setTitle(QFileInfo(target).completeBaseName());
    QPainter p;
    if (!p.begin(&svg))
        return false;
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    spec.paint(p);
    return p.end();
}

bool isJpeg(const art::ImageSpec &spec)
{
    return spec.path.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive);
}

QImage draw(const art::ImageSpec &spec)
{
    const QSize pixels = (spec.size * spec.pixelsPerUnit).toSize();
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(isJpeg(spec) ? Qt::black : Qt::transparent);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    p.scale(spec.pixelsPerUnit, spec.pixelsPerUnit);
    spec.paint(p);
    return image;
}

// The part of a cut-out layer's image that its file keeps, in pixels: whole
// units round every pixel it paints plus one transparent pixel on each side,
// so that the picture's edges are blended with nothing, as they were inside
// the whole layer, and the part sits on whole units of the layer.
QRect cutOutPixels(const QImage &image, double pixelsPerUnit)
{
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) == 0)
                continue;
            left = qMin(left, x);
            right = qMax(right, x);
            top = qMin(top, y);
            bottom = qMax(bottom, y);
        }
    }
    const int unit = qMax(1, qRound(pixelsPerUnit));
    if (right < 0) // nothing painted: one transparent unit
        return QRect(0, 0, unit, unit).intersected(image.rect());
    const auto down = [unit](int v) { return v <= 0 ? 0 : v / unit * unit; };
    const auto up = [unit](int v) { return (v + unit - 1) / unit * unit; };
    const int x0 = down(left - 1), y0 = down(top - 1);
    const int x1 = qMin(image.width(), up(right + 2)), y1 = qMin(image.height(), up(bottom + 2));
    return QRect(x0, y0, x1 - x0, y1 - y0);
}

bool hasTransparency(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        if (std::any_of(line, line + image.width(), [](QRgb px) { return qAlpha(px) < 255; }))
            return true;
    }
    return false;
}

QRectF inUnits(const QRect &pixels, double pixelsPerUnit)
{
    return {QPointF(pixels.topLeft()) / pixelsPerUnit, QSizeF(pixels.size()) / pixelsPerUnit};
}

// Writes the script of a folder's cut-out layers: for each, the rectangle of
// its layer, in the layer's units, that its file shows.
bool writeCutOutScript(const QString &target, const QVector<const art::ImageSpec *> &specs,
                       const QHash<QString, QRectF> &parts)
{
    QStringList rows;
    for (const art::ImageSpec *spec : specs) {
        const QRectF r = parts.value(spec->path);
        rows << QStringLiteral("    \"%1\": {x: %2, y: %3, width: %4, height: %5, layerWidth: %6, layerHeight: %7}")
                    .arg(QFileInfo(spec->path).fileName())
                    .arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())
                    .arg(spec->size.width()).arg(spec->size.height());
    }
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    const QString text = QStringLiteral(
        ".pragma library\n"
        "// Written by radod-artwork: where the picture of each cut-out layer of this\n"
        "// folder lies in its layer, in the layer's units (the layer being layerWidth\n"
        "// x layerHeight units).\n"
        "var rects = {\n%1\n}\n").arg(rows.join(QStringLiteral(",\n")));
    return file.write(text.toUtf8()) >= 0 && file.flush();
}

// A whole layer drawn at two pixels a unit also comes at one pixel a unit, in
// a file of its own beside it: a gauge painted at its nominal size shows that
// one as it is, instead of scaling the larger one down when it loads it.
bool hasSingleSize(const art::ImageSpec &spec)
{
    return !spec.cutOut && qFuzzyCompare(spec.pixelsPerUnit, 2.0)
           && spec.path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
}

QString singleSizePath(const QString &path)
{
    return path.left(path.size() - 4) + QStringLiteral(".1x.png");
}

// The folders' cut-out scripts and the cut-out layers each lists.
QMap<QString, QVector<const art::ImageSpec *>> cutOutScripts()
{
    QMap<QString, QVector<const art::ImageSpec *>> scripts;
    for (const art::ImageSpec &spec : art::images())
        if (spec.cutOut)
            scripts[art::cutOutScript(spec.path)] << &spec;
    return scripts;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption outOption("out", "Folder to draw into.", "dir");
    const QCommandLineOption sourceOption("source", "Source tree (fonts, scale tables).", "dir");
    const QCommandLineOption onlyOption("only", "Draw only paths containing this text.", "text");
    const QCommandLineOption listOption("list", "List the images and their sizes, draw nothing.");
    const QCommandLineOption expectOption("expect", "File listing the images the build expects.", "file");
    parser.addOptions({outOption, sourceOption, onlyOption, listOption, expectOption});
    parser.process(app);

    art::setSourceRoot(parser.isSet(sourceOption) ? parser.value(sourceOption)
                                                  : QStringLiteral(RADOD_SOURCE_DIR));
    if (parser.isSet(listOption)) {
        for (const art::ImageSpec &spec : art::images()) {
            std::printf("%s %gx%g\n", qPrintable(spec.path), spec.size.width(), spec.size.height());
            if (hasSingleSize(spec))
                std::printf("%s %gx%g\n", qPrintable(singleSizePath(spec.path)), spec.size.width(),
                            spec.size.height());
        }
        for (const QString &script : cutOutScripts().keys())
            std::printf("%s 0x0\n", qPrintable(script));
        return 0;
    }
    if (!parser.isSet(outOption)) {
        std::fprintf(stderr, "radod-artwork: --out is required\n");
        return 2;
    }
    art::loadFonts();

    const QDir out(parser.value(outOption));
    const auto prepare = [&out](const QString &path) {
        const QString target = out.filePath(path);
        QDir().mkpath(QFileInfo(target).absolutePath());
        return target;
    };
    const auto cannotWrite = [](const QString &target) {
        std::fprintf(stderr, "radod-artwork: cannot write %s\n", qPrintable(target));
        return 1;
    };
    int drawn = 0;
    QHash<QString, QRectF> parts; // of the cut-out layers, in layer units
    for (const art::ImageSpec &spec : art::images()) {
        if (parser.isSet(onlyOption) && !spec.path.contains(parser.value(onlyOption)))
            continue;
        const QString target = prepare(spec.path);
        if (spec.path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
            if (!writeSvg(spec, target))
                return cannotWrite(target);
            ++drawn;
            continue;
        }
        QImage image = draw(spec);
        if (spec.cutOut) {
            const QRect kept = cutOutPixels(image, spec.pixelsPerUnit);
            parts.insert(spec.path, inUnits(kept, spec.pixelsPerUnit));
            image = image.copy(kept);
        }
        // A layer without a transparent pixel is written without alpha: the
        // renderer then knows that it hides whatever lies under it.
        if (isJpeg(spec) || !hasTransparency(image))
            image = image.convertToFormat(QImage::Format_RGB32);
        const bool ok = isJpeg(spec) ? image.save(target, "JPG", 92) : image.save(target, "PNG");
        if (!ok)
            return cannotWrite(target);
        if (hasSingleSize(spec)) {
            const QString single = prepare(singleSizePath(spec.path));
            if (!image.scaled(image.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).save(single, "PNG"))
                return cannotWrite(single);
        }
        ++drawn;
    }
    // A folder's script is written with its layers: all of them, those that
    // --only left out measured here.
    const auto scripts = cutOutScripts();
    for (auto it = scripts.cbegin(); it != scripts.cend(); ++it) {
        const bool touched = std::any_of(it.value().cbegin(), it.value().cend(),
                                         [&parts](const art::ImageSpec *s) { return parts.contains(s->path); });
        if (!touched)
            continue;
        for (const art::ImageSpec *spec : it.value()) {
            if (!parts.contains(spec->path)) {
                const QRect kept = cutOutPixels(draw(*spec), spec->pixelsPerUnit);
                parts.insert(spec->path, inUnits(kept, spec->pixelsPerUnit));
            }
        }
        const QString target = prepare(it.key());
        if (!writeCutOutScript(target, it.value(), parts))
            return cannotWrite(target);
    }
    // Images the resource tree expects but nobody describes: a loud stand-in,
    // so the build stays whole while the gap is reported.
    int missing = 0;
    if (parser.isSet(expectOption)) {
        QFile list(parser.value(expectOption));
        if (list.open(QIODevice::ReadOnly | QIODevice::Text)) {
            QSet<QString> known;
            for (const art::ImageSpec &spec : art::images()) {
                known.insert(spec.path);
                if (hasSingleSize(spec))
                    known.insert(singleSizePath(spec.path));
            }
            for (const QString &script : scripts.keys())
                known.insert(script);
            const QStringList expected = QString::fromUtf8(list.readAll()).split('\n', Qt::SkipEmptyParts);
            for (const QString &path : expected) {
                if (known.contains(path))
                    continue;
                QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
                image.fill(Qt::magenta);
                const QString target = out.filePath(path);
                QDir().mkpath(QFileInfo(target).absolutePath());
                image.save(target);
                std::fprintf(stderr, "radod-artwork: warning: no description for %s\n", qPrintable(path));
                ++missing;
            }
        }
    }
    std::printf("radod-artwork: %d images, %d missing\n", drawn, missing);
    return 0;
}
