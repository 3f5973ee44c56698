// The G1000 displays as users meet them: opened through the settings file
// extraWindows.txt beside the six panels, each built from the module table
// with its document, registered with a real instrument manager over a
// temporary exchange folder.
#include "caravan_express.h"
#include "extrawindows.h"
#include "fileclass.h"
#include "instrumentmanager.h"
#include "modules.h"
#include "modulewindow.h"
#include "servicetestsupport.h"

#include <QLoggingCategory>
#include <QQuickItem>
#include <QQuickWindow>
#include <QQuickWidget>
#include <QRegularExpression>
#include <QtTest>

#include <memory>
#include <vector>

using Request = ExtraWindows::Request;
Q_DECLARE_METATYPE(QList<Request>)

class tst_G1000Windows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("radod.*.debug=false")); }
    void init();
    void cleanup();

    void settingsLines_data();
    void settingsLines();
    void missingSettingsFileOpensNothing();
    void listedDisplaysOpenWithTheirFiles();
    void screenHostsCreateOrKeepTheirFiles_data();
    void screenHostsCreateOrKeepTheirFiles();

    void referencesKnobs_data();
    void referencesKnobs();
    void referencesPageOpensAndCloses();
    void speedsFileFollowedEndToEnd();

private:
    ExtraWindows::Opened openFromSettings(const QByteArray &settings);
    static QQuickItem *documentOf(ModuleWindow *window)
    {
        return qobject_cast<QQuickItem *>(window->getQuickWidget()->rootObject());
    }

    // What start-up reads before it opens windows.
    StartupTexts startupTexts()
    {
        StartupTexts texts;
        texts.values = m_files.readTextFromFile(support::Exchange::literal(QStringLiteral("TimedProcessing.txt")));
        return texts;
    }
    // The references screen as the settings file opens it, on the speeds given.
    std::unique_ptr<ModuleWindow> openReferences(const QByteArray &speeds);
    // Writes a knob command into commands.txt and waits until the channel has
    // taken it (it empties the file).
    bool command(const QString &word);

    std::unique_ptr<support::Exchange> m_exchange;
    FileClass m_files;
    std::unique_ptr<InstrumentManager> m_manager;
};

void tst_G1000Windows::init()
{
    m_exchange = std::make_unique<support::Exchange>();
    m_manager = std::make_unique<InstrumentManager>(&m_files);
    m_manager->initializeConfigWatcher(ExchangeDirectory::literalRoot());
    m_manager->initializeLock(support::Exchange::literal(QStringLiteral("lockGeral.txt")));
    m_manager->initializeLock(support::Exchange::literal(QStringLiteral("lock.txt")));
}

void tst_G1000Windows::cleanup()
{
    m_manager.reset();
    m_exchange.reset();
}

ExtraWindows::Opened tst_G1000Windows::openFromSettings(const QByteArray &settings)
{
    if (!settings.isNull())
        m_exchange->writeInPlace(ExtraWindows::settingsFile(), settings);
    return ExtraWindows::open(startupTexts(), &m_files, m_manager.get());
}

// What a settings text asks for, and how many of its lines are reported as
// skipped.
void tst_G1000Windows::settingsLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<Request>>("expected");
    QTest::addColumn<int>("skipped");

    const Request eis{Module::EIS, 0}, ann1{Module::Annunciator, 1}, ann2{Module::Annunciator, 2},
        refs{Module::ReferencesScreen, 0}, speeds{Module::SpeedReferences, 0};
    QTest::newRow("all, in their order") << "SpeedReferences\nEIS\nAnnunciator 2\nReferencesScreen\nAnnunciator 1"
                                         << QList<Request>{speeds, eis, ann2, refs, ann1} << 0;
    QTest::newRow("case, blanks, CRLF, comments, empty lines")
        << "# my displays\r\n\r\n  eis \r\nANNUNCIATOR\t1\r\n" << QList<Request>{eis, ann1} << 0;
    QTest::newRow("empty") << "" << QList<Request>{} << 0;
    QTest::newRow("a window asked for twice") << "EIS\nEIS\nAnnunciator 1\nannunciator 1"
                                              << QList<Request>{eis, ann1} << 2;
    QTest::newRow("unknown and malformed lines")
        << "Annunciator\nAnnunciator 3\nAnnunciator 12\nEIS please\nCaravan\nReferencesScreen"
        << QList<Request>{refs} << 5;
    QTest::newRow("G1000 screens either way, and the express window")
        << "G1000 2\nn 3\nN12\ng1000\t1\nCaravan_Express\nG1000 2\nG10002\nN 0\nN 100"
        << QList<Request>{{Module::G1000, 2}, {Module::G1000Screen, 3}, {Module::G1000Screen, 12}, {Module::G1000, 1},
                          {Module::CaravanExpress, 0}}
        << 4;
    QTest::newRow("binary junk") << QString::fromLatin1("\x01\x02\xff\n\x7f\nEIS\n\x80\x81") << QList<Request>{eis} << 3;
}

