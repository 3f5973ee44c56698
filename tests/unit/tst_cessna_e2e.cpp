// The Cessna window as a user meets it: the module window with its panel
// document, registered with a real instrument manager over a temporary
// exchange folder, driven by a value file and edited with the mouse and the
// keyboard. A "restart" is a new window built from what config.txt holds.
#include "cessna.h"
#include "fileclass.h"
#include "instrumentmanager.h"
#include "modules.h"
#include "servicetestsupport.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QWheelEvent>
#include <QtTest>

#include <memory>

namespace {

const QString kConfig = QStringLiteral("config.txt");
const QString kLayoutProperty = QStringLiteral("configStringCessna");

QString defaultLayout()
{
    return Modules::info(Module::Cessna).defaultLayout;
}

// An item of a scene by object name, through the visual tree (delegates of
// repeaters included).
QQuickItem *findItem(QQuickItem *item, const QString &name)
{
    if (!item)
        return nullptr;
    if (item->objectName() == name)
        return item;
    for (QQuickItem *child : item->childItems()) {
        if (QQuickItem *found = findItem(child, name))
            return found;
    }
    return nullptr;
}

} // namespace

class tst_CessnaE2E : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("radod.*.debug=false")); }
    void init();
    void cleanup();

    void showsAllGaugesDrivenByTheValueFile();
    void draggedGaugeStaysAfterRestart();
    void wheelZoomStaysAfterRestart();
    void layoutMenuMovesAGaugeByNumber();
    void lockStopsEditingAndRemovesFrames();

private:
    // Start-up's steps for the Cessna window.
    void start();
    QQuickItem *panel() const { return qobject_cast<QQuickItem *>(m_window->getQuickWidget()->rootObject()); }
    QQuickItem *gauge(const char *name) const { return panel()->findChild<QQuickItem *>(QLatin1String(name)); }
    // A point of a gauge in the module window's coordinates.
    QPoint inWindow(QQuickItem *item, QPointF local) const;
    QQuickWindow *layoutWindow() const;
    QQuickItem *menuItem(const char *name) const;
    void clickInLayoutWindow(QQuickItem *item);

    std::unique_ptr<support::Exchange> m_exchange;
    FileClass m_files; // the one file service, as start-up makes it
    std::unique_ptr<InstrumentManager> m_manager;
    std::unique_ptr<Cessna> m_window;
};

void tst_CessnaE2E::init()
{
    // As start-up selects it, before the first document with controls loads.
    qputenv("QT_QUICK_CONTROLS_STYLE", "Material");
    m_exchange = std::make_unique<support::Exchange>();
    QVERIFY(m_exchange->writeInPlace(QStringLiteral("TimedProcessing.txt"),
                                     QByteArray("0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;105;0;2400")));
    start();
}

void tst_CessnaE2E::cleanup()
{
    if (QQuickWindow *w = m_window ? layoutWindow() : nullptr)
        w->close();
    m_window.reset();
    m_manager.reset();
    m_exchange.reset();
}

void tst_CessnaE2E::start()
{
    m_window.reset();
    m_manager = std::make_unique<InstrumentManager>(&m_files);
    FileClass *files = &m_files;
    m_manager->initializeConfigWatcher(ExchangeDirectory::literalRoot());
    const QString lock = files->readTextFromFile(support::Exchange::literal(QStringLiteral("lock.txt")));
    m_manager->initializeLock(support::Exchange::literal(QStringLiteral("lockGeral.txt")));
    m_manager->initializeLock(support::Exchange::literal(QStringLiteral("lock.txt")));
    const QString values = files->readTextFromFile(support::Exchange::literal(QStringLiteral("TimedProcessing.txt")));
    const QString layout = files->readConfigFromFile(support::Exchange::literal(kConfig), defaultLayout());
    m_window = std::make_unique<Cessna>(values, lock, layout, files);
    m_window->setWindowTitle(QStringLiteral("Radod - Módulo Cessna"));
    m_manager->registerInstrument(m_window.get(), m_window->getQuickWidget(), support::Exchange::literal(kConfig),
                                  kLayoutProperty, defaultLayout(),
                                  {QStringLiteral("TimedProcessing.txt"), QStringLiteral("lock.txt")});
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTRY_VERIFY_WITH_TIMEOUT(panel() != nullptr, support::kTimeout);
}

