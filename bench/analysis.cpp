#include "analysis.h"

#include "benchtrace.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace {

constexpr double kMsPerNs = 1e-6;
constexpr qint64 kNoTime = std::numeric_limits<qint64>::max();
// Trace events belong to a phase from its first write until this long after
// its last one (the suite may still be working through it).
constexpr qint64 kPhaseTailNs = 500LL * 1000 * 1000;
// A frame counts as stale beyond necessity when the newer text had been
// written this long before the frame began.
constexpr qint64 kStaleGraceNs = 2LL * 1000 * 1000;
// The target for a write to reach every document.
constexpr qint64 kLateNs = 2LL * 1000 * 1000;

double ms(qint64 ns)
{
    return double(ns) * kMsPerNs;
}

// Times (sorted) at which each text reached one document.
using Arrivals = QHash<quint64, std::vector<qint64>>;

qint64 firstAtOrAfter(const std::vector<qint64> &times, qint64 from)
{
    const auto it = std::lower_bound(times.begin(), times.end(), from);
    return it == times.end() ? kNoTime : *it;
}

// What the GUI thread was busy with, from the trace.
struct Busy
{
    qint64 from = 0;
    qint64 to = 0;
    bool frame = false; // drawing or repainting; else handling a notification
};

// Time of [from, to) that the busy intervals of one kind cover.
qint64 covered(const std::vector<Busy> &busy, qint64 from, qint64 to, bool frame)
{
    // Intervals are sorted by start and none is longer than a second.
    constexpr qint64 kLongest = 1000LL * 1000 * 1000;
    auto it = std::lower_bound(busy.begin(), busy.end(), from - kLongest,
                               [](const Busy &b, qint64 t) { return b.from < t; });
    qint64 sum = 0;
    for (; it != busy.end() && it->from < to; ++it) {
        if (it->frame != frame)
            continue;
        const qint64 a = std::max(from, it->from);
        const qint64 b = std::min(to, it->to);
        if (b > a)
            sum += b - a;
    }
    return sum;
}

struct Frame
{
    qint64 sync = 0;    // the frame began
    qint64 shown = 0;   // its repaint ended
    qint64 flushNs = 0; // the repaint took
    qint64 renderNs = 0; // the render took
    quint64 hash = 0;   // text it shows
};

} // namespace

// --- Trace -------------------------------------------------------------------

bool Trace::load(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("no trace at %1 (%2)").arg(path, file.errorString());
        return false;
    }
    const QByteArray all = file.readAll();
    events.reserve(size_t(all.count('\n')));
    for (const QByteArray &line : all.split('\n')) {
        if (line.isEmpty())
            continue;
        if (line.startsWith('#')) {
            const QList<QByteArray> f = line.mid(2).split(' ');
            const QByteArray key = f.value(0);
            const auto rest = [&](int from) {
                return QString::fromUtf8(f.mid(from).join(' '));
            };
            if (key == "platform") {
                platform = rest(1);
            } else if (key == "manager") {
                manager = rest(1);
            } else if (key == "dropped") {
                dropped = f.value(1).toULongLong();
            } else if (key == "capacity") {
                bufferBytes = f.value(1).toLongLong() * f.value(2).toLongLong();
                eventBytes = f.value(2).toLongLong();
            } else if (key == "used") {
                usedAtReady = f.value(1).toLongLong();
                usedAtEnd = f.value(2).toLongLong();
            } else if (key == "window") {
                TraceWindow w;
                w.index = f.value(1).toInt();
                w.file = f.value(2).toInt();
                w.title = rest(3);
                if (int(windows.size()) <= w.index)
                    windows.resize(size_t(w.index) + 1);
                windows[size_t(w.index)].index = w.index;
                windows[size_t(w.index)].file = w.file;
                windows[size_t(w.index)].title = w.title;
            } else if (key == "api") {
                const int index = f.value(1).toInt();
                if (index >= 0 && index < int(windows.size()))
                    windows[size_t(index)].api = rest(2);
            }
            continue;
        }
        const QList<QByteArray> f = line.split(' ');
        if (f.size() < 7)
            continue;
        TraceEvent e;
        e.kind = f[0].toInt();
        e.file = f[1].toInt();
        e.window = f[2].toInt();
        e.t0 = f[3].toLongLong();
        e.t1 = f[4].toLongLong();
        e.hash = f[5].toULongLong();
        e.aux = f[6].toLongLong();
        events.push_back(e);
    }
    return true;
}

