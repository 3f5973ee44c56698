// Text from outside is never interpreted: every module's document, given markup
// and script in every field of every text it reads (value vectors, layout
// strings, lock text, speeds), shows it as it is. Two canaries tell whether
// any of it was taken as rich text: a local listener that an <img> from the
// network would reach, and a file outside the exchange folder that an <img>
// from the disk would open. Each document runs in radod-inspect, as users look
// at it, long enough to render.
#include "modules.h"
#include "servicetestsupport.h"

#include <QFile>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_LINUX
#include <sys/inotify.h>
#include <unistd.h>
#endif

namespace {

// Counts the opens of one file (Linux: inotify); -1 where that cannot be told.
class OpenWatch
{
public:
    explicit OpenWatch(const QString &path)
    {
#ifdef Q_OS_LINUX
        m_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (m_fd >= 0 && inotify_add_watch(m_fd, QFile::encodeName(path).constData(), IN_OPEN | IN_ACCESS) < 0) {
            close(m_fd);
            m_fd = -1;
        }
#else
        Q_UNUSED(path);
#endif
    }
    ~OpenWatch()
    {
#ifdef Q_OS_LINUX
        if (m_fd >= 0)
            close(m_fd);
#endif
    }
    OpenWatch(const OpenWatch &) = delete;
    OpenWatch &operator=(const OpenWatch &) = delete;

    bool works() const { return m_fd >= 0; }
    // Events since the last call.
    int events()
    {
        int n = 0;
#ifdef Q_OS_LINUX
        alignas(inotify_event) char buffer[4096];
        for (ssize_t got; m_fd >= 0 && (got = read(m_fd, buffer, sizeof buffer)) > 0;) {
            for (ssize_t at = 0; at < got; ++n)
                at += ssize_t(sizeof(inotify_event)) + reinterpret_cast<const inotify_event *>(buffer + at)->len;
        }
#endif
        return n;
    }

private:
    int m_fd = -1;
};

} // namespace

class TestPlainText : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void markupInEveryFieldIsShownAsText_data();
    void markupInEveryFieldIsShownAsText();

private:
    // What the canaries saw while `document` ran with hostile texts.
    void run(const QString &document, int *connections, int *opens);

    QTemporaryDir m_dir;
    QString m_canary;
    QTcpServer m_listener;
    QString m_hostile;
};

void TestPlainText::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("exchange")));
    m_canary = m_dir.filePath(QStringLiteral("canary.png"));
    QFile canary(m_canary);
    QVERIFY(canary.open(QIODevice::WriteOnly));
    canary.write(QByteArray("\x89PNG\r\n\x1a\n", 8));
    canary.close();
    QVERIFY(m_listener.listen(QHostAddress::LocalHost));

    // One field of each kind of markup; no field separator (, ; |) inside.
    const QString port = QString::number(m_listener.serverPort());
    const QStringList fields = {
        QStringLiteral("<img src=\"http://127.0.0.1:%1/x.png\">").arg(port),
        QStringLiteral("<img src=\"file://%1\">").arg(m_canary),
        QStringLiteral("<html><img src=\"http://127.0.0.1:%1/y.png\" width=99></html>").arg(port),
        QStringLiteral("<b>bold</b><script>Qt.quit()</script>"),
        QStringLiteral("<a href=\"http://127.0.0.1:%1/a\">a</a>").arg(port),
    };
    // Enough fields for every position any document reads, each separator
    // in turn so that a field of any format holds markup.
    const QStringList separators = {QStringLiteral(";"), QStringLiteral(","), QStringLiteral("|")};
    for (int i = 0; i < 400; ++i)
        m_hostile += fields.at(i % fields.size()) + separators.at(i % separators.size());
}

void TestPlainText::run(const QString &document, int *connections, int *opens)
{
    OpenWatch watch(m_canary);
    QStringList arguments = {document, QStringLiteral("--values"), m_hostile, QStringLiteral("--radio"), m_hostile,
                             QStringLiteral("--lock"), m_hostile, QStringLiteral("--speeds"), m_hostile,
                             QStringLiteral("--wait"), QStringLiteral("1500"), QStringLiteral("--json"),
                             m_dir.filePath(QStringLiteral("items.json"))};
    for (const ModuleInfo &module : Modules::all())
        arguments << QStringLiteral("--layout") << module.layoutProperty + QLatin1Char('=') + m_hostile;
    QCOMPARE(support::runInspect(arguments, m_dir.filePath(QStringLiteral("exchange"))), 0);
    // The listener's backlog holds every connection made, accepted or not.
    *connections = 0;
    while (m_listener.waitForNewConnection(0) && m_listener.hasPendingConnections()) {
        delete m_listener.nextPendingConnection();
        ++*connections;
    }
    *opens = watch.works() ? watch.events() : -1;
}

void TestPlainText::markupInEveryFieldIsShownAsText_data()
{
    QTest::addColumn<QString>("document");
    // The instrument itself: a document that shows a field as rich text
    // must trip both canaries.
    const QString rich = m_dir.filePath(QStringLiteral("Rich.qml"));
    QFile f(rich);
    if (f.open(QIODevice::WriteOnly)) {
        f.write("import QtQuick\n"
                "Item { width: 300; height: 300\n"
                "    Text { text: TimedProcessing.split(';').slice(0, 3).join(' '); textFormat: Text.RichText } }\n");
    }
    QTest::newRow("rich text (control)") << rich;
    for (const ModuleInfo &module : Modules::all())
        QTest::newRow(qPrintable(module.className)) << module.document.toString();
}

void TestPlainText::markupInEveryFieldIsShownAsText()
{
    QFETCH(QString, document);
    int connections = 0;
    int opens = 0;
    run(document, &connections, &opens);
    if (QTest::currentDataTag() == QLatin1String("rich text (control)")) {
        QVERIFY2(connections > 0, "the listener saw no fetch of a rich text's image");
        if (opens >= 0)
            QVERIFY2(opens > 0, "the canary file was not opened for a rich text's image");
        return;
    }
    QCOMPARE(connections, 0);
    if (opens < 0)
        QSKIP("the canary file's opens cannot be watched here");
    QCOMPARE(opens, 0);
}

QTEST_MAIN(TestPlainText)
#include "tst_plaintext.moc"
