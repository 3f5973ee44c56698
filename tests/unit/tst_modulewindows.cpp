// The module window family: what each window publishes to its document, how
// it is built, and the geometry the constructors apply from the layout string.
#include "annunciator.h"
#include "baron.h"
#include "caravan.h"
#include "caravan_express.h"
#include "cessna.h"
#include "eis.h"
#include "g1000commandmanager.h"
#include "radioavionico.h"
#include "radiocompac.h"
#include "referencesscreen.h"
#include "servicetestsupport.h"
#include "speedreferences.h"
#include "standby.h"
#include "viewmanager.h"

#include <QMenuBar>
#include <QQmlContext>
#include <QRegularExpression>
#include <QQuickItem>
#include <QQuickWidget>
#include <QStatusBar>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const QString kCaravanDefault =
    QStringLiteral("285,356,300,1,665,367,400,1,1045,352,300,1,1420,338,300,1,0,0,1920,1080");

// A document that records, when it is created, what its context offers.
const char kProbeDocument[] = R"(
import QtQuick
Item {
    property var seen: ({})
    Component.onCompleted: {
        var r = {};
        r.TimedProcessing = typeof TimedProcessing === "undefined" ? "<none>" : TimedProcessing;
        r.lock = typeof lock === "undefined" ? "<none>" : lock;
        r.layout = typeof configStringCaravan === "undefined" ? "<none>" : configStringCaravan;
        r.fileclass = typeof fileclass;
        r.viewManager = typeof viewManager;
        seen = r;
    }
}
)";

// A module window that hosts a test document instead of the module's own, so
// that what the shared construction does is seen apart from what documents do
// with their windows.
class ProbeWindow : public ModuleWindow
{
public:
    ProbeWindow(Module module, ModuleSetup setup, const QUrl &document)
        : ModuleWindow(module, withDocument(std::move(setup), document), nullptr)
    {
    }
    using ModuleWindow::panelSetup;

private:
    static ModuleSetup withDocument(ModuleSetup setup, const QUrl &document)
    {
        setup.document = document;
        return setup;
    }
};

QVariant contextValue(ModuleWindow *w, const char *name)
{
    return w->getQuickWidget()->rootContext()->contextProperty(QString::fromLatin1(name));
}

} // namespace

class tst_ModuleWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void contextIsCompleteWhenTheDocumentLoads();
    void everyWindowIsBuiltTheSameWay_data();
    void everyWindowIsBuiltTheSameWay();
    void panelWindowsPublishValuesLockLayoutAndServices_data();
    void panelWindowsPublishValuesLockLayoutAndServices();
    void radioWindowsPublishFileObjNotFileclass_data();
    void radioWindowsPublishFileObjNotFileclass();
    void caravanAppliesGeometryOnlyFromTwentyFields();
    void geometryFieldsThatAreNotWholeNumbersCountAsZero();
    void g1000WindowsApplyGeometryFromFourFields();
    void geometryServiceSavesIntoTheModulesFields_data();
    void geometryServiceSavesIntoTheModulesFields();
    void annunciatorGeometryServiceFollowsItsId();
    void referencesScreenHasTheCommandChannel();
    void speedReferencesIsTranslucent();
    void caravanExpressIsAnEngineWithoutParent();

private:
    QUrl writeDocument(const QString &name, const QByteArray &text);
    // A window of `module` over an empty document, built from `layout`.
    std::unique_ptr<ProbeWindow> probe(Module module, const QString &layout, int annunciatorId = 1);

    QTemporaryDir m_documents;
    QUrl m_emptyDocument;
    std::unique_ptr<support::Exchange> m_exchange;
    std::unique_ptr<FileClass> m_files;
};