QPoint tst_CessnaE2E::inWindow(QQuickItem *item, QPointF local) const
{
    const QPointF scene = item->mapToScene(local);
    return m_window->getQuickWidget()->mapTo(m_window.get(), scene.toPoint());
}

QQuickWindow *tst_CessnaE2E::layoutWindow() const
{
    QQuickItem *root = panel();
    return root ? qvariant_cast<QQuickWindow *>(root->property("layoutWindow")) : nullptr;
}

QQuickItem *tst_CessnaE2E::menuItem(const char *name) const
{
    QQuickWindow *w = layoutWindow();
    return w ? findItem(w->contentItem(), QLatin1String(name)) : nullptr;
}

void tst_CessnaE2E::clickInLayoutWindow(QQuickItem *item)
{
    QVERIFY(item);
    const QPoint centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
    QTest::mouseClick(layoutWindow(), Qt::LeftButton, Qt::NoModifier, centre);
}

void tst_CessnaE2E::showsAllGaugesDrivenByTheValueFile()
{
    const QStringList names{"airspeedInst", "altimeterInst", "attitudeInst", "headingInst", "turnSlipInst",
                            "verticalSpeedInst", "oilTempPressInst", "vacAmpInst", "dualFuelInst",
                            "egtFuelFlowInst", "davtronInst", "rpmInst", "vorInst", "obsInst", "adfInst",
                            "linearCompInst", "annInst", "markerInst", "plateInst", "hsiInst", "trimInst", "dmeInst"};
    for (const QString &name : names) {
        QQuickItem *g = panel()->findChild<QQuickItem *>(name);
        QVERIFY2(g && g->isVisible(), qPrintable(name));
    }
    QCOMPARE(gauge("airspeedInst")->position(), QPointF(440, 226));
    QCOMPARE(gauge("dmeInst")->position(), QPointF(630, 700));
    QCOMPARE(gauge("airspeedInst")->property("value").toDouble(), 105.0);
    QCOMPARE(m_window->size(), QSize(1920, 1017));

    QVERIFY(m_exchange->writeInPlace(QStringLiteral("TimedProcessing.txt"),
                                     QByteArray("0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;88;0;2500")));
    QTRY_COMPARE_WITH_TIMEOUT(gauge("rpmInst")->property("value").toDouble(), 2500.0, support::kTimeout);
    QCOMPARE(gauge("airspeedInst")->property("value").toDouble(), 88.0);
}

void tst_CessnaE2E::draggedGaugeStaysAfterRestart()
{
    QQuickItem *rpm = gauge("rpmInst");
    QWindow *window = m_window->windowHandle();
    const QPoint from = inWindow(rpm, QPointF(105, 105));
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, from);
    for (int i = 1; i <= 10; ++i)
        QTest::mouseMove(window, from + QPoint(-8 * i, -5 * i));
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, from + QPoint(-80, -50));
    const QPointF dropped = rpm->position();
    QVERIFY(dropped != QPointF(872, 658));
    QTRY_COMPARE_WITH_TIMEOUT(support::layoutField(m_exchange->bytes(kConfig), 44), QString::number(int(dropped.x())),
                              support::kTimeout);
    QCOMPARE(support::layoutField(m_exchange->bytes(kConfig), 45), QString::number(int(dropped.y())));

    start();
    QCOMPARE(gauge("rpmInst")->position(), QPointF(int(dropped.x()), int(dropped.y())));
}

void tst_CessnaE2E::wheelZoomStaysAfterRestart()
{
    QVERIFY(m_exchange->writeInPlace(QStringLiteral("lock.txt"), "0"));
    QQuickWidget *widget = m_window->getQuickWidget();
    const QPointF at(1500, 900);
    for (int notch = 0; notch < 2; ++notch) {
        QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(widget, &wheel);
    }
    QTRY_COMPARE_WITH_TIMEOUT(support::layoutField(m_exchange->bytes(kConfig), 93), QStringLiteral("1.1"), support::kTimeout);

    start();
    QQuickItem *container = panel()->findChild<QQuickItem *>(QStringLiteral("container"));
    QVERIFY(container);
    QCOMPARE(container->scale(), 1.1);
}

