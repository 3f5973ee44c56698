// radod-reliability: the built suite under hostile input and sudden death.
//
//   radod-reliability fuzz --suite PROGRAM [--inputs N] [--seed S]
//       Runs the suite (with the G1000 displays) on a fresh exchange folder and
//       rotates hostile contents and file kinds through every file it follows:
//       binary, invalid UTF-8, huge files, extreme numbers, markup and script
//       text pointing at a local listener and at files outside the folder,
//       links leading out of the folder, pipes, folders in place of files,
//       unreadable files, the whole folder deleted and made again. Between
//       them it writes canaries that must reach the documents (seen in the
//       suite's push log), be normalised and written back (configRadio.txt),
//       or be taken (commands.txt). Counts crashes, hangs, lost canaries, lost
//       layouts and any access to the outside folder or the listener.
//
//   radod-reliability kill --suite PROGRAM [--kills N] [--seed S]
//       Starts the suite again and again and kills it (SIGKILL) at a random
//       moment while it writes layouts: at start-up (missing files written
//       with their defaults), while the radio menus write a layout back, and
//       while it restores a deleted folder. After every kill each layout and
//       lock file must be missing (not written yet) or whole.
//
// Prints one summary line of figures and exits with 0 only when every fault
// count is 0. Linux only: outside accesses are caught with inotify.
#include "modules.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QSocketNotifier>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QTimer>

#include <csignal>
#include <deque>
#include <functional>
#include <optional>

#ifdef Q_OS_LINUX
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

// Runs the event loop for `ms`, or until `done` holds (checked every 5 ms).
bool waitUntil(const std::function<bool()> &done, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() >= ms)
            return false;
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}
void pause(int ms)
{
    waitUntil([] { return false; }, ms);
}

// ---- the suite -------------------------------------------------------------

class Suite : public QObject
{
public:
    Suite(const QString &program, const QString &exchange) : m_program(program), m_exchange(exchange)
    {
        connect(&m_process, &QProcess::readyReadStandardError, this, [this] {
            m_log += m_process.readAllStandardError();
            // Only the recent log is looked at.
            if (m_log.size() > 8 * 1024 * 1024) {
                const qsizetype drop = m_log.size() - 1024 * 1024;
                m_log.remove(0, drop);
                m_logStart += drop;
            }
        });
    }
    ~Suite() override { kill(); }

    bool start()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
        env.insert(QStringLiteral("RADOD_EXCHANGE_DIR"), m_exchange);
        env.insert(QStringLiteral("QT_LOGGING_RULES"),
                   QStringLiteral("radod.push.debug=true;radod.manager.debug=true"));
        env.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{category}|%{message}"));
        m_process.setProcessEnvironment(env);
        m_process.setStandardOutputFile(QProcess::nullDevice());
        m_process.start(m_program, {});
        return m_process.waitForStarted(30000);
    }
    bool running() const { return m_process.state() == QProcess::Running; }
    bool started() const { return log().contains("radod.startup|Start-up finished"); }
    void kill()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.kill();
        m_process.waitForFinished(30000);
    }
    // SIGTERM: true when the suite ends normally, with 0, within `ms`.
    bool terminate(int ms)
    {
        m_process.terminate();
        if (!m_process.waitForFinished(ms)) {
            kill();
            return false;
        }
        return m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
    }
    // What the process is doing: its state and where it waits in the kernel.
    QString state() const
    {
        const QString proc = QStringLiteral("/proc/%1/").arg(m_process.processId());
        QFile stat(proc + QStringLiteral("stat"));
        QFile wchan(proc + QStringLiteral("wchan"));
        const QByteArray s = stat.open(QIODevice::ReadOnly) ? stat.readAll() : QByteArray();
        const QByteArray w = wchan.open(QIODevice::ReadOnly) ? wchan.readAll() : QByteArray();
        const qsizetype paren = s.lastIndexOf(')');
        return QStringLiteral("state %1, waiting in %2")
                .arg(QString::fromLatin1(s.mid(paren + 2, 1)), QString::fromLatin1(w));
    }
    QString exitDescription() const
    {
        return m_process.exitStatus() == QProcess::CrashExit ? QStringLiteral("crashed")
                                                            : QStringLiteral("exit %1").arg(m_process.exitCode());
    }
    // Absolute offset of the log's end, to look for lines after it.
    qsizetype mark() const { return m_logStart + m_log.size(); }
    bool loggedSince(qsizetype from, const std::function<bool(const QByteArray &)> &match) const
    {
        const qsizetype at = qMax<qsizetype>(0, from - m_logStart);
        const QList<QByteArray> lines = m_log.mid(at).split('\n');
        for (const QByteArray &line : lines) {
            if (match(line))
                return true;
        }
        return false;
    }
    QByteArray log() const { return m_log; }
    QByteArray tail(int bytes = 3000) const { return m_log.right(bytes); }

