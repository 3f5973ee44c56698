#pragma once

#include <QString>
#include <QtGlobal>

class QMainWindow;
class QObject;
class QQuickWidget;

// Timing trace of the suite for the end-to-end benchmark (bench/).
//
// Recorded by the benchmark's variant of the suite (radod-panels-bench: the
// suite's start-up with suitetrace.cpp, which attaches the trace to the
// instrument manager's signals); the suite itself carries none of it.
//
// Off unless the environment variable RADOD_BENCH_TRACE names a file; then it
// records, into a buffer allocated once at start, when each notification of a
// followed file arrives and is handled, each read and each push to a document
// (with a hash of the text, which identifies the write it came from), and
// every frame of every registered window, and writes the trace into that file
// when the event loop ends.
//
// Times are nanoseconds of the monotonic clock (std::chrono::steady_clock:
// CLOCK_MONOTONIC on Linux, QueryPerformanceCounter on Windows), which the
// benchmark's writer process reads too.
//
// A frame of a window is followed through its quick widget: the scene graph's
// synchronisation (the moment the picture takes the document's state: the
// text last pushed to it), the rendering, and the window's repaint that puts
// the new picture on its surface.
//
// RADOD_BENCH_TRACE_EVENTS sets the capacity (events; default 400000, 40
// bytes each); events beyond it are counted, not kept. The buffer's pages
// become resident only as it fills; the trace notes how much it had used when
// start-up ended and at the end, so that its memory can be told apart from the
// suite's. With
// RADOD_BENCH_TRACE_READY=N the file "<trace>.ready" is created once N windows
// have put their first frame on screen.
class BenchTrace
{
public:
    enum Kind : qint16 {
        Notify = 1,   // the manager was told a followed file changed
        Read = 2,     // the manager read a file (t0..t1)
        Push = 3,     // a text was set on a document (t0..t1, bindings included)
        Skip = 4,     // a push left out: the document already holds that text
        Sync = 5,     // a frame of a window began: aux = hash of the text it shows
        Rendered = 6, // the frame's scene was rendered
        Flush = 7,    // the window's surface was repainted with it (t0..t1)
        Handled = 8,  // the manager finished with a notification
    };
    // File ids used in the trace.
    enum File : qint16 { Values = 0, RadioValues = 1, Lock = 2, Config = 3, OtherFile = 4 };

    static bool enabled() { return s_enabled; }
    static qint64 now();

    static File fileOf(const QString &pathOrProperty);
    // FNV-1a over the UTF-16 code units; identifies a written text (the
    // benchmark's writer hashes what it writes with the same function).
    static quint64 textHash(const QString &text)
    {
        quint64 h = 1469598103934665603ULL;
        for (const QChar c : text) {
            h ^= c.unicode();
            h *= 1099511628211ULL;
        }
        return h;
    }

    static void record(Kind kind, File file, int window, qint64 t0, qint64 t1 = 0,
                       quint64 hash = 0, qint64 aux = 0);

    // Follows the frames of a registered window; windows are numbered in the
    // order they are registered.
    static void watchWindow(QMainWindow *window, QQuickWidget *quickWidget);
    // A text was set as `property` on `recipient` (a registered quick widget)
    // from t0 until now.
    static void pushed(QObject *recipient, const QString &property, const QString &text, qint64 t0);
    // A push of `property` to `recipient` was left out: it already holds `text`.
    static void skipped(QObject *recipient, const QString &property, const QString &text);
    // Describes the manager's mode in the trace header.
    static void setManagerMode(const QString &mode);

    // Writes the trace now (also done when the event loop ends).
    static void write();

private:
    static const bool s_enabled;
};
