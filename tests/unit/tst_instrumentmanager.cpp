// The instrument manager: what reaches which document, in which order, and
// that files stay followed whatever their writers do.
#include "fileclass.h"
#include "instrumentmanager.h"
#include "servicetestsupport.h"

#include <QMainWindow>
#include <QPointer>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWidget>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

using support::kTimeout;

namespace {

// Debug lines of the push and manager categories, as "category: message".
QStringList &capturedLog()
{
    static QStringList lines;
    return lines;
}
QtMessageHandler previousHandler = nullptr;

void captureHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const QLatin1String category(context.category ? context.category : "");
    if (type == QtDebugMsg && (category == QLatin1String("radod.push") || category == QLatin1String("radod.manager"))) {
        capturedLog().append(category + QLatin1String(": ") + message);
        return;
    }
    previousHandler(type, context, message);
}

// Recipients of pushes of `property`, in push order.
QStringList pushedTo(const QString &property)
{
    static const QRegularExpression re(QStringLiteral("^radod\\.push: push (\\S+) <- .* to (.*)$"));
    QStringList names;
    for (const QString &line : std::as_const(capturedLog())) {
        const auto m = re.match(line);
        if (m.hasMatch() && m.captured(1) == property)
            names.append(m.captured(2));
    }
    return names;
}

int countLog(const QString &text)
{
    int n = 0;
    for (const QString &line : std::as_const(capturedLog()))
        n += line.contains(text) ? 1 : 0;
    return n;
}

struct Module
{
    const char *title;
    const char *configFile;
    const char *property;
    bool radio;
};

// The six modules of start-up, in its order.
const Module kModules[] = {
    {"Caravan", "configCaravan.txt", "configStringCaravan", false},
    {"Baron", "configBaron.txt", "configStringBaron", false},
    {"Cessna", "config.txt", "configStringCessna", false},
    {"StandBy", "configStandBy.txt", "configStringStandBy", false},
    {"RadioAvionico", "configRadio.txt", "formDataString", true},
    {"RadioCompac", "configRadio.txt", "formDataString", true},
};

} // namespace

class TestInstrumentManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void valuesReachPanelsInRegistrationOrder();
    void radioFilesReachOnlyRadioWindows();
    void configFileReachesOnlyItsWindows();
    void lockSwitchesFramesAndKeepsVisibility();
    void eitherLockFileReappliesLockTxt();
    void lockFileCreatedAtStartIsFollowed();
    void replacedFilesStayFollowed();
    void deletedAndRewrittenFilesStayFollowed();
    void lateCreatedFilesArePushed();
    void folderCreatedAfterStartIsWatched();
    void folderCreatedByAnotherProgramIsWatched();
    void folderDeletedWhileRunningIsWrittenBack_data();
    void folderDeletedWhileRunningIsWrittenBack();
    void layoutSeenMissingIsStillWrittenBack();
    void destroyedRecipientsAreSkipped();
    void badInputIsPushedWithoutHarm_data();
    void badInputIsPushedWithoutHarm();
    void oversizedFilesAreNotPushed();
    void folderWhereAFileShouldBe();
    void engineFormLoadsAndFollows();
    void emptyMomentOfRewriteIsNotPushed();
    void emptiedFileIsPushedAfterTheGrace();
    void furtherEmptyReadsExtendTheWait();
    void identicalValueTextIsNotPushedAgain();
    void plainManagerPushesEveryRead();

private:
    // Start-up as the main routine does it, without the value files.
    void startSuite(bool withLockFiles = true);
    QMainWindow *window(const char *title) const;
    QQuickWidget *widget(const char *title) const;
    QString prop(const char *title, const char *name) const;

    std::unique_ptr<support::Exchange> m_ex;
    std::unique_ptr<FileClass> m_files; // the one file service, as start-up makes it
    std::unique_ptr<InstrumentManager> m_manager;
    QList<QPointer<QMainWindow>> m_windows;
};

void TestInstrumentManager::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("radod.push.debug=true\nradod.manager.debug=true"));
    previousHandler = qInstallMessageHandler(captureHandler);
}

void TestInstrumentManager::init()
{
    capturedLog().clear();
    m_ex = std::make_unique<support::Exchange>();
    m_files = std::make_unique<FileClass>();
    m_manager = std::make_unique<InstrumentManager>(m_files.get());
}

void TestInstrumentManager::cleanup()
{
    for (const QPointer<QMainWindow> &w : std::as_const(m_windows))
        delete w.data();
    m_windows.clear();
    m_manager.reset();
    m_files.reset();
    m_ex.reset();
}

void TestInstrumentManager::startSuite(bool withLockFiles)
{
    if (withLockFiles) {
        QVERIFY(m_ex->writeInPlace(QStringLiteral("lockGeral.txt"), "0"));
        QVERIFY(m_ex->writeInPlace(QStringLiteral("lock.txt"), "0"));
    }
    m_manager->initializeConfigWatcher(ExchangeDirectory::literalRoot());
    m_manager->initializeLock(support::Exchange::literal(QStringLiteral("lockGeral.txt")));
    m_manager->initializeLock(support::Exchange::literal(QStringLiteral("lock.txt")));
    FileClass *files = m_manager->fileService();
    QCOMPARE(files, m_files.get());
    // Each window is announced with its document's widget, before it shows.
    QList<QPair<QQuickWidget *, bool>> announced;
    const auto announcement = connect(m_manager.get(), &InstrumentManager::windowRegistered, this,
                                      [&announced](QMainWindow *window, QQuickWidget *quickWidget) {
                                          announced.append({quickWidget, window->isVisible()});
                                      });
    for (const Module &m : kModules) {
        const QString config = support::Exchange::literal(QLatin1String(m.configFile));
        const QString defaults = QStringLiteral("default-%1").arg(QLatin1String(m.configFile));
        files->readConfigFromFile(config, defaults);
        auto *w = new QMainWindow;
        w->setWindowTitle(QLatin1String(m.title));
        w->setWindowFlag(Qt::WindowStaysOnTopHint);
        auto *quick = new QQuickWidget(w);
        w->setCentralWidget(quick);
        w->resize(200, 120);
        m_windows.append(w);
        const QStringList values = m.radio ? QStringList{QStringLiteral("TPRadioAvionico.txt")}
                                           : QStringList{QStringLiteral("TimedProcessing.txt"),
                                                         QStringLiteral("lock.txt")};
        m_manager->registerInstrument(w, quick, config, QLatin1String(m.property), defaults, values);
        QVERIFY(w->isVisible());
        QCOMPARE(announced.size(), 1);
        QCOMPARE(announced.takeFirst(), qMakePair(quick, false));
    }
    disconnect(announcement);
}

