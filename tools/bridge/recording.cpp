#include "recording.h"

namespace {

const QByteArray kMagic("RADOD-RECORDING 1");

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool parseCount(const QByteArray &text, qint64 *value)
{
    if (text.isEmpty() || text.size() > 15)
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    *value = text.toLongLong();
    return true;
}

} // namespace

const QStringList &Recording::fileNames()
{
    static const QStringList names{QStringLiteral("TimedProcessing.txt"), QStringLiteral("TPRadioAvionico.txt")};
    return names;
}

QByteArray Recording::escape(const QByteArray &content)
{
    static const char hex[] = "0123456789abcdef";
    QByteArray out;
    out.reserve(content.size() + 16);
    for (char ch : content) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c >= 0x20 && c < 0x7f && c != '\\') {
            out.append(ch);
        } else {
            out.append("\\x");
            out.append(hex[c >> 4]);
            out.append(hex[c & 0xf]);
        }
    }
    return out;
}

bool Recording::unescape(const QByteArray &text, QByteArray *content)
{
    content->clear();
    content->reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const char c = text.at(i);
        if (c != '\\') {
            const unsigned char u = static_cast<unsigned char>(c);
            if (u < 0x20 || u >= 0x7f)
                return false;
            content->append(c);
            continue;
        }
        if (i + 3 >= text.size() || text.at(i + 1) != 'x')
            return false;
        const int hi = hexDigit(text.at(i + 2));
        const int lo = hexDigit(text.at(i + 3));
        if (hi < 0 || lo < 0)
            return false;
        content->append(char(hi * 16 + lo));
        i += 3;
    }
    return true;
}

bool Recording::parse(const QByteArray &data, Recording *out, QString *error)
{
    auto fail = [&](int line, const QString &what) {
        if (error)
            *error = line > 0 ? QStringLiteral("line %1: %2").arg(line).arg(what) : what;
        return false;
    };
    out->entries.clear();
    out->durationMs = 0;
    if (!data.startsWith(kMagic + '\n') && data != kMagic)
        return fail(0, QStringLiteral("not a recording (it does not start with \"%1\")").arg(QString::fromLatin1(kMagic)));
    if (!data.endsWith('\n'))
        return fail(0, QStringLiteral("the recording is truncated: its last line is cut off"));

    const QList<QByteArray> lines = data.split('\n');
    bool ended = false;
    qint64 last = 0;
    // The split leaves one empty piece after the final line end.
    for (int i = 1; i + 1 < lines.size(); ++i) {
        const QByteArray &line = lines.at(i);
        const int number = i + 1;
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (ended)
            return fail(number, QStringLiteral("text after the END line"));
        const int s1 = line.indexOf(' ');
        if (s1 < 0)
            return fail(number, QStringLiteral("not a recording entry"));
        const QByteArray first = line.left(s1);
        if (first == "END") {
            const QList<QByteArray> parts = line.mid(s1 + 1).split(' ');
            qint64 count = 0, duration = 0;
            if (parts.size() != 2 || !parseCount(parts.at(0), &count) || !parseCount(parts.at(1), &duration))
                return fail(number, QStringLiteral("malformed END line"));
            if (count != qint64(out->entries.size()))
                return fail(number, QStringLiteral("the END line counts %1 entries but the recording holds %2")
                                        .arg(count).arg(out->entries.size()));
            if (duration < last)
                return fail(number, QStringLiteral("the END line gives a length shorter than the last entry"));
            out->durationMs = duration;
            ended = true;
            continue;
        }
        Entry e;
        if (!parseCount(first, &e.ms))
            return fail(number, QStringLiteral("an entry starts with its time in milliseconds"));
        if (e.ms < last)
            return fail(number, QStringLiteral("entry times go backwards"));
        last = e.ms;
        const int s2 = line.indexOf(' ', s1 + 1);
        const QByteArray name = s2 < 0 ? line.mid(s1 + 1) : line.mid(s1 + 1, s2 - s1 - 1);
        e.file = int(fileNames().indexOf(QString::fromLatin1(name)));
        if (e.file < 0)
            return fail(number, QStringLiteral("'%1' is not a value file").arg(QString::fromLatin1(name.left(40))));
        if (s2 >= 0 && !unescape(line.mid(s2 + 1), &e.content))
            return fail(number, QStringLiteral("the content is not properly escaped"));
        out->entries.push_back(std::move(e));
    }
    if (!ended)
        return fail(0, QStringLiteral("the recording is truncated: it has no END line "
                                      "(was the recorder stopped abruptly?)"));
    return true;
}

bool RecordingWriter::open(const QString &path, const QString &comment, QString *error)
{
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        if (error)
            *error = m_file.errorString();
        return false;
    }
    QByteArray head = kMagic + '\n';
    if (!comment.isEmpty())
        head += "# " + comment.toUtf8().replace('\n', ' ') + '\n';
    m_count = 0;
    const bool ok = m_file.write(head) == head.size() && m_file.flush();
    if (!ok && error)
        *error = m_file.errorString();
    return ok;
}

bool RecordingWriter::append(qint64 ms, int file, const QByteArray &content)
{
    QByteArray line = QByteArray::number(ms) + ' ' + Recording::fileNames().at(file).toLatin1();
    line += ' ' + Recording::escape(content) + '\n';
    ++m_count;
    return m_file.write(line) == line.size() && m_file.flush();
}

bool RecordingWriter::finish(qint64 durationMs)
{
    const QByteArray line = "END " + QByteArray::number(m_count) + ' ' + QByteArray::number(durationMs) + '\n';
    const bool ok = m_file.write(line) == line.size() && m_file.flush();
    m_file.close();
    return ok;
}
