// radod-bridge: writes the two value files of the exchange folder the way a
// simulator bridge does, so that the suite has something to show without a
// simulator.
//
//   radod-bridge [demo]        plays the built-in flight in real time, looped
//   radod-bridge record FILE   records what another bridge writes
//   radod-bridge replay FILE   writes a recording back with its timing
//   radod-bridge dump          prints the flight's vectors (no files written)
//   radod-bridge flightgear    writes what FlightGear sends over UDP

#include "exchangedirectory.h"
#include "flightgear.h"
#include "flightmodel.h"
#include "knobcommands.h"
#include "pacer.h"
#include "recording.h"
#include "valuewriter.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHostAddress>
#include <QTextStream>
#include <QTimer>
#include <QUdpSocket>

#include <algorithm>
#include <csignal>
#include <cmath>
#include <functional>

namespace {

enum ExitCode { Success = 0, Failure = 1, Usage = 2 };

// Where the FlightGear mode listens by default, and the rate asked of FlightGear.
constexpr quint16 kFlightGearPort = 5705;
constexpr int kFlightGearRate = 30;
// Records that stop for this long are reported (once, until they resume).
constexpr double kFlightGearSilenceMs = 2000;

volatile std::sig_atomic_t g_stopRequested = 0;

extern "C" void onStopSignal(int)
{
    g_stopRequested = 1;
}

void installStopHandlers()
{
    std::signal(SIGINT, onStopSignal);
    std::signal(SIGTERM, onStopSignal);
#ifdef SIGHUP
    std::signal(SIGHUP, onStopSignal);
#endif
#ifdef SIGBREAK
    std::signal(SIGBREAK, onStopSignal);
#endif
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

int complain(int code, const QString &message)
{
    err() << "radod-bridge: " << message << Qt::endl;
    return code;
}

QString formatTime(double seconds)
{
    const int s = int(std::floor(seconds + 0.5));
    return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}

// The exchange folder must exist; the program never creates it, so that a
// mistyped --exchange does not silently feed a folder nobody watches.
bool checkExchangeFolder(QString *folder, QString *error)
{
    *folder = ExchangeDirectory::root();
    const QFileInfo info(*folder);
    if (!info.exists()) {
        *error = QStringLiteral("the exchange folder %1 does not exist (create it, or name another with --exchange)")
                     .arg(QDir::toNativeSeparators(*folder));
        return false;
    }
    if (!info.isDir()) {
        *error = QStringLiteral("%1 is not a folder").arg(QDir::toNativeSeparators(*folder));
        return false;
    }
    return true;
}

// Real path of a value file; resolved again each time, because a file named
// with other letter case may appear in the folder.
QString valueFilePath(int file)
{
    return ExchangeDirectory::resolve(ExchangeDirectory::literalPath(Recording::fileNames().at(file)));
}

// Stops the event loop once a stop signal arrives or the time is up.
void watchForStop(QCoreApplication &app, double stopAfterSeconds, const std::function<double()> &elapsedMs,
                  const std::function<void()> &onStop)
{
    auto *timer = new QTimer(&app);
    QObject::connect(timer, &QTimer::timeout, &app, [=]() {
        if (g_stopRequested || (stopAfterSeconds > 0 && elapsedMs() >= stopAfterSeconds * 1000))
            onStop();
    });
    timer->start(20);
}

// Reports write failures without flooding the console: the first one, then
// at most one every five seconds while they go on.
class FailureReporter
{
public:
    void failed(const QString &path, const QString &why, double nowMs)
    {
        ++m_failures;
        if (m_lastReportMs < 0 || nowMs - m_lastReportMs >= 5000) {
            complain(0, QStringLiteral("cannot write %1: %2 (%3 failed writes so far; still trying)")
                            .arg(QDir::toNativeSeparators(path), why).arg(m_failures));
            m_lastReportMs = nowMs;
        }
    }

private:
    qint64 m_failures = 0;
    double m_lastReportMs = -1;
};

// Writes the value files of the exchange folder. A failure before anything
// has been written means the folder is not usable, and the program stops;
// a later one (a reader holding the file, a folder gone for a moment) is
// reported and the next update tries again.
class ExchangeWriter
{
public:
    explicit ExchangeWriter(ValueWriter::Mode mode) : m_writer(mode) {}

    // False when the program must stop; the reason has been printed.
    bool write(int file, const QByteArray &content, double nowMs)
    {
        const QString path = valueFilePath(file);
        QString why;
        if (m_writer.write(path, content, &why)) {
            m_wroteOnce = true;
            return true;
        }
        if (!m_wroteOnce) {
            complain(Failure, QStringLiteral("cannot write %1: %2").arg(QDir::toNativeSeparators(path), why));
            return false;
        }
        m_reporter.failed(path, why, nowMs);
        return true;
    }

private:
    ValueWriter m_writer;
    FailureReporter m_reporter;
    bool m_wroteOnce = false;
};

struct Options
{
    double rate = 30;
    double from = 0;
    double stopAfter = 0;
    double step = 1;
    double to = -1;
    bool loop = false;
    bool commands = false;
    ValueWriter::Mode writeMode = ValueWriter::InPlace;
    QString flightFile;
    QHostAddress listenAddress = QHostAddress(QHostAddress::LocalHost);
    quint16 listenPort = kFlightGearPort;
};

// FlightGear's option that sends the protocol's records to `host`:`port`.
QString flightGearOption(const QString &host, quint16 port)
{
    return QStringLiteral("--generic=socket,out,%1,%2,%3,udp,%4")
        .arg(kFlightGearRate).arg(host).arg(port).arg(FlightGearProtocol::name());
}

bool loadFlight(const Options &opt, FlightModel *model, QString *error)
{
    QString text;
    QString name;
    if (opt.flightFile.isEmpty()) {
        text = FlightModel::builtInText();
        name = FlightModel::builtInName();
        if (text.isEmpty()) {
            *error = QStringLiteral("the built-in flight is missing from this build");
            return false;
        }
    } else {
        QFile f(opt.flightFile);
        if (!f.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("cannot read the flight file %1: %2").arg(opt.flightFile, f.errorString());
            return false;
        }
        text = QString::fromUtf8(f.readAll());
        name = QFileInfo(opt.flightFile).fileName();
    }
    return model->load(text, name, error);
}

// commands.txt, where the flight's knob commands go (--commands).
QString commandFilePath()
{
    return ExchangeDirectory::resolve(ExchangeDirectory::literalPath(QStringLiteral("commands.txt")));
}

// Whether commands.txt holds a word (the suite empties it when it takes one).
bool commandFileHoldsWord()
{
    QFile f(commandFilePath());
    return f.open(QIODevice::ReadOnly) && !f.read(256).trimmed().isEmpty();
}

int runDemo(QCoreApplication &app, const Options &opt)
{
    FlightModel model;
    QString error;
    if (!loadFlight(opt, &model, &error))
        return complain(Failure, error);
    QString folder;
    if (!checkExchangeFolder(&folder, &error))
        return complain(Failure, error);

    ExchangeWriter writer(opt.writeMode);
    SteadyRate rate;
    int exitCode = Success;
    const double duration = model.duration();
    KnobCommandPlayer knobs(opt.commands ? model.commands() : std::vector<FlightModel::Command>(), duration);
    const ValueWriter commandWriter(ValueWriter::InPlace);
    FailureReporter commandFailures;

    QObject::connect(&rate, &SteadyRate::tick, &app, [&](qint64, double dueMs) {
        if (opt.stopAfter > 0 && dueMs >= opt.stopAfter * 1000) {
            rate.stop();
            app.quit();
            return;
        }
        const double flightTime = std::fmod(opt.from + dueMs / 1000.0, duration);
        model.advanceTo(flightTime);
        if (!writer.write(0, model.valueVector().toUtf8(), dueMs) || !writer.write(1, model.radioVector().toUtf8(), dueMs)) {
            exitCode = Failure;
            rate.stop();
            app.exit(Failure);
            return;
        }
        knobs.advance(flightTime);
        if (knobs.due() > 0) {
            const QString word = knobs.next(commandFileHoldsWord(), dueMs);
            QString why;
            if (!word.isEmpty() && !commandWriter.write(commandFilePath(), word.toUtf8(), &why))
                commandFailures.failed(commandFilePath(), why, dueMs);
        }
    });
    watchForStop(app, 0, [&]() { return rate.elapsedMs(); }, [&]() { rate.stop(); app.quit(); });

    out() << "radod-bridge: playing the flight " << (opt.flightFile.isEmpty() ? FlightModel::builtInName() : opt.flightFile)
          << " (" << formatTime(duration) << ", looped) from " << formatTime(opt.from) << " at " << opt.rate
          << " updates per second into " << QDir::toNativeSeparators(folder)
          << (opt.writeMode == ValueWriter::Atomic ? " (atomic replace)" : " (in place)")
          << (opt.commands ? QStringLiteral(", with %1 knob commands into commands.txt").arg(model.commands().size())
                           : QString())
          << Qt::endl;
    rate.start(opt.rate);
    const int loopCode = app.exec();
    return exitCode != Success ? exitCode : loopCode;
}

int runRecord(QCoreApplication &app, const Options &opt, const QString &recordingPath)
{
    QString folder, error;
    if (!checkExchangeFolder(&folder, &error))
        return complain(Failure, error);
    RecordingWriter recording;
    const QString comment = QStringLiteral("recorded by radod-bridge from %1 on %2")
                                .arg(QDir::toNativeSeparators(folder), QDateTime::currentDateTime().toString(Qt::ISODate));
    if (!recording.open(recordingPath, comment, &error))
        return complain(Failure, QStringLiteral("cannot write the recording %1: %2").arg(recordingPath, error));

    Pacer clock;
    clock.start();
    QFileSystemWatcher watcher;
    watcher.addPath(folder);
    QByteArray last[2];
    bool writeFailed = false;

    // Reads both files and appends what is new. An empty read is the moment
    // between a writer's truncate and its write, not a content.
    auto check = [&]() {
        for (int file = 0; file < 2; ++file) {
            const QString path = valueFilePath(file);
            if (!QFileInfo::exists(path))
                continue;
            if (!watcher.files().contains(path))
                watcher.addPath(path);
            QFile f(path);
            if (!f.open(QIODevice::ReadOnly))
                continue;
            const QByteArray content = f.readAll();
            if (content.isEmpty() || content == last[file])
                continue;
            last[file] = content;
            if (!recording.append(qint64(clock.elapsedMs()), file, content) && !writeFailed) {
                writeFailed = true;
                complain(0, QStringLiteral("cannot write to the recording %1").arg(recordingPath));
                app.exit(Failure);
            }
        }
    };
    // A change is read a moment after it is reported, so that the writer has
    // finished; a slow poll catches what a watcher may miss (network folders,
    // files replaced while unwatched).
    QTimer settle;
    settle.setSingleShot(true);
    settle.setInterval(2);
    QObject::connect(&settle, &QTimer::timeout, &app, check);
    auto changed = [&]() { if (!settle.isActive()) settle.start(); };
    QObject::connect(&watcher, &QFileSystemWatcher::fileChanged, &app, changed);
    QObject::connect(&watcher, &QFileSystemWatcher::directoryChanged, &app, changed);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &app, check);
    poll.start(25);

    watchForStop(app, opt.stopAfter, [&]() { return clock.elapsedMs(); }, [&]() { app.quit(); });
    out() << "radod-bridge: recording " << QDir::toNativeSeparators(folder) << " into " << recordingPath
          << " (stop with Ctrl+C)" << Qt::endl;
    check();
    const int code = app.exec();
    check();
    if (!recording.finish(qint64(clock.elapsedMs())) || writeFailed)
        return complain(Failure, QStringLiteral("cannot write to the recording %1").arg(recordingPath));
    out() << "radod-bridge: recorded " << recording.count() << " contents in " << formatTime(clock.elapsedMs() / 1000)
          << Qt::endl;
    return code;
}

int runReplay(QCoreApplication &app, const Options &opt, const QString &recordingPath)
{
    QFile file(recordingPath);
    if (!file.open(QIODevice::ReadOnly))
        return complain(Failure, QStringLiteral("cannot read the recording %1: %2").arg(recordingPath, file.errorString()));
    Recording recording;
    QString error;
    if (!Recording::parse(file.readAll(), &recording, &error))
        return complain(Failure, QStringLiteral("%1: %2").arg(recordingPath, error));
    if (recording.entries.empty())
        return complain(Failure, QStringLiteral("%1: the recording holds no contents").arg(recordingPath));
    QString folder;
    if (!checkExchangeFolder(&folder, &error))
        return complain(Failure, error);

    ExchangeWriter writer(opt.writeMode);
    Pacer pacer;
    size_t next = 0;
    double offsetMs = 0;
    int exitCode = Success;
    // A recording shorter than this still loops at a sane pace.
    const double loopMs = std::max<double>(recording.durationMs, 100);

    QObject::connect(&pacer, &Pacer::due, &app, [&]() {
        const double now = pacer.elapsedMs();
        while (next < recording.entries.size() && offsetMs + double(recording.entries[next].ms) <= now) {
            const Recording::Entry &e = recording.entries[next++];
            if (!writer.write(e.file, e.content, now)) {
                exitCode = Failure;
                app.exit(Failure);
                return;
            }
        }
        if (next == recording.entries.size()) {
            if (!opt.loop) {
                app.quit();
                return;
            }
            next = 0;
            offsetMs += loopMs;
        }
        pacer.wakeAt(offsetMs + double(recording.entries[next].ms));
    });
    watchForStop(app, opt.stopAfter, [&]() { return pacer.elapsedMs(); }, [&]() { pacer.stop(); app.quit(); });

    out() << "radod-bridge: replaying " << recording.entries.size() << " contents (" << formatTime(loopMs / 1000)
          << (opt.loop ? ", looped" : "") << ") into " << QDir::toNativeSeparators(folder)
          << (opt.writeMode == ValueWriter::Atomic ? " (atomic replace)" : " (in place)") << Qt::endl;
    pacer.start();
    pacer.wakeAt(double(recording.entries.front().ms));
    const int code = app.exec();
    return exitCode != Success ? exitCode : code;
}

int runDump(const Options &opt)
{
    FlightModel model;
    QString error;
    if (!loadFlight(opt, &model, &error))
        return complain(Failure, error);
    const double to = opt.to >= 0 ? opt.to : model.duration();
    // Whole multiples of the step, so that long dumps do not drift.
    for (qint64 i = 0;; ++i) {
        const double t = opt.from + double(i) * opt.step;
        if (t > to + 1e-9)
            break;
        model.advanceTo(t);
        out() << QString::number(t, 'f', 3) << '\t' << model.valueVector() << '\t' << model.radioVector() << '\n';
    }
    out().flush();
    return Success;
}

int runFlightGear(QCoreApplication &app, const Options &opt)
{
    if (FlightGearProtocol::builtIn().fields().empty())
        return complain(Failure, QStringLiteral("the FlightGear protocol is missing from this build"));
    QString folder, error;
    if (!checkExchangeFolder(&folder, &error))
        return complain(Failure, error);
    QUdpSocket socket;
    const QString where = QStringLiteral("%1:%2").arg(opt.listenAddress.toString()).arg(opt.listenPort);
    // Not shared: a second bridge on the same port would take half the records.
    if (!socket.bind(opt.listenAddress, opt.listenPort, QAbstractSocket::DontShareAddress))
        return complain(Failure, QStringLiteral("cannot listen on %1: %2").arg(where, socket.errorString()));

    FlightGearRecords records;
    ExchangeWriter writer(opt.writeMode);
    Pacer clock;
    clock.start();
    int exitCode = Success;
    double lastRecordMs = -1;
    bool silent = false;
    // What was dropped, each kind said once and counted at the end.
    qint64 notRecords = 0, outOfOrder = 0, recordsWithBadFields = 0;

    auto takeDatagram = [&](const QByteArray &datagram) {
        bool taken = false;
        for (const QByteArray &line : datagram.split('\n')) {
            if (line.trimmed().isEmpty())
                continue;
            switch (records.take(line)) {
            case FlightGearRecords::Taken:
                taken = true;
                if (records.badFields() > 0 && recordsWithBadFields++ == 0)
                    complain(0, QStringLiteral("a record with %1 missing or unreadable fields: they keep their last values "
                                               "(the protocol file FlightGear uses may be another version than this program's)")
                                    .arg(records.badFields()));
                break;
            case FlightGearRecords::NotARecord:
                if (notRecords++ == 0)
                    complain(0, QStringLiteral("ignoring data that does not start with %1 (is FlightGear sending the %2 protocol?)")
                                    .arg(QString::fromLatin1(FlightGearProtocol::versionWord()), FlightGearProtocol::name()));
                break;
            case FlightGearRecords::OutOfOrder:
                ++outOfOrder;
                break;
            }
        }
        return taken;
    };

    QObject::connect(&socket, &QUdpSocket::readyRead, &app, [&]() {
        bool taken = false;
        while (socket.hasPendingDatagrams()) {
            const qint64 size = socket.pendingDatagramSize();
            QByteArray datagram(int(std::clamp<qint64>(size, 0, 65536)), Qt::Uninitialized);
            const qint64 read = socket.readDatagram(datagram.data(), datagram.size());
            if (read <= 0)
                continue;
            datagram.truncate(int(read));
            taken = takeDatagram(datagram) || taken;
        }
        if (!taken || exitCode != Success)
            return;
        const double now = clock.elapsedMs();
        if (lastRecordMs < 0)
            out() << "radod-bridge: FlightGear's records arrive (" << records.text(QStringLiteral("aircraft")) << ")" << Qt::endl;
        else if (silent)
            out() << "radod-bridge: FlightGear's records arrive again" << Qt::endl;
        silent = false;
        lastRecordMs = now;
        const FlightGearVectors vectors = flightGearVectors(records);
        if (!writer.write(0, vectors.values.join(QLatin1Char(';')).toUtf8(), now)
            || !writer.write(1, vectors.radio.join(QLatin1Char(';')).toUtf8(), now)) {
            exitCode = Failure;
            app.exit(Failure);
        }
    });
    QTimer silence;
    QObject::connect(&silence, &QTimer::timeout, &app, [&]() {
        if (lastRecordMs >= 0 && !silent && clock.elapsedMs() - lastRecordMs >= kFlightGearSilenceMs) {
            silent = true;
            out() << "radod-bridge: no records from FlightGear for " << kFlightGearSilenceMs / 1000
                  << " s; the value files keep their last values" << Qt::endl;
        }
    });
    silence.start(250);
    watchForStop(app, opt.stopAfter, [&]() { return clock.elapsedMs(); }, [&]() { app.quit(); });

    const bool anyAddress = opt.listenAddress == QHostAddress::Any || opt.listenAddress == QHostAddress::AnyIPv4
                            || opt.listenAddress == QHostAddress::AnyIPv6;
    out() << "radod-bridge: listening for FlightGear on " << where << ", writing into "
          << QDir::toNativeSeparators(folder) << (opt.writeMode == ValueWriter::Atomic ? " (atomic replace)" : " (in place)")
          << "\nradod-bridge: start FlightGear with "
          << flightGearOption(anyAddress ? QStringLiteral("ADDRESS-OF-THIS-PC") : opt.listenAddress.toString(), opt.listenPort)
          << Qt::endl;
    const int code = app.exec();
    out() << "radod-bridge: " << records.taken() << " records taken";
    if (notRecords + outOfOrder + recordsWithBadFields > 0)
        out() << " (" << recordsWithBadFields << " with bad fields), " << notRecords << " ignored, " << outOfOrder
              << " out of order";
    out() << Qt::endl;
    return exitCode != Success ? exitCode : code;
}

// "PORT", "ADDRESS:PORT" or "[IPv6]:PORT".
bool parseListen(const QString &text, QHostAddress *address, quint16 *port)
{
    const int colon = text.lastIndexOf(QLatin1Char(':'));
    QString host = colon < 0 ? QString() : text.left(colon);
    const QString portText = colon < 0 ? text : text.mid(colon + 1);
    bool ok = false;
    const uint p = portText.toUInt(&ok);
    if (!ok || p == 0 || p > 65535)
        return false;
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    QHostAddress a(QHostAddress::LocalHost);
    if (!host.isEmpty() && !a.setAddress(host))
        return false;
    *address = a;
    *port = quint16(p);
    return true;
}

bool parsePositive(const QString &text, double *value, double most = 1e12)
{
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || !std::isfinite(v) || v <= 0 || v > most)
        return false;
    *value = v;
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("radod-bridge"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QString(
        "Writes TimedProcessing.txt and TPRadioAvionico.txt into the exchange folder like a simulator bridge.\n\n"
        "Modes:\n"
        "  demo             play the built-in flight in real time, looped (default)\n"
        "  record FILE      append every new content of the two value files to FILE\n"
        "  replay FILE      write a recording back with its original timing\n"
        "  dump             print the flight's vectors, one line per step, and write nothing\n"
        "  flightgear       write what FlightGear sends: copy radod-flightgear.xml (beside this program)\n"
        "                   into FlightGear's Protocol folder and start FlightGear with\n"
        "                   %1"));
    parser.setApplicationDescription(parser.applicationDescription().arg(flightGearOption(QStringLiteral("127.0.0.1"), kFlightGearPort)));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("mode"), QStringLiteral("demo, record, replay, dump or flightgear"), QStringLiteral("[mode]"));
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("the recording (record, replay)"), QStringLiteral("[file]"));
    const QCommandLineOption exchangeOpt(QStringLiteral("exchange"),
        QStringLiteral("Exchange folder (default: RADOD_EXCHANGE_DIR, else ~/Radod/instrumentos; C:\\Radod\\instrumentos on Windows)."),
        QStringLiteral("dir"));
    const QCommandLineOption rateOpt(QStringLiteral("rate"), QStringLiteral("Updates per second in demo mode (default 30)."),
                                     QStringLiteral("n"));
    const QCommandLineOption atomicOpt(QStringLiteral("atomic"),
        QStringLiteral("Replace each file by renaming a new one over it, instead of rewriting it in place."));
    const QCommandLineOption flightOpt(QStringLiteral("flight"), QStringLiteral("Play this flight file instead of the built-in one."),
                                       QStringLiteral("file"));
    const QCommandLineOption fromOpt(QStringLiteral("from"), QStringLiteral("Start the flight at this time (seconds or m:ss)."),
                                     QStringLiteral("time"));
    const QCommandLineOption toOpt(QStringLiteral("to"), QStringLiteral("dump: last time (default: the end of the flight)."),
                                   QStringLiteral("time"));
    const QCommandLineOption stepOpt(QStringLiteral("step"), QStringLiteral("dump: seconds between lines (default 1)."),
                                     QStringLiteral("seconds"));
    const QCommandLineOption loopOpt(QStringLiteral("loop"), QStringLiteral("replay: start again at the end."));
    const QCommandLineOption commandsOpt(QStringLiteral("commands"),
        QStringLiteral("demo: also write the flight's G1000 knob commands into commands.txt, one at a time, each once "
                       "the suite has taken the last (they work the references page of the G1000 displays)."));
    const QCommandLineOption stopOpt(QStringLiteral("stop-after"), QStringLiteral("Stop after this many seconds."),
                                     QStringLiteral("seconds"));
    const QCommandLineOption listenOpt(QStringLiteral("listen"),
        QStringLiteral("flightgear: where to receive FlightGear's records, [ADDRESS:]PORT (default 127.0.0.1:%1; "
                       "0.0.0.0:PORT for FlightGear on another computer).").arg(kFlightGearPort),
        QStringLiteral("address:port"));
    parser.addOptions({exchangeOpt, rateOpt, atomicOpt, flightOpt, fromOpt, toOpt, stepOpt, loopOpt, commandsOpt, stopOpt,
                       listenOpt});

    if (!parser.parse(QCoreApplication::arguments()))
        return complain(Usage, parser.errorText() + QStringLiteral(" (see --help)"));
    if (parser.isSet(QStringLiteral("help"))) {
        out() << parser.helpText();
        out().flush();
        return Success;
    }

    const QStringList args = parser.positionalArguments();
    const QString mode = args.isEmpty() ? QStringLiteral("demo") : args.first();
    const bool needsFile = mode == QLatin1String("record") || mode == QLatin1String("replay");
    if (mode != QLatin1String("demo") && mode != QLatin1String("dump") && mode != QLatin1String("flightgear") && !needsFile)
        return complain(Usage, QStringLiteral("unknown mode '%1': use demo, record, replay, dump or flightgear").arg(mode));
    if (needsFile && args.size() < 2)
        return complain(Usage, QStringLiteral("%1 needs the recording file: radod-bridge %1 FILE").arg(mode));
    if (args.size() > (needsFile ? 2 : 1))
        return complain(Usage, QStringLiteral("unexpected argument '%1'").arg(args.at(needsFile ? 2 : 1)));

    Options opt;
    if (parser.isSet(rateOpt) && !parsePositive(parser.value(rateOpt), &opt.rate, 1000))
        return complain(Usage, QStringLiteral("--rate takes a number of updates per second above 0 and at most 1000, not '%1'")
                                   .arg(parser.value(rateOpt)));
    if (parser.isSet(stopOpt) && !parsePositive(parser.value(stopOpt), &opt.stopAfter))
        return complain(Usage, QStringLiteral("--stop-after takes a number of seconds above 0, not '%1'").arg(parser.value(stopOpt)));
    if (parser.isSet(stepOpt) && !parsePositive(parser.value(stepOpt), &opt.step))
        return complain(Usage, QStringLiteral("--step takes a number of seconds above 0, not '%1'").arg(parser.value(stepOpt)));
    if (parser.isSet(fromOpt) && !FlightModel::parseTime(parser.value(fromOpt), &opt.from))
        return complain(Usage, QStringLiteral("--from takes a time such as 90 or 1:30, not '%1'").arg(parser.value(fromOpt)));
    if (parser.isSet(toOpt) && !FlightModel::parseTime(parser.value(toOpt), &opt.to))
        return complain(Usage, QStringLiteral("--to takes a time such as 90 or 1:30, not '%1'").arg(parser.value(toOpt)));
    if (parser.isSet(listenOpt) && !parseListen(parser.value(listenOpt), &opt.listenAddress, &opt.listenPort))
        return complain(Usage, QStringLiteral("--listen takes [ADDRESS:]PORT, such as 5705 or 0.0.0.0:5705, not '%1'")
                                   .arg(parser.value(listenOpt)));
    opt.loop = parser.isSet(loopOpt);
    opt.commands = parser.isSet(commandsOpt);
    opt.writeMode = parser.isSet(atomicOpt) ? ValueWriter::Atomic : ValueWriter::InPlace;
    opt.flightFile = parser.value(flightOpt);
    if (parser.isSet(exchangeOpt)) {
        if (parser.value(exchangeOpt).isEmpty())
            return complain(Usage, QStringLiteral("--exchange takes a folder"));
        ExchangeDirectory::setRoot(QDir(parser.value(exchangeOpt)).absolutePath());
    }

    installStopHandlers();
    if (mode == QLatin1String("dump"))
        return runDump(opt);
    if (mode == QLatin1String("record"))
        return runRecord(app, opt, args.at(1));
    if (mode == QLatin1String("replay"))
        return runReplay(app, opt, args.at(1));
    if (mode == QLatin1String("flightgear"))
        return runFlightGear(app, opt);
    return runDemo(app, opt);
}