QMainWindow *TestInstrumentManager::window(const char *title) const
{
    for (const QPointer<QMainWindow> &w : m_windows) {
        if (w && w->windowTitle() == QLatin1String(title))
            return w;
    }
    return nullptr;
}

QQuickWidget *TestInstrumentManager::widget(const char *title) const
{
    QMainWindow *w = window(title);
    return w ? qobject_cast<QQuickWidget *>(w->centralWidget()) : nullptr;
}

QString TestInstrumentManager::prop(const char *title, const char *name) const
{
    QQuickWidget *w = widget(title);
    return w ? w->rootContext()->contextProperty(QLatin1String(name)).toString()
             : QStringLiteral("<no widget>");
}

void TestInstrumentManager::valuesReachPanelsInRegistrationOrder()
{
    startSuite();
    capturedLog().clear();
    QVERIFY(m_ex->writeInPlace(QStringLiteral("TimedProcessing.txt"), "1;2;3"));
    for (const char *panel : {"Caravan", "Baron", "Cessna", "StandBy"})
        QTRY_COMPARE_WITH_TIMEOUT(prop(panel, "TimedProcessing"), QStringLiteral("1;2;3"), kTimeout);

    // Every notification pushes to all four, always in registration order.
    const QStringList order = pushedTo(QStringLiteral("TimedProcessing"));
    QVERIFY(!order.isEmpty());
    QCOMPARE(order.size() % 4, 0);
    for (int i = 0; i < order.size(); ++i)
        QCOMPARE(order.at(i), QLatin1String(kModules[i % 4].title));
    // The push log names the file.
    QVERIFY(countLog(QStringLiteral("<- C:\\Radod\\instrumentos\\TimedProcessing.txt")) >= 4);

    // Radio windows are not touched by the panel value file.
    QVERIFY(!widget("RadioAvionico")->rootContext()->contextProperty(QStringLiteral("TimedProcessing")).isValid());
}

void TestInstrumentManager::radioFilesReachOnlyRadioWindows()
{
    startSuite();
    QVERIFY(m_ex->writeInPlace(QStringLiteral("TPRadioAvionico.txt"), "118.0;110.5"));
    QTRY_COMPARE_WITH_TIMEOUT(prop("RadioAvionico", "timedDataString"), QStringLiteral("118.0;110.5"), kTimeout);
    QTRY_COMPARE_WITH_TIMEOUT(prop("RadioCompac", "timedDataString"), QStringLiteral("118.0;110.5"), kTimeout);
    for (const char *panel : {"Caravan", "Baron", "Cessna", "StandBy"})
        QVERIFY(!widget(panel)->rootContext()->contextProperty(QStringLiteral("timedDataString")).isValid());

    // The shared radio layout reaches both radio windows, the avionics radio first.
    capturedLog().clear();
    QVERIFY(m_ex->writeInPlace(QStringLiteral("configRadio.txt"), "1,2,1.00,1,0,0,0,0.30"));
    QTRY_COMPARE_WITH_TIMEOUT(prop("RadioCompac", "formDataString"), QStringLiteral("1,2,1.00,1,0,0,0,0.30"), kTimeout);
    QCOMPARE(prop("RadioAvionico", "formDataString"), QStringLiteral("1,2,1.00,1,0,0,0,0.30"));
    const QStringList order = pushedTo(QStringLiteral("formDataString"));
    QCOMPARE(order.size() % 2, 0);
    for (int i = 0; i < order.size(); ++i)
        QCOMPARE(order.at(i), QLatin1String(i % 2 ? "RadioCompac" : "RadioAvionico"));
}

void TestInstrumentManager::configFileReachesOnlyItsWindows()
{
    startSuite();
    QVERIFY(m_ex->writeInPlace(QStringLiteral("config.txt"), "1,2,3,4"));
    QTRY_COMPARE_WITH_TIMEOUT(prop("Cessna", "configStringCessna"), QStringLiteral("1,2,3,4"), kTimeout);
    QVERIFY(pushedTo(QStringLiteral("configStringCaravan")).isEmpty());
    QVERIFY(pushedTo(QStringLiteral("formDataString")).isEmpty());

    // A file holding only white space reads as "".
    QVERIFY(m_ex->writeInPlace(QStringLiteral("config.txt"), "  \r\n"));
    QTRY_COMPARE_WITH_TIMEOUT(prop("Cessna", "configStringCessna"), QString(), kTimeout);

    // The file service's own (atomic) writes are pushed too, every time.
    for (const QString &text : {QStringLiteral("a,b"), QStringLiteral("c,d"), QStringLiteral("e,f")}) {
        m_manager->fileService()->writeFile(text, support::Exchange::literal(QStringLiteral("configBaron.txt")));
        QTRY_COMPARE_WITH_TIMEOUT(prop("Baron", "configStringBaron"), text, kTimeout);
    }
}

