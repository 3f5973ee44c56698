// The mapping of the literal exchange path to the real folder.
#include "exchangedirectory.h"
#include "servicetestsupport.h"

#include <QtTest>

class TestExchangeDirectory : public QObject
{
    Q_OBJECT

private slots:
    void rootComesFromEnvironmentOrHome();
    void literalPathsMapIntoTheFolder_data();
    void literalPathsMapIntoTheFolder();
    void namesMatchExistingEntriesWithoutCase();
    void otherPathsPassThrough_data();
    void otherPathsPassThrough();
    void nearestExistingFolder();
};

void TestExchangeDirectory::rootComesFromEnvironmentOrHome()
{
#ifndef Q_OS_WIN
    ExchangeDirectory::setRoot(QString());
    const QByteArray saved = qgetenv("RADOD_EXCHANGE_DIR");
    qputenv("RADOD_EXCHANGE_DIR", "/srv/exchange/");
    QCOMPARE(ExchangeDirectory::root(), QStringLiteral("/srv/exchange"));
    qunsetenv("RADOD_EXCHANGE_DIR");
    QCOMPARE(ExchangeDirectory::root(), QDir::homePath() + QStringLiteral("/Radod/instrumentos"));
    if (!saved.isNull())
        qputenv("RADOD_EXCHANGE_DIR", saved);
#endif
    ExchangeDirectory::setRoot(QStringLiteral("/elsewhere"));
    QCOMPARE(ExchangeDirectory::root(), QStringLiteral("/elsewhere"));
    ExchangeDirectory::setRoot(QString());
}

void TestExchangeDirectory::literalPathsMapIntoTheFolder_data()
{
    QTest::addColumn<QString>("literal");
    QTest::addColumn<QString>("relative");
    QTest::newRow("root") << "C:\\Radod\\instrumentos" << "";
    QTest::newRow("file") << "C:\\Radod\\instrumentos\\lock.txt" << "/lock.txt";
    QTest::newRow("forward slashes") << "C:/Radod/instrumentos/lock.txt" << "/lock.txt";
    QTest::newRow("letter case") << "c:\\RADOD\\Instrumentos\\lock.txt" << "/lock.txt";
    QTest::newRow("sub-folder") << "C:\\Radod\\instrumentos\\G1000\\configN1.txt" << "/G1000/configN1.txt";
    QTest::newRow("doubled separator") << "C:\\Radod\\instrumentos\\\\x.txt" << "/x.txt";
    QTest::newRow("trailing separator") << "C:\\Radod\\instrumentos\\" << "";
    QTest::newRow("never above the folder") << "C:\\Radod\\instrumentos\\..\\..\\.\\x.txt" << "/x.txt";
}

void TestExchangeDirectory::literalPathsMapIntoTheFolder()
{
    QFETCH(QString, literal);
    QFETCH(QString, relative);
    support::Exchange ex;
    QVERIFY(ExchangeDirectory::isExchangePath(literal));
    QCOMPARE(ExchangeDirectory::resolve(literal), ex.root() + relative);
}

void TestExchangeDirectory::namesMatchExistingEntriesWithoutCase()
{
    support::Exchange ex;
    QVERIFY(QDir(ex.root()).mkdir(QStringLiteral("g1000")));
    QVERIFY(ex.writeInPlace(QStringLiteral("g1000/configG1000.txt"), "x"));
    QCOMPARE(ExchangeDirectory::resolve(QStringLiteral("C:\\Radod\\instrumentos\\G1000\\ConfigG1000.txt")),
             ex.root() + QStringLiteral("/g1000/configG1000.txt"));
    // A name that matches nothing is kept as written (a file about to be made).
    QCOMPARE(ExchangeDirectory::resolve(QStringLiteral("C:\\Radod\\instrumentos\\G1000\\New.txt")),
             ex.root() + QStringLiteral("/g1000/New.txt"));
    // An exact match wins over a case variant.
    QVERIFY(ex.writeInPlace(QStringLiteral("Lock.txt"), "a"));
    QVERIFY(ex.writeInPlace(QStringLiteral("lock.txt"), "b"));
    QCOMPARE(ExchangeDirectory::resolve(ExchangeDirectory::literalPath(QStringLiteral("lock.txt"))),
             ex.root() + QStringLiteral("/lock.txt"));
}

void TestExchangeDirectory::otherPathsPassThrough_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("neighbour folder") << "C:\\Radod\\instrumentosX\\lock.txt";
    QTest::newRow("parent") << "C:\\Radod";
    QTest::newRow("unix path") << "/tmp/lock.txt";
    QTest::newRow("resource") << ":/Classes/Interpolate.js";
    QTest::newRow("empty") << "";
}

void TestExchangeDirectory::otherPathsPassThrough()
{
    QFETCH(QString, path);
    support::Exchange ex;
    QVERIFY(!ExchangeDirectory::isExchangePath(path));
    QCOMPARE(ExchangeDirectory::resolve(path), path);
}

void TestExchangeDirectory::nearestExistingFolder()
{
    support::Exchange ex;
    QCOMPARE(ExchangeDirectory::nearestExistingFolder(ex.real(QStringLiteral("lock.txt"))), ex.root());
    QCOMPARE(ExchangeDirectory::nearestExistingFolder(ex.real(QStringLiteral("a/b/c.txt"))), ex.root());
    QVERIFY(QDir(ex.root()).removeRecursively());
    QCOMPARE(ExchangeDirectory::nearestExistingFolder(ex.real(QStringLiteral("lock.txt"))),
             QFileInfo(ex.root()).absolutePath());
}

QTEST_MAIN(TestExchangeDirectory)
#include "tst_exchangedirectory.moc"
