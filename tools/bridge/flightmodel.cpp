#include "flightmodel.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

// The built-in flight lives in this library's resources.
static void initBridgeResources()
{
    Q_INIT_RESOURCE(bridge);
}

struct FlightModel::Track
{
    enum Kind { Linear, Step, Text };
    QString name;
    Kind kind = Linear;
    int slot = -1;
    std::vector<double> times;
    std::vector<double> values;
    QStringList texts;

    // Index of the keyframe in force at t (the last one at or before t), -1
    // before the first.
    int keyAt(double t) const
    {
        const auto it = std::upper_bound(times.begin(), times.end(), t);
        return int(it - times.begin()) - 1;
    }

    double valueAt(double t) const
    {
        const int i = keyAt(t);
        if (i < 0)
            return values.front();
        if (kind == Step || i + 1 >= int(values.size()))
            return values[size_t(i)];
        const double t0 = times[size_t(i)], t1 = times[size_t(i) + 1];
        const double v0 = values[size_t(i)], v1 = values[size_t(i) + 1];
        return v0 + (v1 - v0) * (t - t0) / (t1 - t0); // t1 > t >= t0 by keyAt
    }

    QString textAt(double t) const
    {
        const int i = keyAt(t);
        return texts.at(std::max(i, 0));
    }
};

struct FlightModel::State
{
    QString name;
    int slot = -1;
    double initial = 0;
    double wrap = 0;
    Expression rate;
    Expression lower;
    Expression upper;
};

struct FlightModel::Derived
{
    int slot = -1;
    Expression expr;
};

struct FlightModel::Output
{
    bool radio = false;
    int index = -1;
    Expression expr;
    int textTrack = -1;
    QString constantText;
    bool isText = false;
    int width = 0;
    int precision = 0;
    bool zeroPad = false;
};

namespace {

struct Line
{
    int number = 0;
    QString text;
};

// Removes a "#" comment that is not inside double quotes.
QString stripComment(const QString &line)
{
    bool quoted = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (c == QLatin1Char('#') && !quoted)
            return line.left(i);
    }
    return line;
}

bool isIdentifier(const QString &s)
{
    static const QRegularExpression re(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return re.match(s).hasMatch();
}

} // namespace

FlightModel::FlightModel() = default;
FlightModel::~FlightModel() = default;

