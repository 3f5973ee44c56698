#pragma once

// Helpers shared by the service tests: a fresh exchange folder per test, and
// the ways outside writers change its files (in place, by replacing, by
// deleting), bypassing the file service.
#include "exchangedirectory.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QSaveFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

namespace support {

// Generous: the machine running the tests may be heavily loaded.
constexpr int kTimeout = 20000;

// A fresh exchange folder that the literal root points at while it lives.
class Exchange
{
public:
    Exchange() : m_dir(std::make_unique<QTemporaryDir>())
    {
        ExchangeDirectory::setRoot(m_dir->path() + QStringLiteral("/instrumentos"));
        QDir().mkpath(root());
    }
    ~Exchange() { ExchangeDirectory::setRoot(QString()); }

    QString root() const { return ExchangeDirectory::root(); }
    QString real(const QString &name) const { return root() + QLatin1Char('/') + name; }
    static QString literal(const QString &name) { return ExchangeDirectory::literalPath(name); }

    // Truncates and rewrites the existing file (the same file stays).
    bool writeInPlace(const QString &name, const QByteArray &bytes) const
    {
        QFile f(real(name));
        return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
    }
    // Writes a new file and renames it over the old one, as careful writers do.
    bool replace(const QString &name, const QByteArray &bytes) const
    {
        QSaveFile f(real(name));
        f.setDirectWriteFallback(false);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.commit();
    }
    bool remove(const QString &name) const { return QFile::remove(real(name)); }
    QByteArray bytes(const QString &name) const
    {
        QFile f(real(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    bool exists(const QString &name) const { return QFile::exists(real(name)); }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

// Permissions do not stop the superuser; read-only cases are skipped then.
inline bool runningAsRoot()
{
#ifdef Q_OS_WIN
    return false;
#else
    return geteuid() == 0;
#endif
}

// Binary and broken text the readers must survive.
inline QByteArray binaryBytes()
{
    QByteArray b;
    for (int i = 0; i < 512; ++i)
        b.append(char(i * 37 % 256));
    return b;
}
// Field `index` of a layout string as stored in a file ("" when it has none).
inline QString layoutField(const QByteArray &layout, int index)
{
    return QString::fromUtf8(layout).split(QLatin1Char(',')).value(index);
}

inline QByteArray invalidUtf8() { return QByteArray("12;\xff\xfe\xc3;34\x80;5"); }
inline QByteArray megabyte(char fill = '7') { return QByteArray(1024 * 1024, fill); }

// Runs radod-inspect as users run it (offscreen, over `exchangeDir`); its exit
// code, or -1 when it crashed or did not end within two minutes.
inline int runInspect(const QStringList &arguments, const QString &exchangeDir, QByteArray *errors = nullptr)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("RADOD_EXCHANGE_DIR"), exchangeDir);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(RADOD_BIN_DIR "/radod-inspect"), arguments);
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    if (errors)
        *errors = process.readAllStandardError();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace support
