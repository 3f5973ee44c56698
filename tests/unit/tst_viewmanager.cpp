// The window geometry service: placing the window, and writing its position
// and size into the fields of the layout string it is given, or refusing to.
// (Which fields each module uses is tested with the module windows.)
#include "fileclass.h"
#include "servicetestsupport.h"
#include "viewmanager.h"

#include <QMainWindow>
#include <QRegularExpression>
#include <QtTest>

using support::Exchange;

namespace {
const QByteArray kCaravan = "285,356,300,1,665,367,400,1,1045,352,300,1,1420,338,300,1,0,0,1920,1080";
const QByteArray kBaron =
        "0,23,1920,1009,0.8999999999999964,152,92,210,1,738,86,260,1,449,339,210,1,450,94,320,1,"
        "1243,186,180,1,1059,186,180,1,1243,0,180,1,1059,0,180,1,1244,370,180,1,1059,371,180,1,"
        "1243,738,180,1,1055,740,180,1,739,339,210,1,1246,554,180,1,1057,554,180,1,12,345,160,1,"
        "0,345,160,1,219,618,249,1";

WindowConfigIndices fourFieldsFrom(int first)
{
    return {first, first + 1, first + 2, first + 3, true};
}
} // namespace

Q_DECLARE_METATYPE(WindowConfigIndices)

class TestViewManager : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void placesTheWindow();
    void savesIntoItsFields_data();
    void savesIntoItsFields();
    void refusals_data();
    void refusals();
    void missingFileIsNotCreated();
    void incompleteServiceRefuses();
    void unwritableFileKeepsItsContent();
    void savesUnderAModuleKey_data();
    void savesUnderAModuleKey();

private:
    std::unique_ptr<ViewManager> service(const QString &configFile,
                                         std::optional<WindowConfigIndices> fields = fourFieldsFrom(16));
    std::unique_ptr<Exchange> m_ex;
    std::unique_ptr<QMainWindow> m_window;
    FileClass m_files;
};

void TestViewManager::init()
{
    m_ex = std::make_unique<Exchange>();
    m_window = std::make_unique<QMainWindow>();
    m_window->setWindowTitle(QStringLiteral("Radod - Caravan"));
}

void TestViewManager::cleanup()
{
    m_window.reset();
    m_ex.reset();
}

std::unique_ptr<ViewManager> TestViewManager::service(const QString &configFile,
                                                      std::optional<WindowConfigIndices> fields)
{
    return std::make_unique<ViewManager>(m_window.get(), Exchange::literal(configFile), &m_files, fields);
}

void TestViewManager::placesTheWindow()
{
    auto vm = service(QStringLiteral("configCaravan.txt"));
    vm->setPosition(-10000, 40); // documents move windows out of sight this way
    QCOMPARE(m_window->pos(), QPoint(-10000, 40));
    vm->setSize(640, 480);
    QCOMPARE(m_window->size(), QSize(640, 480));
    vm->setMinimumSize(100, 90);
    QCOMPARE(m_window->minimumSize(), QSize(100, 90));
    vm->setMaximumSize(2000, 1500);
    QCOMPARE(m_window->maximumSize(), QSize(2000, 1500));
    vm->setFixedSize(300, 200);
    QCOMPARE(m_window->minimumSize(), QSize(300, 200));
    QCOMPARE(m_window->maximumSize(), QSize(300, 200));

    // Without a window every operation does nothing.
    m_window.reset();
    vm->setPosition(1, 1);
    vm->setSize(1, 1);
    vm->setFixedSize(1, 1);
    vm->setMinimumSize(1, 1);
    vm->setMaximumSize(1, 1);
}