QString FlightModel::builtInText()
{
    initBridgeResources();
    QFile f(QStringLiteral(":/radod-bridge/demo-flight.txt"));
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

const QStringList &FlightModel::commandWords()
{
    static const QStringList words{QStringLiteral("inner_cursor_up"), QStringLiteral("inner_cursor_down"),
                                   QStringLiteral("outer_cursor_up"), QStringLiteral("outer_cursor_down"),
                                   QStringLiteral("cursor_press"), QStringLiteral("enter_press")};
    return words;
}

bool FlightModel::parseTime(const QString &text, double *seconds)
{
    static const QRegularExpression re(QStringLiteral("^(?:(\\d+):)?(\\d+(?:\\.\\d*)?)$"));
    const QRegularExpressionMatch m = re.match(text.trimmed());
    if (!m.hasMatch())
        return false;
    const double minutes = m.captured(1).isEmpty() ? 0 : m.captured(1).toDouble();
    const double secs = m.captured(2).toDouble();
    if (!m.captured(1).isEmpty() && secs >= 60)
        return false;
    *seconds = minutes * 60 + secs;
    return true;
}

bool FlightModel::load(const QString &text, const QString &source, QString *error)
{
    m_duration = 0;
    m_slots.clear();
    m_tracks.clear();
    m_states.clear();
    m_derived.clear();
    m_outputs.clear();
    m_names.clear();
    m_commands.clear();

    int errorLine = 0;
    QString message;
    auto fail = [&](int line, const QString &what) {
        if (message.isEmpty()) {
            errorLine = line;
            message = what;
        }
        return false;
    };
    auto finish = [&]() {
        if (error)
            *error = errorLine > 0 ? QStringLiteral("%1:%2: %3").arg(source).arg(errorLine).arg(message)
                                   : QStringLiteral("%1: %2").arg(source, message);
        m_outputs.clear();
        return false;
    };

    std::vector<Line> lines;
    const QStringList raw = text.split(QLatin1Char('\n'));
    for (int i = 0; i < raw.size(); ++i) {
        const QString s = stripComment(raw.at(i)).trimmed();
        if (!s.isEmpty())
            lines.push_back({i + 1, s});
    }

    // Pass 1: names, in file order, and the duration.
    QHash<QString, int> slotOf;
    QHash<QString, int> trackOf;
    QHash<QString, int> derivedOrder; // name -> position among derived values
    m_names.push_back(QStringLiteral("t"));
    slotOf.insert(QStringLiteral("t"), 0);
    auto declare = [&](int line, const QString &name) {
        if (!isIdentifier(name))
            return fail(line, QStringLiteral("'%1' is not a valid name").arg(name)), -1;
        if (slotOf.contains(name))
            return fail(line, QStringLiteral("'%1' is defined twice").arg(name)), -1;
        const int slot = int(m_names.size());
        m_names.push_back(name);
        slotOf.insert(name, slot);
        return slot;
    };

    static const QRegularExpression stateRe(QStringLiteral("^state\\s+(\\S+)\\s*=\\s*([^;]+)(;.*)?$"));
    static const QRegularExpression letRe(QStringLiteral("^let\\s+(\\S+)\\s*=\\s*(.+)$"));
    static const QRegularExpression outRe(QStringLiteral("^(value|radio)\\s+(\\S+)\\s*=\\s*(.+)$"));
    static const QRegularExpression formatRe(QStringLiteral("\\s%(0?)(\\d*)(?:\\.(\\d+))?f$"));

    for (const Line &l : lines) {
        const QString keyword = l.text.section(QLatin1Char(' '), 0, 0);
        if (keyword == QLatin1String("duration")) {
            double d = 0;
            if (!parseTime(l.text.mid(8), &d) || d <= 0)
                fail(l.number, QStringLiteral("duration must be a positive time such as 600 or 10:00"));
            m_duration = d;
        } else if (keyword == QLatin1String("track")) {
            const QStringList parts = l.text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (parts.size() != 3) {
                fail(l.number, QStringLiteral("expected: track NAME linear|step|text"));
                continue;
            }
            Track tr;
            tr.name = parts.at(1);
            if (parts.at(2) == QLatin1String("linear"))
                tr.kind = Track::Linear;
            else if (parts.at(2) == QLatin1String("step"))
                tr.kind = Track::Step;
            else if (parts.at(2) == QLatin1String("text"))
                tr.kind = Track::Text;
            else
                fail(l.number, QStringLiteral("a track is linear, step or text, not '%1'").arg(parts.at(2)));
            tr.slot = declare(l.number, tr.name);
            trackOf.insert(tr.name, int(m_tracks.size()));
            m_tracks.push_back(std::move(tr));
        } else if (keyword == QLatin1String("state")) {
            const QRegularExpressionMatch m = stateRe.match(l.text);
            if (!m.hasMatch()) {
                fail(l.number, QStringLiteral("expected: state NAME = INITIAL; rate EXPR"));
                continue;
            }
            State st;
            st.name = m.captured(1);
            bool ok = false;
            st.initial = m.captured(2).trimmed().toDouble(&ok);
            if (!ok)
                fail(l.number, QStringLiteral("the initial value of a state is a number"));
            st.slot = declare(l.number, st.name);
            m_states.push_back(std::move(st));
        } else if (keyword == QLatin1String("let")) {
            const QRegularExpressionMatch m = letRe.match(l.text);
            if (!m.hasMatch()) {
                fail(l.number, QStringLiteral("expected: let NAME = EXPR"));
                continue;
            }
            Derived d;
            d.slot = declare(l.number, m.captured(1));
            derivedOrder.insert(m.captured(1), int(m_derived.size()));
            m_derived.push_back(std::move(d));
        } else if (keyword == QLatin1String("command")) {
            const QStringList parts = l.text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            Command c;
            if (parts.size() != 3 || !parseTime(parts.at(1), &c.time)) {
                fail(l.number, QStringLiteral("expected: command TIME WORD"));
                continue;
            }
            c.word = parts.at(2);
            if (!commandWords().contains(c.word))
                fail(l.number, QStringLiteral("'%1' is not a command word (%2)").arg(c.word, commandWords().join(QStringLiteral(", "))));
            m_commands.push_back(c);
        } else if (keyword != QLatin1String("at") && keyword != QLatin1String("value")
                   && keyword != QLatin1String("radio")) {
            fail(l.number, QStringLiteral("unknown statement '%1'").arg(keyword));
        }
    }
    if (!message.isEmpty())
        return finish();
    if (m_duration <= 0)
        return fail(0, QStringLiteral("no duration given")), finish();
    for (const Command &c : m_commands) {
        if (c.time > m_duration)
            return fail(0, QStringLiteral("the command %1 comes after the end of the flight").arg(c.word)), finish();
    }

    // Pass 2: keyframes, expressions and outputs.
    int derivedIndex = 0; // derived values compiled so far
    auto resolver = [&](bool inDerived) {
        return [&, inDerived](const QString &name, QString *why) -> int {
            const auto it = slotOf.constFind(name);
            if (it == slotOf.constEnd()) {
                *why = QStringLiteral("unknown name '%1'").arg(name);
                return -1;
            }
            const auto tr = trackOf.constFind(name);
            if (tr != trackOf.constEnd() && m_tracks[size_t(*tr)].kind == Track::Text) {
                *why = QStringLiteral("text track '%1' can only be written to a field on its own").arg(name);
                return -1;
            }
            const auto d = derivedOrder.constFind(name);
            if (inDerived && d != derivedOrder.constEnd() && *d >= derivedIndex) {
                *why = QStringLiteral("'%1' is used before its let line").arg(name);
                return -1;
            }
            return *it;
        };
    };
    const Expression::Resolver anyName = resolver(false);
    const Expression::Resolver earlierName = resolver(true);

    int stateIndex = 0;
    std::vector<bool> seen(size_t(kValueFields + kRadioFields), false);
    for (const Line &l : lines) {
        const QString keyword = l.text.section(QLatin1Char(' '), 0, 0);
        if (keyword == QLatin1String("at")) {
            QString rest = l.text.mid(2).trimmed();
            const QString timeText = rest.section(QLatin1Char(' '), 0, 0);
            double at = 0;
            if (!parseTime(timeText, &at)) {
                fail(l.number, QStringLiteral("'%1' is not a time").arg(timeText));
                continue;
            }
            rest = rest.mid(timeText.size());
            QList<int> touched;
            int p = 0;
            while (p < rest.size()) {
                if (rest.at(p).isSpace()) {
                    ++p;
                    continue;
                }
                const int eq = rest.indexOf(QLatin1Char('='), p);
                if (eq < 0) {
                    fail(l.number, QStringLiteral("expected NAME=VALUE at '%1'").arg(rest.mid(p)));
                    break;
                }
                const QString name = rest.mid(p, eq - p).trimmed();
                const auto tr = trackOf.constFind(name);
                if (tr == trackOf.constEnd()) {
                    fail(l.number, QStringLiteral("'%1' is not a track").arg(name));
                    break;
                }
                if (touched.contains(*tr)) {
                    fail(l.number, QStringLiteral("'%1' is given twice").arg(name));
                    break;
                }
                touched.append(*tr);
                Track &track = m_tracks[size_t(*tr)];
                p = eq + 1;
                if (track.kind == Track::Text) {
                    if (p >= rest.size() || rest.at(p) != QLatin1Char('"')) {
                        fail(l.number, QStringLiteral("text track '%1' takes a quoted text").arg(name));
                        break;
                    }
                    const int close = rest.indexOf(QLatin1Char('"'), p + 1);
                    if (close < 0) {
                        fail(l.number, QStringLiteral("missing closing '\"'"));
                        break;
                    }
                    const QString value = rest.mid(p + 1, close - p - 1);
                    if (value.contains(QLatin1Char(';'))) {
                        fail(l.number, QStringLiteral("a text may not contain ';', the field separator"));
                        break;
                    }
                    track.texts.append(value);
                    track.times.push_back(at);
                    p = close + 1;
                } else {
                    int end = p;
                    while (end < rest.size() && !rest.at(end).isSpace())
                        ++end;
                    bool ok = false;
                    const double value = rest.mid(p, end - p).toDouble(&ok);
                    if (!ok || !std::isfinite(value)) {
                        fail(l.number, QStringLiteral("'%1' is not a number").arg(rest.mid(p, end - p)));
                        break;
                    }
                    track.values.push_back(value);
                    track.times.push_back(at);
                    p = end;
                }
            }
        } else if (keyword == QLatin1String("let")) {
            const QRegularExpressionMatch m = letRe.match(l.text);
            QString why;
            m_derived[size_t(derivedIndex)].expr = Expression::compile(m.captured(2), earlierName, &why);
            if (!why.isEmpty())
                fail(l.number, why);
            ++derivedIndex;
        } else if (keyword == QLatin1String("state")) {
            State &st = m_states[size_t(stateIndex++)];
            const QStringList clauses = stateRe.match(l.text).captured(3).split(QLatin1Char(';'), Qt::SkipEmptyParts);
            bool hasRate = false;
            for (const QString &clause : clauses) {
                const QString c = clause.trimmed();
                const QString word = c.section(QLatin1Char(' '), 0, 0);
                const QString arg = c.mid(word.size()).trimmed();
                QString why;
                if (word == QLatin1String("rate")) {
                    st.rate = Expression::compile(arg, anyName, &why);
                    hasRate = true;
                } else if (word == QLatin1String("min")) {
                    st.lower = Expression::compile(arg, anyName, &why);
                } else if (word == QLatin1String("max")) {
                    st.upper = Expression::compile(arg, anyName, &why);
                } else if (word == QLatin1String("wrap")) {
                    bool ok = false;
                    st.wrap = arg.toDouble(&ok);
                    if (!ok || st.wrap <= 0)
                        why = QStringLiteral("wrap takes a positive number");
                } else {
                    why = QStringLiteral("a state clause is rate, min, max or wrap, not '%1'").arg(word);
                }
                if (!why.isEmpty())
                    fail(l.number, why);
            }
            if (!hasRate)
                fail(l.number, QStringLiteral("state '%1' has no rate").arg(st.name));
        } else if (keyword == QLatin1String("value") || keyword == QLatin1String("radio")) {
            const QRegularExpressionMatch m = outRe.match(l.text);
            if (!m.hasMatch()) {
                fail(l.number, QStringLiteral("expected: %1 INDEX = EXPR").arg(keyword));
                continue;
            }
            Output out;
            out.radio = keyword == QLatin1String("radio");
            bool ok = false;
            out.index = m.captured(2).toInt(&ok);
            const int count = out.radio ? kRadioFields : kValueFields;
            if (!ok || out.index < 0 || out.index >= count) {
                fail(l.number, QStringLiteral("%1 field index must be 0 to %2").arg(keyword).arg(count - 1));
                continue;
            }
            const size_t seenAt = size_t(out.index + (out.radio ? kValueFields : 0));
            if (seen[seenAt]) {
                fail(l.number, QStringLiteral("%1 field %2 is defined twice").arg(keyword).arg(out.index));
                continue;
            }
            seen[seenAt] = true;
            QString body = m.captured(3).trimmed();
            const QRegularExpressionMatch fm = formatRe.match(body);
            if (fm.hasMatch()) {
                out.zeroPad = !fm.captured(1).isEmpty();
                out.width = fm.captured(2).toInt();
                out.precision = fm.captured(3).toInt();
                body = body.left(fm.capturedStart()).trimmed();
            }
            if (body.startsWith(QLatin1Char('"'))) {
                if (body.size() < 2 || !body.endsWith(QLatin1Char('"')) || body.mid(1, body.size() - 2).contains(QLatin1Char(';'))) {
                    fail(l.number, QStringLiteral("a text field is one quoted text without ';'"));
                    continue;
                }
                out.isText = true;
                out.constantText = body.mid(1, body.size() - 2);
            } else if (trackOf.contains(body) && m_tracks[size_t(trackOf.value(body))].kind == Track::Text) {
                out.isText = true;
                out.textTrack = trackOf.value(body);
            } else {
                QString why;
                out.expr = Expression::compile(body, anyName, &why);
                if (!why.isEmpty()) {
                    fail(l.number, why);
                    continue;
                }
            }
            m_outputs.push_back(std::move(out));
        }
    }
    std::stable_sort(m_commands.begin(), m_commands.end(),
                     [](const Command &a, const Command &b) { return a.time < b.time; });
    for (Track &tr : m_tracks) {
        if (tr.times.empty()) {
            fail(0, QStringLiteral("track '%1' has no keyframe").arg(tr.name));
            continue;
        }
        // Keyframes may be given in any order; at equal times the later line
        // wins, so a track can jump.
        std::vector<size_t> order(tr.times.size());
        for (size_t i = 0; i < order.size(); ++i)
            order[i] = i;
        std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return tr.times[a] < tr.times[b]; });
        std::vector<double> times, values;
        QStringList texts;
        for (size_t i : order) {
            times.push_back(tr.times[i]);
            if (tr.kind == Track::Text)
                texts.append(tr.texts.at(qsizetype(i)));
            else
                values.push_back(tr.values[i]);
        }
        tr.times = std::move(times);
        tr.values = std::move(values);
        tr.texts = std::move(texts);
    }
    for (int i = 0; i < kValueFields + kRadioFields && message.isEmpty(); ++i) {
        if (!seen[size_t(i)]) {
            fail(0, i < kValueFields ? QStringLiteral("value field %1 is not defined").arg(i)
                                     : QStringLiteral("radio field %1 is not defined").arg(i - kValueFields));
        }
    }
    if (!message.isEmpty())
        return finish();

    std::sort(m_outputs.begin(), m_outputs.end(), [](const Output &a, const Output &b) {
        return a.radio != b.radio ? !a.radio : a.index < b.index;
    });
    m_slots.assign(m_names.size(), 0.0);
    reset();
    return true;
}

