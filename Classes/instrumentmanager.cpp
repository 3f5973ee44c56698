#include "instrumentmanager.h"

#include "benchtrace.h"
#include "exchangedirectory.h"
#include "fileclass.h"
#include "logging.h"
#include "modulewindow.h"

#include <QFileInfo>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWidget>
#include <QScopedValueRollback>
#include <QSet>
#include <QTimer>

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
    return QString();
}

QString recipientName(QObject *recipient)
{
    if (auto *widget = qobject_cast<QWidget *>(recipient))
        return widget->window()->windowTitle();
    return recipient->objectName().isEmpty() ? QString::fromLatin1(recipient->metaObject()->className())
                                             : recipient->objectName();
}

} // namespace

InstrumentManager::InstrumentManager(QObject *parent)
    : QObject(parent), fileClass(new FileClass(this)),
      m_plain(qgetenv("RADOD_PLAIN_MANAGER") == "1")
{
    BenchTrace::setManagerMode(m_plain ? QStringLiteral("plain") : QStringLiteral("ours"));
    connect(&m_configWatcher, &QFileSystemWatcher::fileChanged, this,
            &InstrumentManager::onConfigFileChanged);
    connect(&m_folderWatcher, &QFileSystemWatcher::directoryChanged, this,
            &InstrumentManager::onDirectoryChanged);
    connect(&m_valuesWatcher, &QFileSystemWatcher::fileChanged, this,
            &InstrumentManager::onValuesFileChanged);
    connect(&m_lockGeralWatcher, &QFileSystemWatcher::fileChanged, this,
            &InstrumentManager::onLockGeralFileChanged);
}

FileClass *InstrumentManager::fileService() const
{
    return fileClass;
}

void InstrumentManager::initializeConfigWatcher(const QString &directoryPath)
{
    m_folderPath = directoryPath;
    if (!QFileInfo(ExchangeDirectory::resolve(directoryPath)).isDir())
        qCWarning(lcManager) << "Pasta de configurações não encontrada:" << directoryPath;
    updateFolderWatch();
}

void InstrumentManager::initializeLock(const QString &lockFilePath)
{
    m_lockGeralFilePath = lockFilePath;
    if (QFileInfo::exists(ExchangeDirectory::resolve(lockFilePath))) {
        follow(m_lockGeralWatcher, m_lockFiles, lockFilePath);
        applyLockState(fileClass->readTextFromFile(lockFilePath));
    } else {
        // A lock file created now is followed from now on.
        fileClass->writeFile(QStringLiteral("0"), lockFilePath);
        follow(m_lockGeralWatcher, m_lockFiles, lockFilePath);
    }
    updateFolderWatch();
}

void InstrumentManager::registerInstrument(ModuleWindow *screen, const QString &configFilePath,
                                           const QString &configPropertyName,
                                           const QString &configDefaultValues,
                                           const QStringList &valueFilesToWatch)
{
    if (!screen)
        return;
    registerWidget(screen, screen->getQuickWidget(), configFilePath, configPropertyName,
                   configDefaultValues, valueFilesToWatch);
}

void InstrumentManager::registerWidget(QMainWindow *window, QQuickWidget *quickWidget,
                                       const QString &configFilePath,
                                       const QString &configPropertyName,
                                       const QString &configDefaultValues,
                                       const QStringList &valueFilesToWatch)
{
    if (!window)
        return;
    const QPointer<QObject> rootObject(quickWidget);
    m_configMap[configFilePath].append({rootObject, configPropertyName, configDefaultValues});
    follow(m_configWatcher, m_configFiles, configFilePath);
    qCDebug(lcManager) << "Gerenciador: Monitorando config" << configFilePath << "para"
                       << window->windowTitle();

    for (const QString &name : valueFilesToWatch) {
        const QString fullPath = valueFilePath(name);
        follow(m_valuesWatcher, m_valueFiles, fullPath);
        m_valuesMap[fullPath].append(rootObject);
        qCDebug(lcManager) << "Gerenciador: Monitorando valor" << fullPath << "para"
                           << window->windowTitle();
        // What the document holds already: the text its window published.
        const QString property = valuePropertyFor(fullPath);
        const QVariant published = quickWidget && !property.isEmpty()
                ? quickWidget->rootContext()->contextProperty(property)
                : QVariant();
        if (published.isValid())
            m_heldTexts.insert({quickWidget, property}, published.toString());
    }
    m_allScreens.append(window);
    updateFolderWatch();
    BenchTrace::watchWindow(window, quickWidget);
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
    engine->rootContext()->setContextProperty(configPropertyName, layout);
    engine->rootContext()->setContextProperty(QStringLiteral("fileclass"), fileClass);

    const QPointer<QObject> rootObject(engine);
    m_configMap[configFilePath].append({rootObject, configPropertyName, configDefaultValues});
    follow(m_configWatcher, m_configFiles, configFilePath);
    for (const QString &name : valueFilesToWatch) {
        const QString fullPath = valueFilePath(name);
        follow(m_valuesWatcher, m_valueFiles, fullPath);
        m_valuesMap[fullPath].append(rootObject);
    }
    updateFolderWatch();
    engine->load(qmlFilePath);
    qCDebug(lcManager) << "Gerenciador: Carregando QML" << qmlFilePath;
}

