#pragma once

#include "filefollower.h"

#include <QElapsedTimer>
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
#include <optional>

class FileClass;
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
// follows the value, configuration and lock files and pushes their text into
// every document registered for them, and switches every registered window
// between framed and frameless with the lock flag.
//
// Files are registered under their literal paths (C:\Radod\instrumentos\...)
// and followed through a FileFollower, so they stay followed whatever their
// writers do (rewrite in place, replace, delete and write again), and a file
// that appears after registration is pushed when it does.
//
// A file too large to be an exchange file (FileClass::kMaxFileSize) is not
// passed on: documents and frames keep the last text they had.
//
// The exchange folder deleted while the suite runs takes its files along,
// but not what the documents hold: a file gone with its folder is not passed
// on, so layouts, values and frames stay as they were. The manager keeps the
// last text of every file the suite itself keeps (layout strings, lock flags,
// reference speeds); when the folder is there again (made by someone else,
// or by the next write into it) every such file that is missing is written
// back with that text.
//
// Every push is logged at debug level in the category radod.push (off by
// default; QT_LOGGING_RULES="radod.push.debug=true" shows them).
//
// Two refinements keep documents from doing work, or showing states, that no
// writer meant (setPlain(true) turns both off, for comparison):
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
//
// What the manager does on the road of an update is announced through the
// signals below, for whoever wants to measure it; nothing listens in the suite.
class InstrumentManager : public QObject
{
    Q_OBJECT
public:
    // `fileService` is used for every read and write; it must outlive the manager.
    explicit InstrumentManager(FileClass *fileService, QObject *parent = nullptr);

    // How long an empty read waits for the rest of an in-place rewrite; a
    // further empty read starts the wait again, up to kRewriteWaitLimit
    // times the grace in all.
    static constexpr int kRewriteGraceMs = 100;
    static constexpr int kRewriteWaitLimit = 5;
    void setRewriteGraceMs(int ms) { m_rewriteGraceMs = ms; }

    // The plain design: one read and one push per notification, without the
    // two refinements above. Off by default.
    void setPlain(bool plain) { m_plain = plain; }
    bool isPlain() const { return m_plain; }

    // Called with every manager once it is constructed, so that a program
    // built from the same start-up can attach to its signals (the benchmark's
    // variant of the suite does). The suite sets none.
    using CreationHook = void (*)(InstrumentManager *);
    static void setCreationHook(CreationHook hook);

    // Watches the exchange directory, from the moment it exists.
    void initializeConfigWatcher(const QString &directoryPath);

    // Remembers the lock file that is re-read on a change of any lock file,
    // follows it, and applies its state; creates it with "0" when missing.
    void initializeLock(const QString &lockFilePath);

    // Registers the document of a top-level window, hosted in `quickWidget`,
    // for its configuration file and value files (names in the exchange
    // directory), and shows the window.
    void registerInstrument(QMainWindow *window, QQuickWidget *quickWidget,
                            const QString &configFilePath, const QString &configPropertyName,
                            const QString &configDefaultValues, const QStringList &valueFilesToWatch);

    // Registers an engine-hosted document and loads it.
    void registerInstrument(QQmlApplicationEngine *engine, const QString &configFilePath,
                            const QString &configPropertyName, const QString &configDefaultValues,
                            const QStringList &valueFilesToWatch, const QString &qmlFilePath);

    // Adds a window to those whose frames follow the lock flag.
    void registerWindow(QMainWindow *window);

    // The file service used for every read and write.
    FileClass *fileService() const;

signals:
    // A followed file may have changed, and the manager has finished with it.
    void notificationReceived(const QString &literalPath);
    void notificationHandled(const QString &literalPath);
    // A whole read of a file begins and ends (`text`: what it read).
    void readStarted(const QString &literalPath);
    void readFinished(const QString &literalPath, const QString &text);
    // A text is set as a context property of a document (a quick widget or an
    // engine); pushFinished comes once the document's bindings have run.
    void pushStarted(QObject *recipient, const QString &propertyName);
    void pushFinished(QObject *recipient, const QString &propertyName, const QString &text);
    // A value text was not set: the document holds it already.
    void pushSkipped(QObject *recipient, const QString &propertyName, const QString &text);
    // A window was registered, just before it is shown.
    void windowRegistered(QMainWindow *window, QQuickWidget *quickWidget);

private:
    void onFileChanged(const QString &literalPath);
    void applyLockState(const QString &lockStatus);
    static void setFrameless(QWidget *window, bool frameless);
    void pushConfig(const QString &literalPath);
    void pushValues(const QString &literalPath);
    void applyLockFile();
    // True when the file's folder is gone (with the file): nothing to pass on.
    static bool goneWithFolder(const QString &literalPath);
    // Notes the text of a file the suite keeps, for restoreKeptFiles.
    void keep(const QString &literalPath, const QString &text);
    // Notes the text of a lock file that is not applied itself.
    void keepLockFile(const QString &literalPath);
    // Writes every kept file that is missing with its last text.
    void restoreKeptFiles();
    // Reads `literalPath` for `purpose`; false when the file is too large
    // (nothing is passed on) or the text is the empty moment of an in-place
    // rewrite, in which case `settle` runs later unless the next notification
    // brings the text first.
    bool readSettled(const QString &purpose, const QString &literalPath, QString *text,
                     const std::function<void()> &settle);
    // The file's text; none when it is too large to be read.
    std::optional<QString> read(const QString &literalPath);
    void pushText(QObject *recipient, const QString &propertyName, const QString &text,
                  const QString &literalPath, bool skipIfHeld);
    void push(QObject *recipient, const QString &propertyName, const QString &text,
              const QString &literalPath);

    FileFollower m_follower;
    QHash<QString, QList<ConfigInfo>> m_configMap;
    QHash<QString, QList<QPointer<QObject>>> m_valuesMap;
    QSet<QString> m_lockFiles; // a change of any of them re-applies m_lockGeralFilePath
    QList<QPointer<QMainWindow>> m_allScreens;
    QString m_lockGeralFilePath;
    QString m_exchangeFolder; // the folder given to initializeConfigWatcher
    QHash<QString, QString> m_kept; // last text of each file the suite keeps, by literal path
    FileClass *const fileClass; // not owned

    bool m_plain = false;
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
