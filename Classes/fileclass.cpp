#include "fileclass.h"

#include "exchangedirectory.h"
#include "logging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QTextStream>

#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

FileClass::FileClass(QObject *parent) : QObject(parent) {}

namespace {

const QString kOutside = QStringLiteral("Leads outside the exchange folder");

// The text read's form of a file's content: line ends as read in text mode,
// and nothing at all when only white space is there.
QString asTextRead(QString content)
{
    content.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return content.trimmed().isEmpty() ? QString() : content;
}

// The exchange folder as its paths are written, and as it really is (links
// followed; empty while the folder is missing).
struct ExchangeRoot
{
    QString path = QFileInfo(ExchangeDirectory::root()).absoluteFilePath();
    QString canonical = QFileInfo(path).canonicalFilePath();

    bool writtenIn(const QFileInfo &info) const { return info.absoluteFilePath().startsWith(path + QLatin1Char('/')); }
    bool holds(const QString &canonicalPath) const
    {
        return !canonical.isEmpty()
               && (canonicalPath == canonical || canonicalPath.startsWith(canonical + QLatin1Char('/')));
    }
};

} // namespace

bool FileClass::staysInside(const QString &realPath)
{
    const ExchangeRoot root;
    const QFileInfo info(realPath);
    if (!root.writtenIn(info))
        return true;
    if (root.canonical.isEmpty())
        return true; // no folder yet: nothing in it can lead anywhere
    if (info.isSymLink() && !info.exists())
        return false; // a dangling link: a write would make its target, wherever that is
    // What is there, links followed; a file still to be made is judged by its folder.
    const QString canonical = info.exists() ? info.canonicalFilePath()
                                            : QFileInfo(info.absolutePath()).canonicalFilePath();
    if (canonical.isEmpty())
        return true; // neither it nor its folder is there: nothing to follow
    return root.holds(canonical);
}

FileClass::ReadResult FileClass::readAll(const QString &literalPath, QIODevice::OpenMode mode, QString *content,
                                         QString *error)
{
    const QString realPath = ExchangeDirectory::resolve(literalPath);
    QFile file(realPath);
    if (!openRegularFile(file, QIODevice::ReadOnly | mode, error))
        return ReadResult::Unreadable;
    if (refuseOversized(file.size(), realPath))
        return ReadResult::Oversized;
    // Never more than the limit, even from a file that grows while it is read.
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (refuseOversized(bytes.size(), realPath))
        return ReadResult::Oversized;
    QTextStream in(bytes); // UTF-8; a byte-order mark is honoured and dropped
    *content = in.readAll();
    return ReadResult::Read;
}

bool FileClass::refuseOversized(qint64 size, const QString &real)
{
    if (size <= kMaxFileSize) {
        m_oversized.remove(real);
        return false;
    }
    if (!m_oversized.contains(real)) {
        m_oversized.insert(real);
        qCWarning(lcFiles).noquote() << QStringLiteral("Arquivo grande demais, ignorado: %1 (%2 bytes, limite %3)")
                                            .arg(QDir::toNativeSeparators(real)).arg(size).arg(kMaxFileSize);
    }
    return true;
}