private:
    QString m_program;
    QString m_exchange;
    QProcess m_process;
    QByteArray m_log;
    qsizetype m_logStart = 0;
};

// ---- the exchange folder and the world outside it ---------------------------

struct Workspace
{
    QTemporaryDir dir;
    QString exchange() const { return dir.path() + QStringLiteral("/instrumentos"); }
    QString outside() const { return dir.path() + QStringLiteral("/outside"); }
    QString real(const QString &name) const { return exchange() + QLatin1Char('/') + name; }

    // Whatever stands at `name` goes, so that a plain file can be written.
    void clear(const QString &name) const
    {
        const QString path = real(name);
        const QFileInfo info(path);
        if (!info.isSymLink() && info.exists())
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (info.isSymLink() || (info.exists() && !info.isDir()))
            QFile::remove(path);
        else if (info.isDir())
            QDir(path).removeRecursively();
        QFile::remove(path);
    }
    bool writeInPlace(const QString &name, const QByteArray &bytes) const
    {
        QFile f(real(name));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        return f.write(bytes) == bytes.size();
    }
    bool replace(const QString &name, const QByteArray &bytes) const
    {
        QSaveFile f(real(name));
        f.setDirectWriteFallback(false);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.commit();
    }
    // What a plain file holds (none for links: this run never reads outside).
    std::optional<QByteArray> bytes(const QString &name) const
    {
        QFile f(real(name));
        const QFileInfo info(f.fileName());
        if (info.isSymLink() || !info.isFile() || !f.open(QIODevice::ReadOnly))
            return std::nullopt;
        return f.readAll();
    }
};

// Counts every access to the outside folder (opens, reads, writes, files
// made or removed) and every connection to the listener.
class OutsideWatch : public QObject
{
public:
    explicit OutsideWatch(const QString &folder)
    {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                ++m_connections;
                socket->deleteLater();
            }
        });
#ifdef Q_OS_LINUX
        m_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (m_fd >= 0) {
            inotify_add_watch(m_fd, QFile::encodeName(folder).constData(),
                              IN_OPEN | IN_ACCESS | IN_MODIFY | IN_ATTRIB | IN_CREATE | IN_DELETE | IN_MOVED_TO
                                      | IN_MOVED_FROM | IN_CLOSE_WRITE);
            m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
            connect(m_notifier, &QSocketNotifier::activated, this, [this] { drain(); });
        }
#endif
    }
    ~OutsideWatch() override
    {
#ifdef Q_OS_LINUX
        if (m_fd >= 0)
            ::close(m_fd);
#endif
    }
    quint16 port() const { return m_server.serverPort(); }
    // The first accesses, for the report.
    QStringList events() const { return m_events; }
    int accesses()
    {
        drain();
        return m_accesses + m_connections;
    }

private:
    void drain()
    {
#ifdef Q_OS_LINUX
        char buffer[4096];
        for (;;) {
            const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
            if (n <= 0)
                return;
            for (ssize_t at = 0; at < n;) {
                const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
                ++m_accesses;
                if (m_events.size() < 20)
                    m_events.append(QStringLiteral("%1 (mask 0x%2)")
                                            .arg(event->len ? QString::fromLocal8Bit(event->name) : QStringLiteral("."))
                                            .arg(event->mask, 0, 16));
                at += ssize_t(sizeof(inotify_event)) + event->len;
            }
        }
#endif
    }

    QTcpServer m_server;
    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
    int m_accesses = 0;
    int m_connections = 0;
    QStringList m_events;
};

// ---- what the suite keeps --------------------------------------------------

QString layoutOf(const QString &configFile)
{
    for (const ModuleInfo &info : Modules::all()) {
        if (info.configFiles.contains(configFile))
            return info.defaultLayout;
    }
    return QString();
}

