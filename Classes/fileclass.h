#pragma once

#include <QFile>
#include <QObject>
#include <QSet>
#include <QString>

#include <functional>
#include <optional>

// The one gateway through which documents, start-up, the instrument manager and
// the geometry services read and write the exchange files. Every call opens,
// works and closes. Paths are the literal exchange paths
// (C:\Radod\instrumentos\...), resolved through ExchangeDirectory.
//
// Writes are atomic: the content goes to a temporary file in the same folder,
// which then replaces the old file, so a crash or a full disk never leaves a
// truncated layout behind.
//
// A file or folder that cannot be written or created (a read-only folder, a
// file where the folder should be) is logged as a warning with its path, the
// reason and the consequence, once: the service remembers what it has
// reported until that file is written again, so a panel that writes on every
// drag does not fill the log. Nothing is ever reported as written that was not.
//
// Nothing outside the exchange folder is read or written through it: an
// exchange path that leads elsewhere (a symbolic link or junction pointing
// out of the folder, a dangling link) is refused like an unreadable or
// unwritable file. The exchange folder itself, when it has been deleted, is
// made again by the next write into it.
//
// Every exchange file is a few hundred bytes to a few kilobytes. A file larger
// than kMaxFileSize is refused without being read: its size alone is looked
// at, so a huge file neither holds the caller nor takes memory. The refusal is
// logged once, with the file and its size, until the file is sane again.
class FileClass : public QObject
{
    Q_OBJECT
public:
    explicit FileClass(QObject *parent = nullptr);

    // The largest exchange file that is read, in bytes.
    static constexpr qint64 kMaxFileSize = 64 * 1024;

public slots:
    // Whole content as text ("" when the file cannot be opened, is too large
    // or holds only white space). Carriage returns before line feeds are
    // dropped; a byte-order mark is dropped.
    QString readTextFromFile(const QString &filePath);

    // Content verbatim. Creates the folder and the file (with defaultValues)
    // when missing; returns defaultValues when the file cannot be read or is
    // too large.
    QString readConfigFromFile(const QString &filePath, const QString &defaultValues);

    // Replaces the whole file with `content` (UTF-8, no line end added).
    // Content first, path second.
    void writeFile(const QString &content, const QString &filePath);

    // Replaces the file with `content` only while it still holds `expected`,
    // the text read from it before (by either read; a missing file holds "").
    // A write-back derived from an older read thus never replaces what
    // another writer has put there since. True when written.
    bool writeFileIfUnchanged(const QString &content, const QString &filePath, const QString &expected);

    // Removes the file if it exists.
    void deleteFile(const QString &filePath);

    // Creates an empty file (empties an existing one).
    void createFile(const QString &filePath);

public:
    // The read of readTextFromFile, telling a file that is too large (no
    // value: the caller keeps what it has) from one that is empty or missing.
    std::optional<QString> readText(const QString &filePath);

    // The write of writeFile, telling whether it succeeded (for C++ callers).
    bool write(const QString &content, const QString &filePath);

    // Creates the folder (literal or real path) with its parents unless it
    // exists; false, reported once, when it cannot be created.
    bool createFolder(const QString &folderPath);

    // Opens `file` (a real path) unless something other than a regular file
    // stands there (a folder cannot be opened, and a pipe or device would
    // block the suite) or it is a link out of the exchange folder. On failure
    // `error` tells why.
    static bool openRegularFile(QFile &file, QIODevice::OpenMode mode, QString *error);

    // True unless `realPath` lies in the exchange folder but leads out of it
    // once links are followed (other paths are not ours to judge).
    static bool staysInside(const QString &realPath);

private:
    enum class ReadResult { Read, Unreadable, Oversized };
    // Reads a whole file (a real path) as text, unless it cannot be opened as
    // a file or is too large.
    ReadResult readAll(const QString &literalPath, QIODevice::OpenMode mode, QString *content, QString *error);
    // True when `size` (of the file at `realPath`) is larger than kMaxFileSize; says so once
    // (per path, until it is within the limit again).
    bool refuseOversized(qint64 size, const QString &realPath);

    // The write, given up (without a word) when `changed` says so just
    // before the new content takes the file's place.
    bool writeUnless(const QString &content, const QString &filePath, const std::function<bool()> &changed);

    // Logs that `realPath` could not be written or created, unless that was
    // already said (of it, or of its folder) since it was last written.
    void reportFailure(const QString &message, const QString &realPath, const QString &reason);
    void clearFailure(const QString &realPath) { m_reported.remove(realPath); }

    QSet<QString> m_reported;
    QSet<QString> m_oversized; // refused files, said once until sane again
};