QString Trace::backends() const
{
    QStringList names;
    for (const TraceWindow &w : windows) {
        if (!w.api.isEmpty() && w.api != QLatin1String("none") && !names.contains(w.api))
            names.append(w.api);
    }
    return names.isEmpty() ? QStringLiteral("unknown") : names.join(QStringLiteral(", "));
}

// --- Distribution ------------------------------------------------------------

void Distribution::sort() const
{
    if (!m_sorted) {
        std::sort(m_values.begin(), m_values.end());
        m_sorted = true;
    }
}

double Distribution::quantile(double q) const
{
    if (m_values.empty())
        return 0;
    sort();
    const size_t rank = size_t(std::ceil(q * double(m_values.size())));
    return m_values[std::min(m_values.size() - 1, rank == 0 ? 0 : rank - 1)];
}

double Distribution::mean() const
{
    if (m_values.empty())
        return 0;
    double sum = 0;
    for (double v : m_values)
        sum += v;
    return sum / double(m_values.size());
}

QString Distribution::summary(int decimals) const
{
    if (m_values.empty())
        return QStringLiteral("–");
    return QStringLiteral("%1 / %2 / %3")
            .arg(median(), 0, 'f', decimals)
            .arg(p99(), 0, 'f', decimals)
            .arg(max(), 0, 'f', decimals);
}

// --- Phases --------------------------------------------------------------------