// The default with its first number changed: a layout the user arranged.
QString arranged(const QString &layout)
{
    QStringList fields = layout.split(QLatin1Char(','));
    for (QString &field : fields) {
        bool ok = false;
        const int n = field.toInt(&ok);
        if (ok) {
            field = QString::number(n + 7);
            break;
        }
    }
    return fields.join(QLatin1Char(','));
}

const QStringList kStartupLayouts = {
    QStringLiteral("configCaravan.txt"), QStringLiteral("configBaron.txt"), QStringLiteral("config.txt"),
    QStringLiteral("configStandBy.txt"), QStringLiteral("configRadio.txt"),
};
const QStringList kLockFiles = {QStringLiteral("lock.txt"), QStringLiteral("lockGeral.txt")};
// What the radio menus make of a written radio layout: scale and colours with
// two decimals, the frequency set 1 or 2.
const QString kRadioArranged = QStringLiteral("12,34,1.5,0.5,0.25,0.75,7,0.30");

// ---- hostile input ---------------------------------------------------------

class Hostile
{
public:
    Hostile(quint32 seed, quint16 port, const QString &outside) : m_rng(seed), m_port(port), m_outside(outside) {}

    int pick(int n) { return int(m_rng.bounded(quint32(n))); }
    bool chance(int percent) { return pick(100) < percent; }

    // A hostile content and a word for it.
    QByteArray content(QString *kind)
    {
        static const char *numbers[] = {
            "1e308", "-1e308", "NaN", "Infinity", "-Infinity", "-0", "0x1F", "1,5", "99999999999999999999999",
            "-2147483649", "2147483648", "1e-320", "", " ", "abc", "\xc2\xbd", "\xd9\xa1\xd9\xa2", "100000000",
            "-100000000", "0", "1", "2", "-1", "0.0000001", "4e9", "1e6",
        };
        const QByteArray listener = QStringLiteral("http://127.0.0.1:%1/canary.png").arg(m_port).toUtf8();
        const QByteArray outsideFile = QFile::encodeName(m_outside + QStringLiteral("/canary.png"));
        const QList<QByteArray> markup = {
            "<img src=\"" + listener + "\">",
            "<img src=\"file://" + outsideFile + "\">",
            "<a href=\"" + listener + "\">x</a><b>bold</b><font color=red>red</font>",
            "<html><body><img src=\"file://" + QFile::encodeName(m_outside) + "/fifo\"></body></html>",
            "<style>@import url(" + listener + ");</style>",
            "\"); Qt.quit(); (\"", "javascript:Qt.openUrlExternally('" + listener + "')",
            "${Qt.quit()}", "%n%s%x%p%1%2", "\xe2\x80\xae" "evil", "&lt;&amp;&#0;",
            "../../outside/canary.png", "qrc:/../../etc/passwd", "\\\\127.0.0.1\\share\\canary.png",
        };
        switch (pick(11)) {
        case 0:
            *kind = QStringLiteral("empty or blank");
            return QList<QByteArray>{"", " ", "  \n", "\r\n", "\t", "\n\n\n"}.at(pick(6));
        case 1: {
            *kind = QStringLiteral("binary");
            QByteArray b(1 + pick(4096), '\0');
            for (char &c : b)
                c = char(m_rng.bounded(256));
            return b;
        }
        case 2:
            *kind = QStringLiteral("invalid UTF-8 and NULs");
            return QByteArray("12;\xff\xfe\xc3;34\x80;5\0;6", 17) + QByteArray("\xef\xbb\xbf" "1,2");
        case 3: {
            *kind = QStringLiteral("huge");
            // Mostly just above the limit; now and then far above it.
            const int size = chance(2) ? 20 * 1024 * 1024 : 64 * 1024 + 1 + pick(2 * 1024 * 1024);
            return QByteArray(size, "7;,1<"[pick(5)]);
        }
        case 4:
        case 5: {
            *kind = QStringLiteral("extreme numbers");
            const int count = chance(5) ? 10000 : 1 + pick(300);
            QByteArray b;
            const char separator = chance(50) ? ';' : ',';
            for (int i = 0; i < count; ++i) {
                if (i)
                    b += separator;
                b += numbers[pick(int(std::size(numbers)))];
            }
            return b;
        }
        case 6: {
            *kind = QStringLiteral("a layout with extreme fields");
            const QStringList layouts = {layoutOf(QStringLiteral("configCaravan.txt")),
                                         layoutOf(QStringLiteral("configBaron.txt")),
                                         layoutOf(QStringLiteral("config.txt")),
                                         layoutOf(QStringLiteral("configRadio.txt"))};
            QList<QByteArray> fields = layouts.at(pick(int(layouts.size()))).toUtf8().split(',');
            for (int n = 1 + pick(6); n > 0; --n)
                fields[pick(int(fields.size()))] = numbers[pick(int(std::size(numbers)))];
            return fields.join(',');
        }
        case 7:
        case 8: {
            *kind = QStringLiteral("markup and script");
            QByteArray b;
            for (int n = 1 + pick(4); n > 0; --n)
                b += markup.at(pick(int(markup.size()))) + (chance(50) ? ";" : ",");
            return b;
        }
        case 9:
            *kind = QStringLiteral("flags and words");
            return QList<QByteArray>{"1", "0", "1\n", "01", " 1", "true", "inner_cursor_up", "cursor_press",
                                     "enter_press\nenter_press", "outer_cursor_down", QByteArray(5000, 'x'),
                                     "85,95,70", "EIS\nAnnunciator 1"}.at(pick(13));
        default: {
            *kind = QStringLiteral("long field");
            return QByteArray(1 + pick(60000), char('0' + pick(10)));
        }
        }
    }

private:
    QRandomGenerator m_rng;
    quint16 m_port;
    QString m_outside;
};

