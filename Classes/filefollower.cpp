#include "filefollower.h"

#include "exchangedirectory.h"
#include "fileclass.h"
#include "logging.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QSet>
#include <QStorageInfo>
#include <QStringList>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

FileFollower::FileFollower(QObject *parent) : QObject(parent)
{
    connect(&m_fileWatcher, &QFileSystemWatcher::fileChanged, this, &FileFollower::onFileNotified);
    connect(&m_folderWatcher, &QFileSystemWatcher::directoryChanged, this, &FileFollower::onFolderNotified);
    connect(&m_pollTimer, &QTimer::timeout, this, &FileFollower::poll);
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
}

void FileFollower::setPollPeriod(int ms)
{
    m_pollDecided = true;
    m_pollPeriod = qMax(0, ms);
    if (m_pollPeriod > 0)
        m_pollTimer.start(m_pollPeriod);
    else
        m_pollTimer.stop();
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

void FileFollower::poll()
{
    QStringList changed;
    bool folderCameOrWent = false;
    for (auto it = m_followed.begin(); it != m_followed.end(); ++it) {
        Followed &f = it.value();
        if (f.folder) {
            const bool present = QFileInfo(ExchangeDirectory::resolve(it.key())).isDir();
            folderCameOrWent = folderCameOrWent || present != f.present;
            f.present = present;
            continue;
        }
        if (stampOf(ExchangeDirectory::resolve(it.key())) != f.stamp) {
            arm(it.key(), f);
            changed.append(it.key());
        }
    }
    if (folderCameOrWent)
        updateFolderWatch();
    emitChanged(changed);
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

void FileFollower::emitChanged(const QStringList &literalPaths)
{
    if (literalPaths.isEmpty())
        return;
    // As it is now reported: polling reports only what comes after.
    for (const QString &literal : literalPaths) {
        Followed &f = m_followed[literal];
        f.stamp = stampOf(f.real);
    }
    const QPointer<FileFollower> alive(this);
    for (const QString &literal : literalPaths) {
        emit fileChanged(literal);
        if (!alive)
            return; // a receiver ended this follower
    }
}
