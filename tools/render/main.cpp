// radod-render: draws a picture of a document of the resource tree.
//   radod-render --resources TREE.rcc --document qrc:/... --out PICTURE.png
//
// The resource tree is given as a binary resource file (the tree as built so
// far, without the pictures themselves), so the pictures can be compiled into
// the programs afterwards. The document's root item is grabbed at its own size.
// Before it loads what it pictures, a document can publish context properties
// through `renderSupport.setContextProperty(name, value)`; when its root has a
// `ready` property, the picture is taken once it is true, and when it has a
// `failed` property that turns true, the picture fails.
//
// If the document cannot be loaded or never becomes ready, a magenta stand-in
// is written and the reasons are printed, so the build stays whole while the
// fault is reported (tests check the pictures' sizes).
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QResource>
#include <QStringList>

#include <cstdio>

namespace {

QStringList messages;

void collectMessage(QtMsgType, const QMessageLogContext &, const QString &text)
{
    messages.append(text);
}

class RenderSupport : public QObject
{
    Q_OBJECT
public:
    explicit RenderSupport(QQmlEngine *engine) : m_engine(engine) {}
    Q_INVOKABLE void setContextProperty(const QString &name, const QVariant &value)
    {
        m_engine->rootContext()->setContextProperty(name, value);
    }

private:
    QQmlEngine *m_engine;
};

bool writeImage(const QImage &image, const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    return image.save(path, "PNG");
}

int standIn(const QString &path, const QString &document, const QString &reason)
{
    std::fprintf(stderr, "radod-render: warning: %s: %s; a stand-in is drawn\n",
                 qPrintable(document), qPrintable(reason));
    for (const QString &m : std::as_const(messages))
        std::fprintf(stderr, "  %s\n", qPrintable(m));
    QImage image(64, 64, QImage::Format_ARGB32);
    image.fill(Qt::magenta);
    return writeImage(image, path) ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QUICK_BACKEND", "software");
    qputenv("QT_QUICK_CONTROLS_STYLE", "Material");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption resourcesOption("resources", "Binary resource file of the tree.", "file");
    const QCommandLineOption documentOption("document", "Document to picture (qrc: URL).", "url");
    const QCommandLineOption outOption("out", "Picture to write (PNG).", "file");
    const QCommandLineOption timeoutOption("timeout", "Milliseconds to wait for the document.", "ms", "20000");
    parser.addOptions({resourcesOption, documentOption, outOption, timeoutOption});
    parser.process(app);
    if (!parser.isSet(documentOption) || !parser.isSet(outOption)) {
        std::fprintf(stderr, "radod-render: --document and --out are required\n");
        return 2;
    }
    const QString document = parser.value(documentOption);
    const QString out = parser.value(outOption);

    // Messages are kept and shown only when the picture fails.
    qInstallMessageHandler(collectMessage);

    if (parser.isSet(resourcesOption) && !QResource::registerResource(parser.value(resourcesOption)))
        return standIn(out, document, "cannot open the resource file " + parser.value(resourcesOption));

    QQuickView view;
    RenderSupport support(view.engine());
    view.rootContext()->setContextProperty(QStringLiteral("renderSupport"), &support);
    view.setResizeMode(QQuickView::SizeViewToRootObject);
    view.setSource(QUrl(document));
    QQuickItem *root = view.rootObject();
    if (view.status() != QQuickView::Ready || !root)
        return standIn(out, document, "the document does not load");
    view.show();

    const bool hasReady = root->property("ready").isValid();
    QElapsedTimer clock;
    clock.start();
    const int timeout = parser.value(timeoutOption).toInt();
    while (hasReady && !root->property("ready").toBool()) {
        if (root->property("failed").toBool())
            return standIn(out, document, "the document reports a failure");
        if (clock.elapsed() > timeout)
            return standIn(out, document, "the document did not become ready");
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    QCoreApplication::processEvents();

    const QImage image = view.grabWindow();
    if (image.isNull())
        return standIn(out, document, "the window cannot be grabbed");
    if (!writeImage(image, out)) {
        std::fprintf(stderr, "radod-render: cannot write %s\n", qPrintable(out));
        return 1;
    }
    std::printf("radod-render: %s (%dx%d)\n", qPrintable(out), image.width(), image.height());
    return 0;
}

#include "main.moc"