// ---- the fuzz run ----------------------------------------------------------

struct FuzzFile
{
    QString name;
    QString property; // pushed as this context property ("" for the special cases)
    QString layout;   // a configuration file: its default layout
};

class Fuzz
{
public:
    Fuzz(const QString &program, int inputs, quint32 seed)
        : m_inputs(inputs), m_seed(seed), m_program(program)
    {
    }

    int run()
    {
        if (!m_ws.dir.isValid())
            return fail(QStringLiteral("no temporary folder"));
        QDir().mkpath(m_ws.exchange());
        QDir().mkpath(m_ws.outside());
        for (const char *name : {"canary.png", "canary.txt"}) {
            QFile f(m_ws.outside() + QLatin1Char('/') + QLatin1String(name));
            if (f.open(QIODevice::WriteOnly))
                f.write("outside");
        }
#ifdef Q_OS_LINUX
        ::mkfifo(QFile::encodeName(m_ws.outside() + QStringLiteral("/fifo")).constData(), 0600);
#endif
        m_outside = std::make_unique<OutsideWatch>(m_ws.outside());
        m_hostile = std::make_unique<Hostile>(m_seed, m_outside->port(), m_ws.outside());
        m_ws.writeInPlace(QStringLiteral("extraWindows.txt"), "EIS\nAnnunciator 1\nReferencesScreen\nSpeedReferences\n");

        for (const ModuleInfo &info : Modules::all()) {
            const bool open = info.opensAtStart || info.module == Module::EIS || info.module == Module::Annunciator
                    || info.module == Module::ReferencesScreen || info.module == Module::SpeedReferences;
            if (open && !info.configFile.contains(QLatin1Char('%')) && !hasFile(info.configFile))
                m_files.append({info.configFile, info.layoutProperty, info.defaultLayout});
        }
        m_files.append({QStringLiteral("TimedProcessing.txt"), QStringLiteral("TimedProcessing"), {}});
        m_files.append({QStringLiteral("TPRadioAvionico.txt"), QStringLiteral("timedDataString"), {}});
        m_files.append({QStringLiteral("lock.txt"), QStringLiteral("lock"), {}});
        m_files.append({QStringLiteral("lockGeral.txt"), {}, {}});
        m_files.append({QStringLiteral("commands.txt"), {}, {}});
        m_files.append({QStringLiteral("speedsRef.txt"), QStringLiteral("speedsRefValues"), {}});

        if (!startSuite())
            return fail(QStringLiteral("the suite did not start: ") + QString::fromUtf8(m_suite->tail()));

        QElapsedTimer clock;
        clock.start();
        const int canaryEvery = 50;
        for (int i = 0; i < m_inputs; ++i) {
            if (i > 0 && i % canaryEvery == 0)
                canary(m_files.at((i / canaryEvery) % m_files.size()));
            hostileInput();
            // A moment for the suite to take it (and the files a moment apart).
            QThread::msleep(1);
            QCoreApplication::processEvents();
            if (!m_suite->running())
                crashed();
            if (i > 0 && i % 10000 == 0)
                out() << "  " << i << " inputs, " << clock.elapsed() / 1000 << " s\n" << Qt::flush;
        }
        // Every file once more with a canary: what the suite keeps is sane again.
        for (const FuzzFile &file : std::as_const(m_files))
            canary(file);
        if (m_suite->running() && !m_suite->terminate(30000)) {
            ++m_hangs;
            note(QStringLiteral("SIGTERM not answered within 30 s"));
        }
        const int outside = m_outside->accesses();
        for (const QString &event : m_outside->events())
            out() << "  ! outside access: " << event << "\n";
        out() << QStringLiteral("fuzz: %1 hostile inputs, %2 canaries, %3 s, seed %4: %5 crashes, %6 hangs, "
                                "%7 lost canaries, %8 lost layouts, %9 outside accesses\n")
                         .arg(m_inputs).arg(m_canaries).arg(clock.elapsed() / 1000).arg(m_seed)
                         .arg(m_crashes).arg(m_hangs).arg(m_lostCanaries).arg(m_lostLayouts).arg(outside)
              << Qt::flush;
        return m_crashes + m_hangs + m_lostCanaries + m_lostLayouts + outside == 0 ? 0 : 1;
    }

private:
    bool hasFile(const QString &name) const
    {
        for (const FuzzFile &f : m_files) {
            if (f.name == name)
                return true;
        }
        return false;
    }
    int fail(const QString &why)
    {
        out() << "fuzz: " << why << "\n" << Qt::flush;
        return 2;
    }
    void note(const QString &what)
    {
        out() << "  ! " << what << "\n";
        for (const QString &input : m_recent)
            out() << "    after " << input << "\n";
        out() << "    log: " << QString::fromUtf8(m_suite->tail(1500)).replace(QLatin1Char('\n'), QLatin1String("\n    "))
              << "\n" << Qt::flush;
    }
    bool startSuite()
    {
        m_suite = std::make_unique<Suite>(m_program, m_ws.exchange());
        return m_suite->start() && waitUntil([this] { return m_suite->started() || !m_suite->running(); }, 120000)
                && m_suite->running();
    }
    void crashed()
    {
        ++m_crashes;
        note(QStringLiteral("the suite ended (%1)").arg(m_suite->exitDescription()));
        startSuite();
    }
    void remember(const QString &input)
    {
        m_recent.push_back(input);
        if (m_recent.size() > 8)
            m_recent.pop_front();
    }

