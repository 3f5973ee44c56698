// radod-bench: measures the suite end to end (bench/run.sh).
//
// Starts the suite (radod-panels-bench: the suite's own start-up with the
// timing trace attached, see suitetrace.cpp; the six start-up windows and the
// four G1000 displays that extraWindows.txt opens, default layouts, a fresh
// exchange folder) with its trace on, rewrites
// TimedProcessing.txt and TPRadioAvionico.txt in place as a bridge does, at
// each rate for a while, with the demo flight's moving values, and prints a
// table of latency, load, start-up time and memory, for every platform and for
// both instrument-manager designs: ours and the plain one
// (RADOD_PLAIN_MANAGER=1: one read and one push per notification). Figures are
// printed, never asserted.

#include "analysis.h"
#include "benchtrace.h"
#include "proc.h"
#include "writer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>

namespace {

// The demo flight from the climb after take-off on, so that needles move.
constexpr double kFlightOffsetSeconds = 150;
// What the suite opens: the six start-up windows and the G1000 displays that
// the settings file asks for.
constexpr const char *kExtraWindows = "EIS\nAnnunciator 1\nReferencesScreen\nSpeedReferences\n";
constexpr int kWindows = 6 + 4;
constexpr int kAfterStartupMs = 1000;  // after every window's first frame: start-up work ends
constexpr int kSettleMs = 3000;        // then idle, measured
constexpr int kPauseBetweenPhasesMs = 1000;
constexpr int kStartupTimeoutMs = 60000;
constexpr int kMemorySampleMs = 10000;
constexpr int kTraceEvents = 400000;

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

void progress(const QString &text)
{
    std::fprintf(stderr, "radod-bench: %s\n", qPrintable(text));
}

struct Platform
{
    QString name;    // "offscreen", "xvfb", "xvfb-opengl"
    bool needsDisplay = false;
    QString quickBackend; // empty: Qt's default for the platform
};

struct Design
{
    QString name; // "ours", "plain"
    bool plain = false;
};

// Everything measured with one platform and one design.
struct RunResult
{
    QString platform;
    QString design;
    QString backend;
    bool ok = false;
    QString error;
    std::vector<PhaseFigures> phases;
    std::vector<double> startups; // seconds, warm
    std::vector<double> startupCpu; // CPU seconds used until every window's first frame
    StartupFigures mainStartup;
    double idleShare = 0;
    qint64 rssAfterStartupKb = 0;
    qint64 rssAfterUpdatesKb = 0;
    std::vector<qint64> rssDuringUpdatesKb; // every kMemorySampleMs
    double updatedSeconds = 0;
};

QString readFirstLine(const QString &path, const QByteArray &prefix = QByteArray())
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (prefix.isEmpty() || line.startsWith(prefix))
            return QString::fromUtf8(prefix.isEmpty() ? line : line.mid(prefix.size())).trimmed();
    }
    return QString();
}

QString loadAverage()
{
    return readFirstLine(QStringLiteral("/proc/loadavg")).section(QLatin1Char(' '), 0, 2);
}

QString machine()
{
    QString cpu = readFirstLine(QStringLiteral("/proc/cpuinfo"), "model name");
    cpu = cpu.mid(cpu.indexOf(QLatin1Char(':')) + 1).trimmed();
    const QString memKb = readFirstLine(QStringLiteral("/proc/meminfo"), "MemTotal:").section(QLatin1Char(' '), 0, 0);
    return QStringLiteral("%1, %2 cores, %3 GB RAM, %4, Qt %5, no GPU")
            .arg(cpu.isEmpty() ? QStringLiteral("unknown CPU") : cpu)
            .arg(QThread::idealThreadCount())
            .arg(memKb.toDouble() / 1024 / 1024, 0, 'f', 0)
            .arg(QSysInfo::prettyProductName(), QString::fromLatin1(qVersion()));
}

class Bench
{
public:
    QString suite;
    double seconds = 30;
    QList<double> rates{30, 60};
    int startups = 3;
    QString keepDir;

