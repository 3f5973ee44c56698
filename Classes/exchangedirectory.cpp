#include "exchangedirectory.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

const QString kLiteralRoot = QStringLiteral("C:\\Radod\\instrumentos");

QString &rootOverride()
{
    static QString value;
    return value;
}

QString normalised(const QString &path)
{
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return p;
}

// Length of the literal root prefix at the start of `path` (separators and
// letter case ignored), or -1 when the path does not start with it.
int literalPrefixLength(const QString &path)
{
    const QString p = normalised(path);
    const QString r = normalised(kLiteralRoot);
    if (!p.startsWith(r, Qt::CaseInsensitive))
        return -1;
    if (p.size() == r.size())
        return r.size();
    if (p.at(r.size()) == QLatin1Char('/'))
        return r.size();
    return -1;
}

// The existing entry of `dir` whose name equals `name` without regard to case,
// or `name` itself when there is none (a file about to be created).
QString matchEntry(const QString &dir, const QString &name)
{
    if (QFileInfo::exists(dir + QLatin1Char('/') + name))
        return name;
    const QStringList entries = QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                    | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return name;
}

} // namespace

QString ExchangeDirectory::literalRoot()
{
    return kLiteralRoot;
}

QString ExchangeDirectory::literalPath(const QString &fileName)
{
    return kLiteralRoot + QLatin1Char('\\') + fileName;
}

QString ExchangeDirectory::root()
{
    if (!rootOverride().isEmpty())
        return rootOverride();
#ifdef Q_OS_WIN
    return kLiteralRoot;
#else
    const QString fromEnv = qEnvironmentVariable("RADOD_EXCHANGE_DIR");
    if (!fromEnv.isEmpty())
        return QDir::cleanPath(fromEnv);
    return QDir::homePath() + QStringLiteral("/Radod/instrumentos");
#endif
}

void ExchangeDirectory::setRoot(const QString &realFolder)
{
    rootOverride() = realFolder.isEmpty() ? QString() : QDir::cleanPath(realFolder);
}

bool ExchangeDirectory::isExchangePath(const QString &path)
{
    return literalPrefixLength(path) >= 0;
}

QString ExchangeDirectory::resolve(const QString &path)
{
    const int prefix = literalPrefixLength(path);
    if (prefix < 0)
        return path;
    const QStringList parts = normalised(path).mid(prefix).split(QLatin1Char('/'), Qt::SkipEmptyParts);
#ifdef Q_OS_WIN
    if (rootOverride().isEmpty() && !parts.contains(QLatin1String(".")) && !parts.contains(QLatin1String("..")))
        return path; // the file system itself ignores case
#endif
    QString real = root();
    for (const QString &part : parts) {
        // "." and ".." never lead anywhere: nothing below the root climbs out of it.
        if (part == QLatin1String(".") || part == QLatin1String(".."))
            continue;
        real += QLatin1Char('/') + matchEntry(real, part);
    }
    return real;
}

QString ExchangeDirectory::nearestExistingFolder(const QString &realPath)
{
    QString dir = QFileInfo(realPath).absolutePath();
    while (!QFileInfo(dir).isDir()) {
        const QString up = QFileInfo(dir).absolutePath();
        if (up == dir)
            return QString();
        dir = up;
    }
    return dir;
}
