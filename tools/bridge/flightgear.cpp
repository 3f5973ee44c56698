#include "flightgear.h"

#include <QFile>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>

Q_LOGGING_CATEGORY(lcFlightGear, "radod.bridge.flightgear")

// The protocol file lives in this library's resources (flightgear resource set).
static void initFlightGearResources()
{
    Q_INIT_RESOURCE(flightgear);
}

// ---------------------------------------------------------------- protocol

bool FlightGearProtocol::load(const QByteArray &xml, QString *error)
{
    m_fields.clear();
    m_index.clear();
    QXmlStreamReader reader(xml);
    QString element;
    bool inOutput = false;
    bool inChunk = false;
    Field chunk;
    QString type;
    QString format;
    auto fail = [&](const QString &why) {
        *error = QStringLiteral("line %1: %2").arg(reader.lineNumber()).arg(why);
        m_fields.clear();
        m_index.clear();
        return false;
    };
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            element = reader.name().toString();
            if (element == QLatin1String("output"))
                inOutput = true;
            else if (inOutput && element == QLatin1String("chunk")) {
                inChunk = true;
                chunk = Field();
                type = QStringLiteral("int");
                format.clear();
            }
        } else if (reader.isCharacters() && inChunk) {
            const QString text = reader.text().toString().trimmed();
            if (element == QLatin1String("name"))
                chunk.name = text;
            else if (element == QLatin1String("node"))
                chunk.node = text;
            else if (element == QLatin1String("type"))
                type = text;
            else if (element == QLatin1String("format"))
                format = text;
        } else if (reader.isEndElement()) {
            element.clear();
            if (reader.name() == QLatin1String("output"))
                inOutput = false;
            if (reader.name() != QLatin1String("chunk") || !inChunk)
                continue;
            inChunk = false;
            if (m_fields.empty()) {
                if (format.toLatin1() != versionWord() || !chunk.node.isEmpty())
                    return fail(QStringLiteral("the first chunk must be the word %1").arg(QString::fromLatin1(versionWord())));
            } else if (chunk.node.isEmpty()) {
                return fail(QStringLiteral("chunk '%1' names no property").arg(chunk.name));
            }
            if (chunk.name.isEmpty() || m_index.contains(chunk.name))
                return fail(QStringLiteral("chunk '%1' needs a name of its own").arg(chunk.name));
            if (type == QLatin1String("string"))
                chunk.type = Text;
            else if (type == QLatin1String("bool"))
                chunk.type = Flag;
            else if (type == QLatin1String("float") || type == QLatin1String("double") || type == QLatin1String("int"))
                chunk.type = Number;
            else
                return fail(QStringLiteral("chunk '%1' has the unknown type '%2'").arg(chunk.name, type));
            m_index.insert(chunk.name, int(m_fields.size()));
            m_fields.push_back(chunk);
        }
    }
    if (reader.hasError())
        return fail(reader.errorString());
    if (m_fields.size() < 2)
        return fail(QStringLiteral("no output chunks"));
    return true;
}

