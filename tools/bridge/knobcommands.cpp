#include "knobcommands.h"

#include <utility>

KnobCommandPlayer::KnobCommandPlayer(std::vector<FlightModel::Command> commands, double duration)
    : m_commands(std::move(commands)), m_duration(duration)
{
}

void KnobCommandPlayer::advance(double t)
{
    if (m_last < 0) {
        // The flight starts here: what lies before is not played.
        m_last = t;
        return;
    }
    if (t < m_last) {
        takeDue(m_last, m_duration);
        m_last = -1e-9; // a command at 0:00 belongs to the new round
    }
    takeDue(m_last, t);
    m_last = t;
}

void KnobCommandPlayer::takeDue(double from, double to)
{
    for (const FlightModel::Command &c : m_commands) {
        if (c.time > from && c.time <= to)
            m_due.push_back(c.word);
    }
}

QString KnobCommandPlayer::next(bool fileHoldsWord, double nowMs)
{
    if (m_due.empty())
        return QString();
    if (fileHoldsWord && m_writtenMs >= 0 && nowMs - m_writtenMs < kUntakenMs)
        return QString();
    const QString word = m_due.front();
    m_due.pop_front();
    m_writtenMs = nowMs;
    return word;
}
