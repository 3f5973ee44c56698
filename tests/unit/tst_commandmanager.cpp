// The G1000 command channel: one command word per write of commands.txt.
#include "g1000commandmanager.h"
#include "servicetestsupport.h"

#include <QSignalSpy>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <thread>

using support::kTimeout;

namespace {

using Signal = void (G1000CommandManager::*)();

// The six words, the names of their signals, and the signals.
struct Word
{
    QString word;
    QString name;
    Signal signal;
};

const QList<Word> &words()
{
    static const QList<Word> list = {
        {QStringLiteral("inner_cursor_up"), QStringLiteral("innerKnobUp"), &G1000CommandManager::innerKnobUp},
        {QStringLiteral("inner_cursor_down"), QStringLiteral("innerKnobDown"), &G1000CommandManager::innerKnobDown},
        {QStringLiteral("outer_cursor_up"), QStringLiteral("outerKnobUp"), &G1000CommandManager::outerKnobUp},
        {QStringLiteral("outer_cursor_down"), QStringLiteral("outerKnobDown"), &G1000CommandManager::outerKnobDown},
        {QStringLiteral("cursor_press"), QStringLiteral("cursorPressed"), &G1000CommandManager::cursorPressed},
        {QStringLiteral("enter_press"), QStringLiteral("enterPressed"), &G1000CommandManager::enterPressed},
    };
    return list;
}

} // namespace

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
    void wordWrittenBeforeEmptyingIsKept();
    void fastWriterLosesNothing_data();
    void fastWriterLosesNothing();
    void oversizedFileIsEmptiedUnread();

private:
    void create();
    // Total of all six signals.
    int emitted() const;

    std::unique_ptr<support::Exchange> m_ex;
    std::unique_ptr<G1000CommandManager> m_manager;
    QHash<QString, QSignalSpy *> m_spies;
    QStringList m_taken; // the words whose signals came, in their order
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
    m_taken.clear();
    for (const Word &w : words()) {
        m_spies.insert(w.name, new QSignalSpy(m, w.signal));
        connect(m, w.signal, this, [this, word = w.word] { m_taken.append(word); });
    }
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


void TestCommandManager::wordWrittenBeforeEmptyingIsKept()
{
    QVERIFY(m_ex->writeInPlace(QStringLiteral("commands.txt"), QByteArray()));
    create();
    // The writer's next word lands while the first is being handled, before
    // the file is emptied: it must be taken too, not emptied away.
    bool once = false;
    connect(m_manager.get(), &G1000CommandManager::innerKnobUp, this, [&] {
        if (!once) {
            once = true;
            QVERIFY(m_ex->writeInPlace(QStringLiteral("commands.txt"), "enter_press"));
        }
    });
    QVERIFY(m_ex->writeInPlace(QStringLiteral("commands.txt"), "inner_cursor_up"));
    QTRY_COMPARE_WITH_TIMEOUT(m_taken, QStringList({QStringLiteral("inner_cursor_up"), QStringLiteral("enter_press")}),
                              kTimeout);
    QTRY_COMPARE_WITH_TIMEOUT(m_ex->bytes(QStringLiteral("commands.txt")), QByteArray(), kTimeout);
}

void TestCommandManager::fastWriterLosesNothing_data()
{
    QTest::addColumn<bool>("replacing");
    QTest::newRow("in place") << false;
    QTest::newRow("replacing") << true;
}

void TestCommandManager::fastWriterLosesNothing()
{
    // A writer on its own thread that writes each word as soon as it finds
    // the file empty, as the bridge does: every word is taken, once, in order.
    QFETCH(bool, replacing);
    constexpr int kCommands = 1000;
    QVERIFY(m_ex->writeInPlace(QStringLiteral("commands.txt"), QByteArray()));
    create();
    QStringList written;
    for (int i = 0; i < kCommands; ++i)
        written.append(words().at((i * 7 + i / 6) % words().size()).word);

    std::atomic<bool> stop(false);
    std::atomic<int> sent(0);
    const QString real = m_ex->real(QStringLiteral("commands.txt"));
    std::thread writer([&] {
        for (const QString &word : std::as_const(written)) {
            while (!stop && QFileInfo(real).size() != 0)
                std::this_thread::sleep_for(std::chrono::microseconds(50));
            if (stop)
                return;
            const bool ok = replacing ? m_ex->replace(QStringLiteral("commands.txt"), word.toUtf8())
                                      : m_ex->writeInPlace(QStringLiteral("commands.txt"), word.toUtf8());
            if (!ok)
                return;
            ++sent;
        }
    });
    QTRY_VERIFY_WITH_TIMEOUT(sent == kCommands && m_taken.size() >= kCommands, kTimeout);
    stop = true;
    writer.join();
    QTest::qWait(100); // nothing taken twice afterwards
    QCOMPARE(m_taken, written);
}

void TestCommandManager::oversizedFileIsEmptiedUnread()
{
    QVERIFY(m_ex->writeInPlace(QStringLiteral("commands.txt"), QByteArray()));
    create();
    {
        QFile f(m_ex->real(QStringLiteral("commands.txt")));
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.resize(qint64(50) * 1024 * 1024)); // sparse
    }
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Arquivo de comandos grande demais, esvaziado: .*commands.txt \\(52428800 bytes\\)$")));
    QTRY_COMPARE_WITH_TIMEOUT(QFileInfo(m_ex->real(QStringLiteral("commands.txt"))).size(), 0, kTimeout);
    QVERIFY(m_ex->writeInPlace(QStringLiteral("commands.txt"), "cursor_press"));
    QTRY_COMPARE_WITH_TIMEOUT(m_taken, QStringList(QStringLiteral("cursor_press")), kTimeout);
}

QTEST_MAIN(TestCommandManager)
#include "tst_commandmanager.moc"