    void hostileInput()
    {
        const FuzzFile &file = m_files.at(m_hostile->pick(int(m_files.size())));
        QString kind;
        const QByteArray bytes = m_hostile->content(&kind);
        const QString path = m_ws.real(file.name);
        QString how;
        m_ws.clear(file.name);
        const int op = m_hostile->pick(1000);
        if (op < 2) {
            how = QStringLiteral("the folder deleted and made again");
            folderDeleted();
            return;
        }
        if (op < 450) {
            how = QStringLiteral("rewritten in place");
            m_ws.writeInPlace(file.name, bytes);
        } else if (op < 750) {
            how = QStringLiteral("replaced");
            m_ws.replace(file.name, bytes);
        } else if (op < 800) {
            how = QStringLiteral("appended");
            QFile f(path);
            if (f.open(QIODevice::Append))
                f.write(bytes);
        } else if (op < 850) {
            how = QStringLiteral("deleted");
        } else if (op < 880) {
            how = QStringLiteral("unreadable");
            m_ws.writeInPlace(file.name, bytes);
            QFile::setPermissions(path, {});
        } else if (op < 920) {
            how = QStringLiteral("a link out of the folder");
            QFile::link(m_ws.outside() + QStringLiteral("/canary.txt"), path);
        } else if (op < 935) {
            how = QStringLiteral("a link to a pipe out of the folder");
            QFile::link(m_ws.outside() + QStringLiteral("/fifo"), path);
        } else if (op < 950) {
            how = QStringLiteral("a dangling link out of the folder");
            QFile::link(m_ws.outside() + QStringLiteral("/made-by-the-suite.txt"), path);
        } else if (op < 965) {
            how = QStringLiteral("a pipe");
#ifdef Q_OS_LINUX
            ::mkfifo(QFile::encodeName(path).constData(), 0600);
#endif
        } else if (op < 980) {
            how = QStringLiteral("a folder");
            QDir().mkpath(path + QStringLiteral("/inner"));
        } else {
            how = QStringLiteral("another file renamed over it");
            const QString other = m_files.at(m_hostile->pick(int(m_files.size()))).name;
            if (other != file.name)
                QFile::rename(m_ws.real(other), path);
        }
        remember(QStringLiteral("%1: %2, %3 (%4 bytes)").arg(file.name, how, kind).arg(bytes.size()));
    }

