// The Baron, stand-by and Caravan windows as a user meets them: each module
// window built from the module table with its panel document, registered with
// a real instrument manager over a temporary exchange folder, a gauge dragged
// with real mouse events, and a "restart" that builds the window again from
// what its configuration file holds. The Caravan's L key locks every window.
#include "fileclass.h"
#include "instrumentmanager.h"
#include "modules.h"
#include "modulewindow.h"
#include "servicetestsupport.h"

#include <QLoggingCategory>
#include <QQuickItem>
#include <QQuickWidget>
#include <QtTest>

#include <memory>
#include <vector>

class tst_PanelsE2E : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("radod.*.debug=false")); }
    void init();
    void cleanup();

    void draggedGaugeStaysAfterRestart_data();
    void draggedGaugeStaysAfterRestart();
    void caravanLockKeyLocksEveryWindow();

private:
    // Start-up's steps: the manager, then one window of the table.
    void startManager();
    ModuleWindow *start(Module module);
    static QQuickItem *panelOf(ModuleWindow *window)
    {
        return qobject_cast<QQuickItem *>(window->getQuickWidget()->rootObject());
    }

    std::unique_ptr<support::Exchange> m_exchange;
    FileClass m_files;
    std::unique_ptr<InstrumentManager> m_manager;
    std::vector<std::unique_ptr<ModuleWindow>> m_windows;
};

void tst_PanelsE2E::init()
{
    qputenv("QT_QUICK_CONTROLS_STYLE", "Material");
    m_exchange = std::make_unique<support::Exchange>();
    QVERIFY(m_exchange->writeInPlace(QStringLiteral("TimedProcessing.txt"), QByteArray("0;0;0")));
    startManager();
}

void tst_PanelsE2E::startManager()
{
    m_manager = std::make_unique<InstrumentManager>(&m_files);
    m_manager->initializeConfigWatcher(ExchangeDirectory::literalRoot());
    m_manager->initializeLock(support::Exchange::literal(QStringLiteral("lockGeral.txt")));
    m_manager->initializeLock(support::Exchange::literal(QStringLiteral("lock.txt")));
}

void tst_PanelsE2E::cleanup()
{
    m_manager.reset();
    m_windows.clear();
    m_exchange.reset();
}

ModuleWindow *tst_PanelsE2E::start(Module module)
{
    const ModuleInfo &info = Modules::info(module);
    StartupTexts texts;
    texts.lock = m_files.readTextFromFile(support::Exchange::literal(QStringLiteral("lock.txt")));
    texts.values = m_files.readTextFromFile(support::Exchange::literal(QStringLiteral("TimedProcessing.txt")));
    const QString configPath = support::Exchange::literal(info.configFile);
    const QString layout = m_files.readConfigFromFile(configPath, info.defaultLayout);
    std::unique_ptr<ModuleWindow> window = ModuleWindow::create(module, texts, layout, &m_files);
    if (!window)
        return nullptr;
    window->setWindowTitle(info.startupTitle);
    m_manager->registerInstrument(window.get(), window->getQuickWidget(), configPath, info.layoutProperty,
                                  info.defaultLayout, info.valueFiles);
    if (!QTest::qWaitForWindowExposed(window.get()))
        return nullptr;
    m_windows.push_back(std::move(window));
    return m_windows.back().get();
}

void tst_PanelsE2E::draggedGaugeStaysAfterRestart_data()
{
    QTest::addColumn<int>("module");
    QTest::addColumn<QString>("gauge");
    QTest::addColumn<int>("xField");
    QTest::newRow("Baron vertical speed") << int(Module::Baron) << "vs" << 5 + 4 * 12;
    QTest::newRow("stand-by suction") << int(Module::StandBy) << "suctionInst" << 4 * 4;
    QTest::newRow("Caravan torque") << int(Module::Caravan) << "torqueInst" << 4 * 3;
}

void tst_PanelsE2E::draggedGaugeStaysAfterRestart()
{
    QFETCH(int, module);
    QFETCH(QString, gauge);
    QFETCH(int, xField);
    const Module which = Module(module);
    const QString configFile = Modules::info(which).configFile;

    ModuleWindow *window = start(which);
    QVERIFY(window);
    QQuickItem *g = panelOf(window)->findChild<QQuickItem *>(gauge);
    QVERIFY(g);
    const QPointF before = g->position();
    const QPointF scene = g->mapToScene(QPointF(g->width() / 2, g->height() / 2));
    const QPoint from = window->getQuickWidget()->mapTo(window, scene.toPoint());
    QWindow *handle = window->windowHandle();
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, from);
    for (int i = 1; i <= 10; ++i)
        QTest::mouseMove(handle, from + QPoint(-6 * i, 4 * i));
    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, from + QPoint(-60, 40));
    const QPointF dropped = g->position();
    QVERIFY(dropped != before);
    QTRY_COMPARE_WITH_TIMEOUT(support::layoutField(m_exchange->bytes(configFile), xField), QString::number(int(dropped.x())),
                              support::kTimeout);
    QCOMPARE(support::layoutField(m_exchange->bytes(configFile), xField + 1), QString::number(int(dropped.y())));

    // Restart: a new manager and window from what the file holds.
    m_manager.reset();
    m_windows.clear();
    startManager();
    window = start(which);
    QVERIFY(window);
    g = panelOf(window)->findChild<QQuickItem *>(gauge);
    QCOMPARE(g->position(), QPointF(int(dropped.x()), int(dropped.y())));
}

void tst_PanelsE2E::caravanLockKeyLocksEveryWindow()
{
    ModuleWindow *caravan = start(Module::Caravan);
    ModuleWindow *standBy = start(Module::StandBy);
    QVERIFY(caravan && standBy);
    QCOMPARE(m_exchange->bytes(QStringLiteral("lock.txt")), QByteArray("0"));
    caravan->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(caravan));
    caravan->getQuickWidget()->setFocus();
    panelOf(caravan)->forceActiveFocus();
    QTest::keyClick(caravan->windowHandle(), Qt::Key_L);
    QTRY_COMPARE_WITH_TIMEOUT(m_exchange->bytes(QStringLiteral("lock.txt")), QByteArray("1"), support::kTimeout);
    for (ModuleWindow *w : {caravan, standBy}) {
        QTRY_VERIFY_WITH_TIMEOUT(w->windowFlags() & Qt::FramelessWindowHint, support::kTimeout);
        QVERIFY(w->windowFlags() & Qt::WindowStaysOnTopHint);
        QTRY_VERIFY_WITH_TIMEOUT(panelOf(w)->property("flagLock").toBool(), support::kTimeout);
    }
}

QTEST_MAIN(tst_PanelsE2E)
#include "tst_panels_e2e.moc"
