// radod-bridge as a program: what it writes, how steadily, record and
// replay, and how it refuses bad input.

#include "pacer.h"
#include "recording.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const QString kProgram = QStringLiteral(RADOD_BIN_DIR "/radod-bridge");

struct Result
{
    int code = -1;
    QString out;
    QString err;
    qint64 ms = 0;
};

Result run(const QStringList &args, int timeoutMs = 30000)
{
    QProcess p;
    QElapsedTimer clock;
    clock.start();
    p.start(kProgram, args);
    Result r;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        r.err = QStringLiteral("timed out");
        return r;
    }
    r.ms = clock.elapsed();
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeInPlace(const QString &path, const QByteArray &content)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(content), qint64(content.size()));
}

// Entries recorded so far in a recording that is still being written.
int entriesIn(const QString &path)
{
    int n = 0;
    for (const QByteArray &line : readAll(path).split('\n')) {
        if (!line.isEmpty() && line.at(0) >= '0' && line.at(0) <= '9')
            ++n;
    }
    return n;
}

// A recorder stops cleanly on a stop signal and writes its END line.
// Windows has no such signal for a console child, so there it runs for a
// fixed time instead.
#ifdef Q_OS_UNIX
const QString kRecorderTime = QStringLiteral("300");
#else
const QString kRecorderTime = QStringLiteral("12");
#endif

bool startRecorder(QProcess &p, const QString &recording, const QString &folder)
{
    p.start(kProgram, {QStringLiteral("record"), recording, QStringLiteral("--exchange"), folder,
                       QStringLiteral("--stop-after"), kRecorderTime});
    // It announces itself once it watches the folder.
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 20000) {
        if (p.readAllStandardOutput().contains("recording"))
            return true;
        if (!p.waitForReadyRead(200) && p.state() == QProcess::NotRunning)
            return false;
    }
    return false;
}

bool stopRecorder(QProcess &p)
{
#ifdef Q_OS_UNIX
    p.terminate();
#endif
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

Recording parseRecording(const QString &path)
{
    Recording rec;
    QString error;
    if (!Recording::parse(readAll(path), &rec, &error))
        qWarning() << path << error;
    return rec;
}

} // namespace

