#include "benchtrace.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QMainWindow>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QPointer>
#include <QQmlContext>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QWindow>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <vector>

const bool BenchTrace::s_enabled = qEnvironmentVariableIsSet("RADOD_BENCH_TRACE");

namespace {

struct Event
{
    qint64 t0;
    qint64 t1;
    quint64 hash;
    qint64 aux;
    qint16 kind;
    qint16 file;
    qint32 window;
};

class WindowProbe;

// Everything the trace keeps; created on first use, only when tracing is on.
struct TraceState
{
    std::unique_ptr<Event[]> events; // not initialised: its pages are touched as it fills
    size_t capacity = 0;
    size_t used = 0;
    size_t usedAtReady = 0;
    quint64 dropped = 0;
    bool written = false;
    QString path;
    QString managerMode;
    std::vector<std::unique_ptr<WindowProbe>> probes;
    QHash<const QObject *, WindowProbe *> byWidget;
    int shownWindows = 0; // windows that have put a first frame on screen
};

TraceState &state();

const char *apiName(QSGRendererInterface::GraphicsApi api)
{
    switch (api) {
    case QSGRendererInterface::Software: return "software";
    case QSGRendererInterface::OpenVG: return "openvg";
    case QSGRendererInterface::OpenGL: return "opengl";
    case QSGRendererInterface::Direct3D11: return "direct3d11";
    case QSGRendererInterface::Vulkan: return "vulkan";
    case QSGRendererInterface::Metal: return "metal";
    case QSGRendererInterface::Null: return "null";
    default: return "unknown";
    }
}

// Follows the frames of one module window. A frame: the quick widget's scene
// graph synchronises (the picture takes the document's state), renders, and
// the top-level window repaints, which puts the quick widget's picture on the
// window's surface. The repaint is handled here, inside the event filter, so
// that its end is known.
class WindowProbe : public QObject
{
public:
    WindowProbe(int index, QMainWindow *window, QQuickWidget *widget)
        : m_index(index), m_window(window), m_widget(widget)
    {
        QQmlContext *context = widget->rootContext();
        for (const char *name : {"TimedProcessing", "timedDataString"}) {
            const QVariant value = context->contextProperty(QString::fromLatin1(name));
            if (value.isValid()) {
                m_file = BenchTrace::fileOf(QString::fromLatin1(name));
                m_shownHash = BenchTrace::textHash(value.toString());
                break;
            }
        }
        QQuickWindow *quick = widget->quickWindow();
        connect(quick, &QQuickWindow::beforeSynchronizing, this, [this] {
            m_syncTime = BenchTrace::now();
            m_syncHash = m_shownHash;
            BenchTrace::record(BenchTrace::Sync, m_file, m_index, m_syncTime, 0, m_syncHash);
        }, Qt::DirectConnection);
        connect(quick, &QQuickWindow::afterRendering, this, [this, quick] {
            m_renderedHash = m_syncHash;
            m_renderedSync = m_syncTime;
            BenchTrace::record(BenchTrace::Rendered, m_file, m_index, BenchTrace::now(), 0, m_renderedHash,
                               m_renderedSync);
            if (!m_apiKnown)
                noteApi(quick);
        }, Qt::DirectConnection);
        widget->installEventFilter(this);
        window->installEventFilter(this);
        if (window->windowHandle())
            window->windowHandle()->installEventFilter(this);
    }

    int index() const { return m_index; }
    QString title() const { return m_window ? m_window->windowTitle() : QString(); }
    QString api() const { return m_api; }
    BenchTrace::File file() const { return m_file; }

