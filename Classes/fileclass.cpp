#include "fileclass.h"

#include "exchangedirectory.h"
#include "logging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

namespace {

// Reads a whole file as text; false when it cannot be opened as a file.
bool readAll(const QString &realPath, QIODevice::OpenMode mode, QString *content, QString *error)
{
    QFile file(realPath);
    if (!FileClass::openRegularFile(file, QIODevice::ReadOnly | mode, error))
        return false;
    QTextStream in(&file); // UTF-8; a byte-order mark is honoured and dropped
    *content = in.readAll();
    return true;
}

} // namespace

FileClass::FileClass(QObject *parent) : QObject(parent) {}

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
    QString content;
    QString error;
    if (!readAll(ExchangeDirectory::resolve(filePath), QIODevice::Text, &content, &error))
        return QString();
    if (content.trimmed().isEmpty())
        return QString();
    return content;
}

QString FileClass::readConfigFromFile(const QString &filePath, const QString &defaultValues)
{
    const QString real = ExchangeDirectory::resolve(filePath);
    const QFileInfo info(real);
    const QDir dir = info.absoluteDir();
    if (!dir.exists() && !QDir().mkpath(dir.absolutePath())) {
        qCCritical(lcFiles) << "Não foi possível criar o diretório:" << dir.absolutePath();
        return defaultValues;
    }
    if (info.exists()) {
        QString content;
        QString error;
        if (!readAll(real, {}, &content, &error)) {
            qCCritical(lcFiles) << "Não foi possível abrir o arquivo para leitura:" << error;
            return defaultValues;
        }
        return content;
    }
    write(defaultValues, filePath);
    qCCritical(lcFiles) << "Arquivo nao existente, reposicao criada: " << filePath;
    return defaultValues;
}

bool FileClass::write(const QString &content, const QString &filePath)
{
    const QString real = ExchangeDirectory::resolve(filePath);
    const QFileInfo info(real);
    // A read-only file or a folder in the way is refused, as a plain
    // open-for-writing would refuse it; the old content stays.
    if (info.isDir() || (info.exists() && !info.isWritable())) {
        qCCritical(lcFiles) << "Falhou ao abrir o arquivo para escrita:"
                            << (info.isDir() ? QStringLiteral("Is a directory")
                                             : QStringLiteral("Permission denied"));
        return false;
    }
    // Written to a temporary file beside the target, which then replaces it.
    QSaveFile file(real);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) {
        qCCritical(lcFiles) << "Falhou ao abrir o arquivo para escrita:" << file.errorString();
        return false;
    }
    const QByteArray bytes = content.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        qCCritical(lcFiles) << "Falhou ao abrir o arquivo para escrita:" << file.errorString();
        file.cancelWriting();
        return false;
    }
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
        qCCritical(lcFiles) << "Falha ao criar o arquivo:" << error;
        return;
    }
    file.close();
    qCDebug(lcFiles) << "Arquivo criado com sucesso:" << filePath;
}
