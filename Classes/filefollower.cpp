#include "filefollower.h"

#include "exchangedirectory.h"

#include <QFileInfo>
#include <QPointer>
#include <QSet>
#include <QStringList>

FileFollower::FileFollower(QObject *parent) : QObject(parent)
{
    connect(&m_fileWatcher, &QFileSystemWatcher::fileChanged, this, &FileFollower::onFileNotified);
    connect(&m_folderWatcher, &QFileSystemWatcher::directoryChanged, this, &FileFollower::onFolderNotified);
}

void FileFollower::followFile(const QString &literalPath)
{
    if (literalPath.isEmpty() || m_followed.contains(literalPath))
        return;
    Followed &file = m_followed[literalPath];
    arm(literalPath, file);
    updateFolderWatch();
}

void FileFollower::followFolder(const QString &literalPath)
{
    if (literalPath.isEmpty() || m_followed.contains(literalPath))
        return;
    m_followed[literalPath].folder = true;
    updateFolderWatch();
}

void FileFollower::onFileNotified(const QString &realPath)
{
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
    const QStringList watched = m_fileWatcher.files();
    QStringList appeared;
    for (auto it = m_followed.begin(); it != m_followed.end(); ++it) {
        if (!it->folder && !watched.contains(it->real) && arm(it.key(), it.value()))
            appeared.append(it.key());
    }
    updateFolderWatch();
    emitChanged(appeared);
}

bool FileFollower::arm(const QString &literalPath, Followed &file)
{
    file.real = ExchangeDirectory::resolve(literalPath);
    if (!QFileInfo(file.real).isFile() || m_fileWatcher.files().contains(file.real))
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
    const QPointer<FileFollower> alive(this);
    for (const QString &literal : literalPaths) {
        emit fileChanged(literal);
        if (!alive)
            return; // a receiver ended this follower
    }
}