void TestInstrumentManager::lockSwitchesFramesAndKeepsVisibility()
{
    startSuite();
    window("StandBy")->hide();

    QVERIFY(m_ex->writeInPlace(QStringLiteral("lock.txt"), "1"));
    for (const Module &m : kModules)
        QTRY_VERIFY_WITH_TIMEOUT(window(m.title)->windowFlags().testFlag(Qt::FramelessWindowHint), kTimeout);
    for (const Module &m : kModules) {
        QMainWindow *w = window(m.title);
        QVERIFY(w->isWindow());
        QVERIFY(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(w->isVisible(), qstrcmp(m.title, "StandBy") != 0);
    }
    // The panel documents receive the lock text too; the radios do not follow it.
    for (const char *panel : {"Caravan", "Baron", "Cessna", "StandBy"})
        QTRY_COMPARE_WITH_TIMEOUT(prop(panel, "lock"), QStringLiteral("1"), kTimeout);
    QVERIFY(!widget("RadioCompac")->rootContext()->contextProperty(QStringLiteral("lock")).isValid());

    QVERIFY(m_ex->writeInPlace(QStringLiteral("lock.txt"), "0"));
    for (const Module &m : kModules)
        QTRY_VERIFY_WITH_TIMEOUT(!window(m.title)->windowFlags().testFlag(Qt::FramelessWindowHint), kTimeout);
    for (const Module &m : kModules) {
        QMainWindow *w = window(m.title);
        QVERIFY(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(w->isVisible(), qstrcmp(m.title, "StandBy") != 0);
    }

    // Only exactly "1" locks: "1" with a line end does not.
    const int handled = countLog(QStringLiteral("lockGeralChanged"));
    QVERIFY(m_ex->writeInPlace(QStringLiteral("lock.txt"), "1\n"));
    QTRY_COMPARE_WITH_TIMEOUT(prop("Caravan", "lock"), QStringLiteral("1\n"), kTimeout);
    QTRY_VERIFY_WITH_TIMEOUT(countLog(QStringLiteral("lockGeralChanged")) > handled, kTimeout);
    for (const Module &m : kModules)
        QVERIFY(!window(m.title)->windowFlags().testFlag(Qt::FramelessWindowHint));
}

void TestInstrumentManager::eitherLockFileReappliesLockTxt()
{
    startSuite();
    // lockGeral.txt changes, but lock.txt ("0") is what is applied.
    int handled = countLog(QStringLiteral("lockGeralChanged"));
    QVERIFY(m_ex->writeInPlace(QStringLiteral("lockGeral.txt"), "1"));
    QTRY_VERIFY_WITH_TIMEOUT(countLog(QStringLiteral("lockGeralChanged")) > handled, kTimeout);
    for (const Module &m : kModules)
        QVERIFY(!window(m.title)->windowFlags().testFlag(Qt::FramelessWindowHint));

    QVERIFY(m_ex->writeInPlace(QStringLiteral("lock.txt"), "1"));
    QTRY_VERIFY_WITH_TIMEOUT(window("Caravan")->windowFlags().testFlag(Qt::FramelessWindowHint), kTimeout);

    // A change of lockGeral.txt to "0" re-applies lock.txt, which still locks.
    handled = countLog(QStringLiteral("lockGeralChanged"));
    QVERIFY(m_ex->replace(QStringLiteral("lockGeral.txt"), "0"));
    QTRY_VERIFY_WITH_TIMEOUT(countLog(QStringLiteral("lockGeralChanged")) > handled, kTimeout);
    for (const Module &m : kModules)
        QVERIFY(window(m.title)->windowFlags().testFlag(Qt::FramelessWindowHint));
}

void TestInstrumentManager::lockFileCreatedAtStartIsFollowed()
{
    startSuite(/*withLockFiles=*/false);
    QCOMPARE(m_ex->bytes(QStringLiteral("lockGeral.txt")), QByteArray("0"));
    QCOMPARE(m_ex->bytes(QStringLiteral("lock.txt")), QByteArray("0"));

    QVERIFY(m_ex->writeInPlace(QStringLiteral("lock.txt"), "1"));
    QTRY_VERIFY_WITH_TIMEOUT(window("Baron")->windowFlags().testFlag(Qt::FramelessWindowHint), kTimeout);
    QTRY_COMPARE_WITH_TIMEOUT(prop("Baron", "lock"), QStringLiteral("1"), kTimeout);
}

void TestInstrumentManager::replacedFilesStayFollowed()
{
    startSuite();
    QVERIFY(m_ex->writeInPlace(QStringLiteral("TimedProcessing.txt"), "start"));
    QTRY_COMPARE_WITH_TIMEOUT(prop("Cessna", "TimedProcessing"), QStringLiteral("start"), kTimeout);
    for (int i = 0; i < 4; ++i) {
        const QString values = QStringLiteral("%1;%2").arg(i).arg(i * 10);
        QVERIFY(m_ex->replace(QStringLiteral("TimedProcessing.txt"), values.toUtf8()));
        QTRY_COMPARE_WITH_TIMEOUT(prop("Cessna", "TimedProcessing"), values, kTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(prop("StandBy", "TimedProcessing"), values, kTimeout);

        const QString layout = QStringLiteral("%1,0,1920,1080").arg(i);
        QVERIFY(m_ex->replace(QStringLiteral("configCaravan.txt"), layout.toUtf8()));
        QTRY_COMPARE_WITH_TIMEOUT(prop("Caravan", "configStringCaravan"), layout, kTimeout);

        const QByteArray lock = i % 2 ? "0" : "1";
        QVERIFY(m_ex->replace(QStringLiteral("lock.txt"), lock));
        QTRY_COMPARE_WITH_TIMEOUT(window("RadioCompac")->windowFlags().testFlag(Qt::FramelessWindowHint),
                                  lock == "1", kTimeout);
    }
}

void TestInstrumentManager::deletedAndRewrittenFilesStayFollowed()
{
    startSuite();
    QVERIFY(m_ex->writeInPlace(QStringLiteral("TimedProcessing.txt"), "1;1"));
    QTRY_COMPARE_WITH_TIMEOUT(prop("Caravan", "TimedProcessing"), QStringLiteral("1;1"), kTimeout);

    // The removal itself is pushed as "" ...
    QVERIFY(m_ex->remove(QStringLiteral("TimedProcessing.txt")));
    QTRY_COMPARE_WITH_TIMEOUT(prop("Caravan", "TimedProcessing"), QString(), kTimeout);
    // ... and the file written again is followed from then on.
    QVERIFY(m_ex->writeInPlace(QStringLiteral("TimedProcessing.txt"), "2;2"));
    QTRY_COMPARE_WITH_TIMEOUT(prop("Caravan", "TimedProcessing"), QStringLiteral("2;2"), kTimeout);
    QVERIFY(m_ex->writeInPlace(QStringLiteral("TimedProcessing.txt"), "3;3"));
    QTRY_COMPARE_WITH_TIMEOUT(prop("Caravan", "TimedProcessing"), QStringLiteral("3;3"), kTimeout);

    // A layout menu's reset deletes the configuration file; the next save is pushed.
    FileClass *files = m_manager->fileService();
    const QString config = support::Exchange::literal(QStringLiteral("configStandBy.txt"));
    files->deleteFile(config);
    QTRY_COMPARE_WITH_TIMEOUT(prop("StandBy", "configStringStandBy"), QString(), kTimeout);
    files->writeFile(QStringLiteral("9,9,9,1"), config);
    QTRY_COMPARE_WITH_TIMEOUT(prop("StandBy", "configStringStandBy"), QStringLiteral("9,9,9,1"), kTimeout);
    files->writeFile(QStringLiteral("8,8,8,1"), config);
    QTRY_COMPARE_WITH_TIMEOUT(prop("StandBy", "configStringStandBy"), QStringLiteral("8,8,8,1"), kTimeout);
}

void TestInstrumentManager::lateCreatedFilesArePushed()
{
    startSuite();
    QVERIFY(!m_ex->exists(QStringLiteral("TPRadioAvionico.txt")));
    // The bridge starts after the suite.
    QVERIFY(m_ex->replace(QStringLiteral("TPRadioAvionico.txt"), "first"));
    QTRY_COMPARE_WITH_TIMEOUT(prop("RadioAvionico", "timedDataString"), QStringLiteral("first"), kTimeout);
    QVERIFY(m_ex->writeInPlace(QStringLiteral("TPRadioAvionico.txt"), "second"));
    QTRY_COMPARE_WITH_TIMEOUT(prop("RadioCompac", "timedDataString"), QStringLiteral("second"), kTimeout);

    // Also with a name differing in letter case, as on the Windows file system.
    QVERIFY(m_ex->writeInPlace(QStringLiteral("timedprocessing.TXT"), "cased"));
    QTRY_COMPARE_WITH_TIMEOUT(prop("Baron", "TimedProcessing"), QStringLiteral("cased"), kTimeout);
    QVERIFY(m_ex->writeInPlace(QStringLiteral("timedprocessing.TXT"), "cased again"));
    QTRY_COMPARE_WITH_TIMEOUT(prop("Baron", "TimedProcessing"), QStringLiteral("cased again"), kTimeout);
}

void TestInstrumentManager::folderCreatedAfterStartIsWatched()
{
    QVERIFY(QDir(m_ex->root()).removeRecursively());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Pasta de configurações não encontrada:")));
    // The first lock file written makes the folder.
    startSuite(/*withLockFiles=*/false);
    QVERIFY(QFileInfo(m_ex->root()).isDir());
    QCOMPARE(m_ex->bytes(QStringLiteral("lock.txt")), QByteArray("0"));

    QVERIFY(m_ex->writeInPlace(QStringLiteral("TimedProcessing.txt"), "late"));
    QTRY_COMPARE_WITH_TIMEOUT(prop("StandBy", "TimedProcessing"), QStringLiteral("late"), kTimeout);
    // A lock file written later is followed and applied at once.
    QVERIFY(m_ex->writeInPlace(QStringLiteral("lock.txt"), "1"));
    QTRY_VERIFY_WITH_TIMEOUT(window("Cessna")->windowFlags().testFlag(Qt::FramelessWindowHint), kTimeout);
    QVERIFY(m_ex->writeInPlace(QStringLiteral("lock.txt"), "0"));
    QTRY_VERIFY_WITH_TIMEOUT(!window("Cessna")->windowFlags().testFlag(Qt::FramelessWindowHint), kTimeout);
}

void TestInstrumentManager::folderCreatedByAnotherProgramIsWatched()
{
    QVERIFY(QDir(m_ex->root()).removeRecursively());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Pasta de configurações não encontrada:")));
    m_manager->initializeConfigWatcher(ExchangeDirectory::literalRoot());
    QMainWindow w;
    auto *quick = new QQuickWidget(&w);
    m_manager->registerInstrument(&w, quick, support::Exchange::literal(QStringLiteral("configEIS.txt")),
                              QStringLiteral("configStringEIS"), QString(), {QStringLiteral("TimedProcessing.txt")});
    QVERIFY(!QFileInfo::exists(m_ex->root()));

    // The bridge creates the folder and its file after the suite started.
    QVERIFY(QDir().mkpath(m_ex->root()));
    QTRY_VERIFY_WITH_TIMEOUT(countLog(QStringLiteral("Adicionando pasta para monitorar:")) > 0, kTimeout);
    QVERIFY(m_ex->writeInPlace(QStringLiteral("TimedProcessing.txt"), "bridge"));
    QTRY_COMPARE_WITH_TIMEOUT(quick->rootContext()->contextProperty(QStringLiteral("TimedProcessing")).toString(),
                              QStringLiteral("bridge"), kTimeout);
    QVERIFY(m_ex->writeInPlace(QStringLiteral("configEIS.txt"), "1,2,3,4"));
    QTRY_COMPARE_WITH_TIMEOUT(quick->rootContext()->contextProperty(QStringLiteral("configStringEIS")).toString(),
                              QStringLiteral("1,2,3,4"), kTimeout);
}

void TestInstrumentManager::folderDeletedWhileRunningIsWrittenBack_data()
{
    QTest::addColumn<bool>("byLayoutWrite");
    QTest::newRow("made again by another program") << false;
    QTest::newRow("made again by a layout written") << true;
}

void TestInstrumentManager::folderDeletedWhileRunningIsWrittenBack()
{
    QFETCH(bool, byLayoutWrite);
    startSuite();
    QVERIFY(m_ex->replace(QStringLiteral("configCaravan.txt"), "caravan,arranged"));
    QVERIFY(m_ex->replace(QStringLiteral("configRadio.txt"), "radio,arranged"));
    QVERIFY(m_ex->replace(QStringLiteral("lock.txt"), "1"));
    QVERIFY(m_ex->writeInPlace(QStringLiteral("TimedProcessing.txt"), "1;2;3"));
    QTRY_COMPARE_WITH_TIMEOUT(prop("Caravan", "configStringCaravan"), QStringLiteral("caravan,arranged"), kTimeout);
    QTRY_COMPARE_WITH_TIMEOUT(prop("RadioCompac", "formDataString"), QStringLiteral("radio,arranged"), kTimeout);
    QTRY_VERIFY_WITH_TIMEOUT(window("Baron")->windowFlags().testFlag(Qt::FramelessWindowHint), kTimeout);
    QTRY_COMPARE_WITH_TIMEOUT(prop("Baron", "TimedProcessing"), QStringLiteral("1;2;3"), kTimeout);

    // What went with the folder reaches neither documents nor frames.
    QVERIFY(QDir(m_ex->root()).removeRecursively());
    QTest::qWait(3 * InstrumentManager::kRewriteGraceMs);
    QCOMPARE(prop("Caravan", "configStringCaravan"), QStringLiteral("caravan,arranged"));
    QCOMPARE(prop("Baron", "TimedProcessing"), QStringLiteral("1;2;3"));
    QCOMPARE(prop("Cessna", "lock"), QStringLiteral("1"));
    QVERIFY(window("Baron")->windowFlags().testFlag(Qt::FramelessWindowHint));

    if (byLayoutWrite)
        QVERIFY(m_files->write(QStringLiteral("baron,new"), support::Exchange::literal(QStringLiteral("configBaron.txt"))));
    else
        QVERIFY(QDir().mkpath(m_ex->root()));
    // Every layout and lock file is back as the documents hold it; the
    // bridge's files are not the suite's to write.
    QTRY_COMPARE_WITH_TIMEOUT(m_ex->bytes(QStringLiteral("configCaravan.txt")), QByteArray("caravan,arranged"), kTimeout);
    QCOMPARE(m_ex->bytes(QStringLiteral("configRadio.txt")), QByteArray("radio,arranged"));
    QCOMPARE(m_ex->bytes(QStringLiteral("config.txt")), QByteArray("default-config.txt"));
    QCOMPARE(m_ex->bytes(QStringLiteral("configBaron.txt")),
             byLayoutWrite ? QByteArray("baron,new") : QByteArray("default-configBaron.txt"));
    QCOMPARE(m_ex->bytes(QStringLiteral("lock.txt")), QByteArray("1"));
    QCOMPARE(m_ex->bytes(QStringLiteral("lockGeral.txt")), QByteArray("0"));
    QVERIFY(!m_ex->exists(QStringLiteral("TimedProcessing.txt")));
    // ...and followed again.
    QVERIFY(m_ex->writeInPlace(QStringLiteral("configStandBy.txt"), "standby,later"));
    QTRY_COMPARE_WITH_TIMEOUT(prop("StandBy", "configStringStandBy"), QStringLiteral("standby,later"), kTimeout);
}

// A layout file found missing in a folder that is there (its removal handled
// only after the folder was made again, or removed alone) is not an empty
// layout: what the documents were given last is what comes back with the folder.
void TestInstrumentManager::layoutSeenMissingIsStillWrittenBack()
{
    startSuite();
    QVERIFY(m_ex->replace(QStringLiteral("configCaravan.txt"), "caravan,arranged"));
    QVERIFY(m_ex->replace(QStringLiteral("lock.txt"), "1"));
    QTRY_COMPARE_WITH_TIMEOUT(prop("Caravan", "configStringCaravan"), QStringLiteral("caravan,arranged"), kTimeout);
    QTRY_COMPARE_WITH_TIMEOUT(prop("Cessna", "lock"), QStringLiteral("1"), kTimeout);
    QVERIFY(m_ex->remove(QStringLiteral("configCaravan.txt")));
    QVERIFY(m_ex->remove(QStringLiteral("lock.txt")));
    QTest::qWait(3 * InstrumentManager::kRewriteGraceMs);

    QVERIFY(QDir(m_ex->root()).removeRecursively());
    QVERIFY(QDir().mkpath(m_ex->root()));
    QTRY_COMPARE_WITH_TIMEOUT(m_ex->bytes(QStringLiteral("configCaravan.txt")), QByteArray("caravan,arranged"), kTimeout);
    QCOMPARE(m_ex->bytes(QStringLiteral("lock.txt")), QByteArray("1"));
}

void TestInstrumentManager::destroyedRecipientsAreSkipped()
{
    startSuite();
    delete window("Baron");                      // window and document gone
    delete widget("Cessna");                     // document gone, window still there
    QVERIFY(m_ex->writeInPlace(QStringLiteral("TimedProcessing.txt"), "after"));
    QTRY_COMPARE_WITH_TIMEOUT(prop("StandBy", "TimedProcessing"), QStringLiteral("after"), kTimeout);
    QCOMPARE(prop("Caravan", "TimedProcessing"), QStringLiteral("after"));
    QVERIFY(m_ex->writeInPlace(QStringLiteral("configBaron.txt"), "x"));
    QVERIFY(m_ex->writeInPlace(QStringLiteral("lock.txt"), "1"));
    QTRY_VERIFY_WITH_TIMEOUT(window("Cessna")->windowFlags().testFlag(Qt::FramelessWindowHint), kTimeout);
    QVERIFY(window("Cessna")->isVisible());
    QCOMPARE(pushedTo(QStringLiteral("TimedProcessing")).count(QStringLiteral("Baron")), 0);
}

void TestInstrumentManager::badInputIsPushedWithoutHarm_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("white space") << QByteArray(" \t\r\n ");
    QTest::newRow("at the size limit") << QByteArray(FileClass::kMaxFileSize, '7');
    QTest::newRow("binary") << support::binaryBytes();
    QTest::newRow("invalid UTF-8") << support::invalidUtf8();
    QTest::newRow("byte-order mark, CRLF") << QByteArray("\xef\xbb\xbf" "1;2\r\n");
}

void TestInstrumentManager::badInputIsPushedWithoutHarm()
{
    QFETCH(QByteArray, bytes);
    startSuite();
    QVERIFY(m_ex->writeInPlace(QStringLiteral("TimedProcessing.txt"), "before"));
    QTRY_COMPARE_WITH_TIMEOUT(prop("Caravan", "TimedProcessing"), QStringLiteral("before"), kTimeout);

    QVERIFY(m_ex->replace(QStringLiteral("TimedProcessing.txt"), bytes));
    const QString expected = FileClass().readTextFromFile(support::Exchange::literal(QStringLiteral("TimedProcessing.txt")));
    QTRY_COMPARE_WITH_TIMEOUT(prop("StandBy", "TimedProcessing"), expected, kTimeout);
    QVERIFY(m_ex->replace(QStringLiteral("config.txt"), bytes));
    const QString layout = FileClass().readTextFromFile(support::Exchange::literal(QStringLiteral("config.txt")));
    QTRY_COMPARE_WITH_TIMEOUT(prop("Cessna", "configStringCessna"), layout, kTimeout);
    // A lock file with any of it is not "1".
    QVERIFY(m_ex->replace(QStringLiteral("lock.txt"), bytes));
    QTRY_COMPARE_WITH_TIMEOUT(prop("Baron", "lock"),
                              FileClass().readTextFromFile(support::Exchange::literal(QStringLiteral("lock.txt"))), kTimeout);
    QVERIFY(!window("Baron")->windowFlags().testFlag(Qt::FramelessWindowHint));
}

void TestInstrumentManager::oversizedFilesAreNotPushed()
{
    // A value, layout and lock file grown to 50 MB (sparse): nothing is
    // pushed, the frames stay, the GUI thread is not held, and the files'
    // next sane content is pushed again.
    startSuite();
    QVERIFY(m_ex->writeInPlace(QStringLiteral("TimedProcessing.txt"), "before"));
    QVERIFY(m_ex->writeInPlace(QStringLiteral("config.txt"), "layout before"));
    QVERIFY(m_ex->writeInPlace(QStringLiteral("lock.txt"), "1"));
    QTRY_COMPARE_WITH_TIMEOUT(prop("Caravan", "TimedProcessing"), QStringLiteral("before"), kTimeout);
    QTRY_COMPARE_WITH_TIMEOUT(prop("Cessna", "configStringCessna"), QStringLiteral("layout before"), kTimeout);
    QTRY_VERIFY_WITH_TIMEOUT(window("Baron")->windowFlags().testFlag(Qt::FramelessWindowHint), kTimeout);

    QElapsedTimer handling;
    qint64 longest = 0;
    connect(m_manager.get(), &InstrumentManager::notificationReceived, this, [&] { handling.start(); });
    connect(m_manager.get(), &InstrumentManager::notificationHandled, this,
            [&] { longest = std::max(longest, handling.elapsed()); });
    QSignalSpy pushes(m_manager.get(), &InstrumentManager::pushStarted);
    QSignalSpy handled(m_manager.get(), &InstrumentManager::notificationHandled);
    const QStringList names = {QStringLiteral("TimedProcessing.txt"), QStringLiteral("config.txt"), QStringLiteral("lock.txt")};
    for (const QString &name : names) {
        QFile f(m_ex->real(name));
        QVERIFY(f.open(QIODevice::ReadWrite) && f.resize(qint64(50) * 1024 * 1024));
    }
    QTRY_VERIFY_WITH_TIMEOUT(handled.size() >= names.size(), kTimeout);
    // Past the wait for the rest of a rewrite, too.
    QTest::qWait(3 * InstrumentManager::kRewriteGraceMs);
    QCOMPARE(pushes.size(), 0);
    QVERIFY2(longest < 50, qPrintable(QStringLiteral("%1 ms for one notification").arg(longest)));
    QCOMPARE(prop("StandBy", "TimedProcessing"), QStringLiteral("before"));
    QCOMPARE(prop("Cessna", "configStringCessna"), QStringLiteral("layout before"));
    QVERIFY(window("Baron")->windowFlags().testFlag(Qt::FramelessWindowHint));

    QVERIFY(m_ex->writeInPlace(QStringLiteral("TimedProcessing.txt"), "after"));
    QVERIFY(m_ex->writeInPlace(QStringLiteral("config.txt"), "layout after"));
    QVERIFY(m_ex->writeInPlace(QStringLiteral("lock.txt"), "0"));
    QTRY_COMPARE_WITH_TIMEOUT(prop("StandBy", "TimedProcessing"), QStringLiteral("after"), kTimeout);
    QTRY_COMPARE_WITH_TIMEOUT(prop("Cessna", "configStringCessna"), QStringLiteral("layout after"), kTimeout);
    QTRY_VERIFY_WITH_TIMEOUT(!window("Baron")->windowFlags().testFlag(Qt::FramelessWindowHint), kTimeout);
}

void TestInstrumentManager::folderWhereAFileShouldBe()
{
    QVERIFY(QDir(m_ex->root()).mkdir(QStringLiteral("TimedProcessing.txt")));
    QVERIFY(QDir(m_ex->root()).mkdir(QStringLiteral("lock.txt")));
    QVERIFY(m_ex->writeInPlace(QStringLiteral("lockGeral.txt"), "0"));
    startSuite(/*withLockFiles=*/false);
    QVERIFY(QFileInfo(m_ex->real(QStringLiteral("lock.txt"))).isDir()); // left as it is

    // Nothing is followed through the folders; once they give way to files,
    // the files are.
    QVERIFY(QDir(m_ex->root()).rmdir(QStringLiteral("TimedProcessing.txt")));
    QVERIFY(m_ex->writeInPlace(QStringLiteral("TimedProcessing.txt"), "file now"));
    QTRY_COMPARE_WITH_TIMEOUT(prop("Caravan", "TimedProcessing"), QStringLiteral("file now"), kTimeout);
    QVERIFY(QDir(m_ex->root()).rmdir(QStringLiteral("lock.txt")));
    QVERIFY(m_ex->writeInPlace(QStringLiteral("lock.txt"), "1"));
    QTRY_VERIFY_WITH_TIMEOUT(window("Caravan")->windowFlags().testFlag(Qt::FramelessWindowHint), kTimeout);
}

void TestInstrumentManager::engineFormLoadsAndFollows()
{
    QTemporaryDir qmlDir;
    const QString qmlFile = qmlDir.filePath(QStringLiteral("Document.qml"));
    {
        QFile f(qmlFile);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("import QtQuick\nItem { property string layout: configStringEIS }\n");
    }
    QQmlApplicationEngine engine;
    const QString config = support::Exchange::literal(QStringLiteral("configEIS.txt"));
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("^Arquivo nao existente, reposicao criada:")));
    m_manager->registerInstrument(&engine, config, QStringLiteral("configStringEIS"), QStringLiteral("0,0,800,600"),
                                  {QStringLiteral("TimedProcessing.txt")}, QUrl::fromLocalFile(qmlFile).toString());
    QCOMPARE(m_ex->bytes(QStringLiteral("configEIS.txt")), QByteArray("0,0,800,600"));
    QCOMPARE(engine.rootObjects().size(), 1);
    QCOMPARE(engine.rootObjects().first()->property("layout").toString(), QStringLiteral("0,0,800,600"));
    QCOMPARE(engine.rootContext()->contextProperty(QStringLiteral("fileclass")).value<QObject *>(), m_files.get());

    QVERIFY(m_ex->writeInPlace(QStringLiteral("configEIS.txt"), "5,5,640,480"));
    QTRY_COMPARE_WITH_TIMEOUT(engine.rootObjects().first()->property("layout").toString(),
                              QStringLiteral("5,5,640,480"), kTimeout);
    QVERIFY(m_ex->writeInPlace(QStringLiteral("TimedProcessing.txt"), "7;7"));
    QTRY_COMPARE_WITH_TIMEOUT(engine.rootContext()->contextProperty(QStringLiteral("TimedProcessing")).toString(),
                              QStringLiteral("7;7"), kTimeout);
}