    // One start-up alone (the suite's files are in the page cache: a warm
    // start), added to `result`; false when it failed.
    bool startupOnce(const Platform &platform, const Design &design, const QString &display, RunResult *result);
    // The measured run, added to `result`.
    RunResult run(const Platform &platform, const Design &design, const QString &display, RunResult result);
    void warmUp(const Platform &platform, const QString &display);

private:
    QProcessEnvironment environment(const Platform &platform, const Design &design, const QString &display,
                                    const QString &exchange, const QString &trace) const;
    QString freshRunDir();
    bool prepareExchange(const QString &exchange, ValueFileWriter &writer) const;
    // Starts the suite and waits for every window's first frame; false on failure.
    bool startSuite(SuiteProcess &suite, const Platform &platform, const Design &design, const QString &display,
                    const QString &runDir, QString *error);

    std::unique_ptr<QTemporaryDir> m_temp;
    int m_runs = 0;
};

QProcessEnvironment Bench::environment(const Platform &platform, const Design &design, const QString &display,
                                       const QString &exchange, const QString &trace) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QUICK_BACKEND"));
    env.remove(QStringLiteral("QT_LOGGING_RULES"));
    env.remove(QStringLiteral("RADOD_PLAIN_MANAGER"));
    env.insert(QStringLiteral("RADOD_EXCHANGE_DIR"), exchange);
    env.insert(QStringLiteral("RADOD_BENCH_TRACE"), trace);
    env.insert(QStringLiteral("RADOD_BENCH_TRACE_READY"), QString::number(kWindows));
    env.insert(QStringLiteral("RADOD_BENCH_TRACE_EVENTS"), QString::number(kTraceEvents));
    if (design.plain)
        env.insert(QStringLiteral("RADOD_PLAIN_MANAGER"), QStringLiteral("1"));
    if (platform.needsDisplay) {
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("DISPLAY"), display);
    } else {
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    }
    if (!platform.quickBackend.isEmpty())
        env.insert(QStringLiteral("QT_QUICK_BACKEND"), platform.quickBackend);
    return env;
}

QString Bench::freshRunDir()
{
    if (!m_temp) {
        if (!keepDir.isEmpty()) {
            QDir().mkpath(keepDir);
            m_temp = std::make_unique<QTemporaryDir>(keepDir + QStringLiteral("/run-XXXXXX"));
            m_temp->setAutoRemove(false);
        } else {
            m_temp = std::make_unique<QTemporaryDir>();
        }
    }
    const QString dir = m_temp->filePath(QStringLiteral("%1").arg(++m_runs, 2, 10, QLatin1Char('0')));
    QDir().mkpath(dir + QStringLiteral("/exchange"));
    return dir;
}