void TestViewManager::savesIntoItsFields_data()
{
    QTest::addColumn<WindowConfigIndices>("fields");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("expected");
    QList<QByteArray> caravan = kCaravan.split(',');
    caravan[16] = "100";
    caravan[17] = "50";
    caravan[18] = "1280";
    caravan[19] = "720";
    QTest::newRow("fields 16 to 19") << fourFieldsFrom(16) << kCaravan << caravan.join(',');
    // Empty fields and a trailing line end are written back as they were.
    const QByteArray baron = kBaron + ",,x\n";
    QTest::newRow("fields 0 to 3, the rest as read")
        << fourFieldsFrom(0) << baron << "100,50,1280,720" + baron.mid(baron.indexOf(",0.89"));
    QTest::newRow("position only") << WindowConfigIndices{3, 1, 0, 2, false} << QByteArray("a,b,c,d,e")
                                   << QByteArray("a,50,c,100,e");
}

void TestViewManager::savesIntoItsFields()
{
    QFETCH(WindowConfigIndices, fields);
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, expected);
    QVERIFY(m_ex->writeInPlace(QStringLiteral("configCaravan.txt"), stored));
    auto vm = service(QStringLiteral("configCaravan.txt"), fields);
    vm->setPosition(100, 50);
    vm->setSize(1280, 720);
    vm->saveWindowGeometry();
    QCOMPARE(m_ex->bytes(QStringLiteral("configCaravan.txt")), expected);
}

void TestViewManager::refusals_data()
{
    QTest::addColumn<QString>("configFile");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("firstField"); // of four; -1: no window fields
    QTest::addColumn<QString>("message");
    const QString tooShort = QStringLiteral("^ViewManager: Tamanho do array de config inválido\\.");
    QByteArray cessna92;
    for (int i = 0; i < 92; ++i)
        cessna92 += (i ? "," : "") + QByteArray::number(i);
    QTest::newRow("no window fields") << "configRadio.txt" << QByteArray("0,0,1.00,1.00,0,0,0,0.30") << -1
                                      << "^ViewManager: Nenhum índice de configuração para";
    QTest::newRow("92 fields, fields 89 to 92") << "config.txt" << cessna92 << 89 << tooShort;
    QTest::newRow("binary") << "configCaravan.txt" << support::binaryBytes() << 16 << tooShort;
    QTest::newRow("invalid UTF-8") << "configStandBy.txt" << support::invalidUtf8() << 28 << tooShort;
    QTest::newRow("empty file, silently") << "configCaravan.txt" << QByteArray() << 16 << QString();
}

void TestViewManager::refusals()
{
    QFETCH(QString, configFile);
    QFETCH(QByteArray, content);
    QFETCH(int, firstField);
    QFETCH(QString, message);
    QVERIFY(m_ex->writeInPlace(configFile, content));
    auto vm = service(configFile, firstField < 0 ? std::nullopt : std::optional(fourFieldsFrom(firstField)));
    if (!message.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(message));
    vm->saveWindowGeometry();
    QCOMPARE(m_ex->bytes(configFile), content);
}

void TestViewManager::missingFileIsNotCreated()
{
    // An empty file would replace the module's default at the next start.
    auto vm = service(QStringLiteral("configEIS.txt"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^ViewManager: Arquivo de configuração não encontrado:")));
    vm->saveWindowGeometry();
    QVERIFY(!m_ex->exists(QStringLiteral("configEIS.txt")));

    // A folder in its place is not a layout either.
    QVERIFY(QDir(m_ex->root()).mkdir(QStringLiteral("configEIS.txt")));
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("^Não foi possível abrir o arquivo para leitura:")));
    vm->saveWindowGeometry();
    QVERIFY(QFileInfo(m_ex->real(QStringLiteral("configEIS.txt"))).isDir());
}

