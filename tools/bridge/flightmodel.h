#pragma once

#include "expression.h"

#include <QString>
#include <QStringList>

#include <vector>

// A flight described by a flight file: keyframed tracks, derived values,
// integrated states and the mapping of all of them onto the fields of the two
// value files. The built-in demo flight is one such file (demo-flight.txt,
// compiled into the bridge); `--flight FILE` plays another.
//
// Flight file, one statement per line, "#" starts a comment:
//
//   duration 10:00                      length of the flight (seconds or m:ss)
//   track NAME linear|step|text         a keyframed quantity
//   at 1:30 NAME=VALUE NAME="text" ...  keyframes, lines in any order
//   let NAME = EXPR                     derived value, evaluated in file order
//   state NAME = INITIAL; rate EXPR [; wrap N] [; min EXPR] [; max EXPR]
//                                       integrated over time from INITIAL
//   value INDEX = EXPR [%.Nf | %0W.Nf]  field INDEX of TimedProcessing.txt
//   radio INDEX = EXPR [%.Nf | %0W.Nf]  field INDEX of TPRadioAvionico.txt
//   command 1:03 WORD                   a G1000 knob command at that time
//                                       (inner_cursor_up, inner_cursor_down,
//                                       outer_cursor_up, outer_cursor_down,
//                                       cursor_press, enter_press), written
//                                       into commands.txt when asked for
//
// A linear track interpolates between its keyframes, a step track holds each
// keyframe until the next, a text track holds text and may only be written to
// a field as it is. Before its first keyframe a track has the first value,
// after its last the last. Every field of both vectors must be defined exactly
// once. Expressions are described in expression.h; `t` is the flight time.
//
// States are integrated with Heun's method on a fixed grid of kIntegrationStep
// seconds; a time between grid points is reached by one shorter step that is
// not kept. So a flight's values at a given time do not depend on how often,
// or in what steps, it was sampled.
class FlightModel
{
public:
    static constexpr int kValueFields = 107;
    static constexpr int kRadioFields = 35;
    static constexpr double kIntegrationStep = 0.05;

    FlightModel();
    ~FlightModel();
    FlightModel(const FlightModel &) = delete;
    FlightModel &operator=(const FlightModel &) = delete;

    // Reads a flight file. `source` names it in messages ("demo-flight.txt").
    // On failure returns false and sets `error` to "source:line: message".
    bool load(const QString &text, const QString &source, QString *error);

    // The built-in demo flight.
    static QString builtInText();
    static QString builtInName() { return QStringLiteral("demo-flight.txt"); }

    double duration() const { return m_duration; }
    double time() const { return m_time; }

    // Back to the start of the flight: every state at its initial value.
    void reset();
    // Moves the flight to time `t` (seconds), integrating forward; a time
    // before the current one starts again from 0.
    void advanceTo(double t);

    // The two vectors at the current time, ";"-joined, no line end.
    QString valueVector() const;
    QString radioVector() const;
    QStringList valueFields() const;
    QStringList radioFields() const;

    // The knob commands of the flight, in time order.
    struct Command
    {
        double time = 0;
        QString word;
    };
    const std::vector<Command> &commands() const { return m_commands; }
    // The words the suite's G1000 command channel takes.
    static const QStringList &commandWords();

    // Current value of a named track, state or derived value (tests, dump).
    bool hasName(const QString &name) const;
    double valueOf(const QString &name) const;

    // Parses "90", "1:30" or "1:30.5" into seconds; false when it is neither.
    static bool parseTime(const QString &text, double *seconds);

    struct Track;
    struct State;
    struct Derived;
    struct Output;

private:
    void computeEnvironment(double t, const std::vector<double> &states);
    void rates(std::vector<double> *out) const;
    void heunStep(double t, double h, std::vector<double> *values);
    QStringList fields(bool radio) const;
    QString format(const Output &out) const;

    double m_duration = 0;
    double m_time = 0;
    qint64 m_gridSteps = 0;          // whole integration steps done
    std::vector<double> m_slots;     // 0: t, then tracks, states, derived values
    std::vector<Track> m_tracks;
    std::vector<State> m_states;
    std::vector<Derived> m_derived;
    std::vector<Output> m_outputs;   // value fields first, then radio fields
    std::vector<double> m_stateValues;
    std::vector<QString> m_names;    // name of each slot
    std::vector<Command> m_commands;
};
