#pragma once

#include <QElapsedTimer>
#include <QFileSystemWatcher>
#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

class FileClass;
class ModuleWindow;
class QQmlApplicationEngine;
class QQuickWidget;
class QTimer;

// A recipient of a configuration file.
struct ConfigInfo
{
    QPointer<QObject> rootObject; // the window's QQuickWidget, or a QQmlApplicationEngine
    QString propertyName;         // context property that carries the layout string
    QString defaultValues;        // the registered default layout string
};

// Distribution hub between the exchange directory and the module windows:
// watches the value, configuration and lock files and pushes their text into
// every document registered for them, and switches every registered window
// between framed and frameless with the lock flag.
//
// Files are registered under their literal paths (C:\Radod\instrumentos\...);
// the watchers see the real paths (ExchangeDirectory::resolve), and the
// manager keeps the mapping between the two.
//
// A file stays followed whatever its writer does: after every notification
// the path is watched again as soon as it exists (a writer that renames a new
// file over the old one, or deletes and writes again, ends the old watch), and
// a file that does not exist yet is picked up by the directory watch when it
// appears, and its content is pushed then.
//
// Every push is logged at debug level in the category radod.push (off by
// default; QT_LOGGING_RULES="radod.push.debug=true" shows them).
//
// Two refinements keep documents from doing work, or showing states, that no
// writer meant (RADOD_PLAIN_MANAGER=1 turns both off, for comparison):
//  - A writer that rewrites a file in place empties it before it writes, and
//    a notification can come in between. An empty read of a file that held
//    text therefore waits for the write's own notification, which follows at
//    once; only when none comes within kRewriteGraceMs (counted again from
//    each further empty read, up to a limit) is the file read again and its
//    text, empty or not, passed on. So a file that was really emptied
//    or deleted still reaches the documents (and the frames), a moment later.
//  - A value text (value vector, radio value vector, lock flag) identical to
//    the one a document holds is not set again: the documents derive
//    everything from that text, so setting it again would only re-run their
//    bindings. Several notifications for one write then cost one push.
// Layout strings are always pushed: a document may rely on getting its own
// write back.
class InstrumentManager : public QObject
{
    Q_OBJECT
public:
    explicit InstrumentManager(QObject *parent = nullptr);

    // How long an empty read waits for the rest of an in-place rewrite; a
    // further empty read starts the wait again, up to kRewriteWaitLimit
    // times the grace in all.
    static constexpr int kRewriteGraceMs = 100;
    static constexpr int kRewriteWaitLimit = 5;
    void setRewriteGraceMs(int ms) { m_rewriteGraceMs = ms; }

    // Watches the exchange directory, which notices files that appear. When the
    // directory does not exist yet it is watched from the moment it does.
    void initializeConfigWatcher(const QString &directoryPath);

    // Remembers the lock file that is re-read on a change of any lock file,
    // follows it, and applies its state; creates it with "0" when missing.
    void initializeLock(const QString &lockFilePath);

    // Registers a module window's document for its configuration and value
    // files (names in the exchange directory) and shows the window.
    void registerInstrument(ModuleWindow *screen, const QString &configFilePath,
                            const QString &configPropertyName, const QString &configDefaultValues,
                            const QStringList &valueFilesToWatch);

    // Registers an engine-hosted document and loads it.
    void registerInstrument(QQmlApplicationEngine *engine, const QString &configFilePath,
                            const QString &configPropertyName, const QString &configDefaultValues,
                            const QStringList &valueFilesToWatch, const QString &qmlFilePath);

    // The window form for any top-level window that hosts its document in
    // `quickWidget` (registerInstrument's window form is this with the module
    // window's own quick widget).
    void registerWidget(QMainWindow *window, QQuickWidget *quickWidget,
                        const QString &configFilePath, const QString &configPropertyName,
                        const QString &configDefaultValues, const QStringList &valueFilesToWatch);

    // Adds a window to those whose frames follow the lock flag.
    void registerWindow(QMainWindow *window);

    // The file service used for every read and write.
    FileClass *fileService() const;

private slots:
    void onConfigFileChanged(const QString &path);
    void onDirectoryChanged();
    void onValuesFileChanged(const QString &path);
    void onLockGeralFileChanged(const QString &path);

private:
    // Literal path -> real path last watched (or looked for) under it.
    using WatchTable = QHash<QString, QString>;

    void applyLockState(const QString &lockStatus);
    void pushConfig(const QString &literalPath);
    void pushValues(const QString &literalPath);
    void applyLockFile();
    // Reads `literalPath` for `purpose`; false when the text is the empty
    // moment of an in-place rewrite, in which case `settle` runs later unless
    // the next notification brings the text first.
    bool readSettled(const QString &purpose, const QString &literalPath, QString *text,
                     const std::function<void()> &settle);
    void pushText(QObject *recipient, const QString &propertyName, const QString &text,
                  const QString &literalPath, bool skipIfHeld);
    void push(QObject *recipient, const QString &propertyName, const QString &text,
              const QString &literalPath);

    // Watches `literalPath` in `watcher` when it exists as a file and is not
    // watched yet; true when a watch was added now.
    bool follow(QFileSystemWatcher &watcher, WatchTable &table, const QString &literalPath);
    static QStringList literalsFor(const WatchTable &table, const QString &realPath);
    // Watches the exchange directory (or, while it is missing, the nearest
    // existing folder above it) and the folders of files not yet present.
    void updateFolderWatch();
    // Follows every registered file that has appeared since and pushes it.
    void pickUpNewFiles();

    QFileSystemWatcher m_configWatcher;
    QFileSystemWatcher m_valuesWatcher;
    QFileSystemWatcher m_lockGeralWatcher;
    QFileSystemWatcher m_folderWatcher;
    QHash<QString, QList<ConfigInfo>> m_configMap;
    QHash<QString, QList<QPointer<QObject>>> m_valuesMap;
    QList<QPointer<QMainWindow>> m_allScreens;
    QString m_lockGeralFilePath;
    FileClass *fileClass = nullptr; // child of the manager

    QString m_folderPath; // literal path given to initializeConfigWatcher
    bool m_folderWatched = false;
    WatchTable m_configFiles;
    WatchTable m_valueFiles;
    WatchTable m_lockFiles;

    const bool m_plain; // RADOD_PLAIN_MANAGER=1: one read and one push per notification
    // Per purpose and file: a wait for the rest of a rewrite, and whether the
    // file was last read empty.
    QHash<QString, QTimer *> m_rewriteWaits; // timers are children of the manager
    QSet<QString> m_readEmpty;
    QHash<QString, QElapsedTimer> m_waitingSince;
    int m_rewriteGraceMs = kRewriteGraceMs;
    bool m_settling = false; // inside a settle: the text read is passed on as it is
    // The value text each document holds, per (document, property).
    QHash<QPair<const QObject *, QString>, QString> m_heldTexts;
};