namespace {

// Empties a file the way an in-place writer does first (open with truncation).
void truncate(const support::Exchange &ex, const QString &name)
{
    QFile f(ex.real(name));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
}

// Pushes of `property` that set the empty text.
int emptyPushes(const QString &property)
{
    const QString push = QStringLiteral("push %1 <-").arg(property);
    int n = 0;
    for (const QString &line : std::as_const(capturedLog()))
        n += line.contains(push) && line.contains(QStringLiteral("(0 characters)")) ? 1 : 0;
    return n;
}

} // namespace

void TestInstrumentManager::emptyMomentOfRewriteIsNotPushed()
{
    // A long grace: the test decides when the rewrite completes.
    m_manager->setRewriteGraceMs(60000);
    startSuite();
    QVERIFY(m_ex->writeInPlace(QStringLiteral("TimedProcessing.txt"), "1;2;3"));
    QVERIFY(m_ex->writeInPlace(QStringLiteral("lock.txt"), "1"));
    QTRY_COMPARE_WITH_TIMEOUT(prop("StandBy", "TimedProcessing"), QStringLiteral("1;2;3"), kTimeout);
    QTRY_VERIFY_WITH_TIMEOUT(window("Cessna")->windowFlags().testFlag(Qt::FramelessWindowHint), kTimeout);
    capturedLog().clear();

    // The writers have emptied their files; the manager has seen it.
    truncate(*m_ex, QStringLiteral("TimedProcessing.txt"));
    truncate(*m_ex, QStringLiteral("lock.txt"));
    truncate(*m_ex, QStringLiteral("config.txt"));
    QTRY_COMPARE_WITH_TIMEOUT(countLog(QStringLiteral("arquivo vazio durante a escrita")), 4, kTimeout);
    // values, lock values, lock frames, layout
    QCOMPARE(prop("Cessna", "TimedProcessing"), QStringLiteral("1;2;3"));
    QCOMPARE(prop("Cessna", "lock"), QStringLiteral("1"));
    QVERIFY(window("Cessna")->windowFlags().testFlag(Qt::FramelessWindowHint));

    // ... and then they write.
    QVERIFY(m_ex->writeInPlace(QStringLiteral("TimedProcessing.txt"), "4;5;6"));
    QVERIFY(m_ex->writeInPlace(QStringLiteral("lock.txt"), "1"));
    QVERIFY(m_ex->writeInPlace(QStringLiteral("config.txt"), "9,9,9,9"));
    QTRY_COMPARE_WITH_TIMEOUT(prop("StandBy", "TimedProcessing"), QStringLiteral("4;5;6"), kTimeout);
    QTRY_COMPARE_WITH_TIMEOUT(prop("Cessna", "configStringCessna"), QStringLiteral("9,9,9,9"), kTimeout);
    QTest::qWait(200);
    QCOMPARE(emptyPushes(QStringLiteral("TimedProcessing")), 0);
    QCOMPARE(emptyPushes(QStringLiteral("lock")), 0);
    QCOMPARE(emptyPushes(QStringLiteral("configStringCessna")), 0);
    QCOMPARE(prop("Cessna", "lock"), QStringLiteral("1"));
    QVERIFY(window("Cessna")->windowFlags().testFlag(Qt::FramelessWindowHint));
}