    // The folder goes with everything in it and comes back empty: the suite
    // writes back every layout and lock file it keeps.
    void folderDeleted()
    {
        remember(QStringLiteral("the folder deleted and made again"));
        // What the suite has read by now, and keeps: every layout and lock
        // file that holds a text it can read.
        pause(500);
        QStringList kept;
        for (const QString &name : kStartupLayouts + kLockFiles) {
            const QFileInfo info(m_ws.real(name));
            const std::optional<QByteArray> bytes = m_ws.bytes(name);
            if (!info.isSymLink() && info.isReadable() && bytes && bytes->size() <= 64 * 1024
                && !bytes->trimmed().isEmpty())
                kept.append(name);
        }
        const qsizetype from = m_suite->mark();
        QDir(m_ws.exchange()).removeRecursively();
        pause(m_hostile->pick(300));
        QDir().mkpath(m_ws.exchange());
        m_ws.writeInPlace(QStringLiteral("extraWindows.txt"), "EIS\nAnnunciator 1\nReferencesScreen\nSpeedReferences\n");
        QStringList missing;
        waitUntil([&] {
            missing.clear();
            for (const QString &name : std::as_const(kept)) {
                if (!QFileInfo(m_ws.real(name)).isFile())
                    missing.append(name);
            }
            return missing.isEmpty();
        }, 15000);
        if (!missing.isEmpty()) {
            ++m_lostLayouts;
            QString restored;
            m_suite->loggedSince(from, [&restored](const QByteArray &line) {
                if (line.contains("regravados"))
                    restored += QString::fromUtf8(line);
                return false;
            });
            note(QStringLiteral("not written back after the folder came back: %1 (%2)")
                         .arg(missing.join(QLatin1String(", ")), restored));
        }
    }

    // `base` with a counter and padding: a text never sent before.
    QByteArray fresh(const QByteArray &base, char separator, int minimumLength)
    {
        QByteArray b = base + separator + QByteArray::number(++m_counter);
        while (b.size() < minimumLength)
            b += separator + QByteArray::number(m_hostile->pick(1000));
        return b;
    }
    bool pushedSince(qsizetype from, const FuzzFile &file, const QByteArray &text) const
    {
        const QByteArray push = "push " + file.property.toUtf8() + " <- ";
        const QByteArray tail = "\\" + file.name.toUtf8() + " (" + QByteArray::number(QString::fromUtf8(text).size())
                + " characters)";
        return m_suite->loggedSince(from, [&](const QByteArray &l) { return l.contains(push) && l.contains(tail); });
    }

