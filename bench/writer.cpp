#include "writer.h"

#include "benchtrace.h"
#include "flightmodel.h"
#include "valuewriter.h"

#include <chrono>
#include <cmath>
#include <thread>

qint64 monotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
}

ValueFileWriter::ValueFileWriter(const QString &valuesPath, const QString &radioPath,
                                 double flightOffsetSeconds)
    : m_valuesPath(valuesPath), m_radioPath(radioPath), m_model(new FlightModel),
      m_flightTime(flightOffsetSeconds)
{
    QString error;
    m_model->load(FlightModel::builtInText(), FlightModel::builtInName(), &error);
    m_model->advanceTo(m_flightTime);
}

ValueFileWriter::~ValueFileWriter() = default;

QByteArray ValueFileWriter::valueVector() const
{
    return m_model->valueVector().toUtf8();
}

QByteArray ValueFileWriter::radioVector() const
{
    return m_model->radioVector().toUtf8();
}

WritePhase ValueFileWriter::run(double rate, double seconds)
{
    WritePhase phase;
    phase.rate = rate;
    const int ticks = int(std::lround(rate * seconds));
    phase.writes.reserve(size_t(ticks) * 2);
    const ValueWriter writer(ValueWriter::InPlace);
    std::thread worker([&] {
        using clock = std::chrono::steady_clock;
        const clock::time_point origin = clock::now();
        phase.begin = monotonicNs();
        const double flightStart = m_flightTime;
        for (int n = 0; n < ticks; ++n) {
            const auto due = origin + std::chrono::nanoseconds(qint64(n * 1e9 / rate));
            std::this_thread::sleep_until(due);
            const double late = std::chrono::duration<double, std::milli>(clock::now() - due).count();
            phase.maxLateMs = std::max(phase.maxLateMs, late);
            // The flight advances with the schedule, not with the wake-up.
            m_flightTime = flightStart + n / rate;
            if (m_flightTime > m_model->duration())
                m_flightTime = std::fmod(m_flightTime, m_model->duration());
            m_model->advanceTo(m_flightTime);
            const QString texts[2] = {m_model->valueVector(), m_model->radioVector()};
            const QString *paths[2] = {&m_valuesPath, &m_radioPath};
            for (int f = 0; f < 2; ++f) {
                const QByteArray bytes = texts[f].toUtf8();
                WriteRecord record;
                record.file = f;
                record.hash = BenchTrace::textHash(texts[f]);
                record.start = monotonicNs();
                record.ok = writer.write(*paths[f], bytes);
                record.end = monotonicNs();
                phase.writes.push_back(record);
            }
            ++phase.updates;
        }
        phase.finish = monotonicNs();
    });
    worker.join();
    return phase;
}