void TestInstrumentManager::emptiedFileIsPushedAfterTheGrace()
{
    startSuite();
    QVERIFY(m_ex->writeInPlace(QStringLiteral("TPRadioAvionico.txt"), "118.0"));
    QVERIFY(m_ex->writeInPlace(QStringLiteral("lock.txt"), "1"));
    QTRY_COMPARE_WITH_TIMEOUT(prop("RadioCompac", "timedDataString"), QStringLiteral("118.0"), kTimeout);
    QTRY_VERIFY_WITH_TIMEOUT(window("Baron")->windowFlags().testFlag(Qt::FramelessWindowHint), kTimeout);

    // Emptied for good, or deleted: the documents and the frames get it.
    truncate(*m_ex, QStringLiteral("TPRadioAvionico.txt"));
    QVERIFY(m_ex->remove(QStringLiteral("lock.txt")));
    QTRY_COMPARE_WITH_TIMEOUT(prop("RadioCompac", "timedDataString"), QString(), kTimeout);
    QTRY_COMPARE_WITH_TIMEOUT(prop("RadioAvionico", "timedDataString"), QString(), kTimeout);
    QTRY_COMPARE_WITH_TIMEOUT(prop("Baron", "lock"), QString(), kTimeout);
    QTRY_VERIFY_WITH_TIMEOUT(!window("Baron")->windowFlags().testFlag(Qt::FramelessWindowHint), kTimeout);
    QTest::qWait(3 * InstrumentManager::kRewriteGraceMs);
    QCOMPARE(emptyPushes(QStringLiteral("timedDataString")), 2);

    // Once empty, a further empty read has nothing to wait for.
    capturedLog().clear();
    truncate(*m_ex, QStringLiteral("TPRadioAvionico.txt"));
    QVERIFY(m_ex->writeInPlace(QStringLiteral("TPRadioAvionico.txt"), "121.5"));
    QTRY_COMPARE_WITH_TIMEOUT(prop("RadioAvionico", "timedDataString"), QStringLiteral("121.5"), kTimeout);
}

