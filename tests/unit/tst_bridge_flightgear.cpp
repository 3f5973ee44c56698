// radod-bridge flightgear: the records of a captured FlightGear session,
// sent to the program over a loopback UDP socket, become the two vectors in
// the suite's units and places; short, long, garbled, out-of-order and
// unreadable records, and silence, never stop it.

#include "flightgear.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <QtTest>

#include <cmath>
#include <functional>

namespace {

const QString kProgram = QStringLiteral(RADOD_BIN_DIR "/radod-bridge");
// An excerpt of a FlightGear 2020.3 session with the Cessna 172P (see the
// file's first lines for how it was flown).
const QString kCapture = QStringLiteral(RADOD_SOURCE_DIR "/tests/unit/flightgear-c172p.records");

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QList<QByteArray> capturedRecords()
{
    QList<QByteArray> records;
    for (const QByteArray &line : readAll(kCapture).split('\n')) {
        if (line.startsWith(FlightGearProtocol::versionWord()))
            records.append(line);
    }
    return records;
}

// A record's fields by chunk name, read here without the bridge's code.
struct Record
{
    QHash<QString, double> numbers;
    double operator()(const char *name) const
    {
        Q_ASSERT(numbers.contains(QLatin1String(name)));
        return numbers.value(QLatin1String(name));
    }
};

Record parse(const QByteArray &line)
{
    Record r;
    const QList<QByteArray> parts = line.split(',');
    const auto &fields = FlightGearProtocol::builtIn().fields();
    for (size_t i = 1; i < fields.size() && int(i) < parts.size(); ++i)
        r.numbers.insert(fields[i].name, parts.at(int(i)).toDouble());
    return r;
}

// A record with one field replaced.
QByteArray withField(const QByteArray &record, const QString &name, const QByteArray &text)
{
    QList<QByteArray> parts = record.split(',');
    parts[FlightGearProtocol::builtIn().indexOf(name)] = text;
    return parts.join(',');
}

// A free loopback UDP port for the program to listen on.
quint16 freePort()
{
    QUdpSocket probe;
    return probe.bind(QHostAddress::LocalHost, 0) ? probe.localPort() : 0;
}

// The program in flightgear mode, and a socket that sends to it.
class Bridge
{
public:
    explicit Bridge(const QString &folder, double stopAfter = 30) : m_port(freePort())
    {
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(kProgram, {QStringLiteral("flightgear"), QStringLiteral("--exchange"), folder,
                                   QStringLiteral("--listen"), QStringLiteral("127.0.0.1:%1").arg(m_port),
                                   QStringLiteral("--stop-after"), QString::number(stopAfter)});
    }
    ~Bridge()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }

    // True once it says it listens.
    bool listening()
    {
        return waitForOutput(QStringLiteral("listening for FlightGear"));
    }
    bool waitForOutput(const QString &text, int timeoutMs = 20000)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeoutMs) {
            m_out += QString::fromLocal8Bit(m_process.readAllStandardOutput());
            if (m_out.contains(text))
                return true;
            if (!m_process.waitForReadyRead(100) && m_process.state() == QProcess::NotRunning)
                return false;
        }
        return false;
    }
    void send(const QByteArray &datagram)
    {
        m_sender.writeDatagram(datagram, QHostAddress::LocalHost, m_port);
    }
    // Sends records at a steady pace, as FlightGear does.
    void sendAll(const QList<QByteArray> &records)
    {
        for (const QByteArray &r : records) {
            send(r + '\n');
            QTest::qWait(2);
        }
    }
    int finish()
    {
        if (!m_process.waitForFinished(30000))
            return -1;
        m_out += QString::fromLocal8Bit(m_process.readAllStandardOutput());
        return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    }
    QString output() const { return m_out; }

private:
    quint16 m_port;
    QProcess m_process;
    QUdpSocket m_sender;
    QString m_out;
};

// Where a vector field comes from: a record's field (or fields) through
// FlightGear's unit to the vector's.
struct Source
{
    bool radio = false;
    int field = 0;
    std::function<double(const Record &)> expected;
    double tolerance = 0;
};

double celsius(double f)
{
    return (f - 32) * 5 / 9;
}

