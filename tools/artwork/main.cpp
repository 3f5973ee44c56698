// radod-artwork: draws every image of the resource tree.
//   radod-artwork --out DIR --source SRC [--only SUBSTRING] [--list]
#include "artwork.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

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
        for (const art::ImageSpec &spec : art::images())
            std::printf("%s %gx%g\n", qPrintable(spec.path), spec.size.width(), spec.size.height());
        return 0;
    }
    if (!parser.isSet(outOption)) {
        std::fprintf(stderr, "radod-artwork: --out is required\n");
        return 2;
    }
    art::loadFonts();

    const QDir out(parser.value(outOption));
    int drawn = 0;
    for (const art::ImageSpec &spec : art::images()) {
        if (parser.isSet(onlyOption) && !spec.path.contains(parser.value(onlyOption)))
            continue;
        const QString target = out.filePath(spec.path);
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (spec.path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
            if (!writeSvg(spec, target)) {
                std::fprintf(stderr, "radod-artwork: cannot write %s\n", qPrintable(target));
                return 1;
            }
            ++drawn;
            continue;
        }
        const QSize pixels = (spec.size * spec.pixelsPerUnit).toSize();
        QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
        const bool opaque = spec.path.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive);
        image.fill(opaque ? Qt::black : Qt::transparent);
        {
            QPainter p(&image);
            p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing
                             | QPainter::SmoothPixmapTransform);
            p.scale(spec.pixelsPerUnit, spec.pixelsPerUnit);
            spec.paint(p);
        }
        const bool ok = opaque ? image.convertToFormat(QImage::Format_RGB32).save(target, "JPG", 92)
                               : image.save(target, "PNG");
        if (!ok) {
            std::fprintf(stderr, "radod-artwork: cannot write %s\n", qPrintable(target));
            return 1;
        }
        ++drawn;
    }
    // Images the resource tree expects but nobody describes: a loud stand-in,
    // so the build stays whole while the gap is reported.
    int missing = 0;
    if (parser.isSet(expectOption)) {
        QFile list(parser.value(expectOption));
        if (list.open(QIODevice::ReadOnly | QIODevice::Text)) {
            QSet<QString> known;
            for (const art::ImageSpec &spec : art::images())
                known.insert(spec.path);
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
