// The benchmark's figures from a trace and a writer's record: which writes
// reached the documents and when, which were lost and why, which frames showed
// them and which frames were stale.
#include "analysis.h"
#include "benchtrace.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr qint64 kMs = 1000 * 1000;

// Hashes standing for the texts written.
constexpr quint64 kStart = 100, kA = 1, kB = 2, kC = 3, kD = 4, kTorn = 99;

TraceEvent traced(BenchTrace::Kind kind, int window, double t0, double t1 = 0, quint64 hash = 0, double aux = 0)
{
    TraceEvent e;
    e.kind = kind;
    e.file = BenchTrace::Values;
    e.window = window;
    e.t0 = qint64(t0 * kMs);
    e.t1 = qint64(t1 * kMs);
    e.hash = hash;
    e.aux = qint64(aux * kMs);
    return e;
}

WriteRecord write(double start, double end, quint64 hash)
{
    WriteRecord w;
    w.file = BenchTrace::Values;
    w.start = qint64(start * kMs);
    w.end = qint64(end * kMs);
    w.hash = hash;
    return w;
}

// The suite read the file at `t` and set it on both panel documents.
void readAndPush(Trace &trace, double t, quint64 hash, double pushMs = 0.2)
{
    trace.events.push_back(traced(BenchTrace::Notify, -1, t));
    trace.events.push_back(traced(BenchTrace::Read, -1, t, t + 0.05, hash));
    trace.events.push_back(traced(BenchTrace::Push, 0, t + 0.1, t + 0.1 + pushMs, hash));
    trace.events.push_back(traced(BenchTrace::Push, 1, t + 0.1 + pushMs, t + 0.1 + 2 * pushMs, hash));
    trace.events.push_back(traced(BenchTrace::Handled, -1, t, t + 0.1 + 2 * pushMs));
}

// A frame of `window` that began at `sync`, showing `hash`.
void frame(Trace &trace, int window, double sync, double renderMs, quint64 hash)
{
    trace.events.push_back(traced(BenchTrace::Sync, window, sync, 0, hash));
    trace.events.push_back(traced(BenchTrace::Rendered, window, sync + renderMs, 0, hash, sync));
    trace.events.push_back(traced(BenchTrace::Flush, window, sync + renderMs + 0.1, sync + renderMs + 0.5, hash, sync));
}

// The figures of a phase in which every hash above was written, the files
// holding kStart before.
PhaseFigures figures(const Trace &trace, const WritePhase &phase)
{
    const QHash<int, QSet<quint64>> known{{BenchTrace::Values, {kStart, kA, kB, kC, kD}}};
    const QHash<int, quint64> before{{BenchTrace::Values, kStart}};
    return analysePhase(trace, phase, known, before);
}

Trace twoPanels()
{
    Trace trace;
    trace.windows = {{0, BenchTrace::Values, QStringLiteral("Cessna"), QStringLiteral("software")},
                     {1, BenchTrace::Values, QStringLiteral("StandBy"), QStringLiteral("software")},
                     {2, BenchTrace::RadioValues, QStringLiteral("Radio"), QStringLiteral("software")}};
    return trace;
}

} // namespace

class TestBenchAnalysis : public QObject
{
    Q_OBJECT

private slots:
    void writesReachDocumentsOrAreLost();
    void framesShowWritesOrAreStale();
    void lateWritesAreExplained();
    void traceFileIsReadBack();
    void distributionRanks();
};

