#pragma once

#include <QFileSystemWatcher>
#include <QMap>
#include <QObject>
#include <QString>

// Follows files by their literal paths (C:\Radod\instrumentos\..., resolved
// through ExchangeDirectory) whatever their writers do, and says when one may
// have changed:
//  - a file rewritten in place is reported by its watch;
//  - a file replaced (a new file renamed over it, or deleted and written
//    again) ends its watch; it is watched again as soon as it exists, and the
//    change is reported;
//  - a file that does not exist yet (or no longer) is noticed through its
//    folder, which is watched at all times (while the folder itself is
//    missing, the nearest existing folder above it), and reported when it
//    appears.
// A removal is reported too (a reader then finds no file).
//
// Folders can be followed as well, for their own sake: they are watched from
// the moment they exist.
class FileFollower : public QObject
{
    Q_OBJECT
public:
    explicit FileFollower(QObject *parent = nullptr);

    // Follows a file from now on; following it again changes nothing. Its
    // present content is not reported: the caller reads it when it wants.
    void followFile(const QString &literalPath);
    // Keeps a folder watched from the moment it exists.
    void followFolder(const QString &literalPath);

signals:
    // The file may have changed, appeared or disappeared. One signal per
    // followed path and notification, in the order of the paths.
    void fileChanged(const QString &literalPath);
    // A followed folder is watched now (`ok`: the system accepted the watch),
    // once when followed while it exists, and again whenever it reappears.
    void folderWatched(const QString &literalPath, bool ok);

private:
    struct Followed
    {
        bool folder = false;
        QString real;         // where it was last looked for
        bool watched = false; // folders: whether their own watch is set up
    };

    void onFileNotified(const QString &realPath);
    void onFolderNotified();
    // The one way a file's watch is set up, after a notification of the file
    // and for every file without a watch after a notification of a folder:
    // looks for the file again and watches it when it exists and is not
    // watched yet; true when a watch was added now.
    bool arm(const QString &literalPath, Followed &file);
    // Watches the folders of all followed files and the followed folders
    // (the nearest existing folders while they are missing), and no others.
    void updateFolderWatch();
    void emitChanged(const QStringList &literalPaths);

    QFileSystemWatcher m_fileWatcher;
    QFileSystemWatcher m_folderWatcher;
    QMap<QString, Followed> m_followed; // by literal path: a fixed order
};