QUrl tst_ModuleWindows::writeDocument(const QString &name, const QByteArray &text)
{
    QFile file(m_documents.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return QUrl();
    return QUrl::fromLocalFile(file.fileName());
}

std::unique_ptr<ProbeWindow> tst_ModuleWindows::probe(Module module, const QString &layout, int annunciatorId)
{
    ModuleSetup setup = ProbeWindow::panelSetup(module, QString(), QString(), layout, m_files.get());
    if (module == Module::Annunciator)
        setup.configFile = Modules::annunciatorConfigFile(annunciatorId);
    return std::make_unique<ProbeWindow>(module, setup, m_emptyDocument);
}

void tst_ModuleWindows::initTestCase()
{
    qputenv("QT_QUICK_CONTROLS_STYLE", "Material");
    m_emptyDocument = writeDocument(QStringLiteral("Empty.qml"), "import QtQuick\nItem {}\n");
    QVERIFY(m_emptyDocument.isValid());
}

void tst_ModuleWindows::init()
{
    m_exchange = std::make_unique<support::Exchange>();
    m_files = std::make_unique<FileClass>();
}

void tst_ModuleWindows::cleanup()
{
    m_files.reset();
    m_exchange.reset();
}

void tst_ModuleWindows::contextIsCompleteWhenTheDocumentLoads()
{
    const QUrl document = writeDocument(QStringLiteral("Probe.qml"), kProbeDocument);
    ProbeWindow window(Module::Caravan,
                       ProbeWindow::panelSetup(Module::Caravan, QStringLiteral("1;2;3"), QStringLiteral("1"),
                                               kCaravanDefault, m_files.get()),
                       document);
    QQuickItem *root = window.getQuickWidget()->rootObject();
    QVERIFY2(root, qPrintable(window.getQuickWidget()->errors().value(0).toString()));
    const QVariantMap seen = root->property("seen").toMap();
    QCOMPARE(seen.value(QStringLiteral("TimedProcessing")).toString(), QStringLiteral("1;2;3"));
    QCOMPARE(seen.value(QStringLiteral("lock")).toString(), QStringLiteral("1"));
    QCOMPARE(seen.value(QStringLiteral("layout")).toString(), kCaravanDefault);
    QCOMPARE(seen.value(QStringLiteral("fileclass")).toString(), QStringLiteral("object"));
    QCOMPARE(seen.value(QStringLiteral("viewManager")).toString(), QStringLiteral("object"));
    // The geometry of the layout string was applied before the document saw it.
    QCOMPARE(window.size(), QSize(1920, 1080));
}

using WindowMaker = std::function<ModuleWindow *(FileClass *)>;
Q_DECLARE_METATYPE(WindowMaker)
Q_DECLARE_METATYPE(Module)

namespace {

// Every module window, built with a layout string too short for any
// constructor geometry.
void addEveryWindow()
{
    QTest::addColumn<WindowMaker>("make");
    QTest::addColumn<Module>("module");
    const QString v = QStringLiteral("1;2");
    const QString l = QStringLiteral("0");
    const QString c = QStringLiteral("1,2");
    QTest::newRow("Caravan") << WindowMaker([=](FileClass *f) { return new Caravan(v, l, c, f); })
                             << Module::Caravan;
    QTest::newRow("Baron") << WindowMaker([=](FileClass *f) { return new Baron(v, l, c, f); }) << Module::Baron;
    QTest::newRow("Cessna") << WindowMaker([=](FileClass *f) { return new Cessna(v, l, c, f); })
                            << Module::Cessna;
    QTest::newRow("StandBy") << WindowMaker([=](FileClass *f) { return new StandBy(v, l, c, f); })
                             << Module::StandBy;
    QTest::newRow("RadioAvionico") << WindowMaker([=](FileClass *f) { return new RadioAvionico(v, c, f); })
                                   << Module::RadioAvionico;
    QTest::newRow("RadioCompac") << WindowMaker([=](FileClass *f) { return new RadioCompac(v, c, f); })
                                 << Module::RadioCompac;
    QTest::newRow("EIS") << WindowMaker([=](FileClass *f) { return new EIS(v, l, c, f); }) << Module::EIS;
    QTest::newRow("Annunciator") << WindowMaker([=](FileClass *f) { return new Annunciator(1, v, l, c, f); })
                                 << Module::Annunciator;
    QTest::newRow("ReferencesScreen")
        << WindowMaker([=](FileClass *f) { return new ReferencesScreen(v, l, c, QStringLiteral("90"), f); })
        << Module::ReferencesScreen;
    QTest::newRow("SpeedReferences")
        << WindowMaker([=](FileClass *f) { return new SpeedReferences(v, l, c, QStringLiteral("90"), f); })
        << Module::SpeedReferences;
    // What start-up builds from the module table.
    for (const ModuleInfo &m : Modules::all()) {
        if (!m.opensAtStart)
            continue;
        const Module module = m.module;
        QTest::addRow("%s from the table", qPrintable(m.className))
            << WindowMaker([=](FileClass *f) {
                   return ModuleWindow::create(module, StartupTexts{v, v, l}, c, f).release();
               })
            << module;
    }
}

} // namespace

void tst_ModuleWindows::everyWindowIsBuiltTheSameWay_data()
{
    addEveryWindow();
}

void tst_ModuleWindows::everyWindowIsBuiltTheSameWay()
{
    QFETCH(WindowMaker, make);
    QFETCH(Module, module);
    const ModuleInfo &info = Modules::info(module);
    std::unique_ptr<ModuleWindow> w(make(m_files.get()));

    QCOMPARE(w->objectName(), module == Module::RadioCompac ? QStringLiteral("radiocompac") : info.className);
    QCOMPARE(w->windowTitle(), module == Module::Caravan ? QStringLiteral("Caravan") : QStringLiteral("MainWindow"));
    QVERIFY(w->isWindow());
    QVERIFY(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!w->isVisible()); // shown by the instrument manager's registration

    QVERIFY(w->menuBar());
    QCOMPARE(w->menuBar()->objectName(), QStringLiteral("menubar"));
    QCOMPARE(w->statusBar()->objectName(), QStringLiteral("statusbar"));
    // The empty bars take no room from the document.
    QVERIFY(w->menuBar()->isHidden());
    QVERIFY(w->statusBar()->isHidden());
    QVERIFY(!w->findChild<QWidget *>(QStringLiteral("centralwidget"))
            || w->findChild<QWidget *>(QStringLiteral("centralwidget")) != w->centralWidget());

    QQuickWidget *quick = w->getQuickWidget();
    QVERIFY(quick);
    QCOMPARE(quick->parentWidget(), w.get());
    QCOMPARE(w->centralWidget(), quick);
    QCOMPARE(quick->resizeMode(), QQuickWidget::SizeRootObjectToView);
    QCOMPARE(quick->source(), info.document);
}

void tst_ModuleWindows::panelWindowsPublishValuesLockLayoutAndServices_data()
{
    QTest::addColumn<WindowMaker>("make");
    QTest::addColumn<QString>("layoutProperty");
    const QString v = QStringLiteral("10;20;30");
    const QString l = QStringLiteral("1");
    const QString c = QStringLiteral("5,6,7");
    QTest::newRow("Caravan") << WindowMaker([=](FileClass *f) { return new Caravan(v, l, c, f); })
                             << QStringLiteral("configStringCaravan");
    QTest::newRow("Baron") << WindowMaker([=](FileClass *f) { return new Baron(v, l, c, f); })
                           << QStringLiteral("configStringBaron");
    QTest::newRow("Cessna") << WindowMaker([=](FileClass *f) { return new Cessna(v, l, c, f); })
                            << QStringLiteral("configStringCessna");
    QTest::newRow("StandBy") << WindowMaker([=](FileClass *f) { return new StandBy(v, l, c, f); })
                             << QStringLiteral("configStringStandBy");
    QTest::newRow("EIS") << WindowMaker([=](FileClass *f) { return new EIS(v, l, c, f); })
                         << QStringLiteral("configStringEIS");
    QTest::newRow("Annunciator") << WindowMaker([=](FileClass *f) { return new Annunciator(2, v, l, c, f); })
                                 << QStringLiteral("configStringAnnunciator");
    QTest::newRow("ReferencesScreen")
        << WindowMaker([=](FileClass *f) { return new ReferencesScreen(v, l, c, QStringLiteral("ref"), f); })
        << QStringLiteral("configStringReferences");
    QTest::newRow("SpeedReferences")
        << WindowMaker([=](FileClass *f) { return new SpeedReferences(v, l, c, QStringLiteral("ref"), f); })
        << QStringLiteral("configStringSpeedsRef");
}

void tst_ModuleWindows::panelWindowsPublishValuesLockLayoutAndServices()
{
    QFETCH(WindowMaker, make);
    QFETCH(QString, layoutProperty);
    std::unique_ptr<ModuleWindow> w(make(m_files.get()));

    QCOMPARE(contextValue(w.get(), "TimedProcessing").toString(), QStringLiteral("10;20;30"));
    QCOMPARE(contextValue(w.get(), "lock").toString(), QStringLiteral("1"));
    QCOMPARE(w->getQuickWidget()->rootContext()->contextProperty(layoutProperty).toString(),
             QStringLiteral("5,6,7"));
    QCOMPARE(contextValue(w.get(), "fileclass").value<QObject *>(), m_files.get());
    QVERIFY(!contextValue(w.get(), "fileObj").isValid());
    QVERIFY(w->viewManager());
    QCOMPARE(contextValue(w.get(), "viewManager").value<QObject *>(), w->viewManager());
    QVERIFY(!contextValue(w.get(), "timedDataString").isValid());
}

void tst_ModuleWindows::radioWindowsPublishFileObjNotFileclass_data()
{
    QTest::addColumn<WindowMaker>("make");
    const QString t = QStringLiteral("118.00;110.50");
    const QString c = QStringLiteral("0,0,1.00,1.00,0,0,0,0.30");
    QTest::newRow("RadioAvionico") << WindowMaker([=](FileClass *f) { return new RadioAvionico(t, c, f); });
    QTest::newRow("RadioCompac") << WindowMaker([=](FileClass *f) { return new RadioCompac(t, c, f); });
}

void tst_ModuleWindows::radioWindowsPublishFileObjNotFileclass()
{
    QFETCH(WindowMaker, make);
    std::unique_ptr<ModuleWindow> w(make(m_files.get()));

    QCOMPARE(contextValue(w.get(), "fileObj").value<QObject *>(), m_files.get());
    QVERIFY(!contextValue(w.get(), "fileclass").isValid());
    QCOMPARE(contextValue(w.get(), "timedDataString").toString(), QStringLiteral("118.00;110.50"));
    QCOMPARE(contextValue(w.get(), "formDataString").toString(), QStringLiteral("0,0,1.00,1.00,0,0,0,0.30"));
    QCOMPARE(contextValue(w.get(), "viewManager").value<QObject *>(), w->viewManager());
    QVERIFY(!contextValue(w.get(), "TimedProcessing").isValid());
    QVERIFY(!contextValue(w.get(), "lock").isValid());
}

void tst_ModuleWindows::caravanAppliesGeometryOnlyFromTwentyFields()
{
    const QString slotFields = QStringLiteral("285,356,300,1,665,367,400,1,1045,352,300,1,1420,338,300,1,");
    auto defaults = probe(Module::Caravan, kCaravanDefault);
    QCOMPARE(defaults->pos(), QPoint(0, 0));
    QCOMPARE(defaults->size(), QSize(1920, 1080));

    auto placed = probe(Module::Caravan, slotFields + QStringLiteral("100,50,1280,720"));
    QCOMPARE(placed->pos(), QPoint(100, 50));
    QCOMPARE(placed->size(), QSize(1280, 720));

    // 19 fields: the window keeps the form's size until its document places it.
    auto tooShort = probe(Module::Caravan, slotFields + QStringLiteral("100,50,1280"));
    QCOMPARE(tooShort->size(), QSize(800, 600));
    QVERIFY(tooShort->pos() != QPoint(100, 50));

    // The Baron, Cessna and StandBy strings carry window geometry too, but
    // their documents apply it, not the windows.
    for (Module m : {Module::Baron, Module::Cessna, Module::StandBy}) {
        auto w = probe(m, Modules::info(m).defaultLayout);
        QCOMPARE(w->size(), QSize(800, 600));
    }
}

void tst_ModuleWindows::geometryFieldsThatAreNotWholeNumbersCountAsZero()
{
    auto w = probe(Module::Caravan,
                   QStringLiteral("285,356,300,1,665,367,400,1,1045,352,300,1,1420,338,300,1,12.5,x,640,480\n"));
    QCOMPARE(w->pos(), QPoint(0, 0));
    // A line end after the last field does not spoil the number.
    QCOMPARE(w->size(), QSize(640, 480));
}

void tst_ModuleWindows::g1000WindowsApplyGeometryFromFourFields()
{
    for (Module m : {Module::EIS, Module::ReferencesScreen, Module::SpeedReferences}) {
        auto four = probe(m, QStringLiteral("30,40,320,240"));
        QCOMPARE(four->pos(), QPoint(30, 40));
        QCOMPARE(four->size(), QSize(320, 240));

        auto three = probe(m, QStringLiteral("30,40,320"));
        QCOMPARE(three->size(), QSize(800, 600));
        QVERIFY(three->pos() != QPoint(30, 40));
    }
}

void tst_ModuleWindows::geometryServiceSavesIntoTheModulesFields_data()
{
    QTest::addColumn<Module>("module");
    QTest::addColumn<int>("firstField"); // x, y, width, height from here on; -1: nothing saved
    QTest::newRow("Caravan") << Module::Caravan << 16;
    QTest::newRow("Baron") << Module::Baron << 0;
    QTest::newRow("Cessna") << Module::Cessna << 89;
    QTest::newRow("StandBy") << Module::StandBy << 28;
    QTest::newRow("EIS") << Module::EIS << 0;
    QTest::newRow("Annunciator") << Module::Annunciator << 0;
    QTest::newRow("RadioAvionico") << Module::RadioAvionico << -1;
    QTest::newRow("ReferencesScreen") << Module::ReferencesScreen << -1;
}

void tst_ModuleWindows::geometryServiceSavesIntoTheModulesFields()
{
    QFETCH(Module, module);
    QFETCH(int, firstField);
    QStringList fields;
    for (int i = 0; i < 100; ++i)
        fields << QString::number(i);
    const QString file = Modules::info(module).configFile;
    QVERIFY(m_exchange->writeInPlace(file, fields.join(QLatin1Char(',')).toUtf8()));

    auto w = probe(module, QStringLiteral("0"));
    w->viewManager()->setPosition(1001, 1002);
    w->viewManager()->setSize(1003, 1004);
    if (firstField < 0) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^ViewManager: Nenhum índice")));
    } else {
        for (int i = 0; i < 4; ++i)
            fields[firstField + i] = QString::number(1001 + i);
    }
    w->viewManager()->saveWindowGeometry();
    QCOMPARE(m_exchange->bytes(file), fields.join(QLatin1Char(',')).toUtf8());
}