void tst_G1000Windows::settingsLines()
{
    QFETCH(QString, text);
    QFETCH(QList<Request>, expected);
    QFETCH(int, skipped);
    for (int i = 0; i < skipped; ++i)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^extraWindows.txt, line \\d+ skipped")));
    QCOMPARE(ExtraWindows::parse(text), expected);
}

// Without the file start-up is as it was: nothing opened, nothing written.
void tst_G1000Windows::missingSettingsFileOpensNothing()
{
    const ExtraWindows::Opened opened = openFromSettings(QByteArray());
    QVERIFY(opened.windows.empty() && !opened.express);
    for (const QString &name : {QStringLiteral("configEIS.txt"), QStringLiteral("configReferences.txt"),
                                QStringLiteral("speedsRef.txt"), ExtraWindows::settingsFile()})
        QVERIFY2(!m_exchange->exists(name), qPrintable(name));
}

// Each listed display opens as the six do: its configuration file created with
// its default, the window titled, placed, registered (and so shown); the
// references windows start with the reference speeds, created when missing.
// A malformed line in between costs only itself.
void tst_G1000Windows::listedDisplaysOpenWithTheirFiles()
{
    QVERIFY(m_exchange->writeInPlace(QStringLiteral("configReferences.txt"), "100,200,330,230,1"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("line 3 skipped")));
    const auto windows =
        openFromSettings("EIS\nAnnunciator 2\nAnnunciator two\nReferencesScreen\nSpeedReferences\n").windows;
    QCOMPARE(windows.size(), size_t(4));

    QStringList titles;
    for (const auto &w : windows) {
        titles << w->windowTitle();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QVERIFY2(documentOf(w.get()), qPrintable(w->windowTitle()));
    }
    QCOMPARE(titles, QStringList({"Radod - EIS", "Radod - Annunciator 2", "Radod - References",
                                  "Radod - Speed References"}));

    QCOMPARE(m_exchange->bytes(QStringLiteral("configEIS.txt")),
             Modules::info(Module::EIS).defaultLayout.toUtf8());
    QCOMPARE(m_exchange->bytes(QStringLiteral("configCaravanAnnunciator2.txt")),
             Modules::info(Module::Annunciator).defaultLayout.toUtf8());
    QVERIFY(!m_exchange->exists(QStringLiteral("configCaravanAnnunciator.txt")));
    QCOMPARE(m_exchange->bytes(QStringLiteral("configReferences.txt")), QByteArray("100,200,330,230,1"));
    QCOMPARE(m_exchange->bytes(QStringLiteral("speedsRef.txt")), ExtraWindows::kDefaultReferenceSpeeds.toUtf8());

    // The engine strip at its stored place and size; the annunciator window
    // fitted to its list (an empty one: the black box alone).
    ModuleWindow *eis = windows[0].get();
    QCOMPARE(eis->geometry().size(), QSize(240, 1000));
    ModuleWindow *annunciator = windows[1].get();
    QQuickItem *list = documentOf(annunciator);
    QTRY_COMPARE(annunciator->getQuickWidget()->size(), QSize(120, 32));
    QCOMPARE(QSizeF(list->width(), list->height()), QSizeF(120, 32));
    // The speed markers start with the speeds of the file.
    QCOMPARE(documentOf(windows[3].get())->property("speedsText").toString(), ExtraWindows::kDefaultReferenceSpeeds);
}