QByteArray FlightGearProtocol::builtInText()
{
    initFlightGearResources();
    QFile f(QStringLiteral(":/radod-bridge/radod-flightgear.xml"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const FlightGearProtocol &FlightGearProtocol::builtIn()
{
    static const FlightGearProtocol protocol = [] {
        FlightGearProtocol p;
        QString error;
        if (!p.load(builtInText(), &error))
            qCCritical(lcFlightGear, "the built-in FlightGear protocol does not load: %s", qPrintable(error));
        return p;
    }();
    return protocol;
}

// ----------------------------------------------------------------- records

FlightGearRecords::FlightGearRecords(const FlightGearProtocol &protocol)
    : m_protocol(protocol),
      m_numbers(protocol.fields().size(), 0.0),
      m_texts(protocol.fields().size()),
      m_timeField(protocol.indexOf(QStringLiteral("t")))
{
}

namespace {

// Texts the simulator sends (aircraft and autopilot mode names) are plain
// words; anything else in a text field is a garbled record.
bool isPlainWord(const QByteArray &text)
{
    static const QRegularExpression word(QStringLiteral("^[A-Za-z0-9_.+\\-]*$"));
    return text.size() <= 64 && word.match(QString::fromLatin1(text)).hasMatch();
}

bool readNumber(const QByteArray &text, FlightGearProtocol::Type type, double *value)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    if (type == FlightGearProtocol::Flag && v != 0 && v != 1)
        return false;
    *value = v;
    return true;
}

} // namespace

FlightGearRecords::Outcome FlightGearRecords::take(const QByteArray &record)
{
    QByteArray line = record;
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    const QList<QByteArray> parts = line.split(',');
    if (parts.first() != FlightGearProtocol::versionWord())
        return NotARecord;

    const auto &fields = m_protocol.fields();
    if (m_timeField > 0 && m_timeField < parts.size()) {
        double t = 0;
        if (readNumber(parts.at(m_timeField), FlightGearProtocol::Number, &t)) {
            if (m_haveTime && t < m_newestTime && t > m_newestTime - kRestartSeconds)
                return OutOfOrder;
            m_newestTime = t;
            m_haveTime = true;
        }
    }

    m_badFields = 0;
    for (size_t i = 1; i < fields.size(); ++i) {
        if (int(i) >= parts.size()) {
            ++m_badFields;
            continue;
        }
        const QByteArray &part = parts.at(int(i));
        if (fields[i].type == FlightGearProtocol::Text) {
            if (isPlainWord(part))
                m_texts[i] = QString::fromLatin1(part);
            else
                ++m_badFields;
            continue;
        }
        double v = 0;
        if (readNumber(part, fields[i].type, &v))
            m_numbers[i] = v;
        else
            ++m_badFields;
    }
    ++m_taken;
    return Taken;
}

int FlightGearRecords::fieldOf(const QString &name) const
{
    const int i = m_protocol.indexOf(name);
    if (i < 0)
        qCWarning(lcFlightGear, "the FlightGear protocol has no field '%s'", qPrintable(name));
    return i;
}

double FlightGearRecords::number(const QString &name) const
{
    const int i = fieldOf(name);
    return i >= 0 ? m_numbers[size_t(i)] : 0.0;
}

QString FlightGearRecords::text(const QString &name) const
{
    const int i = fieldOf(name);
    return i >= 0 ? m_texts[size_t(i)] : QString();
}

// ----------------------------------------------------------------- mapping

namespace {

constexpr double kMetresPerNm = 1852;
constexpr double kLitresPerGallon = 3.785411784;
constexpr double kNewtonMetresPerFootPound = 1.3558179483;
constexpr double kAvgasKgPerM3 = 721; // when the tank does not say
// The Cessna 172P's slip ball swings 5.729 degrees per unit of FlightGear's
// slip-skid value, up to its tube's ends at 9.3 degrees; its turn
// coordinator's aeroplane tilts 20 degrees per standard-rate turn.
constexpr double kBallDegPerUnit = 5.729;
constexpr double kBallStopDeg = 9.3;
constexpr double kTurnTiltPerRate = 20;
// FlightGear's course needle spans +-10 (full scale), its glide-slope needle
// +-1; both indicators' full scale is five dots.
constexpr double kCourseUnitsPerDot = 2;
constexpr double kGlideDotsPerUnit = 5;
// The radio panels' fields that are not numbers or flags.
constexpr int kNavCourseShown = 130000; // field 62 above 120000 shows the NAV 2 course
constexpr int kCessna172 = 172;
constexpr double kReservoirFull = 9.4;   // no reservoir: above its low mark
constexpr double kFuelPressurePsi = 5.5; // engine-driven pump delivering
constexpr double kLowOilPsi = 20;
constexpr int kClockAheadHours = 3;      // the clock shows its hour field three hours ahead

double celsius(double fahrenheit)
{
    return (fahrenheit - 32) * 5 / 9;
}

QString fixed(double v, int decimals)
{
    QString s = QString::number(v, 'f', decimals);
    // "-0.00" reads as 0 everywhere, but is noise to a person.
    if (s.startsWith(QLatin1Char('-')) && s.mid(1).remove(QLatin1Char('0')).remove(QLatin1Char('.')).isEmpty())
        s.remove(0, 1);
    return s;
}

QString whole(double v)
{
    return fixed(std::round(v), 0);
}

QString flag(bool b)
{
    return b ? QStringLiteral("1") : QStringLiteral("0");
}

// One engine's values as its indicators show them.
struct Engine
{
    double rpm = 0, manifold = 0, oilF = 0, oilPsi = 0, egtF = 0, chtF = 0, gph = 0;
    double ng = 0, ittF = 0, torqueFtLb = 0;
    bool running = false, starter = false, pump = false;
};

Engine engine(const FlightGearRecords &r, int n, bool c172)
{
    const QString i = QString::number(n);
    auto v = [&](const char *name) { return r.number(QLatin1String(name) + i); };
    Engine e;
    e.rpm = v("rpm");
    // JSBSim piston engines give the manifold pressure as mp-osi, YASim ones as mp-inhg.
    e.manifold = v("mp") != 0 ? v("mp") : v("mpYasim");
    e.oilF = v("oilT");
    e.oilPsi = v("oilP");
    e.egtF = v("egt");
    e.chtF = v("cht");
    e.gph = v("flow");
    e.ng = v("n1_");
    e.ittF = v("itt");
    e.torqueFtLb = v("torque");
    e.running = v("running") != 0;
    e.starter = v("starter") != 0;
    e.pump = v("pump") != 0;
    if (c172 && n == 0) {
        // The 172P keeps the engine its gauges read under active-engine, and
        // shows the oil through its own indicated values.
        e.rpm = r.number(QStringLiteral("c172Rpm"));
        e.manifold = r.number(QStringLiteral("c172Mp"));
        e.oilF = r.number(QStringLiteral("c172OilT"));
        e.oilPsi = r.number(QStringLiteral("c172OilP"));
        e.egtF = r.number(QStringLiteral("c172Egt"));
        e.gph = r.number(QStringLiteral("c172Flow"));
        e.running = r.flag(QStringLiteral("c172Running"));
        e.starter = r.flag(QStringLiteral("c172Starter"));
    }
    return e;
}

// One navigation receiver as its indicator shows it.
struct Nav
{
    double dots = 0, glideDots = 0, course = 0;
    bool signal = false, glide = false;
    int toFrom = 0; // 0 no signal, 1 TO, 2 FROM
    bool dme = false;
    double dmeNm = 0;
};

Nav nav(const FlightGearRecords &r, int n, bool c172)
{
    const QString i = QString::number(n);
    auto v = [&](const char *name) { return r.number(QLatin1String(name) + i); };
    Nav x;
    // The 172P's indicators show the deflections through a two-second filter.
    const double course = c172 ? r.number(QStringLiteral("c172Cdi") + i) : v("cdi");
    const double glide = c172 ? r.number(QStringLiteral("c172Gsi") + i) : v("gsi");
    x.dots = course / kCourseUnitsPerDot;
    // FlightGear's needle rises for a positive deflection; the suite's
    // indicators lower theirs for a positive field.
    x.glideDots = -glide * kGlideDotsPerUnit;
    x.course = v("obs");
    x.signal = v("navInRange") != 0;
    x.glide = v("hasGs") != 0 && v("gsInRange") != 0;
    x.toFrom = !x.signal ? 0 : (v("to") != 0 ? 1 : (v("from") != 0 ? 2 : 0));
    x.dme = v("navDme") != 0;
    x.dmeNm = v("navDist") / kMetresPerNm;
    return x;
}

// The autopilot's annunciations: the 172P's KAP 140, else FlightGear's
// generic autopilot modes.
struct Autopilot
{
    bool on = false, hdg = false, nav = false, apr = false, rev = false, alt = false, vs = false, arm = false;
    double targetAlt = 0, targetVs = 0;
};

Autopilot autopilot(const FlightGearRecords &r, bool c172)
{
    Autopilot a;
    if (c172) {
        auto f = [&](const char *name) { return r.flag(QLatin1String(name)); };
        a.on = f("kapAp");
        a.hdg = f("kapHdg");
        a.nav = f("kapNav");
        a.apr = f("kapApr") || f("kapGs");
        a.rev = f("kapRev");
        a.alt = f("kapAlt");
        a.vs = f("kapVs");
        a.arm = f("kapNavArm") || f("kapAprArm") || f("kapRevArm") || f("kapAltArm") || f("kapGsArm");
        a.targetAlt = r.number(QStringLiteral("kapTargetAlt"));
        a.targetVs = r.number(QStringLiteral("kapTargetVs"));
        return a;
    }
    const QString lateral = r.text(QStringLiteral("apHeadingLock"));
    const QString vertical = r.text(QStringLiteral("apAltitudeLock"));
    a.on = !lateral.isEmpty() || !vertical.isEmpty();
    a.hdg = lateral.contains(QLatin1String("heading-hold"));
    a.nav = lateral.startsWith(QLatin1String("nav"));
    a.apr = vertical.startsWith(QLatin1String("gs"));
    a.alt = vertical == QLatin1String("altitude-hold");
    a.vs = vertical == QLatin1String("vertical-speed-hold");
    a.targetAlt = r.number(QStringLiteral("apTargetAlt"));
    a.targetVs = r.number(QStringLiteral("apTargetVs"));
    return a;
}

// FlightGear's transponder knob (off, standby, test, ground, on, altitude)
// as the radio's mode field (0 off, 1 STBY, 2 TEST, 3 ON, 4 ALT).
int transponderMode(double knob)
{
    switch (int(knob)) {
    case 1: case 3: return 1;
    case 2: return 2;
    case 4: return 3;
    case 5: return 4;
    default: return 0;
    }
}

} // namespace

FlightGearVectors flightGearVectors(const FlightGearRecords &r)
{
    auto n = [&](const char *name) { return r.number(QLatin1String(name)); };
    auto f = [&](const char *name) { return r.flag(QLatin1String(name)); };
    const bool c172 = r.text(QStringLiteral("aircraft")).startsWith(QLatin1String("c172p"));

    const Engine e1 = engine(r, 0, c172);
    const Engine e2 = engine(r, 1, false);
    const Nav nav1 = nav(r, 0, c172);
    const Nav nav2 = nav(r, 1, c172);
    const Autopilot ap = autopilot(r, c172);

    auto density = [&](const char *name) { return n(name) > 0 ? n(name) : kAvgasKgPerM3; };
    auto kgPerSecond = [&](double gph, const char *tank) { return gph * kLitresPerGallon * density(tank) / 1000 / 3600; };
    const double ias = c172 ? n("c172Ias") : n("ias");
    const double volts = n("volts");
    const double amps = n("amps");
    const bool master = f("master");
    const bool avionics = f("avionics");
    const bool pitotHeat = f("pitotHeat");
    // The 172P's fuel gauges read their own indicated levels, in gallons.
    const double fuelLeft = c172 ? n("c172Fuel0") * kLitresPerGallon * density("density0") / 1000 : n("tankKg0");
    const double fuelRight = c172 ? n("c172Fuel1") * kLitresPerGallon * density("density1") / 1000 : n("tankKg1");
    const bool lowVolts = c172 ? f("c172LowVolts") : volts > 0 && amps < 0;
    const double slip = std::clamp(n("slip") * kBallDegPerUnit, -kBallStopDeg, kBallStopDeg);
    const int hour = ((int(n("utcHour")) - kClockAheadHours) % 24 + 24) % 24;

    // The DME instrument follows NAV 1 or NAV 2 by its source switch (the
    // 172P's KDI 572: 1 is NAV 1, 3 is NAV 2); each receiver's own DME
    // gives the distance of the other.
    const bool dmeOn = f("dmeInRange");
    const int dmeSource = int(n("dmeSwitch")) == 3 ? 2 : 1;
    auto dmeDistance = [&](const Nav &x, int receiver) {
        if (dmeOn && dmeSource == receiver)
            return fixed(n("dmeDist"), 1);
        return x.dme ? fixed(x.dmeNm, 1) : QString();
    };
    auto dmeMinutes = [&](const Nav &x, int receiver) {
        if (dmeOn && dmeSource == receiver)
            return fixed(std::min(n("dmeTime"), 99.9), 1);
        const double gs = n("gs");
        return x.dme ? fixed(gs > 30 ? std::min(x.dmeNm / gs * 60, 99.9) : 0.0, 1) : QString();
    };

    QStringList v;
    v.reserve(107);
    v << fixed(celsius(e1.oilF), 1)                             // 0 oil temperature, degrees C
      << fixed(e1.oilPsi, 1)                                    // 1 oil pressure, psi
      << fixed(fuelLeft, 2)                                     // 2 left tank, kg
      << fixed(fuelRight, 2)                                    // 3 right tank, kg
      << fixed(n("oat"), 1)                                     // 4 outside air, degrees C
      << QString::number(int(n("utcMinute")))                   // 5 clock minutes
      << QString::number(hour)                                  // 6 clock hours (shown three ahead: UTC)
      << fixed(kgPerSecond(e1.gph, "density0"), 6)              // 7 fuel flow, kg/s
      << fixed(e1.gph, 2)                                       // 8 fuel flow, US gal/h
      << fixed(celsius(e1.egtF), 1)                             // 9 EGT, degrees C
      << fixed(n("hdg"), 2)                                     // 10 HSI heading
      << fixed(n("adfCard"), 1)                                 // 11 ADF card
      << fixed(n("adfBearing"), 2)                              // 12 ADF needle
      << fixed(n("suction"), 2)                                 // 13 suction, inHg
      << fixed(amps, 1)                                         // 14 ammeter
      << fixed(ias, 1)                                          // 15 indicated airspeed, kt
      << whole(n("vsi"))                                        // 16 vertical speed, ft/min
      << whole(e1.rpm)                                          // 17 RPM
      << fixed(n("tas"), 1)                                     // 18 true airspeed (not read)
      << fixed(n("gs"), 1)                                      // 19 ground speed (not read)
      << fixed(n("hdg"), 2)                                     // 20 heading indicator
      << fixed(n("hdgBug"), 1)                                  // 21 heading bug
      << fixed(nav1.dots, 3)                                    // 22 NAV 1 deviation, dots
      << fixed(nav1.glideDots, 3)                               // 23 glide slope, dots
      << fixed(nav1.course, 1)                                  // 24 NAV 1 course
      << flag(nav1.signal)                                      // 25
      << QString::number(nav1.toFrom)                           // 26
      << flag(nav1.glide)                                       // 27
      << fixed(nav2.dots, 3)                                    // 28 NAV 2 deviation, dots
      << flag(nav2.signal)                                      // 29
      << QString::number(nav2.toFrom)                           // 30
      << fixed(n("alt"), 1)                                     // 31 indicated altitude, ft
      << fixed(slip, 2)                                         // 32 ball, degrees (positive: left)
      << fixed(n("turn") * kTurnTiltPerRate, 2)                 // 33 aeroplane tilt, degrees
      << fixed(n("pitch"), 2)                                   // 34
      << fixed(n("roll"), 2)                                    // 35
      << flag(lowVolts)                                         // 36
      << flag(e1.oilPsi < kLowOilPsi)                           // 37
      << fixed(n("suction"), 2)                                 // 38 vacuum (one pump)
      << fixed(n("suction"), 2)                                 // 39
      << fixed(fuelLeft, 2)                                     // 40 low-fuel sensor, kg
      << fixed(fuelRight, 2)                                    // 41
      << QStringLiteral("0")                                    // 42 lamp test
      << fixed(n("compass"), 1)                                 // 43 magnetic compass
      << flag(f("outer")) << flag(f("middle")) << flag(f("inner")) // 44-46 markers
      << fixed(volts, 2)                                        // 47 bus voltage
      << fixed(e1.manifold, 2)                                  // 48 manifold, inHg
      << fixed(n("suction"), 2)                                 // 49 suction
      << fixed(-n("trim"), 3)                                   // 50 elevator trim, positive nose up
      << fixed(n("flaps"), 3)                                   // 51 flaps, 0 to 1
      << fixed(n("agl"), 1)                                     // 52 height above ground (not read)
      << QString::number(nav1.toFrom)                           // 53 HSI to/from
      << flag(nav1.glide)                                       // 54 HSI glide slope
      << flag(nav1.signal)                                      // 55
      << flag(nav1.signal)                                      // 56
      << fixed(n("hdgBug"), 1)                                  // 57 autopilot heading
      << QStringLiteral("0")                                    // 58
      << fixed(n("baro"), 2)                                    // 59 altimeter setting, inHg
      << QStringLiteral("0")                                    // 60
      << fixed(nav2.course, 1)                                  // 61 NAV 2 course
      << QString::number(kNavCourseShown)                       // 62
      << fixed(nav2.course, 1)                                  // 63
      << QString::number(kCessna172)                            // 64 airspeed dial
      << whole(e1.torqueFtLb * kNewtonMetresPerFootPound)       // 65 torque, N.m
      << dmeDistance(nav1, 1) << dmeMinutes(nav1, 1)            // 66, 67
      << dmeDistance(nav2, 2) << dmeMinutes(nav2, 2)            // 68, 69
      << whole(e1.ittF != 0 ? celsius(e1.ittF) : 0)             // 70 ITT, degrees C
      << fixed(e1.ng, 1)                                        // 71 Ng, percent
      << whole(e1.rpm)                                          // 72 RPM, engine 1
      << fixed(amps, 1)                                         // 73 current
      << QStringLiteral("0")                                    // 74
      << QStringLiteral("0")                                    // 75 engine fire: no source
      << fixed(n("lat"), 5) << fixed(n("lon"), 5)               // 76, 77 position (not read)
      << fixed(kReservoirFull, 1)                               // 78 reservoir: no source
      << fixed(volts, 2)                                        // 79
      << QStringLiteral("0")                                    // 80 chip detector: no source
      << QStringLiteral("0")                                    // 81 door: no source
      << flag(e1.pump)                                          // 82 boost pump
      << fixed(e1.running || e1.pump ? kFuelPressurePsi : 0, 1) // 83 fuel pressure
      << flag(master)                                           // 84
      << flag(master && !pitotHeat) << flag(master && !pitotHeat) << flag(master && !pitotHeat) // 85-87
      << flag(e1.starter)                                       // 88
      << QStringLiteral("0")                                    // 89 continuous ignition: no source
      << flag(master && e1.starter)                             // 90
      << fixed(amps, 1)                                         // 91
      << QStringLiteral("0")                                    // 92 G1000 reference page closed
      << QStringLiteral("PFD - PFD")                            // 93
      << QStringLiteral("NAV - DEFAULT NAV")                    // 94
      << fixed(fuelLeft + fuelRight, 2)                         // 95 total fuel (not read)
      << QStringLiteral("0") << QStringLiteral("0") << QStringLiteral("0") // 96-98
      << fixed(e2.manifold, 2)                                  // 99
      << whole(e2.rpm)                                          // 100
      << fixed(kgPerSecond(e2.gph, "density1"), 6)              // 101
      << fixed(e2.oilPsi, 1)                                    // 102
      << fixed(celsius(e2.oilF), 1)                             // 103
      << fixed(e1.chtF != 0 ? celsius(e1.chtF) : 0, 1)          // 104
      << fixed(e2.chtF != 0 ? celsius(e2.chtF) : 0, 1)          // 105
      << fixed(celsius(e2.egtF), 1);                            // 106

    const bool dmeShown = avionics && dmeOn;
    const double altitude = n("alt");
    QStringList radio;
    radio.reserve(35);
    radio << fixed(n("com1"), 3) << fixed(n("nav1"), 3)          // 0, 1 set 2: COM 2, NAV 2
          << fixed(n("com1s"), 3) << fixed(n("nav1s"), 3)        // 2, 3
          << QStringLiteral("%1").arg(int(n("xpdrCode")), 4, 10, QLatin1Char('0')) // 4
          << (dmeShown ? fixed(n("dmeDist"), 1) : QString())     // 5
          << (dmeShown ? fixed(n("dmeSpeed"), 1) : QString())    // 6
          << (dmeShown ? fixed(std::min(n("dmeTime"), 99.9), 1) : QString()) // 7
          << flag(ap.on && ap.hdg)                               // 8
          << (dmeShown && dmeSource == 2 ? fixed(n("dmeSpeed"), 1) : QStringLiteral("0")) // 9
          << QStringLiteral("0") << QStringLiteral("0")          // 10, 11
          << flag(ap.on && ap.hdg)                               // 12
          << QStringLiteral("0")                                 // 13
          << fixed(n("adfFreq"), 1)                              // 14 ADF, kHz
          << flag(ap.on)                                         // 15
          << flag(ap.on && ap.nav)                               // 16
          << flag(ap.on && ap.rev)                               // 17
          << flag(ap.on && ap.alt)                               // 18
          << flag(ap.on && ap.vs)                                // 19
          << whole(ap.on && ap.vs ? ap.targetVs : 0)             // 20
          << whole(ap.targetAlt)                                 // 21
          << QStringLiteral("0")                                 // 22
          << QString::number(ap.on && ap.apr ? 2 : 0)            // 23
          << flag(ap.on && ap.arm)                               // 24
          << flag(avionics)                                      // 25
          << QString::number(!ap.on ? -1 : (ap.targetAlt > altitude + 200 ? 1 : (ap.targetAlt < altitude - 200 ? 0 : -1))) // 26
          << flag(ap.on && ap.nav)                               // 27
          << QStringLiteral("0")                                 // 28
          << fixed(avionics ? volts : 0, 1)                      // 29 avionics bus
          << fixed(n("com0"), 3) << fixed(n("nav0"), 3)          // 30, 31 set 1: COM 1, NAV 1
          << fixed(n("com0s"), 3) << fixed(n("nav0s"), 3)        // 32, 33
          << QString::number(transponderMode(n("xpdrKnob")));    // 34
    return {v, radio};
}
