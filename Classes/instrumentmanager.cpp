#include "instrumentmanager.h"

#include "exchangedirectory.h"
#include "fileclass.h"
#include "logging.h"

#include <QDir>
#include <QFileInfo>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWidget>
#include <QScopedValueRollback>
#include <QTimer>
#include <QWindow>

namespace {

QString valueFilePath(const QString &fileName)
{
    return ExchangeDirectory::literalPath(fileName);
}

// The context property under which a value file's content reaches documents
// (the names under which the module windows publish the start-up content).
QString valuePropertyFor(const QString &path)
{
    if (path.endsWith(QLatin1String("TimedProcessing.txt")))
        return QStringLiteral("TimedProcessing");
    if (path.endsWith(QLatin1String("lock.txt")))
        return QStringLiteral("lock");
    if (path.endsWith(QLatin1String("TPRadioAvionico.txt")))
        return QStringLiteral("timedDataString");
    if (path.endsWith(QLatin1String("speedsRef.txt")))
        return QStringLiteral("speedsRefValues");
    return QString();
}

QString recipientName(QObject *recipient)
{
    if (auto *widget = qobject_cast<QWidget *>(recipient))
        return widget->window()->windowTitle();
    return recipient->objectName().isEmpty() ? QString::fromLatin1(recipient->metaObject()->className())
                                             : recipient->objectName();
}

InstrumentManager::CreationHook &creationHook()
{
    static InstrumentManager::CreationHook hook = nullptr;
    return hook;
}

} // namespace

InstrumentManager::InstrumentManager(FileClass *fileService, QObject *parent)
    : QObject(parent), fileClass(fileService)
{
    Q_ASSERT(fileClass);
    connect(&m_follower, &FileFollower::fileChanged, this, &InstrumentManager::onFileChanged);
    connect(&m_follower, &FileFollower::folderWatched, this, [this](const QString &path, bool ok) {
        qCDebug(lcManager) << "Adicionando pasta para monitorar:" << path << " - Sucesso:" << ok;
        if (path == m_exchangeFolder)
            restoreKeptFiles();
    });
    if (CreationHook hook = creationHook())
        hook(this);
}

void InstrumentManager::setCreationHook(CreationHook hook)
{
    creationHook() = hook;
}

FileClass *InstrumentManager::fileService() const
{
    return fileClass;
}

void InstrumentManager::initializeConfigWatcher(const QString &directoryPath)
{
    if (!QFileInfo(ExchangeDirectory::resolve(directoryPath)).isDir())
        qCWarning(lcManager) << "Pasta de configurações não encontrada:" << directoryPath;
    m_exchangeFolder = directoryPath;
    m_follower.followFolder(directoryPath);
}

void InstrumentManager::initializeLock(const QString &lockFilePath)
{
    m_lockGeralFilePath = lockFilePath;
    m_lockFiles.insert(lockFilePath);
    if (QFileInfo::exists(ExchangeDirectory::resolve(lockFilePath))) {
        m_follower.followFile(lockFilePath);
        const QString text = fileClass->readTextFromFile(lockFilePath);
        keep(lockFilePath, text);
        applyLockState(text);
    } else {
        // A lock file created now is followed from now on.
        fileClass->writeFile(QStringLiteral("0"), lockFilePath);
        keep(lockFilePath, QStringLiteral("0"));
        m_follower.followFile(lockFilePath);
    }
}

void InstrumentManager::registerInstrument(QMainWindow *window, QQuickWidget *quickWidget,
                                           const QString &configFilePath,
                                           const QString &configPropertyName,
                                           const QString &configDefaultValues,
                                           const QStringList &valueFilesToWatch)
{
    if (!window)
        return;
    const QPointer<QObject> rootObject(quickWidget);
    m_configMap[configFilePath].append({rootObject, configPropertyName, configDefaultValues});
    m_follower.followFile(configFilePath);
    qCDebug(lcManager) << "Gerenciador: Monitorando config" << configFilePath << "para"
                       << window->windowTitle();
    // The layout the window was built with (what the file holds, when it
    // does not publish it).
    if (!m_kept.contains(configFilePath)) {
        const QVariant published = quickWidget ? quickWidget->rootContext()->contextProperty(configPropertyName)
                                               : QVariant();
        keep(configFilePath, published.isValid() ? published.toString() : fileClass->readTextFromFile(configFilePath));
    }

    for (const QString &name : valueFilesToWatch) {
        const QString fullPath = valueFilePath(name);
        m_valuesMap[fullPath].append(rootObject);
        m_follower.followFile(fullPath);
        qCDebug(lcManager) << "Gerenciador: Monitorando valor" << fullPath << "para"
                           << window->windowTitle();
        // What the document holds already: the text its window published.
        const QString property = valuePropertyFor(fullPath);
        const QVariant published = quickWidget && !property.isEmpty()
                ? quickWidget->rootContext()->contextProperty(property)
                : QVariant();
        if (published.isValid()) {
            m_heldTexts.insert({quickWidget, property}, published.toString());
            keep(fullPath, published.toString());
        }
    }
    m_allScreens.append(window);
    emit windowRegistered(window, quickWidget);
    window->show();
}