void FlightModel::reset()
{
    m_time = 0;
    m_gridSteps = 0;
    m_stateValues.resize(m_states.size());
    for (size_t i = 0; i < m_states.size(); ++i)
        m_stateValues[i] = m_states[i].initial;
    if (!m_slots.empty())
        computeEnvironment(0, m_stateValues);
}

void FlightModel::computeEnvironment(double t, const std::vector<double> &states)
{
    m_slots[0] = t;
    for (const Track &tr : m_tracks) {
        if (tr.kind != Track::Text)
            m_slots[size_t(tr.slot)] = tr.valueAt(t);
    }
    for (size_t i = 0; i < m_states.size(); ++i)
        m_slots[size_t(m_states[i].slot)] = states[i];
    for (const Derived &d : m_derived)
        m_slots[size_t(d.slot)] = d.expr.evaluate(m_slots);
}

void FlightModel::rates(std::vector<double> *out) const
{
    out->resize(m_states.size());
    for (size_t i = 0; i < m_states.size(); ++i) {
        const double r = m_states[i].rate.evaluate(m_slots);
        (*out)[i] = std::isfinite(r) ? r : 0.0;
    }
}

void FlightModel::heunStep(double t, double h, std::vector<double> *values)
{
    std::vector<double> k1, k2, predicted(m_states.size());
    computeEnvironment(t, *values);
    rates(&k1);
    for (size_t i = 0; i < m_states.size(); ++i)
        predicted[i] = (*values)[i] + h * k1[i];
    computeEnvironment(t + h, predicted);
    rates(&k2);
    for (size_t i = 0; i < m_states.size(); ++i) {
        const State &st = m_states[i];
        double v = (*values)[i] + h * 0.5 * (k1[i] + k2[i]);
        if (st.wrap > 0) {
            v = std::fmod(v, st.wrap);
            if (v < 0)
                v += st.wrap;
        }
        if (st.lower.isValid())
            v = std::max(v, st.lower.evaluate(m_slots));
        if (st.upper.isValid())
            v = std::min(v, st.upper.evaluate(m_slots));
        (*values)[i] = v;
    }
}

