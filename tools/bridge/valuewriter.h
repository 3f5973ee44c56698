#pragma once

#include <QByteArray>
#include <QString>

// Writes a value file the way a bridge does.
//  - InPlace: open the existing file, truncate, write, close. The file keeps
//    its identity, so a watcher that follows it sees every change.
//  - Atomic: write a temporary file beside it and rename it over the old one,
//    so that a reader never sees a half-written content.
class ValueWriter
{
public:
    enum Mode { InPlace, Atomic };

    explicit ValueWriter(Mode mode = InPlace) : m_mode(mode) {}

    Mode mode() const { return m_mode; }

    // Replaces the whole content of `path`. On failure returns false and sets
    // `error` to the reason.
    bool write(const QString &path, const QByteArray &content, QString *error = nullptr) const;

private:
    Mode m_mode;
};