void InstrumentManager::registerWindow(QMainWindow *window)
{
    if (window)
        m_allScreens.append(window);
}

// --- notifications ---------------------------------------------------------

void InstrumentManager::onConfigFileChanged(const QString &path)
{
    for (const QString &literal : literalsFor(m_configFiles, path)) {
        pushConfig(literal);
        follow(m_configWatcher, m_configFiles, literal);
    }
    updateFolderWatch();
}

void InstrumentManager::onValuesFileChanged(const QString &path)
{
    const qint64 notified = BenchTrace::enabled() ? BenchTrace::now() : 0;
    if (BenchTrace::enabled())
        BenchTrace::record(BenchTrace::Notify, BenchTrace::fileOf(path), -1, notified);
    for (const QString &literal : literalsFor(m_valueFiles, path)) {
        pushValues(literal);
        follow(m_valuesWatcher, m_valueFiles, literal);
    }
    updateFolderWatch();
    if (BenchTrace::enabled())
        BenchTrace::record(BenchTrace::Handled, BenchTrace::fileOf(path), -1, notified, BenchTrace::now());
}

void InstrumentManager::onLockGeralFileChanged(const QString &path)
{
    qCDebug(lcManager) << "lockGeralChanged ";
    applyLockFile();
    for (const QString &literal : literalsFor(m_lockFiles, path))
        follow(m_lockGeralWatcher, m_lockFiles, literal);
    updateFolderWatch();
}

void InstrumentManager::onDirectoryChanged()
{
    pickUpNewFiles();
    updateFolderWatch();
}

void InstrumentManager::pickUpNewFiles()
{
    const auto sortedKeys = [](const WatchTable &table) {
        QStringList keys = table.keys();
        keys.sort();
        return keys;
    };
    for (const QString &literal : sortedKeys(m_configFiles)) {
        if (follow(m_configWatcher, m_configFiles, literal))
            pushConfig(literal);
    }
    for (const QString &literal : sortedKeys(m_valueFiles)) {
        if (follow(m_valuesWatcher, m_valueFiles, literal))
            pushValues(literal);
    }
    bool lockAppeared = false;
    for (const QString &literal : sortedKeys(m_lockFiles))
        lockAppeared |= follow(m_lockGeralWatcher, m_lockFiles, literal);
    if (lockAppeared)
        applyLockFile();
}

// --- pushes ----------------------------------------------------------------

void InstrumentManager::pushConfig(const QString &literalPath)
{
    const auto it = m_configMap.constFind(literalPath);
    if (it == m_configMap.constEnd())
        return;
    QString text;
    if (!readSettled(QStringLiteral("config"), literalPath, &text, [this, literalPath] { pushConfig(literalPath); }))
        return;
    for (const ConfigInfo &info : *it)
        pushText(info.rootObject, info.propertyName, text, literalPath, false);
}

void InstrumentManager::pushValues(const QString &literalPath)
{
    QString text;
    if (!readSettled(QStringLiteral("values"), literalPath, &text, [this, literalPath] { pushValues(literalPath); }))
        return;
    const QString propertyName = valuePropertyFor(literalPath);
    const auto it = m_valuesMap.constFind(literalPath);
    if (propertyName.isEmpty() || it == m_valuesMap.constEnd())
        return;
    for (const QPointer<QObject> &recipient : *it)
        pushText(recipient, propertyName, text, literalPath, !m_plain);
}