class TstBridgeTool : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    QString newFolder(const QString &name) const
    {
        QDir().mkpath(path(name));
        return path(name);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY2(QFileInfo::exists(kProgram) || QFileInfo::exists(kProgram + QStringLiteral(".exe")), qPrintable(kProgram));
        writeInPlace(path(QStringLiteral("afile")), "not a folder");
        writeInPlace(path(QStringLiteral("notarecording.txt")), "1;2;3;4");
        writeInPlace(path(QStringLiteral("truncated.rec")), "RADOD-RECORDING 1\n0 TimedProcessing.txt 1;2;3\n120 TimedProc");
        writeInPlace(path(QStringLiteral("broken.flight")), "duration 10\nfly away\n");
    }

    // Both value files, complete, one line each, written into the named
    // folder; --from starts the flight later.
    void demoWritesBothValueFiles()
    {
        const QString folder = newFolder(QStringLiteral("demo"));
        const Result r = run({QStringLiteral("demo"), QStringLiteral("--exchange"), folder, QStringLiteral("--rate"),
                              QStringLiteral("20"), QStringLiteral("--stop-after"), QStringLiteral("0.5"),
                              QStringLiteral("--from"), QStringLiteral("5:00")});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        const QByteArray values = readAll(folder + QStringLiteral("/TimedProcessing.txt"));
        const QByteArray radio = readAll(folder + QStringLiteral("/TPRadioAvionico.txt"));
        QCOMPARE(values.split(';').size(), 107);
        QCOMPARE(radio.split(';').size(), 35);
        QVERIFY(!values.contains('\n') && !radio.contains('\n'));
        QVERIFY(values.split(';').at(31).toDouble() > 1500); // five minutes in: at altitude
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 2);
    }

    // --commands: the flight's knob commands go into commands.txt one at a
    // time, each once the last has been taken (here by the test, as the suite
    // takes them: it empties the file).
    void demoWritesKnobCommands()
    {
        const QString folder = newFolder(QStringLiteral("knobs"));
        const QString file = folder + QStringLiteral("/commands.txt");
        QProcess p;
        p.start(kProgram, {QStringLiteral("demo"), QStringLiteral("--exchange"), folder, QStringLiteral("--commands"),
                           QStringLiteral("--from"), QStringLiteral("1:02.5"), QStringLiteral("--stop-after"),
                           QStringLiteral("4")});
        QStringList taken;
        QElapsedTimer clock;
        clock.start();
        while (p.state() != QProcess::NotRunning && clock.elapsed() < 30000) {
            const QByteArray word = readAll(file).trimmed();
            if (!word.isEmpty()) {
                taken << QString::fromUtf8(word);
                writeInPlace(file, QByteArray());
            }
            p.waitForFinished(20);
        }
        QCOMPARE(p.exitCode(), 0);
        // 1:03, 1:05, 1:06 (and 1:07 at the end, if the stop comes after it).
        QCOMPARE(taken.mid(0, 3), (QStringList{QStringLiteral("cursor_press"), QStringLiteral("outer_cursor_up"),
                                               QStringLiteral("outer_cursor_up")}));
        QVERIFY2(taken.size() <= 4, qPrintable(taken.join(QLatin1Char(' '))));
    }

    // In place keeps the file (and its identity) across writes; atomic
    // replaces it by a new one each time.
    void writeModes_data()
    {
        QTest::addColumn<bool>("atomic");
        QTest::newRow("in place") << false;
        QTest::newRow("atomic") << true;
    }

    void writeModes()
    {
#ifndef Q_OS_UNIX
        QSKIP("file identity is checked through inode numbers");
#else
        QFETCH(bool, atomic);
        const QString folder = newFolder(atomic ? QStringLiteral("atomic") : QStringLiteral("inplace"));
        const QString file = folder + QStringLiteral("/TimedProcessing.txt");
        QStringList args{QStringLiteral("demo"), QStringLiteral("--exchange"), folder, QStringLiteral("--rate"),
                         QStringLiteral("40"), QStringLiteral("--stop-after"), QStringLiteral("20"),
                         QStringLiteral("--from"), QStringLiteral("2:15")}; // take-off roll: every update differs
        if (atomic)
            args << QStringLiteral("--atomic");
        QProcess p;
        p.start(kProgram, args);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(file).size() > 0, 20000);
        // The first file is held open while the writer goes on, so that its
        // inode cannot be freed and given to a later file of the same name.
        const int held = ::open(QFile::encodeName(file).constData(), O_RDONLY);
        QVERIFY(held >= 0);
        struct stat before {}, after {};
        QCOMPARE(::fstat(held, &before), 0);
        const QByteArray first = readAll(file);
        QTRY_VERIFY_WITH_TIMEOUT(readAll(file) != first && !readAll(file).isEmpty(), 20000);
        QCOMPARE(::stat(QFile::encodeName(file).constData(), &after), 0);
        ::close(held);
        p.kill();
        p.waitForFinished();
        if (atomic)
            QVERIFY(before.st_ino != after.st_ino);
        else
            QCOMPARE(before.st_ino, after.st_ino);
        // No temporary files are left behind by a clean stop.
        const Result r = run({QStringLiteral("demo"), QStringLiteral("--exchange"), folder, QStringLiteral("--stop-after"),
                              QStringLiteral("0.3"), atomic ? QStringLiteral("--atomic") : QStringLiteral("--rate=30")});
        QCOMPARE(r.code, 0);
        QStringList files = QDir(folder).entryList(QDir::Files);
        files.sort();
        QCOMPARE(files, (QStringList{QStringLiteral("TPRadioAvionico.txt"), QStringLiteral("TimedProcessing.txt")}));
