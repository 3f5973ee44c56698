// End to end: the built radod-panels on an empty exchange folder, offscreen.
// It must create the lock and configuration files with their defaults, hand
// every later change of the value, lock and configuration files to the
// documents registered for them (seen through the push log), and end with
// the event loop's exit code 0 when its windows are closed (SIGTERM closes
// them all).
#include "servicetestsupport.h"

#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

namespace {

// Generous: six windows start on a loaded two-core machine.
constexpr int kStartTimeout = 180000;
constexpr int kPushTimeout = 60000;

const QByteArray kCessnaDefault =
    "440,226,210,1,871,226,210,1,656,226,210,1,656,442,210,1,440,442,210,1,872,442,210,1,"
    "8,658,210,1,224,658,210,1,2,452,210,1,224,442,210,1,224,226,210,1,872,658,210,1,"
    "1088,182,210,1,1088,442,210,1,1088,658,210,1,1117,57,90,1,791,87,79,1,91,87,77,1,"
    "424,88,45,1,6,218,210,1,490,700,210,1,630,700,180,1,RADOD,0,23,1920,1017,1";
const QByteArray kBaronDefault =
    "0,23,1920,1009,0.8999999999999964,152,92,210,1,738,86,260,1,449,339,210,1,450,94,320,1,"
    "1243,186,180,1,1059,186,180,1,1243,0,180,1,1059,0,180,1,1244,370,180,1,1059,371,180,1,"
    "1243,738,180,1,1055,740,180,1,739,339,210,1,1246,554,180,1,1057,554,180,1,12,345,160,1,"
    "0,345,160,1,219,618,249,1";
const QByteArray kCaravanDefault = "285,356,300,1,665,367,400,1,1045,352,300,1,1420,338,300,1,0,0,1920,1080";
const QByteArray kStandByDefault =
    "168,236,210,1,390,225,210,1,174,9,210,1,174,441,210,1,390,441,210,1,60,687,182,1,"
    "168,236,210,1,1,23,600,1000,1,1";
const QByteArray kRadioDefault = "0,0,1.00,1.00,0,0,0,0.30";

const QStringList kPanelTitles{QStringLiteral("Radod - Caravan"), QStringLiteral("Radod - Módulo Baron"),
                               QStringLiteral("Radod - Módulo Cessna"),
                               QStringLiteral("Radod - Módulo StandBy")};
const QStringList kRadioTitles{QStringLiteral("Radod - Rádio Aviônico"), QStringLiteral("Radod - Rádio Compacto")};

} // namespace

class tst_StartupE2E : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    // In this order, on one running suite.
    void startUpCreatesTheDefaultFiles();
    void valueFileReachesThePanels();
    void radioValueFileReachesTheRadios();
    void lockFileReachesThePanels();
    void configurationFileReachesItsWindows();
    void closingAllWindowsEndsWithExitCodeZero();

private:
    QString log() const { return QString::fromUtf8(m_stderr); }
    // Lines of the category logged since byte `from` of the log.
    QStringList linesSince(qsizetype from, const QString &category) const;
    // Pushes of `fileName` to the window titled `title` since `from`.
    int pushes(qsizetype from, const QString &fileName, const QString &title) const;
    // Waits until every window of `titles` has had a push of `fileName` since `from`.
    bool waitForPushes(qsizetype from, const QString &fileName, const QStringList &titles);
    QString describeLogSince(qsizetype from) const;

    std::unique_ptr<support::Exchange> m_exchange;
    QProcess m_suite;
    QByteArray m_stderr;
};

void tst_StartupE2E::initTestCase()
{
#ifndef Q_OS_UNIX
    QSKIP("Closes the suite with SIGTERM, which only Unix systems have.");
#endif
    const QString program = QStringLiteral(RADOD_BIN_DIR "/radod-panels");
    QVERIFY2(QFileInfo(program).isExecutable(), qPrintable(program + QStringLiteral(" is not built")));

    m_exchange = std::make_unique<support::Exchange>();
    QVERIFY(QDir(m_exchange->root()).isEmpty());

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("RADOD_EXCHANGE_DIR"), m_exchange->root());
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("radod.push.debug=true"));
    env.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{category}|%{message}"));
    m_suite.setProcessEnvironment(env);
    m_suite.setProcessChannelMode(QProcess::SeparateChannels);
    connect(&m_suite, &QProcess::readyReadStandardError, this,
            [this] { m_stderr += m_suite.readAllStandardError(); });
    m_suite.start(program, {});
    QVERIFY2(m_suite.waitForStarted(30000), qPrintable(m_suite.errorString()));
}