// Each host of a composed screen with its configuration file missing
// (created with the default, and the window placed by it) or valid (kept as
// it is, and the window placed by it); the document loaded and shown.
void tst_G1000Windows::screenHostsCreateOrKeepTheirFiles_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("stored"); // null: missing
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<QRect>("geometry");    // empty: not looked at

    const QString shared = QStringLiteral("configG1000.txt");
    const QString own = QStringLiteral("G1000/configN2.txt");
    const QByteArray sharedDefault = Modules::info(Module::G1000).defaultLayout.toUtf8();
    const QByteArray ownDefault = Modules::info(Module::G1000Screen).defaultLayout.toUtf8();
    const QByteArray sharedValid = "N1-0,0,1,1,1\nA-0,0,0,0,0\n\nN2-300,200,640,480,1\nA-0,0,0,0,0\nE-5,6,240,1000,1";
    const QByteArray ownValid = "310,210,650,490,1\nE-5,6,1\nR-7,8,330,230,1\nS-9,10,90,342,1";

    QTest::newRow("G1000 2, missing") << QByteArray("G1000 2") << shared << QByteArray() << sharedDefault
                                      << QRect(960, 40, 700, 1000);
    QTest::newRow("G1000 2, valid") << QByteArray("G1000 2") << shared << sharedValid << sharedValid
                                    << QRect(300, 200, 640, 480);
    QTest::newRow("N 2, missing") << QByteArray("N 2") << own << QByteArray() << ownDefault << QRect(0, 40, 700, 1000);
    QTest::newRow("N 2, valid") << QByteArray("N 2") << own << ownValid << ownValid << QRect(310, 210, 650, 490);
    QTest::newRow("N 2, damaged") << QByteArray("N 2") << own << QByteArray("\x01\xff,\n\n") << QByteArray("\x01\xff,\n\n")
                                  << QRect();
    QTest::newRow("express, missing") << QByteArray("caravan_express") << QStringLiteral("configEIS.txt") << QByteArray()
                                      << Modules::info(Module::EIS).defaultLayout.toUtf8() << QRect();
    QTest::newRow("express, valid") << QByteArray("caravan_express") << QStringLiteral("configEIS.txt")
                                    << QByteArray("1,2,240,1000,2") << QByteArray("1,2,240,1000,2") << QRect();
}

void tst_G1000Windows::screenHostsCreateOrKeepTheirFiles()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, file);
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, expected);
    QFETCH(QRect, geometry);
    if (!stored.isNull()) {
        QVERIFY(QDir(m_exchange->root()).mkpath(QStringLiteral("G1000")));
        QVERIFY(m_exchange->writeInPlace(file, stored));
    }
    const ExtraWindows::Opened opened = openFromSettings(line);
    QCOMPARE(m_exchange->bytes(file), expected);

    if (opened.express) {
        QVERIFY(opened.windows.empty());
        auto *window = qobject_cast<QQuickWindow *>(opened.express->rootObjects().value(0));
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->title(), QStringLiteral("Radod - Caravan Express"));
        QVERIFY(window->flags().testFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint));
        QQuickItem *strip = window->findChild<QQuickItem *>(QStringLiteral("engine"));
        QVERIFY(strip);
        // The strip's zoom is the stored one.
        QCOMPARE(strip->property("zoom").toReal(), stored.isNull() ? 1.0 : 2.0);
        return;
    }
    QCOMPARE(opened.windows.size(), size_t(1));
    ModuleWindow *window = opened.windows.front().get();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(documentOf(window));
    QCOMPARE(window->windowTitle(), line.startsWith("G") ? QStringLiteral("Radod - G1000 2")
                                                         : QStringLiteral("Radod - G1000 N 2"));
    if (!geometry.isEmpty()) {
        QTRY_COMPARE(window->pos(), geometry.topLeft());
        QCOMPARE(window->size(), geometry.size());
    } else {
        // Nothing in the file to place it by: it stays where it opened, on screen.
        QVERIFY(window->x() > -1000);
    }
}

