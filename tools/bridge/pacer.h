#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// Wakes the event loop at times measured on the monotonic clock from start(),
// never before them. Timers may fire early or late by a millisecond or more;
// the pacer re-arms when woken early, so `due` is never emitted before its time.
class Pacer : public QObject
{
    Q_OBJECT
public:
    explicit Pacer(QObject *parent = nullptr);

    void start();
    double elapsedMs() const;
    // Emits due() once the clock reaches `ms` (at once when it has).
    void wakeAt(double ms);
    void stop();

signals:
    void due();

private:
    void check();

    QElapsedTimer m_clock;
    QTimer m_timer;
    double m_dueMs = 0;
    bool m_armed = false;
};

// A steady rate: tick n is due at n / rate seconds after start(). Each tick's
// time comes from its index, never from the previous tick, so the rate does
// not drift however long it runs. A tick that is late is delivered as soon as
// possible and the next ones follow at their own times, so the count of ticks
// always matches the time elapsed. Only when the process was held up for
// longer than kResyncMs (a suspended machine) does the schedule restart from
// the current time instead of delivering the whole backlog.
class SteadyRate : public QObject
{
    Q_OBJECT
public:
    static constexpr double kResyncMs = 1000;

    explicit SteadyRate(QObject *parent = nullptr);

    void start(double ratePerSecond);
    void stop();
    double elapsedMs() const { return m_pacer.elapsedMs(); }
    double periodMs() const { return m_periodMs; }

signals:
    // `index` counts from 0; `dueMs` is the tick's scheduled time.
    void tick(qint64 index, double dueMs);

private:
    void onDue();

    Pacer m_pacer;
    double m_periodMs = 0;
    double m_originMs = 0;
    qint64 m_index = 0;
    qint64 m_originIndex = 0;
    bool m_running = false;
};
