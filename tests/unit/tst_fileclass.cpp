// The file service: the two read modes, writes (atomic, exact bytes, failures
// that leave the old file), create and delete, and bad input of every kind.
#include "fileclass.h"
#include "servicetestsupport.h"

#include <QRegularExpression>
#include <QtTest>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

using support::Exchange;

namespace {

// A failure message: the fixed text, the real path, the reason (any when
// empty) and what the user loses.
QRegularExpression notKept(const QString &text, const QString &realPath, const QString &reason = {})
{
    return QRegularExpression(QStringLiteral("^%1 %2 \\(%3\\); os arranjos não serão guardados$")
                                  .arg(QRegularExpression::escape(text),
                                       QRegularExpression::escape(QDir::toNativeSeparators(realPath)),
                                       reason.isEmpty() ? QStringLiteral(".+") : QRegularExpression::escape(reason)));
}

} // namespace

class TestFileClass : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void textReadModes_data();
    void textReadModes();
    void configReadIsVerbatim_data();
    void configReadIsVerbatim();
    void configReadCreatesFolderAndFile();
    void configReadOfFolderOrPipeGivesDefault();
    void configReadWhenFolderCannotBeCreated();
    void oversizedFileIsRefusedUnread();
    void writeIsExactAndAtomic();
    void failedWritesLeaveTheOldFile();
    void writeIntoMissingFolderCreatesNothing();
    void writeIfUnchanged_data();
    void writeIfUnchanged();
    void nothingOutsideTheFolderIsTouched_data();
    void nothingOutsideTheFolderIsTouched();
    void createAndDelete();
    void namesMatchWithoutLetterCase();

private:
    QString lit(const QString &name) const { return Exchange::literal(name); }
    std::unique_ptr<Exchange> m_ex;
    FileClass m_files;
};

void TestFileClass::init()
{
    m_ex = std::make_unique<Exchange>();
}

void TestFileClass::cleanup()
{
    m_ex.reset();
}

void TestFileClass::textReadModes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << QByteArray("1;2;3") << QStringLiteral("1;2;3");
    QTest::newRow("blanks and line end") << QByteArray("  \n") << QString();
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("CRLF dropped to LF") << QByteArray("1\r\n") << QStringLiteral("1\n");
    QTest::newRow("trailing white space kept") << QByteArray(" 0;1 \n") << QStringLiteral(" 0;1 \n");
    QTest::newRow("byte-order mark dropped") << QByteArray("\xef\xbb\xbf" "0") << QStringLiteral("0");
    QTest::newRow("UTF-8") << QByteArray("Módulo") << QStringLiteral("Módulo");
    QTest::newRow("invalid UTF-8 replaced")
            << support::invalidUtf8()
            << QString::fromUtf8(support::invalidUtf8());
}

void TestFileClass::textReadModes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QVERIFY(m_ex->writeInPlace(QStringLiteral("TimedProcessing.txt"), bytes));
    QCOMPARE(m_files.readTextFromFile(lit(QStringLiteral("TimedProcessing.txt"))), expected);
}

void TestFileClass::configReadIsVerbatim_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("layout") << QByteArray("0,0,1920,1080");
    QTest::newRow("empty file is not the default") << QByteArray();
    QTest::newRow("carriage returns stay") << QByteArray("1,2\r\n");
    QTest::newRow("blanks stay") << QByteArray("  ");
    QTest::newRow("at the size limit") << QByteArray(FileClass::kMaxFileSize, '7');
}

void TestFileClass::configReadIsVerbatim()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(m_ex->writeInPlace(QStringLiteral("config.txt"), bytes));
    QCOMPARE(m_files.readConfigFromFile(lit(QStringLiteral("config.txt")), QStringLiteral("default")),
             QString::fromUtf8(bytes));
    QCOMPARE(m_ex->bytes(QStringLiteral("config.txt")), bytes);
}