QList<Source> numericSources()
{
    auto v = [](int field, std::function<double(const Record &)> f, double tol) { return Source{false, field, f, tol}; };
    return {
        v(0, [](const Record &r) { return celsius(r("c172OilT")); }, 0.06),
        v(1, [](const Record &r) { return r("c172OilP"); }, 0.06),
        v(2, [](const Record &r) { return r("c172Fuel0") * 3.785411784 * r("density0") / 1000; }, 0.006),
        v(3, [](const Record &r) { return r("c172Fuel1") * 3.785411784 * r("density1") / 1000; }, 0.006),
        v(4, [](const Record &r) { return r("oat"); }, 0.06),
        v(7, [](const Record &r) { return r("c172Flow") * 3.785411784 * r("density0") / 1000 / 3600; }, 1e-6),
        v(8, [](const Record &r) { return r("c172Flow"); }, 0.006),
        v(9, [](const Record &r) { return celsius(r("c172Egt")); }, 0.06),
        v(10, [](const Record &r) { return r("hdg"); }, 0.006),
        v(12, [](const Record &r) { return r("adfBearing"); }, 0.006),
        v(13, [](const Record &r) { return r("suction"); }, 0.006),
        v(14, [](const Record &r) { return r("amps"); }, 0.06),
        v(15, [](const Record &r) { return r("c172Ias"); }, 0.06),
        v(16, [](const Record &r) { return r("vsi"); }, 0.51),
        v(17, [](const Record &r) { return r("c172Rpm"); }, 0.51),
        v(20, [](const Record &r) { return r("hdg"); }, 0.006),
        v(21, [](const Record &r) { return r("hdgBug"); }, 0.06),
        v(22, [](const Record &r) { return r("c172Cdi0") / 2; }, 0.0006),
        v(23, [](const Record &r) { return -5 * r("c172Gsi0"); }, 0.0006),
        v(24, [](const Record &r) { return r("obs0"); }, 0.06),
        v(28, [](const Record &r) { return r("c172Cdi1") / 2; }, 0.0006),
        v(31, [](const Record &r) { return r("alt"); }, 0.06),
        v(32, [](const Record &r) { return std::clamp(5.729 * r("slip"), -9.3, 9.3); }, 0.006),
        v(33, [](const Record &r) { return 20 * r("turn"); }, 0.006),
        v(34, [](const Record &r) { return r("pitch"); }, 0.006),
        v(35, [](const Record &r) { return r("roll"); }, 0.006),
        v(40, [](const Record &r) { return r("c172Fuel0") * 3.785411784 * r("density0") / 1000; }, 0.006),
        v(43, [](const Record &r) { return r("compass"); }, 0.06),
        v(47, [](const Record &r) { return r("volts"); }, 0.006),
        v(48, [](const Record &r) { return r("c172Mp"); }, 0.006),
        v(50, [](const Record &r) { return -r("trim"); }, 0.0006),
        v(51, [](const Record &r) { return r("flaps"); }, 0.0006),
        v(59, [](const Record &r) { return r("baro"); }, 0.006),
        v(61, [](const Record &r) { return r("obs1"); }, 0.06),
        {true, 14, [](const Record &r) { return r("adfFreq"); }, 0.06},
        {true, 21, [](const Record &r) { return r("kapTargetAlt"); }, 0.51},
    };
}

} // namespace

