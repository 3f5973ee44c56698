#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>
#include <vector>

class FlightModel;

// One rewrite of a value file, as the writer did it.
struct WriteRecord
{
    int file = 0;        // 0: TimedProcessing.txt, 1: TPRadioAvionico.txt (the trace's ids)
    qint64 start = 0;    // ns, monotonic clock: open
    qint64 end = 0;      // ns: close returned (the write is complete)
    quint64 hash = 0;    // of the text written (BenchTrace::textHash)
    bool ok = true;
};

// One phase of steady updates.
struct WritePhase
{
    double rate = 0;          // updates per second
    qint64 begin = 0;         // ns
    qint64 finish = 0;        // ns
    std::vector<WriteRecord> writes;
    int updates = 0;          // ticks done (each rewrites both files)
    double maxLateMs = 0;     // how far behind its schedule a tick started at worst
};

// Rewrites both value files in place (open, truncate, write, close), as a
// bridge does, at a steady rate on its own thread, with the demo flight's
// values, and notes when each write started and completed.
class ValueFileWriter
{
public:
    ValueFileWriter(const QString &valuesPath, const QString &radioPath, double flightOffsetSeconds);
    ~ValueFileWriter();

    // The vectors at the flight's current time, without writing (start-up content).
    QByteArray valueVector() const;
    QByteArray radioVector() const;

    // Runs `seconds` of updates at `rate` per second; blocks until done.
    WritePhase run(double rate, double seconds);

private:
    QString m_valuesPath;
    QString m_radioPath;
    std::unique_ptr<FlightModel> m_model;
    double m_flightTime;
};

// Steady-clock time in nanoseconds (the clock the suite's trace uses).
qint64 monotonicNs();