std::unique_ptr<ModuleWindow> tst_G1000Windows::openReferences(const QByteArray &speeds)
{
    if (!m_exchange->writeInPlace(QStringLiteral("speedsRef.txt"), speeds))
        return nullptr;
    auto window = ExtraWindows::openWindow({Module::ReferencesScreen, 0}, startupTexts(), &m_files, m_manager.get());
    if (window && !QTest::qWaitForWindowExposed(window.get()))
        return nullptr;
    return window;
}

bool tst_G1000Windows::command(const QString &word)
{
    const QString name = QStringLiteral("commands.txt");
    if (!m_exchange->writeInPlace(name, word.toUtf8()))
        return false;
    return QTest::qWaitFor([&] { return m_exchange->bytes(name).isEmpty(); }, support::kTimeout);
}

// The page worked through the real command channel: from a state (the page's
// properties; the page starts with the cursor on START?, START? pressed),
// the knob commands written one by one into commands.txt, then the page's
// state and what speedsRef.txt holds ("" when it must stay as written).
void tst_G1000Windows::referencesKnobs_data()
{
    QTest::addColumn<QVariantMap>("start");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QVariantMap>("expected");
    QTest::addColumn<QByteArray>("speeds");

    const QString up = QStringLiteral("outer_cursor_up"), down = QStringLiteral("outer_cursor_down");
    const QString innerUp = QStringLiteral("inner_cursor_up"), innerDown = QStringLiteral("inner_cursor_down");
    const QString press = QStringLiteral("cursor_press");
    const QVariantMap released{{"startPressed", false}};
    const auto times = [](int n, const QString &word) { return QStringList(n, word); };

    QTest::newRow("outer knob stops at both ends")
        << released << times(3, down) + times(8, up) << QVariantMap{{"currentSelectionIndex", 7}} << QByteArray();
    QTest::newRow("outer knob down stops at 0")
        << released << times(3, down) << QVariantMap{{"currentSelectionIndex", 0}} << QByteArray();
    QTest::newRow("Vx up twice is saved")
        << released << QStringList{up} + times(2, innerUp) << QVariantMap{{"currentSelectionIndex", 3}}
        << QByteArray("87,105,70.5");
    QTest::newRow("Vr down, decimals dropped")
        << QVariantMap{{"startPressed", false}, {"currentSelectionIndex", 5}} << QStringList{innerDown}
        << QVariantMap{} << QByteArray("85,105,69");
    QTest::newRow("START? released, then pressed: locked")
        << QVariantMap{} << QStringList{press, press, up, up}
        << QVariantMap{{"isLocked", true}, {"currentSelectionIndex", 2}, {"startPressed", true}} << QByteArray();
    QTest::newRow("first press releases START? and keeps the cursor")
        << QVariantMap{} << QStringList{press} << QVariantMap{{"isLocked", false}, {"currentSelectionIndex", 2}}
        << QByteArray();
    QTest::newRow("locked: speeds stay")
        << QVariantMap{{"currentSelectionIndex", 4}} << QStringList{innerUp} << QVariantMap{} << QByteArray();
    QTest::newRow("press on Vr moves the cursor to START?")
        << QVariantMap{{"startPressed", false}, {"currentSelectionIndex", 5}} << QStringList{press}
        << QVariantMap{{"currentSelectionIndex", 2}, {"startPressed", false}} << QByteArray();
    QTest::newRow("direction to DN shows the kept timer, back to UP shows zero")
        << QVariantMap{{"startPressed", false}, {"lastTimerValue", "00:12:34"}, {"timerValue", "00:00:05"}}
        << QStringList{down, innerUp}
        << QVariantMap{{"timerDirection", "DN"}, {"timerValue", "00:12:34"}} << QByteArray();
    QTest::newRow("direction back to UP keeps the timer")
        << QVariantMap{{"startPressed", false}, {"timerDirection", "DN"}, {"timerValue", "00:07:00"}}
        << QStringList{down, innerDown}
        << QVariantMap{{"timerDirection", "UP"}, {"timerValue", "00:00:00"}, {"lastTimerValue", "00:07:00"}}
        << QByteArray();
    QTest::newRow("timer DN does not go below zero")
        << QVariantMap{{"startPressed", false}, {"timerDirection", "DN"}} << QStringList{down, down, innerDown}
        << QVariantMap{{"timerValue", "00:00:00"}} << QByteArray();
    QTest::newRow("timer DN up one second")
        << QVariantMap{{"startPressed", false}, {"timerDirection", "DN"}} << QStringList{down, down, innerUp}
        << QVariantMap{{"timerValue", "00:00:01"}} << QByteArray();
    QTest::newRow("timer carries into the hours")
        << QVariantMap{{"startPressed", false}, {"timerDirection", "DN"}, {"timerValue", "00:59:59"}}
        << QStringList{down, down, innerUp} << QVariantMap{{"timerValue", "01:00:00"}} << QByteArray();
    QTest::newRow("timer borrows from the hours")
        << QVariantMap{{"startPressed", false}, {"timerDirection", "DN"}, {"timerValue", "01:00:00"}}
        << QStringList{down, down, innerDown} << QVariantMap{{"timerValue", "00:59:59"}} << QByteArray();
    QTest::newRow("timer UP is not stepped")
        << QVariantMap{{"startPressed", false}} << QStringList{down, down, innerUp}
        << QVariantMap{{"timerValue", "00:00:00"}} << QByteArray();
    QTest::newRow("minimums value while OFF turns ON at 10")
        << QVariantMap{{"startPressed", false}, {"currentSelectionIndex", 7}} << QStringList{innerUp}
        << QVariantMap{{"minimumsStatus", "ON"}, {"minimumsValue", "10"}} << QByteArray();
    QTest::newRow("minimums value steps by 10 both ways")
        << QVariantMap{{"startPressed", false}, {"currentSelectionIndex", 7}}
        << QStringList{innerUp, innerUp, innerUp, innerDown} << QVariantMap{{"minimumsValue", "20"}} << QByteArray();
    QTest::newRow("minimums status ON from 0, OFF keeps the value")
        << QVariantMap{{"startPressed", false}, {"currentSelectionIndex", 7}, {"minimumsValue", "_____"}}
        << QStringList{innerUp, down, innerDown}
        << QVariantMap{{"minimumsStatus", "OFF"}, {"minimumsValue", "10"}} << QByteArray();
    QTest::newRow("pressed minimums status does not change")
        << QVariantMap{{"startPressed", false}, {"currentSelectionIndex", 6}} << QStringList{press, innerUp}
        << QVariantMap{{"minimumsOffPressed", true}, {"isLocked", true}, {"minimumsStatus", "OFF"}} << QByteArray();
    QTest::newRow("enter does nothing")
        << QVariantMap{} << QStringList{QStringLiteral("enter_press")}
        << QVariantMap{{"currentSelectionIndex", 2}, {"startPressed", true}} << QByteArray();
}