class TstBridgeFlightGear : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QList<QByteArray> m_records;
    int m_folders = 0;

    QString newFolder()
    {
        const QString path = m_dir.filePath(QString::number(++m_folders));
        QDir().mkpath(path);
        return path;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_records = capturedRecords();
        QVERIFY2(m_records.size() >= 20, qPrintable(kCapture));
    }

    // The protocol the program reads is the file shipped beside it, and the
    // mapping reads no field the protocol lacks, for the 172P and for any
    // other aircraft.
    void protocolAndMappingAgree()
    {
        QCOMPARE(readAll(QStringLiteral(RADOD_BIN_DIR "/radod-flightgear.xml")), FlightGearProtocol::builtInText());
        QVERIFY(FlightGearProtocol::builtIn().fields().size() > 100);
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        for (const QByteArray &aircraft : {QByteArrayLiteral("c172p"), QByteArrayLiteral("Baron")}) {
            FlightGearRecords records;
            QCOMPARE(records.take(withField(m_records.last(), QStringLiteral("aircraft"), aircraft)), FlightGearRecords::Taken);
            QCOMPARE(records.badFields(), 0);
            const FlightGearVectors v = flightGearVectors(records);
            QCOMPARE(v.values.size(), 107);
            QCOMPARE(v.radio.size(), 35);
        }
    }

    // Points of the captured flight, sent through the socket: the files the
    // program writes carry each record's values in the vector's units and
    // places, and the radio formats the panels need.
    void replayedFlightBecomesVectors_data()
    {
        QTest::addColumn<QList<QByteArray>>("records");
        const QList<QByteArray> all = capturedRecords();
        const int n = int(all.size());
        for (const int percent : {10, 35, 60, 85, 100}) {
            const int last = std::max(1, n * percent / 100) - 1;
            QTest::addRow("record %d of %d", last, n) << all.mid(0, last + 1);
        }
        // The session flew no ILS: a glide slope and a TO flag, composed.
        QByteArray ils = all.last();
        for (const auto &[name, text] : std::initializer_list<std::pair<const char *, QByteArray>>{
                 {"c172Gsi0", "0.3125"}, {"hasGs0", "1"}, {"gsInRange0", "1"}, {"navInRange0", "1"}, {"to0", "1"},
                 {"from0", "0"}, {"c172Cdi0", "-3.500"}})
            ils = withField(ils, QLatin1String(name), text);
        QTest::newRow("composed ILS") << QList<QByteArray>{ils};
    }

    void replayedFlightBecomesVectors()
    {
        QFETCH(QList<QByteArray>, records);
        const QString folder = newFolder();
        Bridge bridge(folder, 2.5);
        QVERIFY2(bridge.listening(), qPrintable(bridge.output()));
        bridge.sendAll(records);
        QCOMPARE(bridge.finish(), 0);

        const Record r = parse(records.last());
        const QList<QByteArray> values = readAll(folder + QStringLiteral("/TimedProcessing.txt")).split(';');
        const QList<QByteArray> radio = readAll(folder + QStringLiteral("/TPRadioAvionico.txt")).split(';');
        QCOMPARE(values.size(), 107);
        QCOMPARE(radio.size(), 35);
        for (const Source &s : numericSources()) {
            const QByteArray text = (s.radio ? radio : values).at(s.field);
            bool ok = false;
            const double written = text.toDouble(&ok);
            QVERIFY2(ok && std::abs(written - s.expected(r)) <= s.tolerance,
                     qPrintable(QStringLiteral("%1 field %2: wrote %3, expected %4")
                                    .arg(s.radio ? "radio" : "value").arg(s.field).arg(QString::fromLatin1(text))
                                    .arg(s.expected(r), 0, 'f', 6)));
        }
        // The radio panels' formats: NAV and COM with three decimals, the
        // transponder code with four digits, the ADF with a ".".
        QCOMPARE(radio.at(31), QString::number(r("nav0"), 'f', 3).toLatin1());
        QCOMPARE(radio.at(33), QString::number(r("nav0s"), 'f', 3).toLatin1());
        QCOMPARE(radio.at(1), QString::number(r("nav1"), 'f', 3).toLatin1());
        QCOMPARE(radio.at(30), QString::number(r("com0"), 'f', 3).toLatin1());
        QCOMPARE(radio.at(4), QStringLiteral("%1").arg(int(r("xpdrCode")), 4, 10, QLatin1Char('0')).toLatin1());
        QVERIFY(radio.at(14).contains('.'));
        // Flags of NAV 1: TO 1, FROM 2, no signal 0.
        const int toFrom = r("navInRange0") == 0 ? 0 : (r("to0") != 0 ? 1 : (r("from0") != 0 ? 2 : 0));
        QCOMPARE(values.at(26).toInt(), toFrom);
        QCOMPARE(values.at(25).toInt(), int(r("navInRange0")));
        QCOMPARE(values.at(27).toInt(), int(r("hasGs0") != 0 && r("gsInRange0") != 0));
        // A running engine with a charging alternator lights no warning.
        if (r("c172Running") != 0 && r("amps") > 0) {
            QCOMPARE(values.at(36), QByteArray("0"));                 // VOLTS
            QCOMPARE(values.at(37), QByteArray("0"));                 // OIL PRESS
            QVERIFY(values.at(38).toDouble() >= 3 && values.at(39).toDouble() >= 3); // VAC
        }
    }

    // What each kind of hostile record leaves in the kept values: `field`
    // (a number) afterwards, from a good record whose altitude is 1000.5 and
    // whose time is 100.
    void hostileRecordsKeepGoodValues_data()
    {
        QTest::addColumn<QList<QByteArray>>("records");
        QTest::addColumn<QString>("field");
        QTest::addColumn<double>("expected");
        QTest::addColumn<int>("badFields");

        const QByteArray good = withField(withField(m_records.last(), QStringLiteral("alt"), "1000.5"), QStringLiteral("t"), "100");
        auto newer = [&](const QByteArray &alt, const QByteArray &t = "101") {
            return withField(withField(good, QStringLiteral("alt"), alt), QStringLiteral("t"), t);
        };
        const int altIndex = FlightGearProtocol::builtIn().indexOf(QStringLiteral("alt"));
        const QByteArray shortRecord = newer("2000").split(',').mid(0, altIndex + 1).join(',');
        const QByteArray cutBefore = newer("2000").split(',').mid(0, altIndex).join(',');
        const int fields = int(FlightGearProtocol::builtIn().fields().size());

        QTest::newRow("short, with the field") << QList<QByteArray>{good, shortRecord} << "alt" << 2000.0 << fields - altIndex - 1;
        QTest::newRow("short, without the field") << QList<QByteArray>{good, cutBefore} << "alt" << 1000.5 << fields - altIndex;
        QTest::newRow("long") << QList<QByteArray>{good, newer("2000") + ",1,2,3,extra"} << "alt" << 2000.0 << 0;
        QTest::newRow("not a number") << QList<QByteArray>{good, newer("12x")} << "alt" << 1000.5 << 1;
        QTest::newRow("empty field") << QList<QByteArray>{good, newer("")} << "alt" << 1000.5 << 1;
        QTest::newRow("infinite") << QList<QByteArray>{good, newer("inf")} << "alt" << 1000.5 << 1;
        QTest::newRow("flag that is not 0 or 1")
            << QList<QByteArray>{good, withField(newer("2000"), QStringLiteral("master"), "7")} << "master"
            << parse(good)("master") << 1;
        QTest::newRow("garbled text") << QList<QByteArray>{good, withField(newer("2000"), QStringLiteral("aircraft"), "c1\x01\xff")}
                                      << "alt" << 2000.0 << 1;
        QTest::newRow("not a record") << QList<QByteArray>{good, QByteArray("\x00\x13garbage,2000", 14), "RADOD2,1,2"}
                                      << "alt" << 1000.5 << 0;
        QTest::newRow("out of order") << QList<QByteArray>{good, newer("2000", "99.9")} << "alt" << 1000.5 << 0;
        QTest::newRow("simulator started again") << QList<QByteArray>{good, newer("2000", "3")} << "alt" << 2000.0 << 0;
        QTest::newRow("time unreadable") << QList<QByteArray>{good, newer("2000", "soon")} << "alt" << 2000.0 << 1;
    }

    void hostileRecordsKeepGoodValues()
    {
        QFETCH(QList<QByteArray>, records);
        QFETCH(QString, field);
        QFETCH(double, expected);
        QFETCH(int, badFields);
        FlightGearRecords kept;
        for (const QByteArray &r : records)
            kept.take(r);
        QCOMPARE(kept.number(field), expected);
        QCOMPARE(kept.badFields(), badFields);
        // The vectors stay whole whatever came.
        QCOMPARE(flightGearVectors(kept).values.size(), 107);
    }

    // The program through hostile traffic and a pause: it goes on, says once
    // that the records stopped and that they came back, keeps the files
    // meanwhile and ends on time.
    void receptionSurvivesHostileTrafficAndSilence()
    {
        const QString folder = newFolder();
        Bridge bridge(folder, 6);
        QVERIFY2(bridge.listening(), qPrintable(bridge.output()));
        const QByteArray first = withField(m_records.at(0), QStringLiteral("alt"), "1234.5");
        bridge.send(first + '\n');
        bridge.send(QByteArray(3000, '\xff'));
        bridge.send("RADOD1\n\n,,,\n");
        bridge.send(first.left(first.size() / 2));
        bridge.send(QByteArray());
        QVERIFY(bridge.waitForOutput(QStringLiteral("records arrive")));
        const QString values = folder + QStringLiteral("/TimedProcessing.txt");
        QTRY_COMPARE_WITH_TIMEOUT(readAll(values).split(';').value(31), QByteArray("1234.5"), 5000);

        QVERIFY(bridge.waitForOutput(QStringLiteral("no records from FlightGear"), 5000));
        QCOMPARE(readAll(values).split(';').value(31), QByteArray("1234.5"));

        const QByteArray later = withField(withField(m_records.last(), QStringLiteral("alt"), "4321.5"), QStringLiteral("t"), "100000");
        // Two records in one datagram: the later one wins.
        bridge.send(first + '\n' + later + '\n');
        QVERIFY(bridge.waitForOutput(QStringLiteral("arrive again")));
        QCOMPARE(bridge.output().count(QStringLiteral("no records from FlightGear")), 1);
        QTRY_COMPARE_WITH_TIMEOUT(readAll(values).split(';').value(31), QByteArray("4321.5"), 5000);
        QCOMPARE(bridge.finish(), 0);
        QCOMPARE(bridge.output().count(QStringLiteral("ignoring data")), 1);
    }

    // A port another program holds is refused with a message.
    void busyPortFails()
    {
        QUdpSocket holder;
        QVERIFY(holder.bind(QHostAddress::LocalHost, 0));
        QProcess p;
        p.start(kProgram, {QStringLiteral("flightgear"), QStringLiteral("--exchange"), newFolder(), QStringLiteral("--listen"),
                           QStringLiteral("127.0.0.1:%1").arg(holder.localPort()), QStringLiteral("--stop-after"),
                           QStringLiteral("5")});
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitCode(), 1);
        QVERIFY(QString::fromLocal8Bit(p.readAllStandardError()).contains(QStringLiteral("cannot listen")));
    }
};

QTEST_MAIN(TstBridgeFlightGear)
#include "tst_bridge_flightgear.moc"