void tst_ModuleWindows::annunciatorGeometryServiceFollowsItsId()
{
    const QString layout = QStringLiteral("30,40,320,240");
    // Window 1 is moved, never resized.
    auto first = probe(Module::Annunciator, layout, 1);
    QCOMPARE(first->pos(), QPoint(30, 40));
    QCOMPARE(first->size(), QSize(800, 600));

    // Any other id than 1 and 2: no geometry service, so no geometry either.
    auto third = probe(Module::Annunciator, layout, 3);
    QVERIFY(!third->viewManager());
    QVERIFY(third->pos() != QPoint(30, 40));

    // The real windows: id published, window 2 saves into its own file.
    Annunciator one(1, QString(), QString(), layout, m_files.get());
    QCOMPARE(contextValue(&one, "id").toInt(), 1);
    QVERIFY(one.viewManager());

    Annunciator two(2, QString(), QString(), layout, m_files.get());
    QVERIFY(m_exchange->writeInPlace(QStringLiteral("configCaravanAnnunciator2.txt"), "0,0,0,0,9"));
    two.viewManager()->setPosition(30, 40);
    two.viewManager()->saveWindowGeometry();
    // The size is the one the document fits the window to (its list).
    QCOMPARE(m_exchange->bytes(QStringLiteral("configCaravanAnnunciator2.txt")),
             QStringLiteral("30,40,%1,%2,9").arg(two.width()).arg(two.height()).toUtf8());
    QCOMPARE(two.size(), QSize(120, 32));
    QVERIFY(!m_exchange->exists(QStringLiteral("configCaravanAnnunciator.txt")));

    Annunciator three(3, QString(), QString(), layout, m_files.get());
    QVERIFY(!three.viewManager());
    QVERIFY(!contextValue(&three, "viewManager").isValid());
    QCOMPARE(contextValue(&three, "id").toInt(), 3);
}