void InstrumentManager::registerInstrument(QQmlApplicationEngine *engine,
                                           const QString &configFilePath,
                                           const QString &configPropertyName,
                                           const QString &configDefaultValues,
                                           const QStringList &valueFilesToWatch,
                                           const QString &qmlFilePath)
{
    qCDebug(lcManager) << "Calling registerInstrument for QQmlApplicationEngine";
    if (!engine)
        return;
    const QString layout = fileClass->readConfigFromFile(configFilePath, configDefaultValues);
    keep(configFilePath, layout);
    engine->rootContext()->setContextProperty(configPropertyName, layout);
    engine->rootContext()->setContextProperty(QStringLiteral("fileclass"), fileClass);

    const QPointer<QObject> rootObject(engine);
    m_configMap[configFilePath].append({rootObject, configPropertyName, configDefaultValues});
    m_follower.followFile(configFilePath);
    for (const QString &name : valueFilesToWatch) {
        const QString fullPath = valueFilePath(name);
        m_valuesMap[fullPath].append(rootObject);
        m_follower.followFile(fullPath);
    }
    engine->load(qmlFilePath);
    qCDebug(lcManager) << "Gerenciador: Carregando QML" << qmlFilePath;
}

void InstrumentManager::registerWindow(QMainWindow *window)
{
    if (window)
        m_allScreens.append(window);
}

// --- notifications ---------------------------------------------------------

// A followed file changed, was replaced or removed, or appeared: its text goes
// to everyone registered for it.
void InstrumentManager::onFileChanged(const QString &literalPath)
{
    emit notificationReceived(literalPath);
    if (m_configMap.contains(literalPath))
        pushConfig(literalPath);
    if (m_valuesMap.contains(literalPath))
        pushValues(literalPath);
    if (m_lockFiles.contains(literalPath)) {
        qCDebug(lcManager) << "lockGeralChanged ";
        if (literalPath != m_lockGeralFilePath)
            keepLockFile(literalPath);
        applyLockFile();
    }
    emit notificationHandled(literalPath);
}

bool InstrumentManager::goneWithFolder(const QString &literalPath)
{
    return !QFileInfo(ExchangeDirectory::resolve(literalPath)).absoluteDir().exists();
}

void InstrumentManager::keep(const QString &literalPath, const QString &text)
{
    // Only a file read as a file is an empty layout: one found missing (its
    // removal may be read only after its folder was deleted and made again,
    // before the folder's return is seen), or something else in its place
    // that is not read (a folder, a link), leaves what was kept last, to be
    // written back.
    if (text.isEmpty()) {
        const QFileInfo info(ExchangeDirectory::resolve(literalPath));
        if (!info.isFile() || info.isSymLink())
            return;
    }
    if (m_configMap.contains(literalPath) || m_lockFiles.contains(literalPath)
        || valuePropertyFor(literalPath) == QLatin1String("speedsRefValues"))
        m_kept.insert(literalPath, text);
}

void InstrumentManager::keepLockFile(const QString &literalPath)
{
    if (goneWithFolder(literalPath))
        return;
    QString text;
    if (readSettled(QStringLiteral("kept"), literalPath, &text, [this, literalPath] { keepLockFile(literalPath); })
        && !goneWithFolder(literalPath))
        keep(literalPath, text);
}

void InstrumentManager::restoreKeptFiles()
{
    QStringList restored;
    for (auto it = m_kept.constBegin(); it != m_kept.constEnd(); ++it) {
        if (it.value().isEmpty() || QFileInfo::exists(ExchangeDirectory::resolve(it.key())))
            continue;
        if (fileClass->write(it.value(), it.key()))
            restored.append(it.key());
    }
    if (!restored.isEmpty())
        qCInfo(lcManager) << "Pasta de troca de volta: arquivos regravados" << restored;
}

// --- pushes ----------------------------------------------------------------

void InstrumentManager::pushConfig(const QString &literalPath)
{
    const auto it = m_configMap.constFind(literalPath);
    if (it == m_configMap.constEnd() || goneWithFolder(literalPath))
        return;
    QString text;
    if (!readSettled(QStringLiteral("config"), literalPath, &text, [this, literalPath] { pushConfig(literalPath); }))
        return;
    if (goneWithFolder(literalPath))
        return; // went while the rest of a rewrite was awaited
    keep(literalPath, text);
    for (const ConfigInfo &info : *it)
        pushText(info.rootObject, info.propertyName, text, literalPath, false);
}

void InstrumentManager::pushValues(const QString &literalPath)
{
    const QString propertyName = valuePropertyFor(literalPath);
    const auto it = m_valuesMap.constFind(literalPath);
    if (propertyName.isEmpty() || it == m_valuesMap.constEnd() || goneWithFolder(literalPath))
        return;
    QString text;
    if (!readSettled(QStringLiteral("values"), literalPath, &text, [this, literalPath] { pushValues(literalPath); }))
        return;
    if (goneWithFolder(literalPath))
        return;
    keep(literalPath, text);
    for (const QPointer<QObject> &recipient : *it)
        pushText(recipient, propertyName, text, literalPath, !m_plain);
}