void FlightModel::advanceTo(double t)
{
    if (m_slots.empty())
        return;
    if (!std::isfinite(t) || t < 0)
        t = 0;
    // States are committed only on the grid of whole steps, so the values at
    // any time come out the same however the flight got there.
    if (t < double(m_gridSteps) * kIntegrationStep)
        reset();
    const qint64 lastStep = qint64(std::floor(t / kIntegrationStep + 1e-9));
    while (m_gridSteps < lastStep) {
        heunStep(double(m_gridSteps) * kIntegrationStep, kIntegrationStep, &m_stateValues);
        ++m_gridSteps;
    }
    m_time = t;
    const double gridTime = double(m_gridSteps) * kIntegrationStep;
    if (t > gridTime + 1e-12) {
        std::vector<double> between = m_stateValues;
        heunStep(gridTime, t - gridTime, &between);
        computeEnvironment(t, between);
    } else {
        computeEnvironment(t, m_stateValues);
    }
}

QString FlightModel::format(const Output &out) const
{
    if (out.isText)
        return out.textTrack >= 0 ? m_tracks[size_t(out.textTrack)].textAt(m_time) : out.constantText;
    double v = out.expr.evaluate(m_slots);
    if (!std::isfinite(v))
        v = 0;
    QString s = QString::number(v, 'f', out.precision);
    bool negative = s.startsWith(QLatin1Char('-'));
    if (negative) {
        // "-0.00" is zero
        bool allZero = true;
        for (int i = 1; i < s.size(); ++i) {
            if (s.at(i) != QLatin1Char('0') && s.at(i) != QLatin1Char('.'))
                allZero = false;
        }
        if (allZero) {
            s.remove(0, 1);
            negative = false;
        }
    }
    if (out.width > s.size()) {
        const int fill = out.width - int(s.size());
        s.insert(negative ? 1 : 0, QString(fill, out.zeroPad ? QLatin1Char('0') : QLatin1Char(' ')));
    }
    return s;
}

QStringList FlightModel::fields(bool radio) const
{
    QStringList list;
    for (const Output &out : m_outputs) {
        if (out.radio == radio)
            list.append(format(out));
    }
    return list;
}

QStringList FlightModel::valueFields() const { return fields(false); }
QStringList FlightModel::radioFields() const { return fields(true); }
QString FlightModel::valueVector() const { return valueFields().join(QLatin1Char(';')); }
QString FlightModel::radioVector() const { return radioFields().join(QLatin1Char(';')); }

bool FlightModel::hasName(const QString &name) const
{
    return std::find(m_names.begin(), m_names.end(), name) != m_names.end();
}

double FlightModel::valueOf(const QString &name) const
{
    const auto it = std::find(m_names.begin(), m_names.end(), name);
    if (it == m_names.end() || m_slots.empty())
        return 0;
    return m_slots[size_t(it - m_names.begin())];
}