void tst_ModuleWindows::referencesScreenHasTheCommandChannel()
{
    ReferencesScreen refs(QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("1,2"),
                          QStringLiteral("85,100"), m_files.get());
    auto *channel = qobject_cast<G1000CommandManager *>(contextValue(&refs, "g1000CommandManager").value<QObject *>());
    QVERIFY(channel);
    QCOMPARE(channel, refs.commandManager());
    QCOMPARE(channel->parent(), &refs);
    QCOMPARE(contextValue(&refs, "speedsRefValues").toString(), QStringLiteral("85,100"));

    SpeedReferences speeds(QString(), QString(), QString(), QString(), m_files.get());
    QVERIFY(!speeds.commandManager());
    QVERIFY(!contextValue(&speeds, "g1000CommandManager").isValid());
}

void tst_ModuleWindows::speedReferencesIsTranslucent()
{
    SpeedReferences speeds(QString(), QString(), QString(), QStringLiteral("85"), m_files.get());
    QVERIFY(speeds.testAttribute(Qt::WA_TranslucentBackground));
    QVERIFY(speeds.getQuickWidget()->testAttribute(Qt::WA_TranslucentBackground));
    QVERIFY(speeds.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(contextValue(&speeds, "speedsRefValues").toString(), QStringLiteral("85"));

    EIS eis(QString(), QString(), QString(), m_files.get());
    QVERIFY(!eis.testAttribute(Qt::WA_TranslucentBackground));
}

void tst_ModuleWindows::caravanExpressIsAnEngineWithoutParent()
{
    caravan_express express;
    QVERIFY(!express.parent());
    QVERIFY(express.rootObjects().isEmpty());
}

QTEST_MAIN(tst_ModuleWindows)

#include "tst_modulewindows.moc"
