#include "filefollower.h"

#include "exchangedirectory.h"
#include "fileclass.h"
#include "logging.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QSet>
#include <QStorageInfo>
#include <QStringList>
#include <QTimer>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

// Looks at the followed paths, on the polling thread, and tells the follower
// what changed since it last looked.
class FilePoller : public QObject
{
public:
    explicit FilePoller(FileFollower *follower) : m_follower(follower), m_timer(new QTimer(this))
    {
        m_timer->setTimerType(Qt::PreciseTimer);
        connect(m_timer, &QTimer::timeout, this, &FilePoller::poll);
        m_clock.start();
    }

    // Paths by their literal names; a period of 0 stops the looking.
    void setPaths(const QStringList &files, const QStringList &folders, int periodMs)
    {
        QHash<QString, Seen> keptFiles;
        for (const QString &file : files)
            keptFiles.insert(file, m_files.value(file, Seen{FileFollower::Stamp{}, m_clock.elapsed()}));
        m_files = keptFiles;
        QHash<QString, bool> keptFolders;
        for (const QString &folder : folders)
            keptFolders.insert(folder, m_folders.value(folder, false));
        m_folders = keptFolders;
        if (periodMs > 0)
            m_timer->start(periodMs);
        else
            m_timer->stop();
    }

private:
    // A file that changed this recently is looked at every round.
    static constexpr qint64 kRecentlyChangedMs = 3000;
    struct Seen
    {
        FileFollower::Stamp stamp;
        qint64 changedAt = 0; // ms of m_clock
    };

    void poll()
    {
        const bool everyFile = ++m_round % FileFollower::kQuietPollRounds == 0;
        const qint64 now = m_clock.elapsed();
        QHash<QString, FileFollower::Stamp> files;
        QHash<QString, bool> folders;
        for (auto it = m_folders.begin(); it != m_folders.end(); ++it) {
            const bool present = QFileInfo(ExchangeDirectory::resolve(it.key())).isDir();
            if (present != it.value())
                folders.insert(it.key(), it.value() = present);
        }
        for (auto it = m_files.begin(); it != m_files.end(); ++it) {
            Seen &seen = it.value();
            if (!everyFile && now - seen.changedAt > kRecentlyChangedMs)
                continue;
            const FileFollower::Stamp stamp = FileFollower::stampOf(ExchangeDirectory::resolve(it.key()));
            if (stamp != seen.stamp) {
                seen = Seen{stamp, now};
                files.insert(it.key(), stamp);
            }
        }
        if (files.isEmpty() && folders.isEmpty())
            return;
        FileFollower *const follower = m_follower;
        QMetaObject::invokeMethod(
                follower, [follower, files, folders] { follower->onPolled(files, folders); }, Qt::QueuedConnection);
    }

    FileFollower *const m_follower; // outlives this poller's thread
    QTimer *const m_timer;
    QElapsedTimer m_clock;
    QHash<QString, Seen> m_files;
    QHash<QString, bool> m_folders;
    quint64 m_round = 0;
};

FileFollower::FileFollower(QObject *parent) : QObject(parent)
{
    connect(&m_fileWatcher, &QFileSystemWatcher::fileChanged, this, &FileFollower::onFileNotified);
    connect(&m_folderWatcher, &QFileSystemWatcher::directoryChanged, this, &FileFollower::onFolderNotified);
}

FileFollower::~FileFollower()
{
    if (!m_poller)
        return;
    m_pollThread.quit(); // the poller goes with its thread
    m_pollThread.wait();
}

void FileFollower::followFile(const QString &literalPath)
{
    if (literalPath.isEmpty() || m_followed.contains(literalPath))
        return;
    decidePolling(literalPath);
    Followed &file = m_followed[literalPath];
    arm(literalPath, file);
    file.stamp = stampOf(file.real);
    updateFolderWatch();
    updatePolled();
}

void FileFollower::followFolder(const QString &literalPath)
{
    if (literalPath.isEmpty() || m_followed.contains(literalPath))
        return;
    decidePolling(literalPath);
    Followed &folder = m_followed[literalPath];
    folder.folder = true;
    folder.present = QFileInfo(ExchangeDirectory::resolve(literalPath)).isDir();
    updateFolderWatch();
    updatePolled();
}

