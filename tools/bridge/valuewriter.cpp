#include "valuewriter.h"

#include <QFile>
#include <QSaveFile>

bool ValueWriter::write(const QString &path, const QByteArray &content, QString *error) const
{
    if (m_mode == Atomic) {
        QSaveFile file(path);
        // Renaming over the old file is the point; never fall back to
        // writing it in place.
        file.setDirectWriteFallback(false);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit()) {
            if (error)
                *error = file.errorString();
            return false;
        }
        return true;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const bool written = file.write(content) == content.size();
    file.close();
    if (!written || file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