void TestFileClass::configReadCreatesFolderAndFile()
{
    QVERIFY(QDir(m_ex->root()).removeRecursively());
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("^Arquivo nao existente, reposicao criada: ")));
    QCOMPARE(m_files.readConfigFromFile(lit(QStringLiteral("configCaravan.txt")), QStringLiteral("a,b,c")),
             QStringLiteral("a,b,c"));
    QCOMPARE(m_ex->bytes(QStringLiteral("configCaravan.txt")), QByteArray("a,b,c"));

    // Sub-folders too.
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("^Arquivo nao existente, reposicao criada: ")));
    QCOMPARE(m_files.readConfigFromFile(lit(QStringLiteral("G1000\\configN1.txt")), QStringLiteral("n")),
             QStringLiteral("n"));
    QCOMPARE(m_ex->bytes(QStringLiteral("G1000/configN1.txt")), QByteArray("n"));
}

void TestFileClass::configReadOfFolderOrPipeGivesDefault()
{
    QVERIFY(QDir(m_ex->root()).mkdir(QStringLiteral("config.txt")));
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("^Não foi possível abrir o arquivo para leitura:")));
    QCOMPARE(m_files.readConfigFromFile(lit(QStringLiteral("config.txt")), QStringLiteral("d")), QStringLiteral("d"));
    QVERIFY(QFileInfo(m_ex->real(QStringLiteral("config.txt"))).isDir()); // left alone
    QCOMPARE(m_files.readTextFromFile(lit(QStringLiteral("config.txt"))), QString());

