// Following files whatever their writers do: every change must be reported,
// under the literal path, and the file must stay followed afterwards.
#include "filefollower.h"
#include "servicetestsupport.h"

#include <QSignalSpy>
#include <QtTest>

using support::kTimeout;

namespace {

const QString kName = QStringLiteral("TimedProcessing.txt");

} // namespace

class TestFileFollower : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void changesOfAnExistingFile_data();
    void changesOfAnExistingFile();
    void fileAppearingLater_data();
    void fileAppearingLater();
    void folderWatchedFromTheMomentItExists();
    void pollingFollowsAWriterOfSixtyASecond_data();
    void pollingFollowsAWriterOfSixtyASecond();
    void pollingFollowsAFileQuietForLong();
    void pollPeriodFromEnvironment_data();
    void pollPeriodFromEnvironment();

private:
    // Reports of the followed file so far; fails on a report of another path.
    int reports() const;
    // Writes in place and waits for the report: the file is (still) watched.
    void expectFollowedInPlace(const QByteArray &text);

    std::unique_ptr<support::Exchange> m_ex;
    std::unique_ptr<FileFollower> m_follower;
    std::unique_ptr<QSignalSpy> m_changed;
};

void TestFileFollower::init()
{
    m_ex = std::make_unique<support::Exchange>();
    m_follower = std::make_unique<FileFollower>();
    m_changed = std::make_unique<QSignalSpy>(m_follower.get(), &FileFollower::fileChanged);
}

void TestFileFollower::cleanup()
{
    m_changed.reset();
    m_follower.reset();
    m_ex.reset();
}

int TestFileFollower::reports() const
{
    for (const QList<QVariant> &report : std::as_const(*m_changed)) {
        if (report.at(0).toString() != support::Exchange::literal(kName))
            return -1;
    }
    return int(m_changed->size());
}

void TestFileFollower::expectFollowedInPlace(const QByteArray &text)
{
    const int before = reports();
    QVERIFY(m_ex->writeInPlace(kName, text));
    QTRY_VERIFY_WITH_TIMEOUT(reports() > before, kTimeout);
}

void TestFileFollower::changesOfAnExistingFile_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("rewritten in place") << "in place";
    QTest::newRow("replaced by a file renamed over it") << "replace";
    QTest::newRow("deleted and written again") << "delete";
    QTest::newRow("renamed away and written again") << "rename away";
    QTest::newRow("a link in its place, then a file") << "link";
}

void TestFileFollower::changesOfAnExistingFile()
{
    QFETCH(QString, how);
    QVERIFY(m_ex->writeInPlace(kName, "0"));
    m_follower->followFile(support::Exchange::literal(kName));
    QTest::qWait(100);
    QCOMPARE(reports(), 0); // following is not a change

    // Three times: a writer that ended the watch must not end the following.
    for (int i = 1; i <= 3; ++i) {
        const QByteArray text = QByteArray::number(i);
        const int before = reports();
        if (how == QLatin1String("in place")) {
            QVERIFY(m_ex->writeInPlace(kName, text));
        } else if (how == QLatin1String("replace")) {
            QVERIFY(m_ex->replace(kName, text));
        } else if (how == QLatin1String("delete")) {
            QVERIFY(m_ex->remove(kName));
            QTRY_VERIFY_WITH_TIMEOUT(reports() > before, kTimeout); // the removal is a change too
            QVERIFY(m_ex->writeInPlace(kName, text));
            QTRY_VERIFY_WITH_TIMEOUT(reports() > before + 1, kTimeout);
        } else {
            // What stands there in between takes the watch along, or holds
            // it on another file: the file written after is watched anew.
            const QString other = m_ex->real(QStringLiteral("other.txt"));
            QFile::remove(other);
            if (how == QLatin1String("rename away")) {
                QVERIFY(QFile::rename(m_ex->real(kName), other));
            } else {
#ifdef Q_OS_WIN
                QSKIP("Symbolic links need privileges on Windows.");
#endif
                QVERIFY(m_ex->writeInPlace(QStringLiteral("other.txt"), "other"));
                QVERIFY(m_ex->remove(kName));
                QVERIFY(QFile::link(other, m_ex->real(kName)));
                QTest::qWait(100);
                QVERIFY(m_ex->remove(kName));
            }
            QTRY_VERIFY_WITH_TIMEOUT(reports() > before, kTimeout);
            QVERIFY(m_ex->writeInPlace(kName, text));
        }
        QTRY_VERIFY_WITH_TIMEOUT(reports() > before, kTimeout);
        // The report is not merely of the folder: the new file is watched.
        expectFollowedInPlace(text + "+");
    }
}

