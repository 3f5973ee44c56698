// radod-inspect: renders any document of the resource tree (panels, gauges,
// menus) to a PNG and dumps its items as JSON. See the README for examples.
//
// The document gets what a module window would give it: TimedProcessing,
// timedDataString, lock, speedsRefValues, id, every module's layout string
// (its built-in default unless --layout gives one), a real file service as
// `fileclass` and `fileObj`, a geometry service over the exchange folder (on
// the module's configuration file when the document is a module's panel) that
// moves and sizes the inspector's window, and a G1000 knob-command channel.

#include "exchangedirectory.h"
#include "fileclass.h"
#include "g1000commandmanager.h"
#include "inspector.h"
#include "modules.h"
#include "renderbackend.h"
#include "viewmanager.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QMainWindow>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlProperty>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QScopeGuard>
#include <QPointer>
#include <QSet>
#include <QTimer>

#include <atomic>
#include <cstdio>

namespace {

enum ExitCode { Ok = 0, UsageError = 1, LoadError = 2, OutputError = 3 };

constexpr QSize kFallbackSize(800, 600);
constexpr int kPollMs = 25;
constexpr int kMinimumSettleMs = 150;
constexpr int kQuietMs = 300;          // no frame rendered for this long: settled
constexpr int kNoFrameGiveUpMs = 3000; // nothing ever rendered: go on anyway
constexpr int kSettleLimitMs = 20000;

void printError(const QString &text)
{
    std::fprintf(stderr, "radod-inspect: %s\n", qPrintable(text));
}

void printErrors(const QList<QQmlError> &errors)
{
    for (const QQmlError &e : errors)
        std::fprintf(stderr, "%s\n", qPrintable(e.toString()));
}

void sleepInEventLoop(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Animations under `roots` that are running: (finite, infinite).
QPair<int, int> runningAnimations(const QList<QObject *> &roots)
{
    QSet<QObject *> seen;
    QList<QObject *> pending = roots;
    int finite = 0;
    int infinite = 0;
    while (!pending.isEmpty()) {
        QObject *o = pending.takeLast();
        if (!o || seen.contains(o))
            continue;
        seen.insert(o);
        if (o->inherits("QQuickAbstractAnimation") && o->property("running").toBool()
            && !o->property("paused").toBool()) {
            if (o->property("loops").toInt() < 0)
                ++infinite;
            else
                ++finite;
        }
        for (QObject *child : o->children())
            pending.append(child);
        if (auto *item = qobject_cast<QQuickItem *>(o)) {
            for (QQuickItem *child : item->childItems())
                pending.append(child);
        }
    }
    return {finite, infinite};
}

// Counts the frames a window renders (on whatever thread renders them).
class FrameClock
{
public:
    FrameClock(QQuickWindow *window)
    {
        m_clock.start();
        QObject::connect(window, &QQuickWindow::afterRendering, window, [this] { tick(); },
                         Qt::DirectConnection);
        QObject::connect(window, &QQuickWindow::frameSwapped, window, [this] { tick(); },
                         Qt::DirectConnection);
    }
    qint64 elapsed() const { return m_clock.elapsed(); }
    int frames() const { return m_frames.load(); }
    qint64 sinceLastFrame() const { return m_clock.elapsed() - m_lastFrame.load(); }

private:
    void tick()
    {
        m_lastFrame = m_clock.elapsed();
        ++m_frames;
    }
    QElapsedTimer m_clock;
    std::atomic<qint64> m_lastFrame{0};
    std::atomic<int> m_frames{0};
};

// Lets the document settle: for `waitMs` milliseconds, or (waitMs < 0) until
// no finite animation runs and no frame has been rendered for a while.
void settle(QQuickWindow *window, const QList<QObject *> &roots, int waitMs)
{
    if (waitMs >= 0) {
        sleepInEventLoop(waitMs);
        return;
    }
    FrameClock clock(window);
    window->update();
    for (;;) {
        sleepInEventLoop(kPollMs);
        const auto [finite, infinite] = runningAnimations(roots);
        const qint64 elapsed = clock.elapsed();
        // An endless animation renders frames for ever: only the finite
        // ones are waited for then.
        const bool quiet = infinite > 0 || (clock.frames() > 0 && clock.sinceLastFrame() >= kQuietMs)
                || (clock.frames() == 0 && elapsed >= kNoFrameGiveUpMs);
        if (elapsed >= kMinimumSettleMs && finite == 0 && quiet)
            return;
        if (elapsed >= kSettleLimitMs) {
            printError(QStringLiteral("still animating after %1 ms; rendering as it is")
                           .arg(kSettleLimitMs));
            return;
        }
    }
}

bool setRootProperties(QObject *root, const InspectOptions &options)
{
    for (const auto &[name, text] : options.properties) {
        QQmlProperty property(root, name, qmlContext(root));
        if (!property.isValid() || !property.isWritable()) {
            printError(QStringLiteral("the root object has no writable property %1").arg(name));
            return false;
        }
        bool ok = false;
        const QVariant value = Inspect::convertForProperty(text, property.propertyMetaType(), &ok);
        if (!ok || !property.write(value)) {
            printError(QStringLiteral("cannot set %1 (%2) to %3")
                           .arg(name, QString::fromLatin1(property.propertyTypeName()), text));
            return false;
        }
    }
    return true;
}

void publish(QQmlContext *context, const InspectOptions &options, FileClass *files,
             ViewManager *viewManager, G1000CommandManager *commands)
{
    context->setContextProperty(QStringLiteral("TimedProcessing"), options.values.value_or(QString()));
    context->setContextProperty(QStringLiteral("timedDataString"), options.radio.value_or(QString()));
    context->setContextProperty(QStringLiteral("lock"), options.lock.value_or(QString()));
    context->setContextProperty(QStringLiteral("speedsRefValues"), options.speeds.value_or(QString()));
    context->setContextProperty(QStringLiteral("id"), options.id.value_or(1));
    for (const ModuleInfo &m : Modules::all())
        context->setContextProperty(m.layoutProperty, m.defaultLayout);
    for (const auto &[name, text] : options.layouts)
        context->setContextProperty(name, text);
    context->setContextProperty(QStringLiteral("fileclass"), files);
    context->setContextProperty(QStringLiteral("fileObj"), files);
    context->setContextProperty(QStringLiteral("viewManager"), viewManager);
    context->setContextProperty(QStringLiteral("g1000CommandManager"), commands);
}

bool writeJson(const QString &target, const QJsonArray &items)
{
    const QByteArray bytes = QJsonDocument(items).toJson(QJsonDocument::Indented);
    if (target == QLatin1String("-")) {
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
        std::fflush(stdout);
        return true;
    }
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        printError(QStringLiteral("cannot write %1: %2").arg(target, file.errorString()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    RenderBackend::useSoftwareWhenPreferred();
    QApplication app(argc, argv);
    qputenv("QT_QUICK_CONTROLS_STYLE", "Material");

    InspectOptions options;
    QString error;
    if (!Inspect::parseArguments(app.arguments().mid(1), &options, &error)) {
        if (error.isEmpty()) {
            std::fputs(qPrintable(Inspect::usage()), stdout);
            return Ok;
        }
        printError(error);
        std::fputs(qPrintable(Inspect::usage()), stderr);
        return UsageError;
    }

    FileClass files;
    G1000CommandManager commands;
    QQmlEngine engine;

    // The window a module window would be: its geometry service moves and
    // sizes it, the document's root item fills it.
    QMainWindow host;
    host.setWindowTitle(QStringLiteral("radod-inspect - ") + options.url.toString());
    const ModuleInfo *module = Modules::byDocument(options.url);
    QString configPath;
    std::optional<WindowConfigIndices> windowFields;
    if (module) {
        configPath = ExchangeDirectory::literalPath(
            module->module == Module::Annunciator ? Modules::annunciatorConfigFile(options.id.value_or(1))
                                                  : module->configFile);
        windowFields = module->windowFields;
    }
    ViewManager viewManager(&host, configPath, &files, windowFields);
    publish(engine.rootContext(), options, &files, &viewManager, &commands);

    auto *component = new QQmlComponent(&engine, options.url, QQmlComponent::PreferSynchronous, &engine);
    while (component->isLoading())
        sleepInEventLoop(kPollMs);
    if (component->isError()) {
        printErrors(component->errors());
        return LoadError;
    }

    const QSize sizeBefore = options.size.isValid() ? options.size : kFallbackSize;
    host.resize(sizeBefore);
    QPointer<QObject> root = component->create(engine.rootContext());
    if (!root) {
        printErrors(component->errors());
        return LoadError;
    }
    QQmlEngine::setObjectOwnership(root, QQmlEngine::CppOwnership);
    QPointer<QQuickWidget> widget;
    // The document goes before the services it uses and its window.
    const auto cleanup = qScopeGuard([&] {
        delete widget;
        delete root;
    });

    QQuickWindow *window = qobject_cast<QQuickWindow *>(root);
    auto *item = qobject_cast<QQuickItem *>(root);
    if (item) {
        // Without --size the window takes the document's own size, unless
        // the document sized its window itself through the geometry service.
        if (!options.size.isValid() && host.size() == sizeBefore) {
            QSizeF own(item->width(), item->height());
            if (own.width() <= 0 || own.height() <= 0)
                own = QSizeF(item->implicitWidth(), item->implicitHeight());
            host.resize(own.width() > 0 && own.height() > 0 ? own.toSize() : kFallbackSize);
        }
        widget = new QQuickWidget(&engine, &host);
        widget->setResizeMode(QQuickWidget::SizeRootObjectToView);
        host.setCentralWidget(widget);
        widget->setContent(options.url, component, item);
        host.show();
        window = widget->quickWindow();
    } else if (window) {
        if (options.size.isValid())
            window->resize(options.size);
        window->show();
    } else {
        printError(QStringLiteral("%1 is not a visual document (its root is a %2)")
                       .arg(options.url.toString(), Inspect::typeName(root)));
        return LoadError;
    }

    if (!setRootProperties(root, options))
        return UsageError;

    settle(window, {root, window->contentItem()}, options.waitMs);

    int result = Ok;
    if (!options.png.isEmpty()) {
        const QImage image = widget ? host.grab().toImage() : window->grabWindow();
        if (image.isNull() || !image.save(options.png, "PNG")) {
            printError(QStringLiteral("cannot write %1").arg(options.png));
            result = OutputError;
        }
    }
    const QJsonArray items = Inspect::dumpItems(window->contentItem());
    if (!options.json.isEmpty() && !writeJson(options.json, items))
        result = OutputError;
    if (options.png.isEmpty() && options.json.isEmpty())
        writeJson(QStringLiteral("-"), items);
    return result;
}
