// The G1000 displays as users meet them: opened through the settings file
// extraWindows.txt beside the six panels, each built from the module table
// with its document, registered with a real instrument manager over a
// temporary exchange folder.
#include "extrawindows.h"
#include "fileclass.h"
#include "instrumentmanager.h"
#include "modules.h"
#include "modulewindow.h"
#include "servicetestsupport.h"

#include <QLoggingCategory>
#include <QQuickItem>
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

private:
    std::vector<std::unique_ptr<ModuleWindow>> openFromSettings(const QByteArray &settings);
    static QQuickItem *documentOf(ModuleWindow *window)
    {
        return qobject_cast<QQuickItem *>(window->getQuickWidget()->rootObject());
    }

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

std::vector<std::unique_ptr<ModuleWindow>> tst_G1000Windows::openFromSettings(const QByteArray &settings)
{
    if (!settings.isNull())
        m_exchange->writeInPlace(ExtraWindows::settingsFile(), settings);
    StartupTexts texts;
    texts.values = m_files.readTextFromFile(support::Exchange::literal(QStringLiteral("TimedProcessing.txt")));
    return ExtraWindows::open(texts, &m_files, m_manager.get());
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
    QVERIFY(openFromSettings(QByteArray()).empty());
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
    const auto windows = openFromSettings("EIS\nAnnunciator 2\nAnnunciator two\nReferencesScreen\nSpeedReferences\n");
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

QTEST_MAIN(tst_G1000Windows)
#include "tst_g1000_windows.moc"