bool Bench::prepareExchange(const QString &exchange, ValueFileWriter &writer) const
{
    QFile extra(exchange + QStringLiteral("/extraWindows.txt"));
    if (!extra.open(QIODevice::WriteOnly | QIODevice::Truncate) || extra.write(kExtraWindows) < 0)
        return false;
    // The value files exist before the suite starts, as with a running bridge.
    QFile values(exchange + QStringLiteral("/TimedProcessing.txt"));
    QFile radio(exchange + QStringLiteral("/TPRadioAvionico.txt"));
    if (!values.open(QIODevice::WriteOnly | QIODevice::Truncate) || !radio.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    values.write(writer.valueVector());
    radio.write(writer.radioVector());
    return true;
}

bool Bench::startSuite(SuiteProcess &process, const Platform &platform, const Design &design,
                       const QString &display, const QString &runDir, QString *error)
{
    const QString exchange = runDir + QStringLiteral("/exchange");
    const QString trace = runDir + QStringLiteral("/trace.txt");
    if (!process.start(suite, environment(platform, design, display, exchange, trace),
                       runDir + QStringLiteral("/suite.log"))) {
        *error = QStringLiteral("could not start %1").arg(suite);
        return false;
    }
    if (!process.waitForFile(trace + QStringLiteral(".ready"), kStartupTimeoutMs)) {
        *error = QStringLiteral("the %1 windows did not show within %2 s (see %3/suite.log)")
                         .arg(kWindows)
                         .arg(kStartupTimeoutMs / 1000)
                         .arg(runDir);
        process.stop();
        return false;
    }
    return true;
}

void Bench::warmUp(const Platform &platform, const QString &display)
{
    const QString runDir = freshRunDir();
    ValueFileWriter writer(runDir + QStringLiteral("/exchange/TimedProcessing.txt"),
                           runDir + QStringLiteral("/exchange/TPRadioAvionico.txt"), kFlightOffsetSeconds);
    prepareExchange(runDir + QStringLiteral("/exchange"), writer);
    SuiteProcess process;
    QString error;
    if (startSuite(process, platform, Design{QStringLiteral("ours"), false}, display, runDir, &error))
        process.stop();
}

bool Bench::startupOnce(const Platform &platform, const Design &design, const QString &display, RunResult *result)
{
    const QString runDir = freshRunDir();
    ValueFileWriter writer(runDir + QStringLiteral("/exchange/TimedProcessing.txt"),
                           runDir + QStringLiteral("/exchange/TPRadioAvionico.txt"), kFlightOffsetSeconds);
    prepareExchange(runDir + QStringLiteral("/exchange"), writer);
    SuiteProcess process;
    if (!startSuite(process, platform, design, display, runDir, &result->error))
        return false;
    result->startupCpu.push_back(sampleProcess(process.pid()).cpuSeconds);
    process.stop();
    Trace trace;
    if (!trace.load(runDir + QStringLiteral("/trace.txt"), &result->error))
        return false;
    const StartupFigures figures = analyseStartup(trace, process.spawned());
    if (figures.allShownSeconds >= 0)
        result->startups.push_back(figures.allShownSeconds);
    return true;
}

RunResult Bench::run(const Platform &platform, const Design &design, const QString &display, RunResult result)
{
    result.platform = platform.name;
    result.design = design.name;
    if (!result.error.isEmpty())
        return result;

    // The measured run: start-up, idle, then each rate in turn.
    const QString runDir = freshRunDir();
    const QString exchange = runDir + QStringLiteral("/exchange");
    ValueFileWriter writer(exchange + QStringLiteral("/TimedProcessing.txt"),
                           exchange + QStringLiteral("/TPRadioAvionico.txt"), kFlightOffsetSeconds);
    prepareExchange(exchange, writer);
    QHash<int, QSet<quint64>> known;
    QHash<int, quint64> before;
    before.insert(0, BenchTrace::textHash(QString::fromUtf8(writer.valueVector())));
    before.insert(1, BenchTrace::textHash(QString::fromUtf8(writer.radioVector())));
    known[0].insert(before.value(0));
    known[1].insert(before.value(1));

    SuiteProcess process;
    if (!startSuite(process, platform, design, display, runDir, &result.error))
        return result;
    result.startupCpu.push_back(sampleProcess(process.pid()).cpuSeconds);
    QThread::msleep(kAfterStartupMs);
    const ProcessSample idleStart = sampleProcess(process.pid());
    result.rssAfterStartupKb = idleStart.rssKb;
    const qint64 idleFrom = monotonicNs();
    QThread::msleep(kSettleMs);
    const ProcessSample afterStartup = sampleProcess(process.pid());
    result.idleShare = (afterStartup.cpuSeconds - idleStart.cpuSeconds) / (double(monotonicNs() - idleFrom) * 1e-9);

    // Resident memory every kMemorySampleMs while the updates run.
    std::vector<std::pair<qint64, qint64>> memory; // time, kB
    std::atomic<bool> updating{true};
    const qint64 pid = process.pid();
    std::thread sampler([&memory, &updating, pid] {
        while (updating) {
            memory.emplace_back(monotonicNs(), sampleProcess(pid).rssKb);
            for (int waited = 0; waited < kMemorySampleMs && updating; waited += 100)
                QThread::msleep(100);
        }
    });
    std::vector<WritePhase> phases;
    std::vector<std::pair<double, double>> cpu; // per phase: cpu seconds at start, end
    for (double rate : rates) {
        progress(QStringLiteral("%1, %2: %3 updates/s for %4 s").arg(platform.name, design.name).arg(rate).arg(seconds));
        const ProcessSample a = sampleProcess(process.pid());
        phases.push_back(writer.run(rate, seconds));
        QThread::msleep(kPauseBetweenPhasesMs / 2);
        const ProcessSample b = sampleProcess(process.pid());
        cpu.emplace_back(a.cpuSeconds, b.cpuSeconds);
        QThread::msleep(kPauseBetweenPhasesMs / 2);
        result.updatedSeconds += seconds;
        if (!process.running())
            break;
    }
    updating = false;
    sampler.join();
    if (!process.running()) {
        result.error = QStringLiteral("the suite ended during the updates (see %1/suite.log)").arg(runDir);
        return result;
    }
    const qint64 updatesEnded = monotonicNs();
    result.rssAfterUpdatesKb = sampleProcess(process.pid()).rssKb;
    process.stop();

    Trace trace;
    if (!trace.load(runDir + QStringLiteral("/trace.txt"), &result.error))
        return result;
    result.backend = trace.backends();
    // The trace's own buffer is resident as far as it was filled.
    result.rssAfterStartupKb -= trace.usedAtReady * trace.eventBytes / 1024;
    result.rssAfterUpdatesKb -= trace.usedAtEnd * trace.eventBytes / 1024;
    // Samples during the updates, less the trace as far as it had filled by
    // then (taken to grow evenly from the first sample to the end).
    if (!memory.empty()) {
        const qint64 from = memory.front().first;
        for (const auto &m : memory) {
            const double share = updatesEnded > from ? double(m.first - from) / double(updatesEnded - from) : 1.0;
            const double used = trace.usedAtReady + share * double(trace.usedAtEnd - trace.usedAtReady);
            result.rssDuringUpdatesKb.push_back(m.second - qint64(used) * trace.eventBytes / 1024);
        }
    }
    result.mainStartup = analyseStartup(trace, process.spawned());
    if (result.mainStartup.allShownSeconds >= 0)
        result.startups.push_back(result.mainStartup.allShownSeconds);
    for (const WritePhase &phase : phases) {
        for (const WriteRecord &w : phase.writes)
            known[w.file].insert(w.hash);
    }
    for (size_t i = 0; i < phases.size(); ++i) {
        PhaseFigures figures = analysePhase(trace, phases[i], known, before);
        // The CPU time between the phase's start and half a pause after it
        // (the suite finishing the last writes), over the phase's own length.
        figures.cpuSeconds = cpu[i].second - cpu[i].first;
        figures.wallSeconds = double(phases[i].finish - phases[i].begin) * 1e-9 + kPauseBetweenPhasesMs / 2000.0;
        result.phases.push_back(figures);
        for (const WriteRecord &w : phases[i].writes)
            before.insert(w.file, w.hash);
    }
    if (trace.dropped > 0)
        result.error = QStringLiteral("trace buffer full: %1 events dropped").arg(trace.dropped);
    result.ok = true;
    return result;
}

// --- report --------------------------------------------------------------------

class Table
{
public:
    explicit Table(QStringList header) : m_header(std::move(header)) {}
    void row(const QString &label, const QStringList &cells) { m_rows.append(QStringList{label} + cells); }
    QString markdown() const
    {
        QString text;
        const auto line = [&text](const QStringList &cells) {
            text += QStringLiteral("| ") + cells.join(QStringLiteral(" | ")) + QStringLiteral(" |\n");
        };
        line(m_header);
        QStringList rule;
        for (int i = 0; i < m_header.size(); ++i)
            rule.append(i == 0 ? QStringLiteral("---") : QStringLiteral("---:"));
        line(rule);
        for (const QStringList &r : m_rows)
            line(r);
        return text;
    }

private:
    QStringList m_header;
    QList<QStringList> m_rows;
};

QString mb(qint64 kb)
{
    return QString::number(double(kb) / 1024.0, 'f', 0);
}

QString percent(double share)
{
    return QStringLiteral("%1 %").arg(share * 100, 0, 'f', 1);
}

template <typename F>
QStringList cells(const std::vector<RunResult> &results, F f)
{
    QStringList list;
    for (const RunResult &r : results)
        list.append(r.ok ? f(r) : QStringLiteral("failed"));
    return list;
}

template <typename F>
QStringList phaseCells(const std::vector<RunResult> &results, size_t phase, F f)
{
    return cells(results, [&](const RunResult &r) {
        return phase < r.phases.size() ? f(r.phases[phase]) : QStringLiteral("–");
    });
}

QString report(const std::vector<RunResult> &results, const Bench &bench, const QString &loadBefore,
               const QString &loadAfter)
{
    QString text;
    text += QStringLiteral("Machine: %1. Load average (1, 5, 15 min) before the run %2, after %3.\n\n")
                    .arg(machine(), loadBefore, loadAfter);
    text += QStringLiteral("Each run: the six start-up windows and the four G1000 displays (extraWindows.txt) "
                           "with their default layouts on a fresh exchange folder; "
                           "%1 s of updates at each rate, both files rewritten in place at every update with "
                           "the demo flight's values. Latencies in ms as median / p99 / max.\n\n")
                    .arg(bench.seconds);

    QStringList header{QStringLiteral("")};
    for (const RunResult &r : results)
        header.append(QStringLiteral("%1, %2").arg(r.platform, r.design));
    Table main(header);
    main.row(QStringLiteral("rendering backend"), cells(results, [](const RunResult &r) { return r.backend; }));
    for (size_t p = 0; p < size_t(bench.rates.size()); ++p) {
        const QString at = QStringLiteral(" at %1/s").arg(bench.rates.at(int(p)));
        main.row(QStringLiteral("write → every document") + at,
                 phaseCells(results, p, [](const PhaseFigures &f) { return f.writeToDocument.summary(); }));
        main.row(QStringLiteral("write → frame on screen") + at,
                 phaseCells(results, p, [](const PhaseFigures &f) { return f.writeToFrame.summary(1); }));
        main.row(QStringLiteral("writes later than 2 ms: waiting for frames / pushes / not running") + at,
                 phaseCells(results, p, [](const PhaseFigures &f) {
                     return QStringLiteral("%1: %2 / %3 / %4")
                             .arg(f.lateWrites)
                             .arg(f.lateForFrames)
                             .arg(f.lateForPushes)
                             .arg(f.lateForOther);
                 }));
        main.row(QStringLiteral("writes lost (superseded before a read)") + at,
                 phaseCells(results, p, [](const PhaseFigures &f) {
                     return QStringLiteral("%1 (%2) of %3").arg(f.lost).arg(f.superseded).arg(f.changedWrites);
                 }));
        main.row(QStringLiteral("half-written texts read (pushed)") + at,
                 phaseCells(results, p, [](const PhaseFigures &f) {
                     return QStringLiteral("%1 (%2)").arg(f.tornReads).arg(f.tornPushes);
                 }));
        main.row(QStringLiteral("frames older than the newest write (by > 2 ms)") + at,
                 phaseCells(results, p, [](const PhaseFigures &f) {
                     return QStringLiteral("%1 (%2) of %3").arg(f.staleFrames).arg(f.staleFramesBeyond2ms).arg(f.frames);
                 }));
        main.row(QStringLiteral("CPU s per 1000 updates") + at,
                 phaseCells(results, p, [](const PhaseFigures &f) { return QString::number(f.cpuPer1000Updates(), 'f', 2); }));
        main.row(QStringLiteral("share of one core") + at,
                 phaseCells(results, p, [](const PhaseFigures &f) { return percent(f.coreShare()); }));
    }
    main.row(QStringLiteral("share of one core, idle"),
             cells(results, [](const RunResult &r) { return percent(r.idleShare); }));
    main.row(QStringLiteral("start-up to every window's first frame, warm (median, max of %1) s").arg(bench.startups + 1),
             cells(results, [](const RunResult &r) {
                 std::vector<double> s = r.startups;
                 if (s.empty())
                     return QStringLiteral("–");
                 std::sort(s.begin(), s.end());
                 return QStringLiteral("%1, %2").arg(s[s.size() / 2], 0, 'f', 2).arg(s.back(), 0, 'f', 2);
             }));
    main.row(QStringLiteral("CPU s used by start-up (median)"),
             cells(results, [](const RunResult &r) {
                 std::vector<double> s = r.startupCpu;
                 if (s.empty())
                     return QStringLiteral("–");
                 std::sort(s.begin(), s.end());
                 return QString::number(s[s.size() / 2], 'f', 2);
             }));
    main.row(QStringLiteral("resident memory after start-up / after %1 s of updates, MB").arg(bench.seconds * bench.rates.size()),
             cells(results, [](const RunResult &r) {
                 return QStringLiteral("%1 / %2").arg(mb(r.rssAfterStartupKb), mb(r.rssAfterUpdatesKb));
             }));
    main.row(QStringLiteral("resident memory every %1 s during the updates, MB").arg(kMemorySampleMs / 1000),
             cells(results, [](const RunResult &r) {
                 QStringList values;
                 for (qint64 kb : r.rssDuringUpdatesKb)
                     values.append(mb(kb));
                 return values.join(QStringLiteral(", "));
             }));
    // A row per window for what one of its frames costs, so that the
    // expensive windows stand out.
    size_t windowCount = 0;
    for (const RunResult &r : results)
        for (const PhaseFigures &f : r.phases)
            windowCount = std::max(windowCount, f.windows.size());
    const auto windowTitle = [&results](size_t w) {
        for (const RunResult &r : results)
            for (const PhaseFigures &f : r.phases)
                if (w < f.windows.size())
                    return f.windows[w].title;
        return QString();
    };
    QStringList rates;
    for (double rate : bench.rates)
        rates.append(QStringLiteral("%1/s").arg(rate));
    for (size_t w = 0; w < windowCount; ++w) {
        main.row(QStringLiteral("frame cost of %1 (render + repaint, median / p99 ms at %2)")
                         .arg(windowTitle(w), rates.join(QStringLiteral("; "))),
                 cells(results, [w](const RunResult &r) {
                     QStringList perRate;
                     for (const PhaseFigures &f : r.phases) {
                         const Distribution &cost = w < f.windows.size() ? f.windows[w].cost : Distribution();
                         perRate.append(cost.count() == 0 ? QStringLiteral("no frames")
                                                          : QStringLiteral("%1 / %2")
                                                                    .arg(cost.median(), 0, 'f', 1)
                                                                    .arg(cost.p99(), 0, 'f', 1));
                     }
                     return perRate.join(QStringLiteral("; "));
                 }));
    }
    text += main.markdown();
    text += QStringLiteral("\nResident memory leaves out what the trace itself has recorded.\n");

    // Where the time goes.
    text += QStringLiteral("\nBreakdown (median / p99 / max, ms):\n\n");
    Table breakdown(header);
    for (size_t p = 0; p < size_t(bench.rates.size()); ++p) {
        const QString at = QStringLiteral(" at %1/s").arg(bench.rates.at(int(p)));
        breakdown.row(QStringLiteral("notifications / reads / pushes / skipped pushes per write") + at,
                      phaseCells(results, p, [](const PhaseFigures &f) {
                          const double writes = std::max(1, f.changedWrites + f.unchangedWrites);
                          return QStringLiteral("%1 / %2 / %3 / %4")
                                  .arg(f.notifications / writes, 0, 'f', 2)
                                  .arg(f.reads / writes, 0, 'f', 2)
                                  .arg(f.pushes / writes, 0, 'f', 2)
                                  .arg(f.skips / writes, 0, 'f', 2);
                      }));
        breakdown.row(QStringLiteral("write complete → notification") + at,
                      phaseCells(results, p, [](const PhaseFigures &f) { return f.notifyDelay.summary(); }));
        breakdown.row(QStringLiteral("read") + at,
                      phaseCells(results, p, [](const PhaseFigures &f) { return f.readTime.summary(3); }));
        breakdown.row(QStringLiteral("one push (document bindings included)") + at,
                      phaseCells(results, p, [](const PhaseFigures &f) { return f.pushTime.summary(); }));
        breakdown.row(QStringLiteral("whole notification handler") + at,
                      phaseCells(results, p, [](const PhaseFigures &f) { return f.handlerTime.summary(); }));
        breakdown.row(QStringLiteral("push → frame begins") + at,
                      phaseCells(results, p, [](const PhaseFigures &f) { return f.pushToSync.summary(1); }));
        breakdown.row(QStringLiteral("frame: render") + at,
                      phaseCells(results, p, [](const PhaseFigures &f) { return f.renderTime.summary(1); }));
        breakdown.row(QStringLiteral("frame: repaint of the window") + at,
                      phaseCells(results, p, [](const PhaseFigures &f) { return f.flushTime.summary(1); }));
        breakdown.row(QStringLiteral("writer: worst lateness of an update") + at,
                      phaseCells(results, p, [](const PhaseFigures &f) { return QString::number(f.writerMaxLateMs, 'f', 1); }));
    }
    text += breakdown.markdown();

    // Per window.
    text += QStringLiteral("\nFrames per window (frames; write → frame median / p99 / max ms; writes not drawn; render median ms):\n\n");
    Table windows(header);
    for (size_t p = 0; p < size_t(bench.rates.size()); ++p) {
        for (size_t w = 0; w < windowCount; ++w) {
            windows.row(QStringLiteral("%1 at %2/s").arg(windowTitle(w)).arg(bench.rates.at(int(p))),
                        phaseCells(results, p, [w](const PhaseFigures &f) {
                            if (w >= f.windows.size())
                                return QStringLiteral("–");
                            const WindowFigures &wf = f.windows[w];
                            return QStringLiteral("%1; %2; %3; %4")
                                    .arg(wf.frames)
                                    .arg(wf.writeToFrame.summary(1))
                                    .arg(wf.notDrawn)
                                    .arg(wf.render.median(), 0, 'f', 1);
                        }));
        }
    }
    text += windows.markdown();

    for (const RunResult &r : results) {
        if (!r.error.isEmpty())
            text += QStringLiteral("\n%1, %2: %3\n").arg(r.platform, r.design, r.error);
    }
    return text;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("radod-bench"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Measures the Radod suite end to end and prints a table."));
    parser.addHelpOption();
    const QCommandLineOption suiteOption(QStringLiteral("suite"),
                                         QStringLiteral("The suite's program with the trace (radod-panels-bench)."),
                                         QStringLiteral("path"));
    const QCommandLineOption secondsOption(QStringLiteral("seconds"), QStringLiteral("Seconds of updates at each rate (30)."),
                                           QStringLiteral("n"), QStringLiteral("30"));
    const QCommandLineOption ratesOption(QStringLiteral("rates"), QStringLiteral("Updates per second (30,60)."),
                                         QStringLiteral("list"), QStringLiteral("30,60"));
    const QCommandLineOption platformsOption(
            QStringLiteral("platforms"),
            QStringLiteral("offscreen, xvfb (the suite's own choice of renderer on an X server), "
                           "xvfb-opengl (Qt Quick's OpenGL renderer forced) (offscreen,xvfb)."),
            QStringLiteral("list"), QStringLiteral("offscreen,xvfb"));
    const QCommandLineOption designsOption(QStringLiteral("designs"), QStringLiteral("ours, plain (ours,plain)."),
                                           QStringLiteral("list"), QStringLiteral("ours,plain"));
    const QCommandLineOption startupsOption(QStringLiteral("startups"),
                                            QStringLiteral("Extra start-ups measured per run (3)."),
                                            QStringLiteral("n"), QStringLiteral("3"));
    const QCommandLineOption reportOption(QStringLiteral("report"), QStringLiteral("Also write the table to this file."),
                                          QStringLiteral("file"));
    const QCommandLineOption keepOption(QStringLiteral("keep"),
                                        QStringLiteral("Keep traces, exchange folders and logs under this folder."),
                                        QStringLiteral("dir"));
    parser.addOptions({suiteOption, secondsOption, ratesOption, platformsOption, designsOption, startupsOption,
                       reportOption, keepOption});
    parser.process(app);

    Bench bench;
    bench.suite = parser.isSet(suiteOption) ? parser.value(suiteOption)
                                            : QCoreApplication::applicationDirPath() + QStringLiteral("/radod-panels-bench");
    bench.seconds = std::max(1.0, parser.value(secondsOption).toDouble());
    bench.rates.clear();
    for (const QString &r : parser.value(ratesOption).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (r.toDouble() > 0)
            bench.rates.append(r.toDouble());
    }
    bench.startups = std::max(0, parser.value(startupsOption).toInt());
    bench.keepDir = parser.value(keepOption);
    if (!QFileInfo(bench.suite).isExecutable()) {
        progress(QStringLiteral("no suite at %1 (build it first: scripts/build.sh)").arg(bench.suite));
        return 1;
    }

    std::vector<Platform> platforms;
    for (const QString &name : parser.value(platformsOption).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (name == QLatin1String("offscreen"))
            platforms.push_back({name, false, QStringLiteral("software")});
        else if (name == QLatin1String("xvfb"))
            platforms.push_back({name, true, QString()});
        else if (name == QLatin1String("xvfb-opengl"))
            platforms.push_back({name, true, QStringLiteral("rhi")});
        else
            progress(QStringLiteral("unknown platform %1 left out").arg(name));
    }
    std::vector<Design> designs;
    for (const QString &name : parser.value(designsOption).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (name == QLatin1String("ours") || name == QLatin1String("plain"))
            designs.push_back({name, name == QLatin1String("plain")});
    }

    const QString loadBefore = loadAverage();
    std::vector<RunResult> results;
    for (const Platform &platform : platforms) {
        VirtualDisplay display;
        QString displayName;
        if (platform.needsDisplay) {
            if (!VirtualDisplay::available()) {
                progress(QStringLiteral("Xvfb is not installed: %1 left out").arg(platform.name));
                continue;
            }
            displayName = display.start();
            if (displayName.isEmpty()) {
                progress(QStringLiteral("Xvfb did not start: %1 left out").arg(platform.name));
                continue;
            }
        }
        progress(QStringLiteral("%1: warming up").arg(platform.name));
        bench.warmUp(platform, displayName);
        // Start-ups of the designs in turn, so that neither gets the
        // machine's quieter moments.
        std::vector<RunResult> runs(designs.size());
        for (int i = 0; i < bench.startups; ++i) {
            for (size_t d = 0; d < designs.size(); ++d) {
                if (runs[d].error.isEmpty())
                    bench.startupOnce(platform, designs[d], displayName, &runs[d]);
            }
        }
        for (size_t d = 0; d < designs.size(); ++d) {
            results.push_back(bench.run(platform, designs[d], displayName, runs[d]));
            if (!results.back().ok)
                progress(QStringLiteral("%1, %2 failed: %3").arg(platform.name, designs[d].name, results.back().error));
        }
    }

    const QString text = report(results, bench, loadBefore, loadAverage());
    out() << text;
    out().flush();
    if (parser.isSet(reportOption)) {
        QFile file(parser.value(reportOption));
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(text.toUtf8());
    }
    bool allOk = !results.empty();
    for (const RunResult &r : results)
        allOk = allOk && r.ok;
    return allOk ? 0 : 1;
}
