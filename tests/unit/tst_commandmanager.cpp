// The G1000 command channel: one command word per write of commands.txt.
#include "g1000commandmanager.h"
#include "servicetestsupport.h"

#include <QSignalSpy>
#include <QtTest>

using support::kTimeout;

class TestCommandManager : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void eachWordEmitsItsSignal_data();
    void eachWordEmitsItsSignal();
    void otherContentIsDiscarded_data();
    void otherContentIsDiscarded();
    void sameWordTwice();
    void emptyFileStaysQuiet();
    void replacedFileStaysFollowed();
    void fileCreatedLaterIsFollowed();
    void folderInsteadOfFile();

private:
    void create();
    // Total of all six signals.
    int emitted() const;

    std::unique_ptr<support::Exchange> m_ex;
    std::unique_ptr<G1000CommandManager> m_manager;
    QHash<QString, QSignalSpy *> m_spies;
};

void TestCommandManager::init()
{
    m_ex = std::make_unique<support::Exchange>();
}

void TestCommandManager::cleanup()
{
    qDeleteAll(m_spies);
    m_spies.clear();
    m_manager.reset();
    m_ex.reset();
}

void TestCommandManager::create()
{
    m_manager = std::make_unique<G1000CommandManager>();
    G1000CommandManager *m = m_manager.get();
    m_spies.insert(QStringLiteral("innerKnobUp"), new QSignalSpy(m, &G1000CommandManager::innerKnobUp));
    m_spies.insert(QStringLiteral("innerKnobDown"), new QSignalSpy(m, &G1000CommandManager::innerKnobDown));
    m_spies.insert(QStringLiteral("outerKnobUp"), new QSignalSpy(m, &G1000CommandManager::outerKnobUp));
    m_spies.insert(QStringLiteral("outerKnobDown"), new QSignalSpy(m, &G1000CommandManager::outerKnobDown));
    m_spies.insert(QStringLiteral("cursorPressed"), new QSignalSpy(m, &G1000CommandManager::cursorPressed));
    m_spies.insert(QStringLiteral("enterPressed"), new QSignalSpy(m, &G1000CommandManager::enterPressed));
}

int TestCommandManager::emitted() const
{
    int n = 0;
    for (const QSignalSpy *spy : m_spies)
        n += spy->count();
    return n;
}

void TestCommandManager::eachWordEmitsItsSignal_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("signal");
    QTest::newRow("inner up") << QByteArray("inner_cursor_up") << "innerKnobUp";
    QTest::newRow("inner down") << QByteArray("inner_cursor_down") << "innerKnobDown";
    QTest::newRow("outer up") << QByteArray("outer_cursor_up") << "outerKnobUp";
    QTest::newRow("outer down") << QByteArray("outer_cursor_down") << "outerKnobDown";
    QTest::newRow("cursor") << QByteArray("cursor_press") << "cursorPressed";
    QTest::newRow("enter, line end") << QByteArray("enter_press\n") << "enterPressed";
    QTest::newRow("enter, CRLF and blanks") << QByteArray("  \tenter_press \r\n") << "enterPressed";
}

void TestCommandManager::eachWordEmitsItsSignal()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, signal);
    QVERIFY(m_ex->writeInPlace(QStringLiteral("commands.txt"), QByteArray()));
    create();
    QVERIFY(m_ex->writeInPlace(QStringLiteral("commands.txt"), content));
    QTRY_COMPARE_WITH_TIMEOUT(m_spies.value(signal)->count(), 1, kTimeout);
    QTRY_COMPARE_WITH_TIMEOUT(m_ex->bytes(QStringLiteral("commands.txt")), QByteArray(), kTimeout);
    // Emptying the file is a change of its own; it must not count again.
    QTest::qWait(300);
    QCOMPARE(emitted(), 1);
}

void TestCommandManager::otherContentIsDiscarded_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("capitals") << QByteArray("ENTER_PRESS");
    QTest::newRow("two words") << QByteArray("enter_press\ncursor_press\n");
    QTest::newRow("unknown") << QByteArray("push_to_talk");
    QTest::newRow("binary") << support::binaryBytes();
    QTest::newRow("invalid UTF-8") << support::invalidUtf8();
    QTest::newRow("megabyte") << support::megabyte('x');
}