void TestFileFollower::fileAppearingLater_data()
{
    QTest::addColumn<QString>("writtenAs");
    QTest::newRow("same name") << kName;
    QTest::newRow("other letter case") << kName.toUpper();
}

void TestFileFollower::fileAppearingLater()
{
    QFETCH(QString, writtenAs);
    m_follower->followFile(support::Exchange::literal(kName));

    // Other files and a folder of the file's name are not it.
    QVERIFY(m_ex->writeInPlace(QStringLiteral("other.txt"), "x"));
    QVERIFY(QDir(m_ex->root()).mkdir(kName));
    QTest::qWait(200);
    QCOMPARE(reports(), 0);
    QVERIFY(QDir(m_ex->root()).rmdir(kName));

    QVERIFY(m_ex->writeInPlace(writtenAs, "first"));
    QTRY_COMPARE_WITH_TIMEOUT(reports(), 1, kTimeout);
    // From then on it is watched, and its folder's other changes do not
    // report it again.
    QVERIFY(m_ex->writeInPlace(QStringLiteral("other.txt"), "y"));
    QVERIFY(m_ex->remove(QStringLiteral("other.txt")));
    QTest::qWait(200);
    QCOMPARE(reports(), 1);
    const int before = reports();
    QVERIFY(m_ex->writeInPlace(writtenAs, "second"));
    QTRY_VERIFY_WITH_TIMEOUT(reports() > before, kTimeout);
}

void TestFileFollower::folderWatchedFromTheMomentItExists()
{
    // Not even the exchange folder, nor the one above it, exists yet.
    const QString above = QFileInfo(m_ex->root()).absolutePath();
    QVERIFY(QDir(above).removeRecursively());
    QSignalSpy folder(m_follower.get(), &FileFollower::folderWatched);
    m_follower->followFolder(ExchangeDirectory::literalRoot());
    m_follower->followFile(support::Exchange::literal(kName));
    QCOMPARE(folder.size(), 0);

    QVERIFY(QDir().mkpath(above));
    QVERIFY(QDir().mkpath(m_ex->root()));
    QTRY_COMPARE_WITH_TIMEOUT(folder.size(), 1, kTimeout);
    QCOMPARE(folder.first().at(0).toString(), ExchangeDirectory::literalRoot());
    QVERIFY(folder.first().at(1).toBool());

    QVERIFY(m_ex->writeInPlace(kName, "first"));
    QTRY_COMPARE_WITH_TIMEOUT(reports(), 1, kTimeout);
    expectFollowedInPlace("second");

    // Removed with the folder and created again: followed again.
    QVERIFY(QDir(m_ex->root()).removeRecursively());
    QTRY_VERIFY_WITH_TIMEOUT(reports() >= 3, kTimeout);
    QVERIFY(QDir().mkpath(m_ex->root()));
    QTRY_COMPARE_WITH_TIMEOUT(folder.size(), 2, kTimeout);
    const int before = reports();
    QVERIFY(m_ex->replace(kName, "third"));
    QTRY_VERIFY_WITH_TIMEOUT(reports() > before, kTimeout);
    expectFollowedInPlace("fourth");
}

// On a share no notification comes for other machines' writes: polling alone
// must see a bridge writing 60 times a second, however it writes.
void TestFileFollower::pollingFollowsAWriterOfSixtyASecond_data()
{
    changesOfAnExistingFile_data();
}