    void canary(const FuzzFile &file)
    {
        ++m_canaries;
        m_ws.clear(file.name);
        const qsizetype from = m_suite->mark();
        bool arrived = false;
        if (file.name == QLatin1String("configRadio.txt")) {
            // A hostile layout, then at once the canary: the menus' write-back
            // of the first must not replace the second.
            QString kind;
            m_ws.writeInPlace(file.name, m_hostile->content(&kind));
            const QByteArray x = QByteArray::number(1000 + ++m_counter % 9000);
            const QByteArray layout = x + ",20,1.5,1,0,0," + QByteArray::number(m_counter % 9) + ",0.30";
            m_ws.writeInPlace(file.name, layout);
            arrived = waitUntil([&] { return pushedSince(from, file, layout); }, 15000);
            // It stays, at most in the menus' form.
            pause(300);
            const QByteArray now = m_ws.bytes(file.name).value_or("<missing>");
            if (arrived && !now.startsWith(x + ",20,1.5")) {
                ++m_lostLayouts;
                note(QStringLiteral("configRadio.txt lost its newest layout %1 to %2")
                             .arg(QString::fromUtf8(layout), QString::fromUtf8(now)));
            }
        } else if (file.name == QLatin1String("commands.txt")) {
            m_ws.writeInPlace(file.name, "enter_press");
            arrived = waitUntil([&] { return m_ws.bytes(file.name) == QByteArray(); }, 15000);
        } else if (file.name == QLatin1String("lockGeral.txt")) {
            m_ws.writeInPlace(file.name, fresh("0", ' ', 0));
            arrived = waitUntil([&] {
                return m_suite->loggedSince(from, [](const QByteArray &l) { return l.startsWith("radod.manager|lockGeralChanged"); });
            }, 15000);
        } else {
            QByteArray text;
            if (file.name == QLatin1String("lock.txt")) {
                // Told apart by its length in the push log, and a lock text the
                // documents already hold is not set again: never the last one's.
                int padding = 2 + ++m_counter % 200;
                if (padding == m_lastLockPadding)
                    padding = 2 + (padding - 1) % 200;
                m_lastLockPadding = padding;
                text = "0" + QByteArray(padding, ' ');
            } else if (!file.layout.isEmpty()) {
                text = fresh(file.layout.toUtf8(), ',', 0);
            } else {
                text = fresh("0", ';', 100 + m_hostile->pick(3000));
            }
            m_ws.replace(file.name, text);
            arrived = waitUntil([&] { return pushedSince(from, file, text); }, 15000);
        }
        if (!arrived) {
            ++m_lostCanaries;
            const QFileInfo info(m_ws.real(file.name));
            note(QStringLiteral("canary of %1 did not arrive (suite %2; the file: %3 bytes, %4)")
                         .arg(file.name, m_suite->running() ? m_suite->state() : QStringLiteral("gone"))
                         .arg(info.size())
                         .arg(QString::fromUtf8(m_ws.bytes(file.name).value_or("<no plain file>").left(60))));
            if (!m_suite->running())
                crashed();
        }
        m_recent.clear();
    }

    int m_inputs;
    quint32 m_seed;
    QString m_program;
    Workspace m_ws;
    std::unique_ptr<OutsideWatch> m_outside;
    std::unique_ptr<Hostile> m_hostile;
    std::unique_ptr<Suite> m_suite;
    QList<FuzzFile> m_files;
    std::deque<QString> m_recent;
    int m_counter = 0;
    int m_lastLockPadding = 0;
    int m_canaries = 0;
    int m_crashes = 0;
    int m_hangs = 0;
    int m_lostCanaries = 0;
    int m_lostLayouts = 0;
};

// ---- the kill run ----------------------------------------------------------

class Kills
{
public:
    Kills(const QString &program, int kills, quint32 seed) : m_kills(kills), m_seed(seed), m_rng(seed), m_program(program) {}

    int run()
    {
        QDir().mkpath(m_ws.exchange());
        QElapsedTimer clock;
        clock.start();
        // How long a start takes here: kills land anywhere within it.
        const int startMs = measureStart();
        if (startMs < 0) {
            out() << "kill: the suite did not start\n" << Qt::flush;
            return 2;
        }
        int truncated = 0;
        int litter = 0;
        for (int i = 0; i < m_kills; ++i) {
            const int variant = i % 4;
            // A file missing now may still be missing after the kill.
            QSet<QString> mayBeMissing;
            for (const QString &name : kStartupLayouts + kLockFiles) {
                if (!QFileInfo::exists(m_ws.real(name)))
                    mayBeMissing.insert(name);
            }
            if (variant == 0) {
                // A first start: every file is written with its default.
                for (const QString &name : kStartupLayouts + kLockFiles) {
                    m_ws.clear(name);
                    mayBeMissing.insert(name);
                }
            } else if (variant != 3) {
                // Arranged layouts; the radio layout in a form the menus rewrite.
                for (const QString &name : kStartupLayouts)
                    m_ws.replace(name, (name == QLatin1String("configRadio.txt") ? kRadioArranged
                                                                                   : arranged(layoutOf(name))).toUtf8());
            }
            Suite suite(m_program, m_ws.exchange());
            suite.start();
            const int at = int(m_rng.bounded(quint32(startMs + 200)));
            if (variant == 2) {
                // The folder deleted while running: the suite writes everything back.
                pause(at / 2);
                QDir(m_ws.exchange()).removeRecursively();
                QDir().mkpath(m_ws.exchange());
                for (const QString &name : kStartupLayouts + kLockFiles)
                    mayBeMissing.insert(name);
                pause(at / 2 + int(m_rng.bounded(quint32(100))));
            } else {
                pause(at);
            }
            suite.kill(); // SIGKILL

            for (const QString &name : kStartupLayouts + kLockFiles) {
                const std::optional<QByteArray> bytes = m_ws.bytes(name);
                if (!bytes ? mayBeMissing.contains(name) : whole(name, *bytes))
                    continue;
                ++truncated;
                out() << "  ! kill " << i << " at " << at << " ms left " << name << ": "
                      << (bytes ? QString::fromUtf8(*bytes) : QStringLiteral("<missing>")) << "\n" << Qt::flush;
            }
            // Temporary files of interrupted writes.
            const QStringList entries = QDir(m_ws.exchange()).entryList(QDir::Files | QDir::Hidden);
            for (const QString &entry : entries) {
                if (!kStartupLayouts.contains(entry) && !kLockFiles.contains(entry)) {
                    ++litter;
                    QFile::remove(m_ws.real(entry));
                }
            }
            if (i > 0 && i % 100 == 0)
                out() << "  " << i << " kills, " << clock.elapsed() / 1000 << " s\n" << Qt::flush;
        }
        out() << QStringLiteral("kill: %1 kills within the first %2 ms of a run, %3 s, seed %4: %5 truncated or "
                                "damaged files, %6 temporary files left\n")
                         .arg(m_kills).arg(startMs + 200).arg(clock.elapsed() / 1000).arg(m_seed)
                         .arg(truncated).arg(litter)
              << Qt::flush;
        return truncated == 0 ? 0 : 1;
    }

private:
    int measureStart()
    {
        Suite suite(m_program, m_ws.exchange());
        QElapsedTimer clock;
        clock.start();
        if (!suite.start() || !waitUntil([&] { return suite.started() || !suite.running(); }, 120000)
            || !suite.running())
            return -1;
        const int ms = int(clock.elapsed());
        suite.terminate(30000);
        return ms;
    }

