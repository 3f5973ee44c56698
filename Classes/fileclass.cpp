#include "fileclass.h"

#include "exchangedirectory.h"
#include "logging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

#include <filesystem>
#include <system_error>

FileClass::FileClass(QObject *parent) : QObject(parent) {}

FileClass::ReadResult FileClass::readAll(const QString &realPath, QIODevice::OpenMode mode, QString *content,
                                         QString *error)
{
    QFile file(realPath);
    if (!openRegularFile(file, QIODevice::ReadOnly | mode, error))
        return ReadResult::Unreadable;
    if (refuseOversized(file))
        return ReadResult::Oversized;
    QTextStream in(&file); // UTF-8; a byte-order mark is honoured and dropped
    *content = in.readAll();
    return ReadResult::Read;
}

bool FileClass::refuseOversized(const QFile &file)
{
    const QString real = file.fileName();
    const qint64 size = file.size();
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
    if (info.isDir()) {
        *error = QStringLiteral("Is a directory");
        return false;
    }
    if (info.exists() && !info.isFile()) {
        *error = QStringLiteral("Not a regular file");
        return false;
    }
    if (!file.open(mode)) {
        *error = file.errorString();
        return false;
    }
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
    switch (readAll(ExchangeDirectory::resolve(filePath), QIODevice::Text, &content, &error)) {
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
        const ReadResult result = readAll(real, {}, &content, &error);
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
    const QString real = ExchangeDirectory::resolve(filePath);
    const QFileInfo info(real);
    const QString failed = QStringLiteral("Falhou ao abrir o arquivo para escrita:");
    // A read-only file or a folder in the way is refused, as a plain
    // open-for-writing would refuse it; the old content stays.
    if (info.isDir() || (info.exists() && !info.isWritable())) {
        reportFailure(failed, real, info.isDir() ? QStringLiteral("Is a directory")
                                                 : QStringLiteral("Permission denied"));
        return false;
    }
    // Written to a temporary file beside the target, which then replaces it.
    QSaveFile file(real);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) {
        reportFailure(failed, real, file.errorString());
        return false;
    }
    const QByteArray bytes = content.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        reportFailure(failed, real, file.errorString());
        file.cancelWriting();
        return false;
    }
    clearFailure(real);
    return true;
}

void FileClass::writeFile(const QString &content, const QString &filePath)
{
    write(content, filePath);
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
