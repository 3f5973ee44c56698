#pragma once

#include "writer.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <vector>

// The suite's trace (benchtrace.h), read back.
struct TraceEvent
{
    int kind = 0;
    int file = 0;
    int window = -1;
    qint64 t0 = 0;
    qint64 t1 = 0;
    quint64 hash = 0;
    qint64 aux = 0;
};

struct TraceWindow
{
    int index = 0;
    int file = -1; // the value file whose text its frames show
    QString title;
    QString api;   // rendering backend
};

struct Trace
{
    QString platform;
    QString manager;
    quint64 dropped = 0;
    qint64 bufferBytes = 0;
    qint64 eventBytes = 0;     // size of one event
    qint64 usedAtReady = 0;    // events recorded when every window had shown
    qint64 usedAtEnd = 0;
    std::vector<TraceWindow> windows;
    std::vector<TraceEvent> events;

    bool load(const QString &path, QString *error);
    QString backends() const; // the distinct backends of its windows
};

// A set of samples (milliseconds unless said otherwise).
class Distribution
{
public:
    void add(double value) { m_values.push_back(value); m_sorted = false; }
    int count() const { return int(m_values.size()); }
    double median() const { return quantile(0.5); }
    double p99() const { return quantile(0.99); }
    double max() const { return quantile(1.0); }
    double mean() const;
    double quantile(double q) const; // nearest rank; 0 when empty
    // "median / p99 / max"
    QString summary(int decimals = 2) const;

private:
    void sort() const;
    mutable std::vector<double> m_values;
    mutable bool m_sorted = false;
};

// Per window, during one phase.
struct WindowFigures
{
    QString title;
    int frames = 0;
    Distribution writeToFrame;
    int notDrawn = 0;   // writes to its file no frame of it showed
    int stale = 0;
    Distribution render; // sync to rendered
    Distribution flush;  // the window's repaint
    Distribution cost;   // a frame's whole cost: its render plus its repaint
    Distribution push;   // setting the text on its document, bindings included
};

// Everything measured during one phase of steady updates.
struct PhaseFigures
{
    double rate = 0;
    int updates = 0;
    double wallSeconds = 0;
    double cpuSeconds = 0;
    double writerMaxLateMs = 0;

    Distribution writeToDocument; // per changed write: until every document of its file has it
    Distribution writeToFrame;    // per (write, window): until a frame showing it is on screen
    int changedWrites = 0;
    int unchangedWrites = 0;
    int lost = 0;                 // changed writes that never reached a document
    int superseded = 0;           // ... of which the file was rewritten before a whole read
    int tornReads = 0;            // reads that saw a text no write produced
    int tornPushes = 0;           // ... that were pushed to documents
    int frames = 0;
    int staleFrames = 0;          // frame shows older text than the newest written before it began
    int staleFramesBeyond2ms = 0; // ... and that newest write had completed 2 ms before

    // Changed writes that took longer than 2 ms to reach every document, by
    // what kept the suite's GUI thread from them: drawing a frame, setting
    // texts on documents (their own or another file's), or nothing the trace
    // shows (the process was not running: other processes had the cores).
    int lateWrites = 0;
    int lateForFrames = 0;
    int lateForPushes = 0;
    int lateForOther = 0;

    int notifications = 0;
    int reads = 0;
    int pushes = 0;
    int skips = 0;
    Distribution notifyDelay;  // write complete -> watcher notification handled
    Distribution readTime;
    Distribution handlerTime;  // whole notification handler
    Distribution pushTime;     // one push (per document)
    Distribution pushToSync;   // push -> the frame that shows it begins
    Distribution renderTime;   // sync -> rendered
    Distribution flushTime;    // window repaint
    std::vector<WindowFigures> windows;

    double cpuPer1000Updates() const { return updates ? cpuSeconds * 1000.0 / updates : 0; }
    double coreShare() const { return wallSeconds > 0 ? cpuSeconds / wallSeconds : 0; }
};

// Measures a phase from the trace and the writer's record. `knownTexts` holds,
// per file, the hash of every text ever written to it (any other text read
// was half-written); `before` the hash of each file's text when the phase began.
PhaseFigures analysePhase(const Trace &trace, const WritePhase &phase,
                          const QHash<int, QSet<quint64>> &knownTexts, const QHash<int, quint64> &before);

// Start-up: seconds from the spawn to the first frame on screen of each
// window; the largest of them is the start-up time of the suite.
struct StartupFigures
{
    int windowsShown = 0;
    double allShownSeconds = -1;
    QStringList slowest; // "title 1.234 s", slowest first
};
StartupFigures analyseStartup(const Trace &trace, qint64 spawned);