void TestBenchAnalysis::writesReachDocumentsOrAreLost()
{
    Trace trace = twoPanels();
    WritePhase phase;
    phase.rate = 30;
    phase.begin = 0;
    phase.finish = 500 * kMs;
    phase.updates = 5;
    phase.writes = {write(10, 10.1, kA), write(40, 40.1, kA), write(70, 70.1, kB), write(100, 100.1, kC),
                    write(100.5, 100.6, kD)};
    readAndPush(trace, 10.3, kA);            // A: 0.2 + 0.6 ms after the write
    trace.events.push_back(traced(BenchTrace::Skip, 0, 40.3, 0, kA)); // the same text again
    trace.events.push_back(traced(BenchTrace::Skip, 1, 40.3, 0, kA));
    readAndPush(trace, 70.2, kTorn);         // a half-written read...
    readAndPush(trace, 70.4, kB);            // ...then the text
    readAndPush(trace, 101.0, kD);           // C was replaced before anyone read it

    const PhaseFigures f = figures(trace, phase);

    QCOMPARE(f.changedWrites, 4);
    QCOMPARE(f.unchangedWrites, 1);
    QCOMPARE(f.lost, 1);
    QCOMPARE(f.superseded, 1);
    QCOMPARE(f.writeToDocument.count(), 3);
    // A: the second document had it 10.3 + 0.1 + 0.4 = 10.8 ms, 0.7 ms after the write.
    QVERIFY(qAbs(f.writeToDocument.quantile(0) - 0.7) < 1e-6);
    QCOMPARE(f.tornReads, 1);
    QCOMPARE(f.tornPushes, 2);
    QCOMPARE(f.reads, 4);
    QCOMPARE(f.pushes, 8);
    QCOMPARE(f.skips, 2);

    // A write that is read but never reaches a document is lost, not superseded.
    Trace dropped = twoPanels();
    readAndPush(dropped, 10.3, kTorn);
    WritePhase one = phase;
    one.writes = {write(10, 10.1, kA), write(50, 50.1, kB)};
    readAndPush(dropped, 50.3, kB);
    const PhaseFigures g = figures(dropped, one);
    QCOMPARE(g.lost, 1);
    QCOMPARE(g.superseded, 0);

    // A read that was still going when the next write began may have found
    // that write's empty file: the lost write counts as superseded.
    Trace overlapped = twoPanels();
    overlapped.events.push_back(traced(BenchTrace::Read, -1, 49.99, 50.04, kTorn));
    readAndPush(overlapped, 50.3, kB);
    const PhaseFigures h = figures(overlapped, one);
    QCOMPARE(h.lost, 1);
    QCOMPARE(h.superseded, 1);
}

void TestBenchAnalysis::framesShowWritesOrAreStale()
{
    Trace trace = twoPanels();
    WritePhase phase;
    phase.begin = 0;
    phase.finish = 500 * kMs;
    phase.writes = {write(10, 10.1, kA), write(40, 40.1, kB), write(70, 70.1, kC)};
    readAndPush(trace, 10.3, kA);
    frame(trace, 0, 15, 4, kA);   // shows A: on screen at 19.5, 9.4 ms after the write
    frame(trace, 1, 16, 1, kA);
    readAndPush(trace, 40.3, kB);
    // Window 0 draws nothing for B; window 1 does. Then C is written but
    // window 1's next frame, 10 ms later, still shows B: stale.
    frame(trace, 1, 45, 1, kB);
    frame(trace, 1, 80.2, 1, kB);
    // The same picture put on screen again is not a new frame.
    trace.events.push_back(traced(BenchTrace::Flush, 1, 90, 90.2, kB, 80.2));

    const PhaseFigures f = figures(trace, phase);

    QCOMPARE(f.frames, 4);
    QCOMPARE(f.writeToFrame.count(), 3); // A on both, B on window 1
    QCOMPARE(f.windows[0].writeToFrame.count(), 1);
    QVERIFY(qAbs(f.windows[0].writeToFrame.max() - 9.4) < 1e-6);
    QCOMPARE(f.windows[0].frames, 1);
    // A frame costs its render (4 ms) and its repaint (0.4 ms); the picture
    // put on screen again adds no frame and no cost.
    QVERIFY(qAbs(f.windows[0].cost.median() - 4.4) < 1e-6);
    QCOMPARE(f.windows[1].cost.count(), 3);
    QCOMPARE(f.windows[0].notDrawn, 2); // B not drawn; C never reached it
    QCOMPARE(f.staleFrames, 1);
    QCOMPARE(f.staleFramesBeyond2ms, 1);
    QCOMPARE(f.windows[1].stale, 1);
    QCOMPARE(f.lost, 1); // C
    // The radio window follows the other file: none of this is its.
    QCOMPARE(f.windows[2].frames, 0);
}

