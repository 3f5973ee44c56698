#pragma once

#include <QFileSystemWatcher>
#include <QHash>
#include <QMap>
#include <QObject>
#include <QString>
#include <QThread>

class FilePoller;

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
// A removal is reported too (a reader then finds no file). A symbolic link
// standing for a file is not watched (the file service does not read through
// links that lead out of the folder); what replaces it is.
//
// Folders can be followed as well, for their own sake: they are watched from
// the moment they exist.
//
// On a network share (NFS, SMB/CIFS, sshfs, 9p...; on Windows a UNC path or a
// remote drive) the system's notifications do not tell what other machines
// write. There every followed file is also looked at every kNetworkPollMs
// (fast enough for a bridge writing 60 times a second): a change of its
// size, modification or status-change time, or of whether it exists (and,
// on file systems that keep whole seconds, of its recent content), is
// reported like a notification, and a followed folder that comes or goes is
// noticed the same way. Nothing is reported twice for one change, whichever
// way it is noticed first. RADOD_POLL_MS sets the period and turns polling
// on everywhere; RADOD_POLL_MS=0 turns it off, also on a network share.
// The looking is done on a thread of its own (each look at a share is a round
// trip to the server, and some shares' times are whole seconds, so recently
// changed files are read too): the GUI thread only hears of what changed.
// Files that changed in the last seconds are looked at every period, the
// others every kQuietPollRounds periods.
class FileFollower : public QObject
{
    Q_OBJECT
public:
    explicit FileFollower(QObject *parent = nullptr);
    ~FileFollower() override;

    // Follows a file from now on; following it again changes nothing. Its
    // present content is not reported: the caller reads it when it wants.
    void followFile(const QString &literalPath);
    // Keeps a folder watched from the moment it exists.
    void followFolder(const QString &literalPath);

    static constexpr int kNetworkPollMs = 8;
    static constexpr int kQuietPollRounds = 8;
    // How often followed files are looked at, in ms; 0 when they are not.
    // Decided on the first follow from RADOD_POLL_MS and the file system
    // the first path lies on, unless set before.
    int pollPeriod() const { return m_pollPeriod; }
    void setPollPeriod(int ms);
    // Whether the system's notifications are heard (by default they are).
    // Without them only polling follows files, as on a share written from
    // other machines.
    void setNotificationsHeard(bool heard) { m_notificationsHeard = heard; }
    // The period for a folder (a real path) as the environment and its file
    // system ask for it.
    static int pollPeriodFor(const QString &realFolder);
    // True when the folder (a real path, or the nearest existing folder
    // above it) lies on a network file system.
    static bool isNetworkFileSystem(const QString &realFolder);

signals:
    // The file may have changed, appeared or disappeared. One signal per
    // followed path and notification, in the order of the paths.
    void fileChanged(const QString &literalPath);
    // A followed folder is watched now (`ok`: the system accepted the watch),
    // once when followed while it exists, and again whenever it reappears.
    void folderWatched(const QString &literalPath, bool ok);

private:
    friend class FilePoller;
    // What polling compares: a file's existence, size and times (ms), and
    // where times are too coarse to tell writes apart, its content.
    struct Stamp
    {
        bool exists = false;
        qint64 size = -1;
        qint64 modified = 0;
        qint64 changed = 0;
        size_t content = 0;
        bool operator==(const Stamp &o) const
        {
            return exists == o.exists && size == o.size && modified == o.modified && changed == o.changed
                    && content == o.content;
        }
        bool operator!=(const Stamp &o) const { return !(*this == o); }
    };
    static Stamp stampOf(const QString &realPath);

    struct Followed
    {
        bool folder = false;
        QString real;         // where it was last looked for
        bool watched = false; // folders: whether their own watch is set up
        bool present = false; // folders: whether polling last found it
        Stamp stamp;          // files: as last reported (or first followed)
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
    // `restamp`: take each file's stamp as it is now (polling has set it).
    void emitChanged(const QStringList &literalPaths, bool restamp = true);
    void decidePolling(const QString &literalPath);
    // What the polling thread saw change: files by their new stamps, and
    // whether followed folders are there.
    void onPolled(const QHash<QString, Stamp> &files, const QHash<QString, bool> &folders);
    // Hands the polling thread the followed paths.
    void updatePolled();

    QFileSystemWatcher m_fileWatcher;
    QFileSystemWatcher m_folderWatcher;
    QMap<QString, Followed> m_followed; // by literal path: a fixed order
    QThread m_pollThread;
    FilePoller *m_poller = nullptr; // lives on m_pollThread, deleted when it ends
    int m_pollPeriod = 0;
    bool m_pollDecided = false;
    bool m_notificationsHeard = true;
};