void TestInstrumentManager::furtherEmptyReadsExtendTheWait()
{
    constexpr int grace = 2000;
    m_manager->setRewriteGraceMs(grace);
    startSuite();
    QVERIFY(m_ex->writeInPlace(QStringLiteral("TimedProcessing.txt"), "1;2;3"));
    QTRY_COMPARE_WITH_TIMEOUT(prop("Cessna", "TimedProcessing"), QStringLiteral("1;2;3"), kTimeout);
    capturedLog().clear();

    truncate(*m_ex, QStringLiteral("TimedProcessing.txt"));
    QTRY_VERIFY_WITH_TIMEOUT(countLog(QStringLiteral("arquivo vazio durante a escrita")) > 0, kTimeout);
    QTest::qWait(grace * 3 / 4);
    truncate(*m_ex, QStringLiteral("TimedProcessing.txt")); // the writer is at it again
    QTest::qWait(grace / 2);
    // Past the first grace, but the second empty read started it again.
    QCOMPARE(emptyPushes(QStringLiteral("TimedProcessing")), 0);
    QVERIFY(m_ex->writeInPlace(QStringLiteral("TimedProcessing.txt"), "4;5;6"));
    QTRY_COMPARE_WITH_TIMEOUT(prop("Cessna", "TimedProcessing"), QStringLiteral("4;5;6"), kTimeout);
    QCOMPARE(emptyPushes(QStringLiteral("TimedProcessing")), 0);
}