bool InstrumentManager::readSettled(const QString &purpose, const QString &literalPath, QString *text,
                                    const std::function<void()> &settle)
{
    const std::optional<QString> read = this->read(literalPath);
    if (!read)
        return false; // too large: the documents keep what they hold
    *text = *read;
    if (m_plain)
        return true;
    const QString key = purpose + QLatin1Char('|') + literalPath;
    QTimer *wait = m_rewriteWaits.value(key);
    if (!text->isEmpty() || m_settling || m_readEmpty.contains(key)) {
        // Text, or a settled read, or a file that was empty already: pass it on.
        if (wait)
            wait->stop();
        if (text->isEmpty())
            m_readEmpty.insert(key);
        else
            m_readEmpty.remove(key);
        return true;
    }
    if (!wait) {
        wait = new QTimer(this);
        wait->setSingleShot(true);
        connect(wait, &QTimer::timeout, this, [this, settle] {
            const QScopedValueRollback<bool> settling(m_settling, true);
            settle();
        });
        m_rewriteWaits.insert(key, wait);
    }
    QElapsedTimer &since = m_waitingSince[key];
    if (!wait->isActive()) {
        // Every in-place rewrite passes through this; logged with the pushes, off by default.
        qCDebug(lcPush) << "Gerenciador: arquivo vazio durante a escrita, aguardando:" << literalPath;
        since.start();
        wait->start(m_rewriteGraceMs);
    } else if (since.elapsed() < qint64(kRewriteWaitLimit) * m_rewriteGraceMs) {
        // Empty again while waiting: the writer is still at it (or this read
        // came right after its next truncation). The grace starts again, so
        // that the settling read does not land in a truncation of its own.
        qCDebug(lcPush) << "Gerenciador: arquivo ainda vazio, aguardando de novo:" << literalPath;
        wait->start(m_rewriteGraceMs);
    }
    return false;
}

std::optional<QString> InstrumentManager::read(const QString &literalPath)
{
    emit readStarted(literalPath);
    const std::optional<QString> text = fileClass->readText(literalPath);
    emit readFinished(literalPath, text.value_or(QString()));
    return text;
}

void InstrumentManager::pushText(QObject *recipient, const QString &propertyName, const QString &text,
                                 const QString &literalPath, bool skipIfHeld)
{
    if (!recipient)
        return;
    if (skipIfHeld) {
        const QPair<const QObject *, QString> key(recipient, propertyName);
        const auto held = m_heldTexts.constFind(key);
        if (held != m_heldTexts.constEnd() && *held == text) {
            emit pushSkipped(recipient, propertyName, text);
            return;
        }
        m_heldTexts.insert(key, text);
    }
    push(recipient, propertyName, text, literalPath);
}

void InstrumentManager::push(QObject *recipient, const QString &propertyName, const QString &text,
                             const QString &literalPath)
{
    QQmlContext *context = nullptr;
    if (auto *widget = qobject_cast<QQuickWidget *>(recipient))
        context = widget->rootContext();
    else if (auto *engine = qobject_cast<QQmlApplicationEngine *>(recipient))
        context = engine->rootContext();
    if (!context)
        return; // destroyed, or neither a quick widget nor an engine
    qCDebug(lcPush).nospace().noquote() << "push " << propertyName << " <- " << literalPath << " ("
                              << text.size() << " characters) to " << recipientName(recipient);
    emit pushStarted(recipient, propertyName);
    context->setContextProperty(propertyName, text);
    emit pushFinished(recipient, propertyName, text);
}

void InstrumentManager::applyLockFile()
{
    if (goneWithFolder(m_lockGeralFilePath))
        return;
    QString text;
    if (readSettled(QStringLiteral("frames"), m_lockGeralFilePath, &text, [this] { applyLockFile(); })
        && !goneWithFolder(m_lockGeralFilePath)) {
        keep(m_lockGeralFilePath, text);
        applyLockState(text);
    }
}

void InstrumentManager::applyLockState(const QString &lockStatus)
{
    const bool locked = lockStatus == QLatin1String("1");
    for (const QPointer<QMainWindow> &window : std::as_const(m_allScreens)) {
        if (window)
            setFrameless(window, locked);
    }
}

void InstrumentManager::setFrameless(QWidget *window, bool frameless)
{
    // A window already in the wanted state is left alone.
    if (window->windowFlags().testFlag(Qt::FramelessWindowHint) == frameless)
        return;
    // Only the frame comes or goes. The window keeps all its other flags
    // (above ordinary windows among them), its place (the outer top-left
    // corner, where a stored position puts it) and its size. A shown window
    // is told so through its native window, which the window system changes
    // in place: the widget's own setWindowFlags would hide it and make a new
    // native window, which loses its place and, racing with the window
    // manager, its stay-on-top state.
    Qt::WindowFlags flags = window->windowFlags();
    flags.setFlag(Qt::FramelessWindowHint, frameless);
    QWindow *native = window->windowHandle();
    if (!native || !window->isVisible()) {
        window->setWindowFlags(flags);
        return;
    }
    window->overrideWindowFlags(flags);
    native->setFlags(flags);
}