void tst_CessnaE2E::layoutMenuMovesAGaugeByNumber()
{
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_window->getQuickWidget()->setFocus();
    QTest::keyClick(m_window->windowHandle(), Qt::Key_Escape);
    QQuickWindow *menuWindow = layoutWindow();
    QVERIFY(menuWindow);
    QTRY_VERIFY_WITH_TIMEOUT(menuWindow->isVisible(), support::kTimeout);
    QCOMPARE(menuWindow->title(), QStringLiteral("C172 Instruments Configuration Panel"));
    QVERIFY(QTest::qWaitForWindowExposed(menuWindow));

    // Select the VOR by clicking it in the preview, then type its new x.
    clickInLayoutWindow(menuItem("area12"));
    QQuickItem *xField = menuItem("xField");
    QVERIFY(xField);
    QCOMPARE(xField->property("text").toString(), QStringLiteral("1088"));
    clickInLayoutWindow(xField);
    QTRY_VERIFY(xField->hasActiveFocus());
    QTest::keyClick(menuWindow, Qt::Key_A, Qt::ControlModifier);
    for (const char digit : {'9', '0', '0'})
        QTest::keyClick(menuWindow, digit);
    QTest::keyClick(menuWindow, Qt::Key_Return);

    // Saved with the window's geometry; the panel follows through the manager.
    QTRY_COMPARE_WITH_TIMEOUT(support::layoutField(m_exchange->bytes(kConfig), 48), QStringLiteral("900"), support::kTimeout);
    const QByteArray saved = m_exchange->bytes(kConfig);
    QCOMPARE(support::layoutField(saved, 91), QString::number(m_window->width()));
    QCOMPARE(support::layoutField(saved, 92), QString::number(m_window->height()));
    QTRY_COMPARE_WITH_TIMEOUT(gauge("vorInst")->x(), 900.0, support::kTimeout);
}

void tst_CessnaE2E::lockStopsEditingAndRemovesFrames()
{
    QVERIFY(!(m_window->windowFlags() & Qt::FramelessWindowHint));
    QMetaObject::invokeMethod(panel(), "showLayoutWindow");
    QQuickWindow *menuWindow = layoutWindow();
    QVERIFY(QTest::qWaitForWindowExposed(menuWindow));
    clickInLayoutWindow(menuItem("lockBox"));
    QCOMPARE(m_exchange->bytes(QStringLiteral("lock.txt")), QByteArray("1"));
    QTRY_VERIFY_WITH_TIMEOUT(panel()->property("flagLock").toBool(), support::kTimeout);
    QTRY_VERIFY_WITH_TIMEOUT(m_window->windowFlags() & Qt::FramelessWindowHint, support::kTimeout);
    QVERIFY(m_window->windowFlags() & Qt::WindowStaysOnTopHint);

    // Neither a drag nor the wheel changes anything now.
    const QByteArray before = m_exchange->bytes(kConfig);
    QQuickItem *hsi = gauge("hsiInst");
    QWindow *window = m_window->windowHandle();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QPoint from = inWindow(hsi, QPointF(105, 105));
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, from);
    for (int i = 1; i <= 10; ++i)
        QTest::mouseMove(window, from + QPoint(6 * i, 6 * i));
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, from + QPoint(60, 60));
    QCOMPARE(hsi->position(), QPointF(6, 218));
    QQuickWidget *widget = m_window->getQuickWidget();
    QWheelEvent wheel(QPointF(1500, 900), widget->mapToGlobal(QPointF(1500, 900)), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(widget, &wheel);
    QTest::qWait(200);
    QCOMPARE(m_exchange->bytes(kConfig), before);

    // Unticked: frames back.
    clickInLayoutWindow(menuItem("lockBox"));
    QCOMPARE(m_exchange->bytes(QStringLiteral("lock.txt")), QByteArray("0"));
    QTRY_VERIFY_WITH_TIMEOUT(!(m_window->windowFlags() & Qt::FramelessWindowHint), support::kTimeout);
    QTRY_VERIFY_WITH_TIMEOUT(!panel()->property("flagLock").toBool(), support::kTimeout);
}

QTEST_MAIN(tst_CessnaE2E)
#include "tst_cessna_e2e.moc"