void tst_StartupE2E::cleanupTestCase()
{
    if (m_suite.state() != QProcess::NotRunning) {
        m_suite.kill();
        m_suite.waitForFinished(30000);
    }
    m_exchange.reset();
}

QStringList tst_StartupE2E::linesSince(qsizetype from, const QString &category) const
{
    const QString prefix = category + QLatin1Char('|');
    QStringList result;
    const QStringList lines = QString::fromUtf8(m_stderr.mid(from)).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.startsWith(prefix))
            result.append(line.mid(prefix.size()));
    }
    return result;
}

int tst_StartupE2E::pushes(qsizetype from, const QString &fileName, const QString &title) const
{
    int n = 0;
    for (const QString &line : linesSince(from, QStringLiteral("radod.push"))) {
        // The file is named by its literal path: ...\instrumentos\<name>.
        const QRegularExpression file(QStringLiteral("instrumentos\\\\+") + QRegularExpression::escape(fileName)
                                      + QStringLiteral("\\b"));
        if (line.contains(file) && line.contains(title))
            ++n;
    }
    return n;
}

bool tst_StartupE2E::waitForPushes(qsizetype from, const QString &fileName, const QStringList &titles)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kPushTimeout) {
        bool all = true;
        for (const QString &title : titles)
            all = all && pushes(from, fileName, title) > 0;
        if (all)
            return true;
        if (m_suite.state() == QProcess::NotRunning)
            return false;
        QTest::qWait(100);
    }
    return false;
}

QString tst_StartupE2E::describeLogSince(qsizetype from) const
{
    return QStringLiteral("suite %1; log since the write:\n%2")
        .arg(m_suite.state() == QProcess::Running ? QStringLiteral("running") : QStringLiteral("gone"),
             QString::fromUtf8(m_stderr.mid(from)).right(4000));
}