bool FileClass::openRegularFile(QFile &file, QIODevice::OpenMode mode, QString *error)
{
    const QFileInfo info(file.fileName());
    if (!staysInside(file.fileName())) {
        *error = kOutside;
        return false;
    }
    // A link inside the folder is opened as the file it led to when it was
    // looked at, never followed at the open: a link swapped in meanwhile,
    // wherever it leads, is refused.
    QString openPath = file.fileName();
    if (info.isSymLink()) {
        openPath = info.canonicalFilePath();
        // A link in the exchange folder must lead to a file in it (the link
        // may have been put there since it was looked at above).
        const ExchangeRoot root;
        if (openPath.isEmpty() || (root.writtenIn(info) && !root.holds(openPath))) {
            *error = kOutside;
            return false;
        }
    }
    if (info.isDir()) {
        *error = QStringLiteral("Is a directory");
        return false;
    }
    if (info.exists() && !info.isFile()) {
        *error = QStringLiteral("Not a regular file");
        return false;
    }
#ifdef Q_OS_UNIX
    // Opened without waiting, and looked at once open: a pipe or device put
    // there after the checks above is refused instead of blocking the suite,
    // and a link put in place of a file is not followed.
    int flags = O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW;
    if ((mode & QIODevice::ReadWrite) == QIODevice::ReadWrite)
        flags |= O_RDWR | O_CREAT;
    else if (mode & QIODevice::WriteOnly)
        flags |= O_WRONLY | O_CREAT;
    else
        flags |= O_RDONLY;
    const int fd = ::open(QFile::encodeName(openPath).constData(), flags, 0666);
    if (fd < 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    struct stat status = {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        *error = QStringLiteral("Not a regular file");
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if ((mode & QIODevice::Truncate) && ::ftruncate(fd, 0) != 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        ::close(fd);
        return false;
    }
    if (!file.open(fd, mode & ~QIODevice::OpenMode(QIODevice::Truncate), QFileDevice::AutoCloseHandle)) {
        *error = file.errorString();
        ::close(fd);
        return false;
    }
#else
    file.setFileName(openPath);
    if (!file.open(mode)) {
        *error = file.errorString();
        return false;
    }
#endif
    return true;
}

QString FileClass::readTextFromFile(const QString &filePath)
{
    return readText(filePath).value_or(QString());
}

std::optional<QString> FileClass::readText(const QString &filePath)
{
    QString content;
    QString error;
    switch (readAll(filePath, QIODevice::Text, &content, &error)) {
    case ReadResult::Oversized:
        return std::nullopt;
    case ReadResult::Unreadable:
        return QString();
    case ReadResult::Read:
        break;
    }
    if (content.trimmed().isEmpty())
        return QString();
    return content;
}

void FileClass::reportFailure(const QString &message, const QString &realPath, const QString &reason)
{
    // Said already of this path, or of the folder it would be in, which fails
    // it for the same reason.
    if (m_reported.contains(realPath) || m_reported.contains(QFileInfo(realPath).absolutePath()))
        return;
    m_reported.insert(realPath);
    // The path, why, and what the user loses.
    qCWarning(lcFiles).noquote() << QStringLiteral("%1 %2 (%3); os arranjos não serão guardados")
                                        .arg(message, QDir::toNativeSeparators(realPath), reason);
}

bool FileClass::createFolder(const QString &folderPath)
{
    const QDir dir(ExchangeDirectory::resolve(folderPath));
    std::error_code error;
    std::filesystem::create_directories(dir.filesystemAbsolutePath(), error);
    if (error) {
        reportFailure(QStringLiteral("Não foi possível criar o diretório:"), dir.absolutePath(),
                      QString::fromLocal8Bit(error.message()));
        return false;
    }
    clearFailure(dir.absolutePath());
    return true;
}

QString FileClass::readConfigFromFile(const QString &filePath, const QString &defaultValues)
{
    const QString real = ExchangeDirectory::resolve(filePath);
    const QFileInfo info(real);
    if (!info.absoluteDir().exists() && !createFolder(info.absolutePath()))
        return defaultValues;
    if (info.exists()) {
        QString content;
        QString error;
        const ReadResult result = readAll(filePath, {}, &content, &error);
        if (result == ReadResult::Unreadable)
            qCCritical(lcFiles) << "Não foi possível abrir o arquivo para leitura:" << error;
        if (result != ReadResult::Read)
            return defaultValues; // a file too large has been reported
        return content;
    }
    // Said only when the file is there; a failed write has said why not.
    if (write(defaultValues, filePath))
        qCCritical(lcFiles) << "Arquivo nao existente, reposicao criada: " << filePath;
    return defaultValues;
}

bool FileClass::write(const QString &content, const QString &filePath)
{
    return writeUnless(content, filePath, {});
}

bool FileClass::writeUnless(const QString &content, const QString &filePath, const std::function<bool()> &changed)
{
    const QString real = ExchangeDirectory::resolve(filePath);
    const QFileInfo info(real);
    const QString failed = QStringLiteral("Falhou ao abrir o arquivo para escrita:");
    // The exchange folder deleted while running is made again (it alone:
    // a missing folder below it stays a failure).
    if (ExchangeDirectory::isExchangePath(filePath) && !info.absoluteDir().exists()
        && info.absolutePath() == QFileInfo(ExchangeDirectory::root()).absoluteFilePath()) {
        createFolder(ExchangeDirectory::literalRoot());
    }
    if (!staysInside(real)) {
        reportFailure(failed, real, kOutside);
        return false;
    }
    // A read-only file or a folder in the way is refused, as a plain
    // open-for-writing would refuse it; the old content stays.
    if (info.isDir() || (info.exists() && !info.isWritable())) {
        reportFailure(failed, real, info.isDir() ? QStringLiteral("Is a directory")
                                                 : QStringLiteral("Permission denied"));
        return false;
    }
    // Written to a temporary file beside the target, made durable, looked at
    // once more (the last moment another writer's file can be respected) and
    // then renamed over the target: readers see the old file or the new one,
    // never a part of either.
    QTemporaryFile file(real + QStringLiteral(".XXXXXX"));
    if (!file.open()) {
        reportFailure(failed, real, file.errorString());
        return false;
    }
    const QByteArray bytes = content.toUtf8();
    const bool written = file.write(bytes) == bytes.size() && file.flush();
#ifdef Q_OS_UNIX
    const bool durable = written && ::fsync(file.handle()) == 0;
#else
    const bool durable = written;
#endif
    if (!durable) {
        reportFailure(failed, real, file.errorString());
        return false;
    }
    file.setPermissions(info.exists() ? info.permissions()
                                      : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    file.close();
    if (changed && changed())
        return false; // the temporary file goes with `file`
    std::error_code error;
    std::filesystem::rename(QFileInfo(file.fileName()).filesystemAbsoluteFilePath(), info.filesystemAbsoluteFilePath(),
                            error);
    if (error) {
        reportFailure(failed, real, QString::fromLocal8Bit(error.message()));
        return false;
    }
    file.setAutoRemove(false);
    clearFailure(real);
    return true;
}

void FileClass::writeFile(const QString &content, const QString &filePath)
{
    write(content, filePath);
}

bool FileClass::writeFileIfUnchanged(const QString &content, const QString &filePath, const QString &expected)
{
    const auto changed = [this, &filePath, &expected] {
        QString current;
        QString error;
        const ReadResult result = readAll(filePath, {}, &current, &error);
        if (result == ReadResult::Oversized)
            return true; // not what was read: that was never passed on
        if (result == ReadResult::Unreadable && QFileInfo::exists(ExchangeDirectory::resolve(filePath)))
            return true; // something unreadable stands there now
        if (current == expected || asTextRead(current) == expected)
            return false;
        qCDebug(lcFiles) << "Arquivo mudou desde a leitura, não sobrescrito:" << filePath;
        return true;
    };
    // Before the write, and once more just before it replaces the file:
    // another writer's file can land at any moment.
    return !changed() && writeUnless(content, filePath, changed);
}

void FileClass::deleteFile(const QString &filePath)
{
    const QString real = ExchangeDirectory::resolve(filePath);
    if (QFileInfo(real).isFile())
        QFile::remove(real);
}

void FileClass::createFile(const QString &filePath)
{
    const QString real = ExchangeDirectory::resolve(filePath);
    QFile file(real);
    QString error;
    if (!openRegularFile(file, QIODevice::WriteOnly | QIODevice::Truncate, &error)) {
        reportFailure(QStringLiteral("Falha ao criar o arquivo:"), real, error);
        return;
    }
    file.close();
    clearFailure(real);
    qCDebug(lcFiles) << "Arquivo criado com sucesso:" << filePath;
}