void TestBenchAnalysis::lateWritesAreExplained()
{
    Trace trace = twoPanels();
    WritePhase phase;
    phase.begin = 0;
    phase.finish = 500 * kMs;
    phase.writes = {write(10, 10.1, kA), write(40, 40.1, kB), write(70, 70.1, kC), write(100, 100.1, kD)};
    frame(trace, 0, 9, 6, kStart); // drawing from 9 to 15.5: A waits
    readAndPush(trace, 15.6, kA);
    readAndPush(trace, 40.2, kB, 3); // its own pushes take 6 ms
    readAndPush(trace, 80, kC);      // nothing the trace shows for 10 ms
    readAndPush(trace, 100.2, kD);   // in time

    const PhaseFigures f = figures(trace, phase);
    QCOMPARE(f.lateWrites, 3);
    QCOMPARE(f.lateForFrames, 1);
    QCOMPARE(f.lateForPushes, 1);
    QCOMPARE(f.lateForOther, 1);
}

void TestBenchAnalysis::traceFileIsReadBack()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("trace.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("# radod-bench-trace 1\n# platform xcb\n# manager ours\n# capacity 1000 40\n# dropped 3\n# used 10 20\n"
               "# window 0 0 Radod - Módulo Cessna\n# api 0 opengl (llvmpipe)\n"
               "# window 1 1 Radod - Rádio Aviônico\n# api 1 opengl (llvmpipe)\n"
               "# kind file window t0 t1 hash aux\n"
               "3 0 0 100 200 18446744073709551615 5\n"
               "broken line\n");
    file.close();
    Trace trace;
    QString error;
    QVERIFY(trace.load(path, &error));
    QCOMPARE(trace.platform, QStringLiteral("xcb"));
    QCOMPARE(trace.manager, QStringLiteral("ours"));
    QCOMPARE(trace.dropped, quint64(3));
    QCOMPARE(trace.bufferBytes, qint64(40000));
    QCOMPARE(trace.usedAtReady * trace.eventBytes, qint64(400));
    QCOMPARE(trace.usedAtEnd, qint64(20));
    QCOMPARE(int(trace.windows.size()), 2);
    QCOMPARE(trace.windows[0].title, QStringLiteral("Radod - Módulo Cessna"));
    QCOMPARE(trace.windows[1].file, int(BenchTrace::RadioValues));
    QCOMPARE(trace.backends(), QStringLiteral("opengl (llvmpipe)"));
    QCOMPARE(int(trace.events.size()), 1);
    QCOMPARE(trace.events[0].hash, quint64(18446744073709551615ULL));

    Trace missing;
    QVERIFY(!missing.load(dir.filePath(QStringLiteral("none.txt")), &error));
    QVERIFY(!error.isEmpty());
}

void TestBenchAnalysis::distributionRanks()
{
    Distribution d;
    QCOMPARE(d.summary(), QStringLiteral("–"));
    for (int i = 100; i >= 1; --i)
        d.add(i);
    QCOMPARE(d.median(), 50.0);
    QCOMPARE(d.p99(), 99.0);
    QCOMPARE(d.max(), 100.0);
    QCOMPARE(d.quantile(0), 1.0);
    QCOMPARE(d.summary(0), QStringLiteral("50 / 99 / 100"));
}

QTEST_MAIN(TestBenchAnalysis)
#include "tst_bench_analysis.moc"