PhaseFigures analysePhase(const Trace &trace, const WritePhase &phase,
                          const QHash<int, QSet<quint64>> &knownTexts, const QHash<int, quint64> &before)
{
    PhaseFigures out;
    out.rate = phase.rate;
    out.updates = phase.updates;
    out.wallSeconds = double(phase.finish - phase.begin) * 1e-9;
    out.writerMaxLateMs = phase.maxLateMs;

    const qint64 from = phase.begin;
    const qint64 until = phase.finish + kPhaseTailNs;
    const auto inPhase = [&](qint64 t) { return t >= from && t < until; };

    const int windowCount = int(trace.windows.size());
    const size_t windowTotal = trace.windows.size();
    std::vector<Arrivals> arrivals(windowTotal);    // pushes and skips
    std::vector<Arrivals> pushTimes(windowTotal);   // pushes only
    std::vector<std::vector<Frame>> frames(windowTotal);
    std::map<int, std::vector<std::pair<qint64, qint64>>> reads; // per file: start, end
    std::map<int, std::vector<qint64>> notifyTimes;          // per file
    out.windows.resize(windowTotal);
    for (int w = 0; w < windowCount; ++w)
        out.windows[size_t(w)].title = trace.windows[size_t(w)].title;

    QHash<QPair<int, qint64>, bool> flushedRenders; // (window, sync time) already counted
    QHash<QPair<int, qint64>, qint64> renderEnds;    // (window, sync time): the render ended
    std::vector<Busy> busy;
    for (const TraceEvent &e : trace.events) {
        if (e.kind == BenchTrace::Rendered && e.aux > 0)
            busy.push_back({e.aux, e.t0, true});
        else if (e.kind == BenchTrace::Flush && e.t1 > e.t0)
            busy.push_back({e.t0, e.t1, true});
        else if (e.kind == BenchTrace::Handled)
            busy.push_back({e.t0, e.t1, false});
    }
    std::sort(busy.begin(), busy.end(), [](const Busy &a, const Busy &b) { return a.from < b.from; });
    for (const TraceEvent &e : trace.events) {
        const bool ours = e.window >= 0 && e.window < windowCount;
        switch (e.kind) {
        case BenchTrace::Notify:
            notifyTimes[e.file].push_back(e.t0);
            if (inPhase(e.t0))
                ++out.notifications;
            break;
        case BenchTrace::Read:
            reads[e.file].emplace_back(e.t0, e.t1);
            if (inPhase(e.t0)) {
                ++out.reads;
                out.readTime.add(ms(e.t1 - e.t0));
                if (!knownTexts.value(e.file).contains(e.hash))
                    ++out.tornReads;
            }
            break;
        case BenchTrace::Handled:
            if (inPhase(e.t0))
                out.handlerTime.add(ms(e.t1 - e.t0));
            break;
        case BenchTrace::Push:
            if (!ours)
                break;
            arrivals[size_t(e.window)][e.hash].push_back(e.t1);
            pushTimes[size_t(e.window)][e.hash].push_back(e.t1);
            if (inPhase(e.t0) && (e.file == BenchTrace::Values || e.file == BenchTrace::RadioValues)) {
                ++out.pushes;
                out.pushTime.add(ms(e.t1 - e.t0));
                out.windows[size_t(e.window)].push.add(ms(e.t1 - e.t0));
                if (!knownTexts.value(e.file).contains(e.hash))
                    ++out.tornPushes;
            }
            break;
        case BenchTrace::Skip:
            if (!ours)
                break;
            arrivals[size_t(e.window)][e.hash].push_back(e.t0);
            if (inPhase(e.t0))
                ++out.skips;
            break;
        case BenchTrace::Rendered:
            if (ours)
                renderEnds.insert(qMakePair(e.window, e.aux), e.t0);
            if (ours && inPhase(e.aux)) {
                out.renderTime.add(ms(e.t0 - e.aux));
                out.windows[size_t(e.window)].render.add(ms(e.t0 - e.aux));
            }
            break;
        case BenchTrace::Flush: {
            if (!ours || e.aux == 0)
                break;
            // A picture repainted again without a new render is the same frame.
            const QPair<int, qint64> key(e.window, e.aux);
            if (flushedRenders.contains(key))
                break;
            flushedRenders.insert(key, true);
            const qint64 rendered = renderEnds.value(key, e.aux);
            frames[size_t(e.window)].push_back({e.aux, e.t1, e.t1 - e.t0, rendered - e.aux, e.hash});
            break;
        }
        default:
            break;
        }
    }
    for (auto &perWindow : arrivals)
        for (auto &times : perWindow)
            std::sort(times.begin(), times.end());
    for (auto &perWindow : pushTimes)
        for (auto &times : perWindow)
            std::sort(times.begin(), times.end());
    for (auto &list : frames)
        std::sort(list.begin(), list.end(), [](const Frame &a, const Frame &b) { return a.sync < b.sync; });
    for (auto &entry : reads)
        std::sort(entry.second.begin(), entry.second.end());
    for (auto &entry : notifyTimes)
        std::sort(entry.second.begin(), entry.second.end());

    // Writes per file, in order.
    std::map<int, std::vector<const WriteRecord *>> writes;
    for (const WriteRecord &w : phase.writes)
        writes[w.file].push_back(&w);

    for (auto &entry : writes) {
        const int file = entry.first;
        const std::vector<const WriteRecord *> &list = entry.second;
        std::vector<int> followers;
        for (const TraceWindow &w : trace.windows) {
            if (w.file == file)
                followers.push_back(w.index);
        }
        quint64 previous = before.value(file);
        for (size_t i = 0; i < list.size(); ++i) {
            const WriteRecord &w = *list[i];
            if (w.hash == previous) {
                ++out.unchangedWrites;
                continue;
            }
            previous = w.hash;
            ++out.changedWrites;
            // The next write that changes the text ends this one's time in the file.
            qint64 nextChange = kNoTime;
            for (size_t j = i + 1; j < list.size(); ++j) {
                if (list[j]->hash != w.hash) {
                    nextChange = list[j]->start;
                    break;
                }
            }
            const qint64 notified = firstAtOrAfter(notifyTimes[file], w.start);
            if (notified != kNoTime && notified < nextChange)
                out.notifyDelay.add(ms(notified - w.end));

            qint64 allReached = 0;
            bool lost = false;
            for (int v : followers) {
                const qint64 reached = firstAtOrAfter(arrivals[size_t(v)].value(w.hash), w.start);
                if (reached == kNoTime) {
                    lost = true;
                    out.windows[size_t(v)].notDrawn++;
                    continue;
                }
                allReached = std::max(allReached, reached);
                // The frame of this window that shows the write: the first one
                // to begin after the push, if it shows this text.
                const qint64 pushed = firstAtOrAfter(pushTimes[size_t(v)].value(w.hash), w.start);
                const std::vector<Frame> &list2 = frames[size_t(v)];
                const qint64 after = pushed == kNoTime ? reached : pushed;
                const auto frame = std::lower_bound(list2.begin(), list2.end(), after,
                                                    [](const Frame &f, qint64 t) { return f.sync < t; });
                if (frame != list2.end() && frame->hash == w.hash) {
                    const double latency = ms(frame->shown - w.end);
                    out.writeToFrame.add(latency);
                    out.windows[size_t(v)].writeToFrame.add(latency);
                    out.pushToSync.add(ms(frame->sync - after));
                } else {
                    out.windows[size_t(v)].notDrawn++;
                }
            }
            if (lost) {
                ++out.lost;
                // Superseded unless a read began after the write and ended
                // before the next one began, and so must have seen it.
                const auto &list3 = reads[file];
                auto read = std::lower_bound(list3.begin(), list3.end(), std::make_pair(w.end, qint64(0)));
                bool seen = false;
                for (; read != list3.end() && read->first < nextChange && !seen; ++read)
                    seen = read->second <= nextChange;
                if (!seen)
                    ++out.superseded;
            } else {
                out.writeToDocument.add(ms(allReached - w.end));
                if (allReached - w.end > kLateNs) {
                    ++out.lateWrites;
                    const qint64 span = allReached - w.end;
                    const qint64 frames = covered(busy, w.end, allReached, true);
                    const qint64 pushes = covered(busy, w.end, allReached, false);
                    if (frames * 2 >= span)
                        ++out.lateForFrames;
                    else if ((frames + pushes) * 2 >= span)
                        ++out.lateForPushes;
                    else
                        ++out.lateForOther;
                }
            }
        }

        // Frames of the followers: stale when they show something else than
        // the newest text written before they began.
        for (int v : followers) {
            for (const Frame &f : frames[size_t(v)]) {
                if (!inPhase(f.sync) || f.sync > phase.finish)
                    continue;
                ++out.frames;
                ++out.windows[size_t(v)].frames;
                out.flushTime.add(ms(f.flushNs));
                out.windows[size_t(v)].flush.add(ms(f.flushNs));
                out.windows[size_t(v)].cost.add(ms(f.renderNs + f.flushNs));
                const auto newest = std::upper_bound(list.begin(), list.end(), f.sync,
                                                     [](qint64 t, const WriteRecord *w) { return t < w->end; });
                if (newest == list.begin())
                    continue;
                const WriteRecord *w = *(newest - 1);
                if (w->hash != f.hash) {
                    ++out.staleFrames;
                    ++out.windows[size_t(v)].stale;
                    if (w->end + kStaleGraceNs < f.sync)
                        ++out.staleFramesBeyond2ms;
                }
            }
        }
    }
    return out;
}

StartupFigures analyseStartup(const Trace &trace, qint64 spawned)
{
    StartupFigures out;
    std::vector<qint64> first(trace.windows.size(), kNoTime);
    for (const TraceEvent &e : trace.events) {
        if (e.kind == BenchTrace::Flush && e.window >= 0 && e.window < int(first.size()))
            first[size_t(e.window)] = std::min(first[size_t(e.window)], e.t1);
    }
    std::vector<std::pair<qint64, QString>> shown;
    for (size_t i = 0; i < first.size(); ++i) {
        if (first[i] == kNoTime)
            continue;
        shown.emplace_back(first[i], trace.windows[i].title);
    }
    out.windowsShown = int(shown.size());
    std::sort(shown.begin(), shown.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    if (!shown.empty() && out.windowsShown == int(trace.windows.size()))
        out.allShownSeconds = double(shown.front().first - spawned) * 1e-9;
    for (const auto &s : shown)
        out.slowest.append(QStringLiteral("%1 %2 s").arg(s.second).arg(double(s.first - spawned) * 1e-9, 0, 'f', 3));
    return out;
}
