// radod-qmltest: runs Qt Quick Test cases against the compiled resource tree.
//
// Each test file gets a fresh temporary exchange folder and, as context
// properties, what a module window publishes to its document:
//   fileclass, fileObj   a real FileClass over that folder
//   testSupport          see TestSupport below
// Documents of the resource tree are imported by their qrc: URLs.
#include "exchangedirectory.h"
#include "fileclass.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QQmlContext>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QtQuickTest>

// Lets a test case set the context properties that module windows publish
// (TimedProcessing, lock, configStringCessna, ...) and look at the exchange
// folder directly, bypassing the file service under test.
class TestSupport : public QObject
{
    Q_OBJECT
public:
    explicit TestSupport(QObject *parent = nullptr) : QObject(parent) {}
    void setEngine(QQmlEngine *engine) { m_engine = engine; }

    Q_INVOKABLE void setContextProperty(const QString &name, const QVariant &value)
    {
        if (m_engine)
            m_engine->rootContext()->setContextProperty(name, value);
    }
    Q_INVOKABLE QString exchangeFolder() const { return ExchangeDirectory::root(); }
    // Literal exchange path of a file name ("config.txt" -> C:\Radod\instrumentos\config.txt).
    Q_INVOKABLE QString literalPath(const QString &name) const
    {
        return ExchangeDirectory::literalPath(name);
    }
    Q_INVOKABLE bool exists(const QString &path) const
    {
        return QFile::exists(ExchangeDirectory::resolve(path));
    }
    // Raw bytes of a file as UTF-8 text; "<missing>" when it does not exist.
    Q_INVOKABLE QString read(const QString &path) const
    {
        QFile f(ExchangeDirectory::resolve(path));
        if (!f.open(QIODevice::ReadOnly))
            return QStringLiteral("<missing>");
        return QString::fromUtf8(f.readAll());
    }
    Q_INVOKABLE bool write(const QString &path, const QString &content) const
    {
        QFile f(ExchangeDirectory::resolve(path));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        f.write(content.toUtf8());
        return true;
    }
    Q_INVOKABLE void remove(const QString &path) const
    {
        QFile::remove(ExchangeDirectory::resolve(path));
    }
    // The id an object has in the document that declares it ("" when none),
    // which QML itself does not tell.
    Q_INVOKABLE QString idOf(QObject *object) const
    {
        const QQmlContext *context = object ? qmlContext(object) : nullptr;
        return context ? context->nameForObject(object) : QString();
    }
    // Removes every file of the exchange folder (between test functions).
    Q_INVOKABLE void clearExchange() const
    {
        QDir dir(ExchangeDirectory::root());
        dir.removeRecursively();
        QDir().mkpath(ExchangeDirectory::root());
    }

private:
    QQmlEngine *m_engine = nullptr;
};

class Setup : public QObject
{
    Q_OBJECT
public slots:
    void applicationAvailable()
    {
        qputenv("QT_QUICK_CONTROLS_STYLE", "Material");
        ExchangeDirectory::setRoot(m_folder.path());
    }
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        m_support.setEngine(engine);
        engine->rootContext()->setContextProperty(QStringLiteral("fileclass"), &m_files);
        engine->rootContext()->setContextProperty(QStringLiteral("fileObj"), &m_files);
        engine->rootContext()->setContextProperty(QStringLiteral("testSupport"), &m_support);
    }

private:
    QTemporaryDir m_folder;
    FileClass m_files;
    TestSupport m_support;
};

QUICK_TEST_MAIN_WITH_SETUP(radod, Setup)

#include "main.moc"