void TestFileFollower::pollingFollowsAWriterOfSixtyASecond()
{
    QFETCH(QString, how);
    m_follower->setNotificationsHeard(false);
    m_follower->setPollPeriod(FileFollower::kNetworkPollMs);
    QVERIFY(m_ex->writeInPlace(kName, "0"));
    m_follower->followFile(support::Exchange::literal(kName));

    constexpr int kWrites = 60;
    constexpr int kPeriodMs = 1000 / 60;
    int seen = 0; // writes followed by a report before the next one
    for (int i = 1; i <= kWrites; ++i) {
        const int before = reports();
        const QByteArray text = QByteArray::number(i) + ";" + QByteArray(i % 7, '5');
        if (how == QLatin1String("in place"))
            QVERIFY(m_ex->writeInPlace(kName, text));
        else if (how == QLatin1String("replace"))
            QVERIFY(m_ex->replace(kName, text));
        else
            QVERIFY(m_ex->remove(kName) && m_ex->writeInPlace(kName, text));
        QTest::qWait(kPeriodMs);
        seen += reports() > before ? 1 : 0;
    }
    // The last write is always reported; a loaded machine may merge a few
    // earlier ones into the next report.
    const int before = reports();
    QVERIFY(m_ex->writeInPlace(kName, "last"));
    QTRY_VERIFY_WITH_TIMEOUT(reports() > before, kTimeout);
    QVERIFY2(seen >= kWrites * 2 / 3, qPrintable(QStringLiteral("%1 of %2 writes seen").arg(seen).arg(kWrites)));
    // Nothing reported without a change (once a look made during the last
    // write, which may have seen it half done, has been followed by the next).
    QTest::qWait(5 * FileFollower::kNetworkPollMs);
    const int settled = reports();
    QTest::qWait(20 * FileFollower::kNetworkPollMs);
    QCOMPARE(reports(), settled);
}

// A file that has not changed for seconds (a layout) is looked at less
// often than the bridge's files, but still looked at.
void TestFileFollower::pollingFollowsAFileQuietForLong()
{
    m_follower->setNotificationsHeard(false);
    m_follower->setPollPeriod(FileFollower::kNetworkPollMs);
    QVERIFY(m_ex->writeInPlace(kName, "0"));
    m_follower->followFile(support::Exchange::literal(kName));
    QTest::qWait(3500);
    QCOMPARE(reports(), 0);
    QVERIFY(m_ex->replace(kName, "1,2,3"));
    QTRY_COMPARE_WITH_TIMEOUT(reports(), 1, kTimeout);
}

void TestFileFollower::pollPeriodFromEnvironment_data()
{
    QTest::addColumn<QByteArray>("value"); // of RADOD_POLL_MS; empty: not set
    QTest::addColumn<int>("period");
    // The test folder is on a local disk: no polling unless asked for.
    QTest::newRow("not set") << QByteArray() << 0;
    QTest::newRow("a period") << QByteArray("25") << 25;
    QTest::newRow("off") << QByteArray("0") << 0;
    QTest::newRow("not a number") << QByteArray("fast") << 0;
}

void TestFileFollower::pollPeriodFromEnvironment()
{
    QFETCH(QByteArray, value);
    QFETCH(int, period);
    const QByteArray saved = qgetenv("RADOD_POLL_MS");
    if (value.isEmpty())
        qunsetenv("RADOD_POLL_MS");
    else
        qputenv("RADOD_POLL_MS", value);
    QVERIFY(!FileFollower::isNetworkFileSystem(m_ex->root()));
    FileFollower follower;
    follower.followFile(support::Exchange::literal(kName));
    const int decided = follower.pollPeriod();
    if (saved.isEmpty())
        qunsetenv("RADOD_POLL_MS");
    else
        qputenv("RADOD_POLL_MS", saved);
    QCOMPARE(decided, period);
}

QTEST_MAIN(TestFileFollower)
#include "tst_filefollower.moc"