void FileFollower::setPollPeriod(int ms)
{
    m_pollDecided = true;
    m_pollPeriod = qMax(0, ms);
    if (m_pollPeriod > 0 && !m_poller) {
        m_poller = new FilePoller(this);
        m_poller->moveToThread(&m_pollThread);
        connect(&m_pollThread, &QThread::finished, m_poller, &QObject::deleteLater);
        m_pollThread.setObjectName(QStringLiteral("radod-poll"));
        m_pollThread.start();
    }
    updatePolled();
}

void FileFollower::updatePolled()
{
    if (!m_poller)
        return;
    QStringList files;
    QStringList folders;
    for (auto it = m_followed.cbegin(); it != m_followed.cend(); ++it)
        (it->folder ? folders : files).append(it.key());
    FilePoller *const poller = m_poller;
    const int period = m_pollPeriod;
    QMetaObject::invokeMethod(
            poller, [poller, files, folders, period] { poller->setPaths(files, folders, period); },
            Qt::QueuedConnection);
}

void FileFollower::decidePolling(const QString &literalPath)
{
    if (m_pollDecided)
        return;
    const QString real = ExchangeDirectory::resolve(literalPath);
    const QString folder = QFileInfo(real).isDir() ? real : ExchangeDirectory::nearestExistingFolder(real);
    setPollPeriod(pollPeriodFor(folder));
    if (m_pollPeriod > 0)
        qCInfo(lcFiles).noquote() << QStringLiteral("Arquivos acompanhados também por consulta a cada %1 ms (%2)")
                                         .arg(m_pollPeriod)
                                         .arg(QDir::toNativeSeparators(folder));
}

int FileFollower::pollPeriodFor(const QString &realFolder)
{
    bool ok = false;
    const int fromEnv = qEnvironmentVariableIntValue("RADOD_POLL_MS", &ok);
    if (ok && fromEnv >= 0)
        return fromEnv;
    return isNetworkFileSystem(realFolder) ? kNetworkPollMs : 0;
}

bool FileFollower::isNetworkFileSystem(const QString &realFolder)
{
    QString folder = QFileInfo(realFolder).absoluteFilePath();
    if (!QFileInfo(folder).isDir())
        folder = ExchangeDirectory::nearestExistingFolder(folder);
    if (folder.isEmpty())
        return false;
#ifdef Q_OS_WIN
    const QString native = QDir::toNativeSeparators(folder);
    if (native.startsWith(QLatin1String("\\\\")))
        return true; // \\server\share
    const QString drive = native.left(3); // "X:\"
    return GetDriveTypeW(reinterpret_cast<const wchar_t *>(drive.utf16())) == DRIVE_REMOTE;
#else
    // File system types of network shares as the system names them.
    static const QSet<QByteArray> network = {
        "nfs", "nfs4", "cifs", "smb", "smb2", "smb3", "smbfs", "9p", "afs", "ncpfs", "ceph",
        "glusterfs", "lustre", "davfs", "fuse.sshfs", "sshfs", "fuse.glusterfs", "fuse.davfs2",
        "fuse.rclone", "fuse.s3fs", "webdav", "afpfs", "fuse.afpfs",
    };
    const QByteArray type = QStorageInfo(folder).fileSystemType().toLower();
    return network.contains(type);
#endif
}

FileFollower::Stamp FileFollower::stampOf(const QString &realPath)
{
    const QFileInfo info(realPath);
    Stamp stamp;
    stamp.exists = info.exists();
    if (!stamp.exists)
        return stamp;
    stamp.size = info.size();
    stamp.modified = info.lastModified().toMSecsSinceEpoch();
    stamp.changed = info.metadataChangeTime().toMSecsSinceEpoch();
    // A file system that keeps whole seconds (sshfs, some SMB servers) does
    // not tell writes within one second apart by their times: while the time
    // is that recent (give or take the clocks of two machines), the content
    // is compared too.
    constexpr qint64 kRecentMs = 10000;
    if (stamp.modified % 1000 == 0 && stamp.size <= FileClass::kMaxFileSize
        && qAbs(QDateTime::currentMSecsSinceEpoch() - stamp.modified) < kRecentMs) {
        QFile file(realPath);
        QString error;
        if (FileClass::openRegularFile(file, QIODevice::ReadOnly, &error))
            stamp.content = qHash(file.read(FileClass::kMaxFileSize + 1));
    }
    return stamp;
}