    // A layout or lock file as the suite or this run wrote it, whole.
    static bool whole(const QString &name, const QByteArray &bytes)
    {
        const QString text = QString::fromUtf8(bytes);
        if (kLockFiles.contains(name))
            return text == QLatin1String("0") || text == QLatin1String("1");
        const QString layout = layoutOf(name);
        if (text == layout || text == arranged(layout))
            return true;
        if (name != QLatin1String("configRadio.txt"))
            return false;
        // The radio menus' form of one of the two: as many fields, all numbers.
        const QStringList fields = text.split(QLatin1Char(','));
        if (fields.size() != layout.split(QLatin1Char(',')).size())
            return false;
        for (const QString &field : fields) {
            bool ok = false;
            field.toDouble(&ok);
            if (!ok)
                return false;
        }
        return true;
    }

    int m_kills;
    quint32 m_seed;
    QRandomGenerator m_rng;
    QString m_program;
    Workspace m_ws;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("The suite under hostile input (fuzz) and sudden death (kill)."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("run"), QStringLiteral("fuzz or kill"));
    const QCommandLineOption suiteOpt(QStringLiteral("suite"), QStringLiteral("The radod-panels program."),
                                      QStringLiteral("program"));
    const QCommandLineOption inputsOpt(QStringLiteral("inputs"), QStringLiteral("fuzz: hostile inputs (default 2000)."),
                                       QStringLiteral("n"), QStringLiteral("2000"));
    const QCommandLineOption killsOpt(QStringLiteral("kills"), QStringLiteral("kill: kills (default 24)."),
                                      QStringLiteral("n"), QStringLiteral("24"));
    const QCommandLineOption seedOpt(QStringLiteral("seed"), QStringLiteral("Random seed (default: from the clock)."),
                                     QStringLiteral("n"));
    parser.addOptions({suiteOpt, inputsOpt, killsOpt, seedOpt});
    parser.process(app);

    const QString run = parser.positionalArguments().value(0);
    const QString program = parser.value(suiteOpt);
    if ((run != QLatin1String("fuzz") && run != QLatin1String("kill")) || !QFileInfo(program).isExecutable()) {
        out() << parser.helpText() << Qt::flush;
        return 2;
    }
    const quint32 seed = parser.isSet(seedOpt) ? parser.value(seedOpt).toUInt()
                                               : quint32(QDateTime::currentMSecsSinceEpoch());
#ifdef Q_OS_UNIX
    std::signal(SIGPIPE, SIG_IGN);
#endif
    if (run == QLatin1String("fuzz"))
        return Fuzz(program, parser.value(inputsOpt).toInt(), seed).run();
    return Kills(program, parser.value(killsOpt).toInt(), seed).run();
}
