#pragma once

#include "flightmodel.h"

#include <QString>

#include <deque>
#include <vector>

// Plays a flight's knob commands the way the program of a G1000 bezel writes
// them into commands.txt: one word a write, the next only once the suite has
// taken the last (it empties the file). A word that nobody takes within
// kUntakenMs (no references window is open) is replaced by the next one, so
// the file never holds a stale word for long.
class KnobCommandPlayer
{
public:
    static constexpr double kUntakenMs = 2000;

    KnobCommandPlayer(std::vector<FlightModel::Command> commands, double duration);

    // The flight has moved on to time `t` (seconds); a time before the last
    // one means it looped. The commands passed meanwhile become due.
    void advance(double t);

    // The word to write now, or "" for none: `fileHoldsWord` tells whether
    // commands.txt still holds a word that was not taken.
    QString next(bool fileHoldsWord, double nowMs);

    size_t due() const { return m_due.size(); }

private:
    void takeDue(double from, double to);

    std::vector<FlightModel::Command> m_commands;
    double m_duration = 0;
    double m_last = -1; // flight time of the last advance; -1 before the first
    std::deque<QString> m_due;
    double m_writtenMs = -1;
};