void TestCommandManager::otherContentIsDiscarded()
{
    QFETCH(QByteArray, content);
    QVERIFY(m_ex->writeInPlace(QStringLiteral("commands.txt"), QByteArray()));
    create();
    QVERIFY(m_ex->writeInPlace(QStringLiteral("commands.txt"), content));
    QTRY_COMPARE_WITH_TIMEOUT(m_ex->bytes(QStringLiteral("commands.txt")), QByteArray(), kTimeout);
    QCOMPARE(emitted(), 0);
    // The channel still works afterwards.
    QVERIFY(m_ex->writeInPlace(QStringLiteral("commands.txt"), "outer_cursor_down"));
    QTRY_COMPARE_WITH_TIMEOUT(m_spies.value(QStringLiteral("outerKnobDown"))->count(), 1, kTimeout);
}

void TestCommandManager::sameWordTwice()
{
    QVERIFY(m_ex->writeInPlace(QStringLiteral("commands.txt"), QByteArray()));
    create();
    QSignalSpy *cursor = m_spies.value(QStringLiteral("cursorPressed"));
    for (int i = 1; i <= 2; ++i) {
        QTRY_COMPARE_WITH_TIMEOUT(m_ex->bytes(QStringLiteral("commands.txt")), QByteArray(), kTimeout);
        QVERIFY(m_ex->writeInPlace(QStringLiteral("commands.txt"), "cursor_press"));
        QTRY_COMPARE_WITH_TIMEOUT(cursor->count(), i, kTimeout);
    }
}

void TestCommandManager::emptyFileStaysQuiet()
{
    QVERIFY(m_ex->writeInPlace(QStringLiteral("commands.txt"), QByteArray()));
    create();
    const QDateTime before = QFileInfo(m_ex->real(QStringLiteral("commands.txt"))).lastModified();
    QTest::qWait(50);
    m_manager->onCommandFileChanged(G1000CommandManager::commandFilePath());
    // An empty file is neither acted on nor written (which would wake the
    // watcher again, for ever).
    QTest::qWait(300);
    QCOMPARE(emitted(), 0);
    QCOMPARE(QFileInfo(m_ex->real(QStringLiteral("commands.txt"))).lastModified(), before);
}

void TestCommandManager::replacedFileStaysFollowed()
{
    QVERIFY(m_ex->writeInPlace(QStringLiteral("commands.txt"), QByteArray()));
    create();
    QSignalSpy *up = m_spies.value(QStringLiteral("innerKnobUp"));
    for (int i = 1; i <= 3; ++i) {
        QVERIFY(m_ex->replace(QStringLiteral("commands.txt"), "inner_cursor_up"));
        QTRY_COMPARE_WITH_TIMEOUT(up->count(), i, kTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(m_ex->bytes(QStringLiteral("commands.txt")), QByteArray(), kTimeout);
    }
    // Deleted and written again.
    QVERIFY(m_ex->remove(QStringLiteral("commands.txt")));
    QTest::qWait(100);
    QVERIFY(m_ex->writeInPlace(QStringLiteral("commands.txt"), "inner_cursor_up"));
    QTRY_COMPARE_WITH_TIMEOUT(up->count(), 4, kTimeout);
    QCOMPARE(emitted(), 4);
}

void TestCommandManager::fileCreatedLaterIsFollowed()
{
    QVERIFY(QDir(m_ex->root()).removeRecursively()); // not even the folder yet
    create();
    QVERIFY(QDir().mkpath(m_ex->root()));
    QVERIFY(m_ex->replace(QStringLiteral("commands.txt"), "enter_press"));
    QTRY_COMPARE_WITH_TIMEOUT(m_spies.value(QStringLiteral("enterPressed"))->count(), 1, kTimeout);
    QTRY_COMPARE_WITH_TIMEOUT(m_ex->bytes(QStringLiteral("commands.txt")), QByteArray(), kTimeout);
    QVERIFY(m_ex->writeInPlace(QStringLiteral("commands.txt"), "outer_cursor_up"));
    QTRY_COMPARE_WITH_TIMEOUT(m_spies.value(QStringLiteral("outerKnobUp"))->count(), 1, kTimeout);
}

void TestCommandManager::folderInsteadOfFile()
{
    QVERIFY(QDir(m_ex->root()).mkdir(QStringLiteral("commands.txt")));
    create();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Não foi possível abrir o arquivo de comandos:")));
    m_manager->onCommandFileChanged(G1000CommandManager::commandFilePath());
    QVERIFY(QFileInfo(m_ex->real(QStringLiteral("commands.txt"))).isDir());
    QVERIFY(QDir(m_ex->root()).rmdir(QStringLiteral("commands.txt")));
    QVERIFY(m_ex->writeInPlace(QStringLiteral("commands.txt"), "cursor_press"));
    QTRY_COMPARE_WITH_TIMEOUT(m_spies.value(QStringLiteral("cursorPressed"))->count(), 1, kTimeout);
}

QTEST_MAIN(TestCommandManager)
#include "tst_commandmanager.moc"