void FileFollower::onPolled(const QHash<QString, Stamp> &files, const QHash<QString, bool> &folders)
{
    QStringList changed;
    bool folderCameOrWent = false;
    for (auto it = m_followed.begin(); it != m_followed.end(); ++it) {
        Followed &f = it.value();
        if (f.folder) {
            const auto seen = folders.constFind(it.key());
            if (seen != folders.cend() && *seen != f.present) {
                f.present = *seen;
                folderCameOrWent = true;
            }
            continue;
        }
        const auto seen = files.constFind(it.key());
        // Not reported again when a notification told of it first.
        if (seen == files.cend() || *seen == f.stamp)
            continue;
        arm(it.key(), f);
        f.stamp = *seen;
        changed.append(it.key());
    }
    if (folderCameOrWent)
        updateFolderWatch();
    emitChanged(changed, false);
}

void FileFollower::onFileNotified(const QString &realPath)
{
    if (!m_notificationsHeard)
        return;
    QStringList notified;
    for (auto it = m_followed.begin(); it != m_followed.end(); ++it) {
        if (!it->folder && it->real == realPath) {
            // A writer that replaced the file has ended its watch: the new
            // file is watched before anyone reads it.
            arm(it.key(), it.value());
            notified.append(it.key());
        }
    }
    emitChanged(notified);
}

void FileFollower::onFolderNotified()
{
    if (!m_notificationsHeard)
        return;
    const QStringList watched = m_fileWatcher.files();
    QStringList changed;
    for (auto it = m_followed.begin(); it != m_followed.end(); ++it) {
        Followed &f = it.value();
        if (f.folder)
            continue;
        if (!watched.contains(f.real)) {
            if (arm(it.key(), f))
                changed.append(it.key()); // appeared
            continue;
        }
        // A watch can outlive its file: a file renamed away, or another
        // renamed over it, leaves a watch on what is no longer there. A file
        // that is not as last reported is watched afresh.
        if (stampOf(ExchangeDirectory::resolve(it.key())) != f.stamp) {
            m_fileWatcher.removePath(f.real);
            arm(it.key(), f);
            changed.append(it.key());
        }
    }
    updateFolderWatch();
    emitChanged(changed);
}

bool FileFollower::arm(const QString &literalPath, Followed &file)
{
    file.real = ExchangeDirectory::resolve(literalPath);
    // A link is not watched: the watch would be on its target, and would
    // outlive the link when the link is removed or replaced.
    const QFileInfo info(file.real);
    if (!info.isFile() || info.isSymLink() || m_fileWatcher.files().contains(file.real))
        return false;
    return m_fileWatcher.addPath(file.real);
}

void FileFollower::updateFolderWatch()
{
    const QStringList current = m_folderWatcher.directories();
    QSet<QString> wanted;
    QStringList announce; // followed folders whose own watch is set up now
    for (auto it = m_followed.begin(); it != m_followed.end(); ++it) {
        Followed &f = it.value();
        if (f.folder) {
            f.real = ExchangeDirectory::resolve(it.key());
            if (QFileInfo(f.real).isDir()) {
                wanted.insert(f.real);
                if (!f.watched || !current.contains(f.real))
                    announce.append(it.key());
                continue;
            }
            f.watched = false;
        }
        const QString folder = ExchangeDirectory::nearestExistingFolder(f.real);
        if (!folder.isEmpty())
            wanted.insert(folder);
    }

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

    if (announce.isEmpty())
        return;
    const QStringList now = m_folderWatcher.directories();
    const QPointer<FileFollower> alive(this);
    for (const QString &literal : std::as_const(announce)) {
        Followed &f = m_followed[literal];
        f.watched = now.contains(f.real);
        emit folderWatched(literal, f.watched);
        if (!alive)
            return;
    }
}

void FileFollower::emitChanged(const QStringList &literalPaths, bool restamp)
{
    if (literalPaths.isEmpty())
        return;
    // As it is now reported: polling reports only what comes after.
    if (restamp) {
        for (const QString &literal : literalPaths) {
            Followed &f = m_followed[literal];
            f.stamp = stampOf(f.real);
        }
    }
    const QPointer<FileFollower> alive(this);
    for (const QString &literal : literalPaths) {
        emit fileChanged(literal);
        if (!alive)
            return; // a receiver ended this follower
    }
}