void TestInstrumentManager::identicalValueTextIsNotPushedAgain()
{
    startSuite();
    QSignalSpy received(m_manager.get(), &InstrumentManager::notificationReceived);
    QSignalSpy handled(m_manager.get(), &InstrumentManager::notificationHandled);
    QSignalSpy readsStarted(m_manager.get(), &InstrumentManager::readStarted);
    QSignalSpy reads(m_manager.get(), &InstrumentManager::readFinished);
    QSignalSpy pushed(m_manager.get(), &InstrumentManager::pushFinished);
    QSignalSpy skipped(m_manager.get(), &InstrumentManager::pushSkipped);
    QVERIFY(m_ex->writeInPlace(QStringLiteral("TimedProcessing.txt"), "1;2;3"));
    QTRY_COMPARE_WITH_TIMEOUT(prop("Caravan", "TimedProcessing"), QStringLiteral("1;2;3"), kTimeout);
    QTRY_COMPARE_WITH_TIMEOUT(pushedTo(QStringLiteral("TimedProcessing")).size(), 4, kTimeout);

    // The same text again and again (a bridge of a parked aircraft), then a
    // new one: only the new one is set.
    for (int i = 0; i < 3; ++i) {
        QVERIFY(m_ex->writeInPlace(QStringLiteral("TimedProcessing.txt"), "1;2;3"));
        QTest::qWait(20);
    }
    QVERIFY(m_ex->writeInPlace(QStringLiteral("TimedProcessing.txt"), "1;2;4"));
    QTRY_COMPARE_WITH_TIMEOUT(prop("StandBy", "TimedProcessing"), QStringLiteral("1;2;4"), kTimeout);
    QCOMPARE(pushedTo(QStringLiteral("TimedProcessing")).size(), 8);

    // All of it is announced: every push and every push left out, with its
    // document and text, and each read and notification from start to end.
    QCOMPARE(pushed.size(), 8);
    QCOMPARE(pushed.last().at(0).value<QObject *>(), widget("StandBy"));
    QCOMPARE(pushed.last().at(2).toString(), QStringLiteral("1;2;4"));
    QVERIFY(skipped.size() >= 4);
    for (const QList<QVariant> &skip : std::as_const(skipped)) {
        QCOMPARE(skip.at(1).toString(), QStringLiteral("TimedProcessing"));
        QCOMPARE(skip.at(2).toString(), QStringLiteral("1;2;3"));
    }
    QVERIFY(received.size() >= 4);
    QCOMPARE(handled.size(), received.size());
    QCOMPARE(readsStarted.size(), reads.size());
    QCOMPARE(reads.last().at(1).toString(), QStringLiteral("1;2;4"));

    // Layout strings are set every time, identical or not.
    capturedLog().clear();
    for (int i = 0; i < 2; ++i) {
        QVERIFY(m_ex->replace(QStringLiteral("configBaron.txt"), "5,5,5"));
        QTRY_COMPARE_WITH_TIMEOUT(pushedTo(QStringLiteral("configStringBaron")).size(), i + 1, kTimeout);
    }
}

void TestInstrumentManager::plainManagerPushesEveryRead()
{
    m_manager->setPlain(true);
    startSuite();
    QVERIFY(m_ex->writeInPlace(QStringLiteral("TimedProcessing.txt"), "1;2;3"));
    QTRY_COMPARE_WITH_TIMEOUT(pushedTo(QStringLiteral("TimedProcessing")).size(), 4, kTimeout);
    QVERIFY(m_ex->writeInPlace(QStringLiteral("TimedProcessing.txt"), "1;2;3"));
    QTRY_VERIFY_WITH_TIMEOUT(pushedTo(QStringLiteral("TimedProcessing")).size() >= 8, kTimeout);
    // The empty moment of a rewrite goes out as it is.
    truncate(*m_ex, QStringLiteral("TimedProcessing.txt"));
    QTRY_VERIFY_WITH_TIMEOUT(emptyPushes(QStringLiteral("TimedProcessing")) >= 4, kTimeout);
    QCOMPARE(countLog(QStringLiteral("arquivo vazio durante a escrita")), 0);
}

QTEST_MAIN(TestInstrumentManager)
#include "tst_instrumentmanager.moc"
