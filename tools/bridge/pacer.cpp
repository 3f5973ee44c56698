#include "pacer.h"

#include <cmath>

Pacer::Pacer(QObject *parent)
    : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Pacer::check);
}

void Pacer::start()
{
    m_clock.start();
}

double Pacer::elapsedMs() const
{
    return m_clock.isValid() ? double(m_clock.nsecsElapsed()) / 1e6 : 0.0;
}

void Pacer::wakeAt(double ms)
{
    m_dueMs = ms;
    m_armed = true;
    const double wait = ms - elapsedMs();
    m_timer.start(wait > 0 ? int(std::ceil(wait)) : 0);
}

void Pacer::stop()
{
    m_armed = false;
    m_timer.stop();
}

void Pacer::check()
{
    if (!m_armed)
        return;
    const double wait = m_dueMs - elapsedMs();
    if (wait > 0) {
        m_timer.start(int(std::ceil(wait)));
        return;
    }
    m_armed = false;
    emit due();
}

SteadyRate::SteadyRate(QObject *parent)
    : QObject(parent)
{
    connect(&m_pacer, &Pacer::due, this, &SteadyRate::onDue);
}

void SteadyRate::start(double ratePerSecond)
{
    m_periodMs = 1000.0 / ratePerSecond;
    m_index = 0;
    m_originIndex = 0;
    m_originMs = 0;
    m_running = true;
    m_pacer.start();
    m_pacer.wakeAt(0);
}

void SteadyRate::stop()
{
    m_running = false;
    m_pacer.stop();
}

void SteadyRate::onDue()
{
    if (!m_running)
        return;
    const double now = m_pacer.elapsedMs();
    double dueMs = m_originMs + double(m_index - m_originIndex) * m_periodMs;
    if (now - dueMs > kResyncMs) {
        m_originMs = now;
        m_originIndex = m_index;
        dueMs = now;
    }
    const qint64 index = m_index++;
    emit tick(index, dueMs);
    if (m_running)
        m_pacer.wakeAt(m_originMs + double(m_index - m_originIndex) * m_periodMs);
}
