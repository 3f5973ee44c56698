#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <vector>

// A recording of what a bridge wrote into the exchange folder: each new
// content of a value file with the time it appeared. Text, one entry a line,
// so that it can be read, trimmed or edited by hand:
//
//   RADOD-RECORDING 1
//   # any comment
//   <ms> <file name> <content>
//   ...
//   END <entries> <ms>
//
// <ms> counts milliseconds from the start of the recording and never
// decreases. <file name> is one of the value files. <content> is the file's
// content byte for byte: printable ASCII stands for itself, every other byte
// and the backslash are written as \xHH. The END line gives the number of
// entries and the length of the recording; a recording without it was cut
// short.
struct Recording
{
    struct Entry
    {
        qint64 ms = 0;
        int file = 0; // index into fileNames()
        QByteArray content;
    };

    std::vector<Entry> entries;
    qint64 durationMs = 0;

    // The files a recording may name, in the exchange folder.
    static const QStringList &fileNames();

    static QByteArray escape(const QByteArray &content);
    static bool unescape(const QByteArray &text, QByteArray *content);

    // Reads a recording. On failure returns false and sets `error` to a
    // message saying what is wrong and where.
    static bool parse(const QByteArray &data, Recording *out, QString *error);
};

// Appends entries to a recording file as they arrive, each line flushed at
// once, and writes the END line when finished.
class RecordingWriter
{
public:
    bool open(const QString &path, const QString &comment, QString *error);
    bool append(qint64 ms, int file, const QByteArray &content);
    bool finish(qint64 durationMs);
    int count() const { return m_count; }

private:
    QFile m_file;
    int m_count = 0;
};