void TestViewManager::incompleteServiceRefuses()
{
    QVERIFY(m_ex->writeInPlace(QStringLiteral("configCaravan.txt"), kCaravan));
    const QRegularExpression incomplete(QStringLiteral("^ViewManager: Não é possível salvar, configuração incompleta\\."));
    {
        ViewManager vm(nullptr, Exchange::literal(QStringLiteral("configCaravan.txt")), &m_files, fourFieldsFrom(16));
        QTest::ignoreMessage(QtWarningMsg, incomplete);
        vm.saveWindowGeometry();
    }
    {
        ViewManager vm(m_window.get(), QString(), &m_files, fourFieldsFrom(16));
        QTest::ignoreMessage(QtWarningMsg, incomplete);
        vm.saveWindowGeometry();
    }
    {
        auto files = std::make_unique<FileClass>();
        ViewManager vm(m_window.get(), Exchange::literal(QStringLiteral("configCaravan.txt")), files.get(),
                       fourFieldsFrom(16));
        files.reset(); // the file service is gone
        QTest::ignoreMessage(QtWarningMsg, incomplete);
        vm.saveWindowGeometry();
    }
    {
        auto vm = service(QStringLiteral("configCaravan.txt"));
        m_window.reset(); // the window is gone
        QTest::ignoreMessage(QtWarningMsg, incomplete);
        vm->saveWindowGeometry();
    }
    QCOMPARE(m_ex->bytes(QStringLiteral("configCaravan.txt")), kCaravan);
}

void TestViewManager::unwritableFileKeepsItsContent()
{
    if (support::runningAsRoot())
        QSKIP("permissions do not apply to the superuser");
    QVERIFY(m_ex->writeInPlace(QStringLiteral("configCaravan.txt"), kCaravan));
    QFile::setPermissions(m_ex->real(QStringLiteral("configCaravan.txt")), QFile::ReadOwner);
    auto vm = service(QStringLiteral("configCaravan.txt"));
    vm->setPosition(1, 2);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Falhou ao abrir o arquivo para escrita:")));
    vm->saveWindowGeometry();
    QCOMPARE(m_ex->bytes(QStringLiteral("configCaravan.txt")), kCaravan);
}

// A file of keyed lines (the G1000 screens' blocks): the window's place and
// size go into fields 0 to 3 of its key's line; the line's scale, every other
// line and the line ends stay. Without the key's line, or with a key that is
// not a plain name, nothing is written ("" expected: the file as it was).
void TestViewManager::savesUnderAModuleKey_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray two = "N1-0,40,700,1000,1.0000\nA-0,0,0,0,0\nE-0,0,240,1000,1.0000\n\n"
                           "N2-960,40,700,1000,1.2500\nA-0,0,0,0,0\nE-5,6,240,1000,2.0000";
    QTest::newRow("the second of two screens")
        << "N2" << two << QByteArray(two).replace("N2-960,40,700,1000,", "N2-100,50,1280,720,");
    QTest::newRow("the first, blanks around it dropped")
        << "N1" << QByteArray("  N1-0,40,700,1000,1.0000 \r\nE-1,2,3,4,5")
        << QByteArray("N1-100,50,1280,720,1.0000\nE-1,2,3,4,5");
    QTest::newRow("N1 is not N10") << "N1" << QByteArray("N10-1,2,3,4,1\nN1-9,9,9,9,2")
                                   << QByteArray("N10-1,2,3,4,1\nN1-100,50,1280,720,2");
    QTest::newRow("a short line is completed") << "N3" << QByteArray("N3-7\nS-1,2") << QByteArray("N3-100,50,1280,720\nS-1,2");
    QTest::newRow("no line for the key") << "N2" << QByteArray("N1-0,40,700,1000,1") << QByteArray();
    QTest::newRow("a key that is no name") << "N1-0,40\nX" << QByteArray("N1-0,40,700,1000,1") << QByteArray();
    QTest::newRow("binary") << "N1" << support::binaryBytes() << QByteArray();
}

void TestViewManager::savesUnderAModuleKey()
{
    QFETCH(QString, key);
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, expected);
    const QString file = QStringLiteral("configG1000.txt");
    QVERIFY(m_ex->writeInPlace(file, stored));
    auto vm = service(file, std::nullopt);
    vm->setPosition(100, 50);
    vm->setSize(1280, 720);
    if (expected.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^ViewManager: ")));
    vm->saveWindowGeometryByModuleId(key);
    QCOMPARE(m_ex->bytes(file), expected.isEmpty() ? stored : expected);
}

QTEST_MAIN(TestViewManager)
#include "tst_viewmanager.moc"
