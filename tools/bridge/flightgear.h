#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

// The FlightGear side of radod-bridge, without the network: which field of
// a record holds which property (the protocol file radod-flightgear.xml, the
// file FlightGear itself reads to know what to send), what is kept of the
// records received, and how the kept values become the two vectors.

// The output chunks of a FlightGear generic-protocol file. Each chunk's name
// names its field; the first chunk is the constant version word.
class FlightGearProtocol
{
public:
    enum Type { Number, Flag, Text };
    struct Field
    {
        QString name;
        QString node;
        Type type = Number;
    };

    // The version word that starts every record of this protocol.
    static QByteArray versionWord() { return QByteArrayLiteral("RADOD1"); }
    // The file's name without ".xml": the NAME of FlightGear's --generic option.
    static QString name() { return QStringLiteral("radod-flightgear"); }

    // Reads a protocol file. On failure returns false and says why.
    bool load(const QByteArray &xml, QString *error);

    // The protocol compiled into the program (tools/bridge/radod-flightgear.xml).
    static const FlightGearProtocol &builtIn();
    static QByteArray builtInText();

    const std::vector<Field> &fields() const { return m_fields; }
    int indexOf(const QString &name) const { return m_index.value(name, -1); }

private:
    std::vector<Field> m_fields; // field 0 is the version word
    QHash<QString, int> m_index;
};

// The last good value of every field, from the records taken so far. A record
// starts with the version word; its fields are taken by position. A field that
// is missing (a short record), empty, not a number (or, for a flag, not 0 or
// 1) keeps its last good value; fields beyond the protocol's are ignored. A
// record older than the newest one taken (by the simulator's elapsed time) is
// out of order and dropped whole, unless it is so much older that the
// simulator has started again.
class FlightGearRecords
{
public:
    enum Outcome { Taken, NotARecord, OutOfOrder };

    // A record this much older than the newest means a new simulator session.
    static constexpr double kRestartSeconds = 5;

    explicit FlightGearRecords(const FlightGearProtocol &protocol = FlightGearProtocol::builtIn());

    // Takes one record (one line, without its line end).
    Outcome take(const QByteArray &record);

    // Fields of the last record taken that were missing or bad.
    int badFields() const { return m_badFields; }
    qint64 taken() const { return m_taken; }

    // The last good value of a field, 0 (or "") before any.
    double number(const QString &name) const;
    bool flag(const QString &name) const { return number(name) != 0; }
    QString text(const QString &name) const;

    const FlightGearProtocol &protocol() const { return m_protocol; }

private:
    // The field of a name; a name the protocol lacks is a mistake of this
    // program, logged as a warning.
    int fieldOf(const QString &name) const;

    const FlightGearProtocol &m_protocol;
    std::vector<double> m_numbers;
    std::vector<QString> m_texts;
    int m_timeField = -1;
    bool m_haveTime = false;
    double m_newestTime = 0;
    int m_badFields = 0;
    qint64 m_taken = 0;
};

// The value vector (107 fields) and the radio vector (35 fields) for the
// values kept, in the units the suite reads (see flightgear.md).
struct FlightGearVectors
{
    QStringList values;
    QStringList radio;
};
FlightGearVectors flightGearVectors(const FlightGearRecords &records);