bool InstrumentManager::readSettled(const QString &purpose, const QString &literalPath, QString *text,
                                    const std::function<void()> &settle)
{
    const qint64 readStart = BenchTrace::enabled() ? BenchTrace::now() : 0;
    *text = fileClass->readTextFromFile(literalPath);
    if (BenchTrace::enabled())
        BenchTrace::record(BenchTrace::Read, BenchTrace::fileOf(literalPath), -1, readStart,
                           BenchTrace::now(), BenchTrace::textHash(*text), text->size());
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

void InstrumentManager::pushText(QObject *recipient, const QString &propertyName, const QString &text,
                                 const QString &literalPath, bool skipIfHeld)
{
    if (!recipient)
        return;
    if (skipIfHeld) {
        const QPair<const QObject *, QString> key(recipient, propertyName);
        const auto held = m_heldTexts.constFind(key);
        if (held != m_heldTexts.constEnd() && *held == text) {
            if (BenchTrace::enabled())
                BenchTrace::skipped(recipient, propertyName, text);
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
    const qint64 pushStart = BenchTrace::enabled() ? BenchTrace::now() : 0;
    context->setContextProperty(propertyName, text);
    if (BenchTrace::enabled())
        BenchTrace::pushed(recipient, propertyName, text, pushStart);
}

void InstrumentManager::applyLockFile()
{
    QString text;
    if (readSettled(QStringLiteral("frames"), m_lockGeralFilePath, &text, [this] { applyLockFile(); }))
        applyLockState(text);
}

void InstrumentManager::applyLockState(const QString &lockStatus)
{
    const bool locked = lockStatus == QLatin1String("1");
    for (const QPointer<QMainWindow> &window : std::as_const(m_allScreens)) {
        if (!window)
            continue;
        const Qt::WindowFlags flags = window->windowFlags();
        // A window already in the wanted state is left alone: setting flags
        // hides and re-shows it, which would make every lock notification
        // flicker all windows.
        if (flags.testFlag(Qt::FramelessWindowHint) == locked)
            continue;
        const bool wasVisible = window->isVisible();
        Qt::WindowFlags newFlags = flags;
        if (locked) {
            newFlags |= Qt::FramelessWindowHint;
            newFlags &= ~Qt::WindowFlags(Qt::Window);
        } else {
            newFlags &= ~Qt::WindowFlags(Qt::FramelessWindowHint);
            newFlags |= Qt::Window;
        }
        window->setWindowFlags(newFlags);
        if (wasVisible)
            window->show();
    }
}

// --- watching --------------------------------------------------------------

bool InstrumentManager::follow(QFileSystemWatcher &watcher, WatchTable &table,
                               const QString &literalPath)
{
    const QString real = ExchangeDirectory::resolve(literalPath);
    table.insert(literalPath, real);
    if (!QFileInfo(real).isFile() || watcher.files().contains(real))
        return false;
    return watcher.addPath(real);
}

QStringList InstrumentManager::literalsFor(const WatchTable &table, const QString &realPath)
{
    QStringList literals;
    for (auto it = table.cbegin(); it != table.cend(); ++it) {
        if (it.value() == realPath)
            literals.append(it.key());
    }
    literals.sort(); // a fixed order whatever the hash does
    return literals;
}

void InstrumentManager::updateFolderWatch()
{
    QSet<QString> wanted;
    if (!m_folderPath.isEmpty()) {
        const QString root = ExchangeDirectory::resolve(m_folderPath);
        if (QFileInfo(root).isDir()) {
            wanted.insert(root);
            if (!m_folderWatched) {
                const bool ok = m_folderWatcher.directories().contains(root)
                        || m_folderWatcher.addPath(root);
                qCDebug(lcManager) << "Adicionando pasta para monitorar:" << m_folderPath
                                   << " - Sucesso:" << ok;
                m_folderWatched = ok;
            }
        } else {
            m_folderWatched = false;
            const QString above = ExchangeDirectory::nearestExistingFolder(root);
            if (!above.isEmpty())
                wanted.insert(above);
        }
    }
    // Files not present yet: watch the folder they will appear in (or the
    // nearest one above it that exists).
    const auto addPending = [&wanted](const QFileSystemWatcher &watcher, const WatchTable &table) {
        for (auto it = table.cbegin(); it != table.cend(); ++it) {
            if (watcher.files().contains(it.value()))
                continue;
            const QString folder = ExchangeDirectory::nearestExistingFolder(it.value());
            if (!folder.isEmpty())
                wanted.insert(folder);
        }
    };
    addPending(m_configWatcher, m_configFiles);
    addPending(m_valuesWatcher, m_valueFiles);
    addPending(m_lockGeralWatcher, m_lockFiles);

    const QStringList current = m_folderWatcher.directories();
    QStringList stale;
    for (const QString &dir : current) {
        if (!wanted.contains(dir))
            stale.append(dir);
    }
    if (!stale.isEmpty())
        m_folderWatcher.removePaths(stale);
    for (const QString &dir : std::as_const(wanted)) {
        if (!current.contains(dir))
            m_folderWatcher.addPath(dir);
    }
}