void tst_G1000Windows::referencesKnobs()
{
    QFETCH(QVariantMap, start);
    QFETCH(QStringList, commands);
    QFETCH(QVariantMap, expected);
    QFETCH(QByteArray, speeds);

    const QByteArray initialSpeeds("85,105,70.5");
    const auto window = openReferences(initialSpeeds);
    QVERIFY(window);
    QQuickItem *page = documentOf(window.get());
    for (auto i = start.cbegin(); i != start.cend(); ++i)
        QVERIFY(page->setProperty(qPrintable(i.key()), i.value()));
    for (const QString &word : commands)
        QVERIFY2(command(word), qPrintable(word));
    for (auto i = expected.cbegin(); i != expected.cend(); ++i)
        QCOMPARE(page->property(qPrintable(i.key())), i.value());
    // Speeds other than the one stepped keep their text.
    QCOMPARE(m_exchange->bytes(QStringLiteral("speedsRef.txt")), speeds.isEmpty() ? initialSpeeds : speeds);
}

// Field 92 at 2 puts the page's window at its stored place; anything else
// (another number, or the field absent) moves it off screen, x -10000, at its
// stored height.
void tst_G1000Windows::referencesPageOpensAndCloses()
{
    QVERIFY(m_exchange->writeInPlace(QStringLiteral("configReferences.txt"), "120,340,330,230,1"));
    const auto window = openReferences("85,105,70");
    QVERIFY(window);
    const QByteArray before(92, ';');
    for (const QByteArray &closed : {QByteArray("0"), QByteArray("2.5"), QByteArray()}) {
        QVERIFY(m_exchange->writeInPlace(QStringLiteral("TimedProcessing.txt"), before + "2"));
        QTRY_COMPARE(window->pos(), QPoint(120, 340));
        QVERIFY(m_exchange->writeInPlace(QStringLiteral("TimedProcessing.txt"),
                                         closed.isNull() ? before.left(91) : before + closed));
        // (The offscreen platform keeps a frame's margin at such places.)
        QTRY_VERIFY2(window->x() <= -9990, qPrintable(QString::number(window->x())));
        QCOMPARE(window->y(), 340);
    }
}