    void pushed(BenchTrace::File file, quint64 hash)
    {
        if (file != BenchTrace::Values && file != BenchTrace::RadioValues)
            return;
        m_file = file;
        m_shownHash = hash;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_widget) {
            if (event->type() == QEvent::Paint)
                onWidgetPaint();
            return false;
        }
        if (watched == m_window && event->type() == QEvent::WinIdChange) {
            if (QWindow *handle = m_window->windowHandle())
                handle->installEventFilter(this);
            return false;
        }
        const QEvent::Type type = event->type();
        if (type != QEvent::UpdateRequest && type != QEvent::Expose)
            return false;
        if (m_depth > 0)
            return false; // a repaint that an outer one is handling already
        // Handle the repaint here and let nobody else handle it again.
        ++m_depth;
        m_painted = false;
        const qint64 t0 = BenchTrace::now();
        watched->event(event);
        --m_depth;
        if (m_painted)
            flushed(t0, BenchTrace::now());
        return true;
    }

private:
    void flushed(qint64 t0, qint64 t1)
    {
        BenchTrace::record(BenchTrace::Flush, m_file, m_index, t0, t1, m_paintedHash, m_paintedSync);
        if (!m_shown) {
            m_shown = true;
            firstFrameShown();
        }
    }
    static void firstFrameShown();

    void onWidgetPaint()
    {
        m_paintedHash = m_renderedHash;
        m_paintedSync = m_renderedSync;
        if (m_depth > 0) {
            m_painted = true;
            return;
        }
        // Painted outside a repaint this probe handles (e.g. synchronously
        // while the window is shown): the frame is taken at the paint.
        const qint64 t = BenchTrace::now();
        flushed(t, t);
    }

    void noteApi(QQuickWindow *quick)
    {
        m_apiKnown = true;
        const QSGRendererInterface::GraphicsApi api = quick->rendererInterface()->graphicsApi();
        m_api = QString::fromLatin1(apiName(api));
        if (api == QSGRendererInterface::OpenGL) {
            if (QOpenGLContext *gl = QOpenGLContext::currentContext()) {
                const auto *renderer =
                    reinterpret_cast<const char *>(gl->functions()->glGetString(GL_RENDERER));
                if (renderer)
                    m_api += QStringLiteral(" (%1)").arg(QString::fromLatin1(renderer));
            }
        }
    }

    const int m_index;
    QPointer<QMainWindow> m_window;
    QPointer<QQuickWidget> m_widget;
    BenchTrace::File m_file = BenchTrace::OtherFile;
    quint64 m_shownHash = 0;
    quint64 m_syncHash = 0;
    qint64 m_syncTime = 0;
    quint64 m_renderedHash = 0;
    qint64 m_renderedSync = 0;
    quint64 m_paintedHash = 0;
    qint64 m_paintedSync = 0;
    bool m_painted = false;
    int m_depth = 0;
    bool m_apiKnown = false;
    bool m_shown = false;
    QString m_api;
};

void WindowProbe::firstFrameShown()
{
    TraceState &st = state();
    ++st.shownWindows;
    bool ok = false;
    const int expected = qEnvironmentVariableIntValue("RADOD_BENCH_TRACE_READY", &ok);
    if (ok && st.shownWindows == expected) {
        st.usedAtReady = st.used;
        QFile ready(st.path + QStringLiteral(".ready"));
        if (ready.open(QIODevice::WriteOnly | QIODevice::Truncate))
            ready.write(QByteArray::number(BenchTrace::now()));
    }
}

void writeAtExit()
{
    BenchTrace::write();
}

TraceState &state()
{
    static TraceState *s = [] {
        auto *st = new TraceState; // lives until the process ends
        st->path = qEnvironmentVariable("RADOD_BENCH_TRACE");
        bool ok = false;
        const qint64 capacity = qEnvironmentVariableIntValue("RADOD_BENCH_TRACE_EVENTS", &ok);
        st->capacity = size_t(ok && capacity > 0 ? capacity : 400000);
        st->events.reset(new Event[st->capacity]);
        std::atexit(writeAtExit);
        return st;
    }();
    static bool hooked = false;
    if (!hooked && QCoreApplication::instance()) {
        hooked = true;
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, &BenchTrace::write);
    }
    return *s;
}

} // namespace

qint64 BenchTrace::now()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
}

