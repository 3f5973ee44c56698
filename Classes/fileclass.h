#pragma once

#include <QFile>
#include <QObject>
#include <QString>

// The one gateway through which documents, start-up, the instrument manager and
// the geometry services read and write the exchange files. Stateless: every
// call opens, works and closes. Paths are the literal exchange paths
// (C:\Radod\instrumentos\...), resolved through ExchangeDirectory.
//
// Writes are atomic: the content goes to a temporary file in the same folder,
// which then replaces the old file, so a crash or a full disk never leaves a
// truncated layout behind.
class FileClass : public QObject
{
    Q_OBJECT
public:
    explicit FileClass(QObject *parent = nullptr);

public slots:
    // Whole content as text ("" when the file cannot be opened or holds only
    // white space). Carriage returns before line feeds are dropped; a
    // byte-order mark is dropped.
    QString readTextFromFile(const QString &filePath);

    // Content verbatim. Creates the folder and the file (with defaultValues)
    // when missing; returns defaultValues when the file cannot be read.
    QString readConfigFromFile(const QString &filePath, const QString &defaultValues);

    // Replaces the whole file with `content` (UTF-8, no line end added).
    // Content first, path second.
    void writeFile(const QString &content, const QString &filePath);

    // Removes the file if it exists.
    void deleteFile(const QString &filePath);

    // Creates an empty file (empties an existing one).
    void createFile(const QString &filePath);

public:
    // The write of writeFile, telling whether it succeeded (for C++ callers).
    bool write(const QString &content, const QString &filePath);

    // Opens `file` (a real path) unless something other than a regular file
    // stands there: a folder cannot be opened, and a pipe or device would
    // block the suite. On failure `error` tells why.
    static bool openRegularFile(QFile &file, QIODevice::OpenMode mode, QString *error);
};