void tst_StartupE2E::startUpCreatesTheDefaultFiles()
{
    QTRY_VERIFY2_WITH_TIMEOUT(log().contains(QLatin1String("radod.startup|Start-up finished: 6 windows")),
                              qPrintable(log().right(4000)), kStartTimeout);

    // The resolved folder is logged once.
    QCOMPARE(linesSince(0, QStringLiteral("radod.startup")).filter(m_exchange->root()).size(), 1);

    QCOMPARE(m_exchange->bytes(QStringLiteral("lock.txt")), QByteArray("0"));
    QCOMPARE(m_exchange->bytes(QStringLiteral("lockGeral.txt")), QByteArray("0"));
    QCOMPARE(m_exchange->bytes(QStringLiteral("configCaravan.txt")), kCaravanDefault);
    QCOMPARE(m_exchange->bytes(QStringLiteral("configBaron.txt")), kBaronDefault);
    QCOMPARE(m_exchange->bytes(QStringLiteral("config.txt")), kCessnaDefault);
    QCOMPARE(m_exchange->bytes(QStringLiteral("configStandBy.txt")), kStandByDefault);
    // The avionics radio's settings menu loads the shared radio string at once
    // and writes a frequency set (field 6) other than 1 back as 2; every other
    // field stays as start-up created it.
    QList<QByteArray> radio = m_exchange->bytes(QStringLiteral("configRadio.txt")).split(',');
    QList<QByteArray> radioDefault = kRadioDefault.split(',');
    QCOMPARE(radio.size(), radioDefault.size());
    QVERIFY2(radio[6] == radioDefault[6] || radio[6] == "2", radio[6].constData());
    radio[6] = radioDefault[6];
    QCOMPARE(radio.join(','), kRadioDefault);

    // Nothing else: no value files (the bridge writes those), no temporary
    // files of the atomic writes.
    QStringList files = QDir(m_exchange->root()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    files.sort();
    QCOMPARE(files, QStringList({QStringLiteral("config.txt"), QStringLiteral("configBaron.txt"),
                                 QStringLiteral("configCaravan.txt"), QStringLiteral("configRadio.txt"),
                                 QStringLiteral("configStandBy.txt"), QStringLiteral("lock.txt"),
                                 QStringLiteral("lockGeral.txt")}));
}

void tst_StartupE2E::valueFileReachesThePanels()
{
    const QString file = QStringLiteral("TimedProcessing.txt");
    // A bridge that starts after the suite creates the file.
    qsizetype from = m_stderr.size();
    QVERIFY(m_exchange->writeInPlace(file, "1;2;3"));
    QVERIFY2(waitForPushes(from, file, kPanelTitles), qPrintable(describeLogSince(from)));

    // Rewritten in place, as most bridges do.
    from = m_stderr.size();
    QVERIFY(m_exchange->writeInPlace(file, "4;5;6;7"));
    QVERIFY2(waitForPushes(from, file, kPanelTitles), qPrintable(describeLogSince(from)));

    // Replaced: a new file renamed over the old one.
    from = m_stderr.size();
    QVERIFY(m_exchange->replace(file, "8;9;10;11;12"));
    QVERIFY2(waitForPushes(from, file, kPanelTitles), qPrintable(describeLogSince(from)));

    // The radio windows do not follow the panel values.
    for (const QString &title : kRadioTitles)
        QCOMPARE(pushes(0, file, title), 0);
}

void tst_StartupE2E::radioValueFileReachesTheRadios()
{
    const QString file = QStringLiteral("TPRadioAvionico.txt");
    qsizetype from = m_stderr.size();
    QVERIFY(m_exchange->writeInPlace(file, "118.00;110.50;121.90"));
    QVERIFY2(waitForPushes(from, file, kRadioTitles), qPrintable(describeLogSince(from)));

    from = m_stderr.size();
    QVERIFY(m_exchange->replace(file, "119.10;111.70;122.80"));
    QVERIFY2(waitForPushes(from, file, kRadioTitles), qPrintable(describeLogSince(from)));

    for (const QString &title : kPanelTitles)
        QCOMPARE(pushes(0, file, title), 0);
}

void tst_StartupE2E::lockFileReachesThePanels()
{
    const QString file = QStringLiteral("lock.txt");
    qsizetype from = m_stderr.size();
    QVERIFY(m_exchange->writeInPlace(file, "1"));
    QVERIFY2(waitForPushes(from, file, kPanelTitles), qPrintable(describeLogSince(from)));

    from = m_stderr.size();
    QVERIFY(m_exchange->replace(file, "0"));
    QVERIFY2(waitForPushes(from, file, kPanelTitles), qPrintable(describeLogSince(from)));

    // Still followed after the replacement.
    from = m_stderr.size();
    QVERIFY(m_exchange->writeInPlace(file, "1"));
    QVERIFY2(waitForPushes(from, file, kPanelTitles), qPrintable(describeLogSince(from)));
    from = m_stderr.size();
    QVERIFY(m_exchange->writeInPlace(file, "0"));
    QVERIFY2(waitForPushes(from, file, kPanelTitles), qPrintable(describeLogSince(from)));
}

void tst_StartupE2E::configurationFileReachesItsWindows()
{
    // Both radio windows share configRadio.txt; an edit reaches both.
    const QString file = QStringLiteral("configRadio.txt");
    const qsizetype from = m_stderr.size();
    QVERIFY(m_exchange->replace(file, "0,0,1.20,1.00,0,0,0,0.30"));
    QVERIFY2(waitForPushes(from, file, kRadioTitles), qPrintable(describeLogSince(from)));
    for (const QString &title : kPanelTitles)
        QCOMPARE(pushes(from, file, title), 0);
}

void tst_StartupE2E::closingAllWindowsEndsWithExitCodeZero()
{
#ifdef Q_OS_UNIX
    QCOMPARE(m_suite.state(), QProcess::Running);
    m_suite.terminate(); // SIGTERM: the suite closes all its windows
    QVERIFY2(m_suite.waitForFinished(60000), "the suite did not end after its windows were closed");
    m_stderr += m_suite.readAllStandardError();
    QCOMPARE(m_suite.exitStatus(), QProcess::NormalExit);
    QVERIFY2(m_suite.exitCode() == 0, qPrintable(log().right(4000)));
    QVERIFY(log().contains(QLatin1String("radod.startup|Termination requested: closing all windows")));

    // The layouts persist for the next start.
    QCOMPARE(m_exchange->bytes(QStringLiteral("configCaravan.txt")), kCaravanDefault);
#endif
}

QTEST_MAIN(tst_StartupE2E)

#include "tst_startup_e2e.moc"