BenchTrace::File BenchTrace::fileOf(const QString &pathOrProperty)
{
    if (pathOrProperty.endsWith(QLatin1String("TimedProcessing.txt"))
        || pathOrProperty == QLatin1String("TimedProcessing"))
        return Values;
    if (pathOrProperty.endsWith(QLatin1String("TPRadioAvionico.txt"))
        || pathOrProperty == QLatin1String("timedDataString"))
        return RadioValues;
    if (pathOrProperty.endsWith(QLatin1String("lock.txt")) || pathOrProperty == QLatin1String("lock"))
        return Lock;
    if (pathOrProperty.startsWith(QLatin1String("configString"))
        || pathOrProperty == QLatin1String("formDataString"))
        return Config;
    return OtherFile;
}

void BenchTrace::record(Kind kind, File file, int window, qint64 t0, qint64 t1, quint64 hash, qint64 aux)
{
    if (!s_enabled)
        return;
    TraceState &st = state();
    if (st.used >= st.capacity) {
        ++st.dropped;
        return;
    }
    st.events[st.used++] = Event{t0, t1, hash, aux, qint16(kind), qint16(file), qint32(window)};
}

void BenchTrace::watchWindow(QMainWindow *window, QQuickWidget *quickWidget)
{
    if (!s_enabled || !window || !quickWidget)
        return;
    TraceState &st = state();
    auto probe = std::make_unique<WindowProbe>(int(st.probes.size()), window, quickWidget);
    st.byWidget.insert(quickWidget, probe.get());
    st.probes.push_back(std::move(probe));
}

void BenchTrace::pushed(QObject *recipient, const QString &property, const QString &text, qint64 t0)
{
    if (!s_enabled)
        return;
    const qint64 t1 = now();
    TraceState &st = state();
    WindowProbe *probe = st.byWidget.value(recipient);
    const File file = fileOf(property);
    const quint64 hash = textHash(text);
    if (probe)
        probe->pushed(file, hash);
    record(Push, file, probe ? probe->index() : -1, t0, t1, hash, text.size());
}

void BenchTrace::skipped(QObject *recipient, const QString &property, const QString &text)
{
    if (!s_enabled)
        return;
    TraceState &st = state();
    WindowProbe *probe = st.byWidget.value(recipient);
    record(Skip, fileOf(property), probe ? probe->index() : -1, now(), 0, textHash(text));
}

void BenchTrace::setManagerMode(const QString &mode)
{
    if (s_enabled)
        state().managerMode = mode;
}

void BenchTrace::write()
{
    if (!s_enabled)
        return;
    TraceState &st = state();
    if (st.written || st.path.isEmpty())
        return;
    st.written = true;
    QFile file(st.path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    QByteArray out;
    out.reserve(int(st.used * 64 + 4096));
    out += "# radod-bench-trace 1\n";
    out += "# platform " + QGuiApplication::platformName().toUtf8() + '\n';
    out += "# manager " + (st.managerMode.isEmpty() ? QByteArray("default") : st.managerMode.toUtf8()) + '\n';
    out += "# capacity " + QByteArray::number(quint64(st.capacity)) + ' '
            + QByteArray::number(quint64(sizeof(Event))) + '\n';
    out += "# dropped " + QByteArray::number(st.dropped) + '\n';
    out += "# used " + QByteArray::number(quint64(st.usedAtReady)) + ' ' + QByteArray::number(quint64(st.used)) + '\n';
    for (const auto &probe : st.probes) {
        out += "# window " + QByteArray::number(probe->index()) + ' ' + QByteArray::number(int(probe->file()))
                + ' ' + probe->title().toUtf8() + '\n';
        out += "# api " + QByteArray::number(probe->index()) + ' '
                + (probe->api().isEmpty() ? QByteArray("none") : probe->api().toUtf8()) + '\n';
    }
    out += "# kind file window t0 t1 hash aux\n";
    for (size_t i = 0; i < st.used; ++i) {
        const Event &e = st.events[i];
        out += QByteArray::number(e.kind) + ' ' + QByteArray::number(e.file) + ' '
                + QByteArray::number(e.window) + ' ' + QByteArray::number(e.t0) + ' '
                + QByteArray::number(e.t1) + ' ' + QByteArray::number(e.hash) + ' '
                + QByteArray::number(e.aux) + '\n';
    }
    file.write(out);
    file.close();
}
