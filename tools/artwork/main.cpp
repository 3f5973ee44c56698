// radod-artwork: draws every image of the resource tree.
//   radod-artwork --out DIR --source SRC [--only SUBSTRING] [--list]
#include "artwork.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

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
    parser.addOptions({outOption, sourceOption, onlyOption, listOption});
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
        const QString target = out.filePath(spec.path);
        QDir().mkpath(QFileInfo(target).absolutePath());
        const bool ok = opaque ? image.convertToFormat(QImage::Format_RGB32).save(target, "JPG", 92)
                               : image.save(target, "PNG");
        if (!ok) {
            std::fprintf(stderr, "radod-artwork: cannot write %s\n", qPrintable(target));
            return 1;
        }
        ++drawn;
    }
    std::printf("radod-artwork: %d images\n", drawn);
    return 0;
}