#ifndef Q_OS_WIN
    // A pipe would block a reader until someone writes into it.
    const QByteArray fifo = QFile::encodeName(m_ex->real(QStringLiteral("lock.txt")));
    QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
    QCOMPARE(m_files.readTextFromFile(lit(QStringLiteral("lock.txt"))), QString());
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("^Não foi possível abrir o arquivo para leitura:")));
    QCOMPARE(m_files.readConfigFromFile(lit(QStringLiteral("lock.txt")), QStringLiteral("0")), QStringLiteral("0"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Falha ao criar o arquivo:")));
    m_files.createFile(lit(QStringLiteral("lock.txt")));
#endif
}

void TestFileClass::configReadWhenFolderCannotBeCreated()
{
    // A file stands where the folder should be.
    QVERIFY(QDir(m_ex->root()).removeRecursively());
    QVERIFY(QDir().mkpath(QFileInfo(m_ex->root()).absolutePath()));
    QFile blocker(m_ex->root());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    // Said once, as a warning with the folder, the reason and the consequence.
    QTest::ignoreMessage(QtWarningMsg, notKept(QStringLiteral("Não foi possível criar o diretório:"), m_ex->root()));
    QCOMPARE(m_files.readConfigFromFile(lit(QStringLiteral("config.txt")), QStringLiteral("def")), QStringLiteral("def"));
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    QCOMPARE(m_files.readConfigFromFile(lit(QStringLiteral("configBaron.txt")), QStringLiteral("b")), QStringLiteral("b"));
    QVERIFY(!m_files.write(QStringLiteral("0"), lit(QStringLiteral("lock.txt")))); // in that folder: said already
    QVERIFY(QFileInfo(m_ex->root()).isFile());
}

void TestFileClass::oversizedFileIsRefusedUnread()
{
    // 50 MB (sparse): refused by its size, quickly, with one warning naming
    // the file and its size, until the file is sane again.
    constexpr qint64 kSize = qint64(50) * 1024 * 1024;
    const QStringList names = {QStringLiteral("TimedProcessing.txt"), QStringLiteral("configBaron.txt")};
    for (const QString &name : names) {
        QFile f(m_ex->real(name));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(kSize));
    }
    const QString values = lit(names.at(0));
    const QString layout = lit(names.at(1));
    for (const QString &name : names) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Arquivo grande demais, ignorado: %1 \\(%2 bytes, limite 65536\\)$")
                                                                  .arg(QRegularExpression::escape(QDir::toNativeSeparators(m_ex->real(name))))
                                                                  .arg(kSize)));
    }
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!m_files.readText(values).has_value());
    QCOMPARE(m_files.readConfigFromFile(layout, QStringLiteral("default")), QStringLiteral("default"));
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(m_files.readTextFromFile(values), QString());
        QCOMPARE(m_files.readConfigFromFile(layout, QStringLiteral("default")), QStringLiteral("default"));
    }
    // Reading it whole would take hundreds of milliseconds each time.
    QVERIFY2(clock.elapsed() < 250, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(QFileInfo(m_ex->real(names.at(1))).size(), kSize); // not replaced by the default

    // Sane again: read, and a later oversized file is said again.
    QVERIFY(m_ex->writeInPlace(names.at(0), "1;2"));
    QCOMPARE(m_files.readText(values).value_or(QStringLiteral("<refused>")), QStringLiteral("1;2"));
    QVERIFY(m_ex->writeInPlace(names.at(0), QByteArray(FileClass::kMaxFileSize + 1, '1')));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Arquivo grande demais, ignorado: .* \\(65537 bytes")));
    QVERIFY(!m_files.readText(values).has_value());
}

void TestFileClass::writeIsExactAndAtomic()
{
    const QString path = lit(QStringLiteral("configBaron.txt"));
    m_files.writeFile(QStringLiteral("abc"), path);
    QCOMPARE(m_ex->bytes(QStringLiteral("configBaron.txt")), QByteArray("abc"));

    // UTF-8 without byte-order mark or line end, whole file replaced.
    m_files.writeFile(QStringLiteral("Módulo"), path);
    QCOMPARE(m_ex->bytes(QStringLiteral("configBaron.txt")), QByteArray("Módulo"));
    m_files.writeFile(QString(), path);
    QCOMPARE(m_ex->bytes(QStringLiteral("configBaron.txt")), QByteArray());
    QVERIFY(m_files.write(QString::fromLatin1(support::megabyte()), path));
    QCOMPARE(m_ex->bytes(QStringLiteral("configBaron.txt")).size(), 1024 * 1024);

    // The new content arrives as a new file renamed over the old one: a reader
    // holding the old file still sees it whole, and no temporary file is left.
    QFile reader(m_ex->real(QStringLiteral("configBaron.txt")));
    QVERIFY(reader.open(QIODevice::ReadOnly));
    m_files.writeFile(QStringLiteral("new"), path);
    QCOMPARE(reader.readAll().size(), 1024 * 1024);
    QCOMPARE(m_ex->bytes(QStringLiteral("configBaron.txt")), QByteArray("new"));
    QCOMPARE(QDir(m_ex->root()).entryList(QDir::Files), QStringList{QStringLiteral("configBaron.txt")});
}

void TestFileClass::failedWritesLeaveTheOldFile()
{
    // A folder where the file should be: a warning with the file, the reason
    // and the consequence, said once however often the file is written (the
    // panels write on every drag) until it has been written again.
    const QString lock = lit(QStringLiteral("lock.txt"));
    const QRegularExpression refused = notKept(QStringLiteral("Falhou ao abrir o arquivo para escrita:"),
                                               m_ex->real(QStringLiteral("lock.txt")), QStringLiteral("Is a directory"));
    QVERIFY(QDir(m_ex->root()).mkdir(QStringLiteral("lock.txt")));
    QTest::ignoreMessage(QtWarningMsg, refused);
    QVERIFY(!m_files.write(QStringLiteral("1"), lock));
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    QVERIFY(!m_files.write(QStringLiteral("1"), lock));
    QVERIFY(QFileInfo(m_ex->real(QStringLiteral("lock.txt"))).isDir());
    QVERIFY(QDir(m_ex->root()).rmdir(QStringLiteral("lock.txt")));
    QVERIFY(m_files.write(QStringLiteral("1"), lock));
    QVERIFY(m_ex->remove(QStringLiteral("lock.txt")) && QDir(m_ex->root()).mkdir(QStringLiteral("lock.txt")));
    QTest::ignoreMessage(QtWarningMsg, refused);
    QVERIFY(!m_files.write(QStringLiteral("1"), lock));

    if (support::runningAsRoot())
        QSKIP("permissions do not apply to the superuser");
    // A read-only file keeps its content.
    QVERIFY(m_ex->writeInPlace(QStringLiteral("config.txt"), "old"));
    QFile::setPermissions(m_ex->real(QStringLiteral("config.txt")), QFile::ReadOwner);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Falhou ao abrir o arquivo para escrita:")));
    m_files.writeFile(QStringLiteral("new"), lit(QStringLiteral("config.txt")));
    QCOMPARE(m_ex->bytes(QStringLiteral("config.txt")), QByteArray("old"));

    // A folder that refuses new files: the old file stays whole.
    QVERIFY(m_ex->writeInPlace(QStringLiteral("configRadio.txt"), "old"));
    QFile::setPermissions(m_ex->root(), QFile::ReadOwner | QFile::ExeOwner);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Falhou ao abrir o arquivo para escrita:")));
    const bool written = m_files.write(QStringLiteral("new"), lit(QStringLiteral("configRadio.txt")));
    QFile::setPermissions(m_ex->root(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!written);
    QCOMPARE(m_ex->bytes(QStringLiteral("configRadio.txt")), QByteArray("old"));
}

void TestFileClass::writeIntoMissingFolderCreatesNothing()
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Falhou ao abrir o arquivo para escrita:")));
    m_files.writeFile(QStringLiteral("x"), lit(QStringLiteral("nowhere\\file.txt")));
    QVERIFY(!QFileInfo::exists(m_ex->real(QStringLiteral("nowhere"))));
}

void TestFileClass::writeIfUnchanged_data()
{
    QTest::addColumn<QByteArray>("onDisk"); // "<missing>": no file
    QTest::addColumn<QString>("read");      // what the writer read before
    QTest::addColumn<bool>("written");
    QTest::newRow("holds what was read") << QByteArray("1,2,3") << QStringLiteral("1,2,3") << true;
    QTest::newRow("as the text read gave it") << QByteArray("1,2\r\n") << QStringLiteral("1,2\n") << true;
    QTest::newRow("blank, read as empty") << QByteArray(" \n") << QString() << true;
    QTest::newRow("missing, read as empty") << QByteArray("<missing>") << QString() << true;
    QTest::newRow("a newer layout landed") << QByteArray("9,9,9") << QStringLiteral("1,2,3") << false;
    QTest::newRow("emptied since") << QByteArray() << QStringLiteral("1,2,3") << false;
    QTest::newRow("deleted since") << QByteArray("<missing>") << QStringLiteral("1,2,3") << false;
    QTest::newRow("too large now") << QByteArray(FileClass::kMaxFileSize + 1, '1') << QString() << false;
}

void TestFileClass::writeIfUnchanged()
{
    QFETCH(QByteArray, onDisk);
    QFETCH(QString, read);
    QFETCH(bool, written);
    const QString name = QStringLiteral("configRadio.txt");
    if (onDisk != "<missing>")
        QVERIFY(m_ex->writeInPlace(name, onDisk));
    if (onDisk.size() > FileClass::kMaxFileSize)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Arquivo grande demais, ignorado:")));
    QCOMPARE(m_files.writeFileIfUnchanged(QStringLiteral("new"), lit(name), read), written);
    QCOMPARE(m_ex->bytes(name), written ? QByteArray("new") : onDisk);
}

// Links out of the folder are neither read nor written through, and the
// folder itself, deleted, is made again by a write.
void TestFileClass::nothingOutsideTheFolderIsTouched_data()
{
    QTest::addColumn<QString>("target"); // where lock.txt links to, from the folder's parent
    QTest::addColumn<bool>("inside");
    QTest::newRow("a file outside") << "outside.txt" << false;
    QTest::newRow("a file not yet there outside") << "missing.txt" << false;
    QTest::newRow("a file inside") << "instrumentos/real.txt" << true;
}

void TestFileClass::nothingOutsideTheFolderIsTouched()
{
    QFETCH(QString, target);
    QFETCH(bool, inside);
#ifdef Q_OS_WIN
    QSKIP("Symbolic links need privileges on Windows.");
#endif
    const QString parent = QFileInfo(m_ex->root()).absolutePath();
    QFile outside(parent + QStringLiteral("/outside.txt"));
    QVERIFY(outside.open(QIODevice::WriteOnly) && outside.write("kept") == 4);
    outside.close();
    QVERIFY(m_ex->writeInPlace(QStringLiteral("real.txt"), "inner"));
    QVERIFY(QFile::link(parent + QLatin1Char('/') + target, m_ex->real(QStringLiteral("lock.txt"))));

    const QString lock = lit(QStringLiteral("lock.txt"));
    QCOMPARE(m_files.readTextFromFile(lock), inside ? QStringLiteral("inner") : QString());
    if (!inside)
        QTest::ignoreMessage(QtWarningMsg, notKept(QStringLiteral("Falhou ao abrir o arquivo para escrita:"),
                                                   m_ex->real(QStringLiteral("lock.txt")),
                                                   QStringLiteral("Leads outside the exchange folder")));
    QCOMPARE(m_files.write(QStringLiteral("1"), lock), inside);
    QCOMPARE(m_files.writeFileIfUnchanged(QStringLiteral("1"), lock, QString()), false);
    QCOMPARE(QDir(parent).entryList(QDir::Files), QStringList{QStringLiteral("outside.txt")});
    QVERIFY(outside.open(QIODevice::ReadOnly));
    QCOMPARE(outside.readAll(), QByteArray("kept"));

    QVERIFY(QDir(m_ex->root()).removeRecursively());
    QVERIFY(m_files.write(QStringLiteral("0"), lock));
    QCOMPARE(m_ex->bytes(QStringLiteral("lock.txt")), QByteArray("0"));
}

void TestFileClass::createAndDelete()
{
    QVERIFY(m_ex->writeInPlace(QStringLiteral("speedsRef.txt"), "content"));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^Arquivo criado com sucesso:")));
    m_files.createFile(lit(QStringLiteral("speedsRef.txt")));
    QCOMPARE(m_ex->bytes(QStringLiteral("speedsRef.txt")), QByteArray());

    QVERIFY(QDir(m_ex->root()).mkdir(QStringLiteral("folder.txt")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Falha ao criar o arquivo:")));
    m_files.createFile(lit(QStringLiteral("folder.txt")));

    m_files.deleteFile(lit(QStringLiteral("speedsRef.txt")));
    QVERIFY(!m_ex->exists(QStringLiteral("speedsRef.txt")));
    // A missing file and a folder: nothing happens, nothing is logged.
    m_files.deleteFile(lit(QStringLiteral("speedsRef.txt")));
    m_files.deleteFile(lit(QStringLiteral("folder.txt")));
    QVERIFY(QFileInfo(m_ex->real(QStringLiteral("folder.txt"))).isDir());
}

void TestFileClass::namesMatchWithoutLetterCase()
{
    QVERIFY(QDir(m_ex->root()).mkdir(QStringLiteral("g1000")));
    QVERIFY(m_ex->writeInPlace(QStringLiteral("g1000/configG1000.txt"), "g"));
    QCOMPARE(m_files.readTextFromFile(QStringLiteral("c:/radod/INSTRUMENTOS/G1000/ConfigG1000.txt")), QStringLiteral("g"));
    m_files.writeFile(QStringLiteral("h"), QStringLiteral("C:\\Radod\\instrumentos\\G1000\\CONFIGG1000.TXT"));
    QCOMPARE(m_ex->bytes(QStringLiteral("g1000/configG1000.txt")), QByteArray("h"));
    QCOMPARE(QDir(m_ex->root() + QStringLiteral("/g1000")).entryList(QDir::Files).size(), 1);
}

QTEST_MAIN(TestFileClass)
#include "tst_fileclass.moc"
