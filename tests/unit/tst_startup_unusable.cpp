// Start-up on an exchange folder that cannot take files: radod-panels opens
// its six windows all the same, warns once for each file (or folder) it could
// not write, naming it, the reason and that layouts will not be kept, and
// never reports a file as created; scripts/run.sh refuses a folder that
// cannot be made with one sentence instead of a raw mkdir error.
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_LINUX
#include <linux/capability.h>
#include <sys/prctl.h>
#include <unistd.h>
#endif

namespace {

// Generous: six windows start on a loaded two-core machine.
constexpr int kStartTimeout = 180000;
// Exit status of a suite that could not give up the superuser's right to
// write through permissions.
constexpr int kCannotDropOverride = 77;

const QStringList kStartupFiles{QStringLiteral("lockGeral.txt"), QStringLiteral("lock.txt"),
                                QStringLiteral("configCaravan.txt"), QStringLiteral("configBaron.txt"),
                                QStringLiteral("config.txt"), QStringLiteral("configStandBy.txt"),
                                QStringLiteral("configRadio.txt")};

const QString kNotKept = QStringLiteral("; os arranjos não serão guardados");

} // namespace

class tst_StartupUnusable : public QObject
{
    Q_OBJECT

private slots:
    void suiteRunsOn_data();
    void suiteRunsOn();
    void runScriptRefuses_data();
    void runScriptRefuses();
};

void tst_StartupUnusable::suiteRunsOn_data()
{
    QTest::addColumn<bool>("readOnlyFolder"); // else a file stands in its place
    // Each file of start-up is refused in a read-only folder; in place of a
    // folder, the folder itself is.
    QTest::addColumn<QStringList>("refused");
    QTest::newRow("read-only folder") << true << kStartupFiles;
    QTest::newRow("file in its place") << false << QStringList{QString()};
}

void tst_StartupUnusable::suiteRunsOn()
{
#ifndef Q_OS_LINUX
    QSKIP("Closes the suite with SIGTERM and drops capabilities, as only Linux does.");
#else
    QFETCH(bool, readOnlyFolder);
    QFETCH(QStringList, refused);
    QTemporaryDir base;
    const QString folder = base.path() + QStringLiteral("/instrumentos");
    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ExeOwner;
    if (readOnlyFolder) {
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::setPermissions(folder, readOnly));
    } else {
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly) && blocker.write("not a folder") == 12);
    }
    const auto restore = qScopeGuard([&] {
        QFile::setPermissions(folder, readOnly | QFile::WriteOwner);
    });

    QByteArray log;
    QProcess suite;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("RADOD_EXCHANGE_DIR"), folder);
    env.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{type}|%{category}|%{message}"));
    suite.setProcessEnvironment(env);
    // The superuser writes through permissions; the suite runs without that
    // right, as any user would.
    suite.setChildProcessModifier([] {
        if (geteuid() == 0
            && (prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE, 0, 0, 0) != 0
                || prctl(PR_CAPBSET_DROP, CAP_DAC_READ_SEARCH, 0, 0, 0) != 0))
            _exit(kCannotDropOverride);
    });
    connect(&suite, &QProcess::readyReadStandardError, this, [&] { log += suite.readAllStandardError(); });
    suite.start(QStringLiteral(RADOD_BIN_DIR "/radod-panels"), {});
    QVERIFY2(suite.waitForStarted(30000), qPrintable(suite.errorString()));
    QTRY_VERIFY2_WITH_TIMEOUT(log.contains("info|radod.startup|Start-up finished: 6 windows")
                                  || suite.state() == QProcess::NotRunning,
                              log.right(4000).constData(), kStartTimeout);
    if (suite.state() == QProcess::NotRunning && suite.exitCode() == kCannotDropOverride)
        QSKIP("cannot run the suite without the superuser's override of permissions");
    QVERIFY2(suite.state() == QProcess::Running, log.right(4000).constData());
    suite.terminate();
    QVERIFY(suite.waitForFinished(60000));
    log += suite.readAllStandardError();
    QCOMPARE(suite.exitCode(), 0);

    // One warning for each thing refused, naming it, the reason and the
    // consequence; nothing said to be created, no other complaint about files.
    const QString text = QString::fromUtf8(log);
    QVERIFY2(!text.contains(QLatin1String("reposicao criada")), qPrintable(text.right(4000)));
    QStringList warnings;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const bool quiet = line.startsWith(QLatin1String("debug|")) || line.startsWith(QLatin1String("info|"));
        if (!quiet && line.contains(QLatin1String("|radod.files|")))
            warnings << line;
    }
    QCOMPARE(warnings.size(), refused.size());
    for (const QString &name : refused) {
        const QString path = QDir::toNativeSeparators(name.isEmpty() ? folder : folder + QLatin1Char('/') + name);
        const QRegularExpression said(QStringLiteral("^warning\\|radod\\.files\\|.+: %1 \\(.+\\)%2$")
                                          .arg(QRegularExpression::escape(path), QRegularExpression::escape(kNotKept)));
        QVERIFY2(!warnings.filter(said).isEmpty(), qPrintable(path + QLatin1Char('\n') + warnings.join('\n')));
    }
    // And nothing was written.
    if (readOnlyFolder) {
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    } else {
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::ReadOnly));
        QCOMPARE(blocker.readAll(), QByteArray("not a folder"));
    }
#endif
}

void tst_StartupUnusable::runScriptRefuses_data()
{
    QTest::addColumn<QString>("below"); // the folder, below a file
    QTest::newRow("a file") << QString();
    QTest::newRow("below a file") << QStringLiteral("/instrumentos");
}

void tst_StartupUnusable::runScriptRefuses()
{
#ifdef Q_OS_WIN
    QSKIP("scripts/run.sh is a Unix shell script.");
#endif
    QFETCH(QString, below);
    QTemporaryDir base;
    const QString file = base.path() + QStringLiteral("/Radod");
    QFile blocker(file);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString folder = file + below;

    QProcess script;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("RADOD_EXCHANGE_DIR"), folder);
    script.setProcessEnvironment(env);
    script.start(QStringLiteral("bash"), {QStringLiteral(RADOD_SOURCE_DIR "/scripts/run.sh")});
    // It stops before building anything.
    QVERIFY(script.waitForFinished(30000));
    QCOMPARE(script.exitCode(), 1);
    QCOMPARE(script.readAllStandardOutput(), QByteArray());
    const QString said = QString::fromUtf8(script.readAllStandardError());
    QVERIFY2(said.startsWith(QStringLiteral("run.sh: the exchange folder %1 ").arg(folder)) && said.count('\n') == 1
                 && said.endsWith(QLatin1String(".\n")),
             qPrintable(said));
    QVERIFY(QFileInfo(file).isFile());
}

QTEST_MAIN(tst_StartupUnusable)

#include "tst_startup_unusable.moc"