#endif
    }

    // The steady rate: every tick at its own time counted from the start,
    // never early, none lost. Lateness depends on the machine's load, so
    // it is bounded only by what the schedule itself allows.
    void rateHoldsWithoutDrift()
    {
        SteadyRate rate;
        struct Tick { qint64 index; double due; double at; };
        std::vector<Tick> ticks;
        connect(&rate, &SteadyRate::tick, this, [&](qint64 index, double due) {
            ticks.push_back({index, due, rate.elapsedMs()});
        });
        rate.start(50);
        QTest::qWait(3000);
        rate.stop();
        const double ran = rate.elapsedMs();
        QVERIFY(!ticks.empty());
        bool resynced = false;
        for (size_t i = 0; i < ticks.size(); ++i) {
            QCOMPARE(ticks[i].index, qint64(i));
            QVERIFY2(ticks[i].at >= ticks[i].due, "a tick came early");
            if (std::abs(ticks[i].due - 20.0 * double(i)) > 1e-6)
                resynced = true; // only after the process was held up for a second
        }
        if (!resynced) {
            // Every tick whose time had come more than a second ago was delivered,
            // and none before its time.
            QVERIFY(ticks.size() <= size_t(ran / 20.0) + 1);
            QVERIFY2(ticks.size() + 50 >= size_t(ran / 20.0), qPrintable(QString::number(ticks.size())));
        }
        // The program keeps its time: it never finishes early.
        const Result r = run({QStringLiteral("demo"), QStringLiteral("--exchange"), newFolder(QStringLiteral("rate")),
                              QStringLiteral("--rate"), QStringLiteral("25"), QStringLiteral("--stop-after"), QStringLiteral("1.5")});
        QCOMPARE(r.code, 0);
        QVERIFY(r.ms >= 1500);
    }

    // What a bridge writes is recorded byte for byte and in order; replaying
    // the recording into another folder writes the same contents in the same
    // order, which a second recorder sees.
    void recordThenReplayReproducesContents()
    {
        const QString source = newFolder(QStringLiteral("source"));
        const QString target = newFolder(QStringLiteral("target"));
        const QString recA = path(QStringLiteral("a.rec"));
        const QString recB = path(QStringLiteral("b.rec"));
        const QStringList names = Recording::fileNames();
        const QList<QPair<int, QByteArray>> writes{
            {0, "1;2;3"},
            {1, "118.300;113.900"},
            {0, "a\\b;c\n"},                                  // backslash and a trailing line end
            {1, "line\r\nend\r\n"},
            {0, QByteArray::fromHex("c3a7c3a33b017fff")},     // UTF-8 and raw bytes
            {1, QByteArray(4000, 'x') + ";9"},
            {0, "1;2;3"},                                     // an earlier content again
        };

        QProcess recorder;
        QVERIFY(startRecorder(recorder, recA, source));
        int expected = 0;
        for (const auto &w : writes) {
            writeInPlace(source + QLatin1Char('/') + names.at(w.first), w.second);
            ++expected;
            QTRY_COMPARE_WITH_TIMEOUT(entriesIn(recA), expected, 20000);
            QTest::qWait(300); // room between contents, for the recorder of the replay
        }
        writeInPlace(source + QStringLiteral("/") + names.at(0), "1;2;3"); // unchanged: not a new content
        QTest::qWait(300);
        QVERIFY(stopRecorder(recorder));

        const Recording a = parseRecording(recA);
        QCOMPARE(int(a.entries.size()), writes.size());
        for (int i = 0; i < writes.size(); ++i) {
            QCOMPARE(a.entries[size_t(i)].file, writes[i].first);
            QCOMPARE(a.entries[size_t(i)].content, writes[i].second);
            if (i > 0)
                QVERIFY(a.entries[size_t(i)].ms >= a.entries[size_t(i) - 1].ms);
        }

        QProcess recorder2;
        QVERIFY(startRecorder(recorder2, recB, target));
        const Result replay = run({QStringLiteral("replay"), recA, QStringLiteral("--exchange"), target});
        QVERIFY2(replay.code == 0, qPrintable(replay.err));
        QVERIFY(replay.ms >= a.entries.back().ms); // with its original timing, never faster
        QTest::qWait(300);
        QVERIFY(stopRecorder(recorder2));

        const Recording b = parseRecording(recB);
        QCOMPARE(b.entries.size(), a.entries.size());
        for (size_t i = 0; i < a.entries.size(); ++i) {
            QCOMPARE(b.entries[i].file, a.entries[i].file);
            QCOMPARE(b.entries[i].content, a.entries[i].content);
        }
        QCOMPARE(readAll(target + QStringLiteral("/TimedProcessing.txt")), QByteArray("1;2;3"));
    }

    // --loop starts the recording again at its end.
    void replayLoops()
    {
        const QString folder = newFolder(QStringLiteral("loop"));
        const QString rec = path(QStringLiteral("loop.rec"));
        writeInPlace(rec, "RADOD-RECORDING 1\n0 TimedProcessing.txt one\n300 TimedProcessing.txt two\nEND 2 600\n");
        QProcess recorder;
        const QString seen = path(QStringLiteral("seen.rec"));
        QVERIFY(startRecorder(recorder, seen, folder));
        const Result r = run({QStringLiteral("replay"), rec, QStringLiteral("--loop"), QStringLiteral("--exchange"), folder,
                              QStringLiteral("--stop-after"), QStringLiteral("2.1")});
        QCOMPARE(r.code, 0);
        QVERIFY(r.ms >= 2100);
        QTest::qWait(200);
        QVERIFY(stopRecorder(recorder));
        const Recording s = parseRecording(seen);
        QVERIFY2(s.entries.size() >= 4, qPrintable(QString::number(s.entries.size())));
        for (size_t i = 0; i < s.entries.size(); ++i)
            QCOMPARE(s.entries[i].content, i % 2 ? QByteArray("two") : QByteArray("one"));
    }

    void badInputFailsWithAMessage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        const QString tmp = m_dir.path();
        const QString missing = tmp + QStringLiteral("/no/such/folder");
        QTest::newRow("missing exchange folder") << QStringList{QStringLiteral("demo"), QStringLiteral("--exchange"), missing} << 1 << "does not exist";
        QTest::newRow("exchange is a file") << QStringList{QStringLiteral("--exchange"), tmp + QStringLiteral("/afile")} << 1 << "is not a folder";
        QTest::newRow("record from a missing folder") << QStringList{QStringLiteral("record"), tmp + QStringLiteral("/r.rec"), QStringLiteral("--exchange"), missing} << 1 << "does not exist";
        QTest::newRow("recording cannot be created") << QStringList{QStringLiteral("record"), missing + QStringLiteral("/r.rec"), QStringLiteral("--exchange"), tmp} << 1 << "cannot write the recording";
        QTest::newRow("recording missing") << QStringList{QStringLiteral("replay"), tmp + QStringLiteral("/none.rec"), QStringLiteral("--exchange"), tmp} << 1 << "cannot read the recording";
        QTest::newRow("not a recording") << QStringList{QStringLiteral("replay"), tmp + QStringLiteral("/notarecording.txt"), QStringLiteral("--exchange"), tmp} << 1 << "not a recording";
        QTest::newRow("truncated recording") << QStringList{QStringLiteral("replay"), tmp + QStringLiteral("/truncated.rec"), QStringLiteral("--exchange"), tmp} << 1 << "truncated";
        QTest::newRow("broken flight file") << QStringList{QStringLiteral("--flight"), tmp + QStringLiteral("/broken.flight"), QStringLiteral("--exchange"), tmp} << 1 << "broken.flight:2: unknown statement 'fly'";
        QTest::newRow("rate zero") << QStringList{QStringLiteral("--rate"), QStringLiteral("0")} << 2 << "--rate";
        QTest::newRow("rate not a number") << QStringList{QStringLiteral("--rate"), QStringLiteral("fast")} << 2 << "--rate";
        QTest::newRow("rate too high") << QStringList{QStringLiteral("--rate"), QStringLiteral("5000")} << 2 << "--rate";
        QTest::newRow("negative stop time") << QStringList{QStringLiteral("--stop-after"), QStringLiteral("-1")} << 2 << "--stop-after";
        QTest::newRow("bad start time") << QStringList{QStringLiteral("--from"), QStringLiteral("1:99")} << 2 << "--from";
        QTest::newRow("unknown mode") << QStringList{QStringLiteral("fly")} << 2 << "unknown mode 'fly'";
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--bogus")} << 2 << "bogus";
        QTest::newRow("record without its file") << QStringList{QStringLiteral("record")} << 2 << "needs the recording file";
        QTest::newRow("extra argument") << QStringList{QStringLiteral("demo"), QStringLiteral("more")} << 2 << "unexpected argument";
        QTest::newRow("listen without a port") << QStringList{QStringLiteral("flightgear"), QStringLiteral("--listen"), QStringLiteral("localhost")} << 2 << "--listen";
        QTest::newRow("listen on port 0") << QStringList{QStringLiteral("flightgear"), QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0")} << 2 << "--listen";
        QTest::newRow("listen on no address") << QStringList{QStringLiteral("flightgear"), QStringLiteral("--listen"), QStringLiteral("300.1.1.1:5705")} << 2 << "--listen";
        QTest::newRow("flightgear into a missing folder") << QStringList{QStringLiteral("flightgear"), QStringLiteral("--exchange"), missing} << 1 << "does not exist";
#ifdef Q_OS_LINUX
        // A folder nobody can write into, not even root.
        QTest::newRow("unwritable exchange folder") << QStringList{QStringLiteral("--exchange"), QStringLiteral("/proc")} << 1 << "cannot write";
#endif
    }

    void badInputFailsWithAMessage()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, message);
        // Whatever is not refused stops by itself.
        const bool timed = args.contains(QStringLiteral("--stop-after"));
        const Result r = run(timed ? args : args + QStringList{QStringLiteral("--stop-after=5")}, 20000);
        QCOMPARE(r.code, code);
        QVERIFY2(r.err.contains(message) && r.err.startsWith(QStringLiteral("radod-bridge: ")), qPrintable(r.err));
        QVERIFY(!QFileInfo::exists(m_dir.path() + QStringLiteral("/no")));
    }

    void helpExplainsTheModes()
    {
        const Result r = run({QStringLiteral("--help")});
        QCOMPARE(r.code, 0);
        for (const char *word : {"demo", "record", "replay", "flightgear", "--exchange", "--rate", "--atomic", "--loop", "--listen",
                                 "--generic=socket,out,30,127.0.0.1,5705,udp,radod-flightgear"})
            QVERIFY2(r.out.contains(QLatin1String(word)), word);
    }
};

QTEST_MAIN(TstBridgeTool)
#include "tst_bridge_tool.moc"