// The reference speeds from the page's knobs to the markers: the page writes
// speedsRef.txt, the manager pushes it to both windows, the markers move. An
// outside edit (a replacement) reaches both too; a deleted file leaves them
// as they are until it is written again.
void tst_G1000Windows::speedsFileFollowedEndToEnd()
{
    QVERIFY(m_exchange->writeInPlace(QStringLiteral("TimedProcessing.txt"), QByteArray(15, ';') + "80"));
    const auto page = openReferences("85,105,70");
    QVERIFY(page);
    const auto markers =
        ExtraWindows::openWindow({Module::SpeedReferences, 0}, startupTexts(), &m_files, m_manager.get());
    QVERIFY(markers);
    QQuickItem *overlay = documentOf(markers.get());
    QQuickItem *vr = overlay->findChild<QQuickItem *>(QStringLiteral("vrMarker"));
    QVERIFY(vr);
    const auto vrLine = [vr] { return vr->y() + vr->height() / 2; };
    const auto shown = [](QQuickItem *document) { return document->property("speeds").toStringList(); };
    QTRY_COMPARE(vrLine(), 169 + (80 - 70) * 5.8);

    // Release START?, cursor to Vr, Vr up three times.
    for (const char *word : {"cursor_press", "outer_cursor_up", "outer_cursor_up", "outer_cursor_up",
                             "inner_cursor_up", "inner_cursor_up", "inner_cursor_up"})
        QVERIFY2(command(QString::fromLatin1(word)), word);
    QCOMPARE(m_exchange->bytes(QStringLiteral("speedsRef.txt")), QByteArray("85,105,73"));
    QTRY_COMPARE(vrLine(), 169 + (80 - 73) * 5.8);

    QVERIFY(m_exchange->replace(QStringLiteral("speedsRef.txt"), "80,100,60"));
    QTRY_COMPARE(vrLine(), 169 + (80 - 60) * 5.8);
    QTRY_COMPARE(shown(documentOf(page.get())), QStringList({"80", "100", "60"}));

    QVERIFY(m_exchange->remove(QStringLiteral("speedsRef.txt")));
    QVERIFY(m_exchange->writeInPlace(QStringLiteral("TimedProcessing.txt"), QByteArray(15, ';') + "81"));
    QTRY_COMPARE(vrLine(), 169 + (81 - 60) * 5.8);
    QTest::qWait(2 * InstrumentManager::kRewriteGraceMs * InstrumentManager::kRewriteWaitLimit);
    QCOMPARE(shown(overlay), QStringList({"80", "100", "60"}));
    QCOMPARE(shown(documentOf(page.get())), QStringList({"80", "100", "60"}));

    QVERIFY(m_exchange->writeInPlace(QStringLiteral("speedsRef.txt"), "75,95,65"));
    QTRY_COMPARE(vrLine(), 169 + (81 - 65) * 5.8);
    QTRY_COMPARE(shown(documentOf(page.get())), QStringList({"75", "95", "65"}));
}

QTEST_MAIN(tst_G1000Windows)
#include "tst_g1000_windows.moc"
