// The demo flight and the flight-file language of radod-bridge.

#include "expression.h"
#include "flightmodel.h"
#include "knobcommands.h"
#include "recording.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kSampleStep = 0.1;
// Avgas, as the vector's kilograms are read on the Cessna's gallon faces.
constexpr double kAvgasKgPerGallon = 0.721 * 3.785411784;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// One sample of the flight: every field as a number (NaN when it is not one)
// and the text fields as they are.
struct Sample
{
    double t = 0;
    std::vector<double> v;
    std::vector<double> r;
    QString page12, page3;
};

double number(const QString &field)
{
    bool ok = false;
    const double d = field.toDouble(&ok);
    return ok ? d : kNaN;
}

// A minimal complete flight: every field defined, with `extra` lines added
// and every line that starts with one of `drop` left out.
QString minimalFlight(const QString &extra, const QStringList &drop = {})
{
    QStringList lines{QStringLiteral("duration 10"), QStringLiteral("track x linear"), QStringLiteral("at 0 x=1")};
    for (int i = 0; i < FlightModel::kValueFields; ++i)
        lines << QStringLiteral("value %1 = 0").arg(i);
    for (int i = 0; i < FlightModel::kRadioFields; ++i)
        lines << QStringLiteral("radio %1 = 0").arg(i);
    QStringList kept;
    for (const QString &l : lines) {
        bool dropped = false;
        for (const QString &d : drop)
            dropped = dropped || l.startsWith(d + QLatin1Char(' ')) || l == d;
        if (!dropped)
            kept << l;
    }
    return kept.join(QLatin1Char('\n')) + QLatin1Char('\n') + extra + QLatin1Char('\n');
}

double evaluate(const QString &text, const QHash<QString, double> &names = {}, QString *error = nullptr)
{
    std::vector<double> values;
    QStringList order;
    for (auto it = names.begin(); it != names.end(); ++it) {
        order << it.key();
        values.push_back(it.value());
    }
    const Expression e = Expression::compile(text, [&](const QString &name, QString *why) {
        const int i = int(order.indexOf(name));
        if (i < 0)
            *why = QStringLiteral("unknown name '%1'").arg(name);
        return i;
    }, error);
    return e.isValid() ? e.evaluate(values) : kNaN;
}

} // namespace

class TstBridgeFlight : public QObject
{
    Q_OBJECT

private:
    std::vector<Sample> m_flight;
    double m_duration = 0;

    // First time a condition holds, or -1.
    template<typename F>
    double firstTime(F condition) const
    {
        for (const Sample &s : m_flight) {
            if (condition(s))
                return s.t;
        }
        return -1;
    }

    // Seconds during which a condition holds.
    template<typename F>
    double timeWhile(F condition) const
    {
        double total = 0;
        for (const Sample &s : m_flight)
            total += condition(s) ? kSampleStep : 0;
        return total;
    }

private slots:
    void initTestCase()
    {
        FlightModel model;
        QString error;
        QVERIFY2(model.load(FlightModel::builtInText(), FlightModel::builtInName(), &error), qPrintable(error));
        m_duration = model.duration();
        const int count = int(std::floor(m_duration / kSampleStep + 1e-9));
        for (int i = 0; i <= count; ++i) {
            Sample s;
            s.t = i * kSampleStep;
            model.advanceTo(s.t);
            const QStringList v = model.valueFields();
            const QStringList r = model.radioFields();
            QCOMPARE(v.size(), FlightModel::kValueFields);
            QCOMPARE(r.size(), FlightModel::kRadioFields);
            for (const QString &f : v)
                s.v.push_back(number(f));
            for (const QString &f : r)
                s.r.push_back(number(f));
            s.page12 = v.at(93);
            s.page3 = v.at(94);
            m_flight.push_back(std::move(s));
        }
    }

    void flightLastsAboutTenMinutes()
    {
        QVERIFY(m_duration >= 9 * 60 && m_duration <= 11 * 60);
    }

    // Every field is a plain decimal number with "." (the G1000 page texts
    // excepted), and the joined vectors are one line without a line end.
    void everyFieldIsPresentAndNumeric()
    {
        static const QRegularExpression decimal(QStringLiteral("^-?\\d+(\\.\\d+)?$"));
        FlightModel model;
        QVERIFY(model.load(FlightModel::builtInText(), FlightModel::builtInName(), nullptr));
        for (double t = 0; t <= m_duration; t += 7.3) {
            model.advanceTo(t);
            const QString vector = model.valueVector();
            const QString radio = model.radioVector();
            QVERIFY(!vector.contains(QLatin1Char('\n')) && !radio.contains(QLatin1Char('\n')));
            const QStringList v = vector.split(QLatin1Char(';'));
            const QStringList r = radio.split(QLatin1Char(';'));
            QCOMPARE(v.size(), 107);
            QCOMPARE(r.size(), 35);
            for (int i = 0; i < v.size(); ++i) {
                if (i == 93 || i == 94)
                    QVERIFY2(!v.at(i).trimmed().isEmpty(), qPrintable(QStringLiteral("t=%1 field %2").arg(t).arg(i)));
                else
                    QVERIFY2(decimal.match(v.at(i)).hasMatch(), qPrintable(QStringLiteral("t=%1 field %2 '%3'").arg(t).arg(i).arg(v.at(i))));
            }
            for (int i = 0; i < r.size(); ++i)
                QVERIFY2(decimal.match(r.at(i)).hasMatch(), qPrintable(QStringLiteral("t=%1 radio %2 '%3'").arg(t).arg(i).arg(r.at(i))));
        }
    }

    // Each field stays inside what the instruments that read it can show.
    void valuesStayWithinInstrumentRanges_data()
    {
        QTest::addColumn<bool>("radio");
        QTest::addColumn<QList<int>>("fields");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        auto row = [](const char *name, bool radio, QList<int> fields, double lo, double hi) {
            QTest::newRow(name) << radio << fields << lo << hi;
        };
        row("oil temperature °C (Baron 0-120)", false, {0, 103}, 0, 120);
        row("oil pressure psi (Baron 0-100)", false, {1, 102}, 0, 100);
        row("tank and low-fuel sensor kg (Cessna gauge full at 26 gal)", false, {2, 3, 40, 41}, 0,
            26 * kAvgasKgPerGallon);
        row("outside air °C", false, {4}, -40, 50);
        row("clock minutes", false, {5}, 0, 59);
        row("clock hours", false, {6}, 0, 23);
        row("fuel flow kg/s (Baron scale end)", false, {7, 101}, 0, 0.02274);
        row("fuel flow gal/h (Cessna 0-19)", false, {8}, 0, 19);
        row("exhaust gas °C (Baron scale end)", false, {9, 106}, 0, 946);
        row("headings and courses", false, {10, 11, 12, 20, 21, 24, 43, 57, 61, 63}, 0, 360);
        row("suction in Hg", false, {13, 38, 39, 49}, 0, 6.5);
        row("ammeter A", false, {14}, -60, 60);
        row("airspeed kt (Cessna dial)", false, {15}, 0, 200);
        row("vertical speed ft/min", false, {16}, -2000, 2000);
        row("rpm (dial to 3500, red line 2700)", false, {17, 72, 100}, 0, 2700);
        row("deviation dots", false, {22, 23, 28}, -2.5, 2.5);
        row("flags", false, {25, 27, 29, 36, 37, 42, 44, 45, 46, 54, 55, 56, 75, 80, 81, 82, 84, 85, 86, 87, 88, 89, 90}, 0, 1);
        row("to/from", false, {26, 30, 53}, 0, 2);
        row("altitude ft", false, {31}, 0, 10000);
        row("ball degrees", false, {32}, -5, 5);
        row("turn symbol degrees", false, {33}, -60, 60);
        row("pitch degrees (attitude shows ±25)", false, {34}, -25, 25);
        row("bank degrees", false, {35}, -60, 60);
        row("bus volts (no high-voltage warning)", false, {47, 79}, 0, 32);
        row("manifold in Hg (Baron to 40)", false, {48, 99}, 0, 40);
        row("trim", false, {50}, -1, 1);
        row("flaps", false, {51}, 0, 1);
        row("altimeter setting in Hg", false, {59}, 28, 31);
        row("torque N·m (engine display to 3000 ft-lb)", false, {65}, 0, 3000 / 0.73756);
        row("DME nm and min (display 99.9)", false, {66, 67, 68, 69}, 0, 99.9);
        row("ITT °C (engine display to 950)", false, {70}, 0, 950);
        row("Ng %", false, {71}, 0, 104);
        row("generator A (no GENERATOR AMPS caution)", false, {73}, -10, 200);
        row("alternator A (no ALTNR AMPS caution)", false, {91}, -10, 75);
        row("reservoir fuel (no RSVR FUEL LOW)", false, {78}, 3, 20);
        row("fuel pressure psi", false, {83}, 0, 10);
        row("reference page state", false, {92}, 0, 2);
        row("cylinder head °C (Baron 50-250)", false, {104, 105}, 0, 250);
        row("radio DME nm and min", true, {5, 7}, 0, 99.9);
        row("radio DME knots", true, {6}, 0, 300);
        row("radio flags", true, {8, 12, 15, 16, 17, 18, 19, 24, 25}, 0, 1);
        row("radio lower number (vertical speed)", true, {20}, -2000, 2000);
        row("radio altitude dial (five digits)", true, {21}, 0, 20000);
        row("radio approach mode", true, {23}, 0, 2);
        row("radio arrow selector", true, {26}, -1, 1);
        row("radio nav mode", true, {27}, 0, 2);
        row("radio transponder mode", true, {34}, 0, 4);
        row("ADF kHz", true, {14}, 190, 1750);
        row("COM MHz", true, {0, 2, 30, 32}, 118, 136.975);
        row("NAV MHz", true, {1, 3, 31, 33}, 108, 117.95);
    }

    void valuesStayWithinInstrumentRanges()
    {
        QFETCH(bool, radio);
        QFETCH(QList<int>, fields);
        QFETCH(double, low);
        QFETCH(double, high);
        for (const Sample &s : m_flight) {
            for (int f : fields) {
                const double x = radio ? s.r[size_t(f)] : s.v[size_t(f)];
                QVERIFY2(x >= low && x <= high, qPrintable(QStringLiteral("t=%1 %2 field %3 = %4")
                                                               .arg(s.t).arg(radio ? "radio" : "value").arg(f).arg(x)));
            }
        }
    }

    // Texts whose form the radio panels depend on.
    void radioTextsHaveTheirForm()
    {
        FlightModel model;
        QVERIFY(model.load(FlightModel::builtInText(), FlightModel::builtInName(), nullptr));
        static const QRegularExpression frequency(QStringLiteral("^\\d{3}\\.\\d{3}$")); // six digits without the "."
        static const QRegularExpression squawk(QStringLiteral("^[0-7]{4}$"));
        for (double t = 0; t <= m_duration; t += 5) {
            model.advanceTo(t);
            const QStringList r = model.radioFields();
            for (int f : {0, 1, 2, 3, 30, 31, 32, 33})
                QVERIFY2(frequency.match(r.at(f)).hasMatch(), qPrintable(r.at(f)));
            QVERIFY2(squawk.match(r.at(4)).hasMatch(), qPrintable(r.at(4)));
            QVERIFY(r.at(14).contains(QLatin1Char('.')));
            const double level = r.at(29).toDouble();
            QVERIFY(level == 0 || level >= 20); // a power level, not a flag
            QCOMPARE(r.at(25) == QLatin1String("1"), level >= 20);
        }
    }

    // Altitude integrates vertical speed, heading integrates the turn rate,
    // each tank loses what its engine burns: checked over every five seconds
    // and over the whole flight, from the written fields alone.
    void integratedQuantitiesAreConsistent()
    {
        const size_t window = size_t(5 / kSampleStep);
        double altError = 0, headingError = 0, totalAlt = 0, totalVs = 0;
        for (size_t start = 0; start + window < m_flight.size(); start += window) {
            double vs = 0, turn = 0, heading = 0;
            for (size_t i = start; i < start + window; ++i) {
                const Sample &a = m_flight[i], &b = m_flight[i + 1];
                vs += (a.v[16] + b.v[16]) / 2 / 60 * kSampleStep;
                turn += (a.v[33] + b.v[33]) / 2 * 3.0 / 20.0 * kSampleStep; // 20° symbol tilt = 3°/s
                heading += std::remainder(b.v[20] - a.v[20], 360.0);
            }
            const double alt = m_flight[start + window].v[31] - m_flight[start].v[31];
            altError = std::max(altError, std::abs(alt - vs));
            headingError = std::max(headingError, std::abs(heading - turn));
            totalAlt += alt;
            totalVs += vs;
        }
        QVERIFY2(altError < 1.0, qPrintable(QString::number(altError)));
        QVERIFY2(headingError < 0.3, qPrintable(QString::number(headingError)));
        QVERIFY(std::abs(totalAlt - totalVs) < 3);

        for (const auto &[tank, flow] : {std::pair<size_t, size_t>{2, 7}, {3, 101}}) {
            double burnt = 0;
            for (size_t i = 0; i + 1 < m_flight.size(); ++i)
                burnt += (m_flight[i].v[flow] + m_flight[i + 1].v[flow]) / 2 * kSampleStep;
            const double used = m_flight.front().v[tank] - m_flight.back().v[tank];
            QVERIFY2(burnt > 0.5 && std::abs(used - burnt) < 0.02,
                     qPrintable(QStringLiteral("tank %1: used %2 kg, flow says %3").arg(tank).arg(used).arg(burnt)));
        }
        for (const Sample &s : m_flight) {
            QVERIFY(s.v[40] == s.v[2] && s.v[41] == s.v[3]); // the low-fuel sensors read the tanks
            QVERIFY(std::abs(s.v[8] * 2.729 / 3600 - s.v[7]) < 5e-6); // the same flow in gal/h and kg/s
        }
    }

    // Rolling at full power for take-off, the Cessna's engine faces (deg F,
    // gallons per hour) read the vector's deg C and kg/s as live readings:
    // the flow well up its scale, EGT short of its top stop, oil in the green.
    void takeOffReadsOnTheCessnaFaces()
    {
        const auto roll = std::find_if(m_flight.begin(), m_flight.end(),
                                       [](const Sample &s) { return s.v[15] > 40; });
        QVERIFY(roll != m_flight.end());
        const double gallonsPerHour = roll->v[7] * 3600 / kAvgasKgPerGallon;
        const double egtF = roll->v[9] * 9 / 5 + 32;
        const double oilF = roll->v[0] * 9 / 5 + 32;
        const QString seen = QStringLiteral("t=%1: %2 gal/h, EGT %3 F, oil %4 F")
                                 .arg(roll->t).arg(gallonsPerHour).arg(egtF).arg(oilF);
        QVERIFY2(gallonsPerHour > 10 && gallonsPerHour < 19, qPrintable(seen));
        QVERIFY2(egtF > 1100 && egtF < 1350, qPrintable(seen));
        QVERIFY2(oilF > 100 && oilF < 245, qPrintable(seen));
    }

    // The story of the flight, from what the instruments are given.
    void flightTellsTheStory()
    {
        const Sample &first = m_flight.front();
        const Sample &last = m_flight.back();
        // Parked and cold at the start and at the end.
        for (const Sample *s : {&first, &last}) {
            QVERIFY(s->v[17] < 20 && s->v[100] < 20 && s->v[71] < 1 && s->v[65] == 0 && s->v[15] == 0);
        }
        // Engine start: rpm, oil pressure, vacuum and volts rise; oil warms.
        const double started = firstTime([](const Sample &s) { return s.v[17] > 500; });
        QVERIFY(started > 0 && started < 60);
        QVERIFY(firstTime([](const Sample &s) { return s.v[1] > 40; }) > started);
        QVERIFY(firstTime([](const Sample &s) { return s.v[47] > 27.5; }) > started);
        QVERIFY(firstTime([](const Sample &s) { return s.v[100] > 500; }) > started);
        QVERIFY(first.v[0] + 20 < std::max_element(m_flight.begin(), m_flight.end(), [](const Sample &a, const Sample &b) {
                                      return a.v[0] < b.v[0]; })->v[0]);
        // Take-off, climb above 1300 ft over the field, landing lower down.
        const double airborne = firstTime([](const Sample &s) { return s.v[16] > 100; });
        QVERIFY(airborne > started);
        QVERIFY(firstTime([&](const Sample &s) { return s.v[31] > first.v[31] + 1300; }) > airborne);
        QVERIFY(last.v[31] < first.v[31]);
        // A climbing turn and taxi turns: the heading covers more than a quadrant.
        QVERIFY(timeWhile([](const Sample &s) { return std::abs(s.v[35]) > 10; }) > 10);
        QVERIFY(timeWhile([](const Sample &s) { return std::abs(s.v[33]) > 15; }) > 20);
        // Radio navigation: FROM on the radial, TO on the localizer, the
        // glide slope received, DME counting up and then down.
        QVERIFY(timeWhile([](const Sample &s) { return s.v[26] == 2; }) > 30);
        QVERIFY(timeWhile([](const Sample &s) { return s.v[26] == 1; }) > 30);
        QVERIFY(timeWhile([](const Sample &s) { return s.v[27] == 1; }) > 60);
        QVERIFY(timeWhile([](const Sample &s) { return std::abs(s.v[22]) < 0.5 && s.v[25] == 1; }) > 60);
        const double climbing = firstTime([](const Sample &s) { return s.v[66] > 3; });
        const double closing = firstTime([&](const Sample &s) { return s.t > climbing && s.v[66] < 2; });
        QVERIFY(climbing > 0 && closing > climbing);
        // Outer, middle and inner markers in turn.
        const double outer = firstTime([](const Sample &s) { return s.v[44] == 1; });
        const double middle = firstTime([](const Sample &s) { return s.v[45] == 1; });
        const double inner = firstTime([](const Sample &s) { return s.v[46] == 1; });
        QVERIFY(outer > 0 && middle > outer && inner > middle);
        // Flaps out for the approach, in after landing.
        QVERIFY(firstTime([&](const Sample &s) { return s.t > outer && s.v[51] == 1; }) > outer);
        // Annunciator conditions that come and go, while the bus powers the lights.
        auto powered = [](const Sample &s) { return s.v[47] > 8; };
        const double lowVolts = timeWhile([&](const Sample &s) { return powered(s) && s.v[36] == 1; });
        const double lowVacuum = timeWhile([&](const Sample &s) { return powered(s) && s.v[38] < 3; });
        const double fiveGallons = 5 * kAvgasKgPerGallon; // the Cessna's LOW FUEL
        const double lowFuel = timeWhile([&](const Sample &s) { return powered(s) && s.v[40] < fiveGallons; });
        QVERIFY(lowVolts >= 5 && lowVolts < m_duration / 2);
        QVERIFY(lowVacuum >= 5 && lowVacuum < m_duration / 2);
        QVERIFY(lowFuel >= 60 && first.v[40] >= fiveGallons);
        // The G1000 page texts and the reference page.
        QSet<QString> pages;
        for (const Sample &s : m_flight)
            pages << s.page3;
        QVERIFY(pages.contains(QStringLiteral("SPLASHSCREEN")) && pages.contains(QStringLiteral("DATABASES"))
                && pages.contains(QStringLiteral("NAV - DEFAULT NAV")));
        QCOMPARE(first.page12, QStringLiteral("PFD - PFD"));
        QVERIFY(timeWhile([](const Sample &s) { return s.v[92] == 2; }) > 10);
        // The autopilot: engaged, heading, nav, altitude, vertical speed,
        // armed and approach modes each come and go.
        for (int f : {15, 8, 16, 18, 19, 23, 24}) {
            const double on = timeWhile([f](const Sample &s) { return s.r[size_t(f)] > 0; });
            QVERIFY2(on >= 5 && on < m_duration - 5, qPrintable(QString::number(f)));
        }
        // Radios: frequencies flipped, a new squawk, transponder test, STBY and ALT.
        QVERIFY(first.r[30] != last.r[30] && first.r[31] != last.r[31] && first.r[4] != last.r[4]);
        QSet<int> modes;
        for (const Sample &s : m_flight)
            modes << int(s.r[34]);
        QVERIFY(modes.contains(0) && modes.contains(1) && modes.contains(2) && modes.contains(4));
        QVERIFY(timeWhile([](const Sample &s) { return s.r[25] == 1 && s.r[29] >= 20; }) > m_duration / 2);
        // Twin and turboprop fields move with the engines.
        const double takeoffPower = firstTime([](const Sample &s) { return s.v[17] > 2400; });
        for (int f : {48, 65, 70, 71, 72, 73, 99, 100, 101, 102, 104, 105, 106}) {
            const Sample &s = m_flight[size_t(takeoffPower / kSampleStep) + 50];
            QVERIFY2(s.v[size_t(f)] > first.v[size_t(f)] + 1e-4 || f == 48 || f == 99,
                     qPrintable(QString::number(f)));
        }
    }

    // The flight at a time does not depend on how it was sampled.
    void samplingDoesNotChangeTheFlight()
    {
        FlightModel direct, stepped;
        QVERIFY(direct.load(FlightModel::builtInText(), FlightModel::builtInName(), nullptr));
        QVERIFY(stepped.load(FlightModel::builtInText(), FlightModel::builtInName(), nullptr));
        for (int i = 1; i <= 30 * 200; ++i)
            stepped.advanceTo(i / 30.0);
        direct.advanceTo(200.0);
        QCOMPARE(stepped.valueVector(), direct.valueVector());
        QCOMPARE(stepped.radioVector(), direct.radioVector());
        // Going back starts again from the beginning.
        stepped.advanceTo(12.345);
        direct.reset();
        direct.advanceTo(12.345);
        QCOMPARE(stepped.valueVector(), direct.valueVector());
    }

    void expressions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("precedence") << "1 + 2 * 3 - 4 / 2" << 5.0;
        QTest::newRow("unary minus") << "-2 * -3" << 6.0;
        QTest::newRow("parentheses") << "(1 + 2) * 3" << 9.0;
        QTest::newRow("comparison and logic") << "1 < 2 && 3 >= 3 || 0" << 1.0;
        QTest::newRow("not equal and not") << "!(2 != 2)" << 1.0;
        QTest::newRow("conditional") << "a > 1 ? 10 : 20" << 10.0;
        QTest::newRow("nested conditional") << "a > 5 ? 1 : a > 1 ? 2 : 3" << 2.0;
        QTest::newRow("division by zero is zero") << "1 / (a - 2)" << 0.0;
        QTest::newRow("wrap360 of a negative angle") << "wrap360(-30)" << 330.0;
        QTest::newRow("wrap360 of 360") << "wrap360(360)" << 0.0;
        QTest::newRow("wrap180") << "wrap180(190)" << -170.0;
        QTest::newRow("atan2 in degrees") << "atan2(1, -1)" << 135.0;
        QTest::newRow("sin in degrees") << "sin(30)" << 0.5;
        QTest::newRow("mod of a negative number") << "mod(-1, 60)" << 59.0;
        QTest::newRow("clamp") << "clamp(7, 0, 5)" << 5.0;
        QTest::newRow("min of many") << "min(4, a, 9, 3)" << 2.0;
        QTest::newRow("exponent literal") << "1.5e3" << 1500.0;
        QTest::newRow("frac") << "frac(2.25)" << 0.25;
        QTest::newRow("sqrt of a negative is zero") << "sqrt(-4)" << 0.0;
    }

    void expressions()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QString error;
        const double got = evaluate(text, {{QStringLiteral("a"), 2.0}}, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY2(std::abs(got - expected) < 1e-9, qPrintable(QString::number(got)));
    }

    void expressionErrors_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown name") << "a + b" << "unknown name 'b'";
        QTest::newRow("unknown function") << "foo(1)" << "unknown function 'foo'";
        QTest::newRow("wrong argument count") << "clamp(1, 2)" << "clamp takes 3";
        QTest::newRow("missing parenthesis") << "(1 + 2" << "missing ')'";
        QTest::newRow("dangling operator") << "1 +" << "ends too early";
        QTest::newRow("question without colon") << "a ? 1" << "':'";
        QTest::newRow("trailing text") << "1 2" << "unexpected";
        QTest::newRow("stray character") << "1 $ 2" << "unexpected";
    }

    void expressionErrors()
    {
        QFETCH(QString, text);
        QFETCH(QString, message);
        QString error;
        QVERIFY(std::isnan(evaluate(text, {{QStringLiteral("a"), 1.0}}, &error)));
        QVERIFY2(error.contains(message), qPrintable(error));
    }

    void noiseIsSmoothAndBounded()
    {
        double previous = smoothNoise(0);
        for (double x = 0.001; x < 50; x += 0.001) {
            const double n = smoothNoise(x);
            QVERIFY(n >= -1 && n <= 1);
            QVERIFY(std::abs(n - previous) < 0.01);
            previous = n;
        }
        QCOMPARE(smoothNoise(std::nan("")), 0.0);
    }

    // Keyframes, interpolation kinds, states and formats of a flight file.
    void flightFileSemantics()
    {
        const QString extra = QStringLiteral(
            "track lin linear\n"
            "track stp step\n"
            "track txt text\n"
            "at 4 lin=40 stp=4 txt=\"later\"\n" // lines in any order
            "at 0 lin=0 stp=0 txt=\"first; no\"\n");
        FlightModel model;
        QString error;
        QVERIFY(!model.load(minimalFlight(extra), QStringLiteral("f"), &error));
        QVERIFY2(error.contains(QStringLiteral("';'")), qPrintable(error));

        const QString good = QStringLiteral(
            "track lin linear\n"
            "track stp step\n"
            "track txt text\n"
            "at 4 lin=40 stp=4 txt=\"later\"\n"
            "at 0 lin=0 stp=0 txt=\"first\"\n"
            "at 6 lin=60\n"
            "at 6 lin=100   # same time, later line: a jump\n"
            "state climb = 100; rate 60; max 400\n"
            "state turn = 350; rate 10; wrap 360\n"
            "let twice = lin * 2\n");
        QVERIFY2(model.load(minimalFlight(good + QStringLiteral(
                                "value 0 = twice %.1f\nvalue 1 = stp\nvalue 2 = txt\nvalue 3 = -0.0001 %.2f\n"
                                "radio 4 = 400 %04.0f\nvalue 4 = climb\nvalue 5 = turn %.1f\n"),
                                QStringList{QStringLiteral("value 0"), QStringLiteral("value 1"), QStringLiteral("value 2"),
                                            QStringLiteral("value 3"), QStringLiteral("value 4"), QStringLiteral("value 5"),
                                            QStringLiteral("radio 4")}),
                             QStringLiteral("f"), &error), qPrintable(error));
        model.advanceTo(2);
        QStringList v = model.valueFields();
        QCOMPARE(v.at(0), QStringLiteral("40.0"));   // linear: 20 at t=2, doubled
        QCOMPARE(v.at(1), QStringLiteral("0"));      // step holds
        QCOMPARE(v.at(2), QStringLiteral("first"));
        QCOMPARE(v.at(3), QStringLiteral("0.00"));   // no negative zero
        QCOMPARE(model.radioFields().at(4), QStringLiteral("0400"));
        QCOMPARE(v.at(4), QStringLiteral("220"));    // 100 + 60 * 2
        QCOMPARE(v.at(5), QStringLiteral("10.0"));   // 350 + 20, wrapped
        model.advanceTo(5);
        v = model.valueFields();
        QCOMPARE(v.at(0), QStringLiteral("100.0"));  // halfway from 40 to 60
        QCOMPARE(v.at(1), QStringLiteral("4"));
        QCOMPARE(v.at(2), QStringLiteral("later"));
        QCOMPARE(v.at(4), QStringLiteral("400"));    // held at its maximum
        model.advanceTo(6);
        QCOMPARE(model.valueFields().at(0), QStringLiteral("200.0"));
        QCOMPARE(model.valueOf(QStringLiteral("lin")), 100.0);
    }

    void flightFileErrors_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown name") << minimalFlight(QStringLiteral("let y = z + 1")) << "unknown name 'z'";
        QTest::newRow("let before its line") << minimalFlight(QStringLiteral("let a = b\nlet b = 1")) << "used before its let line";
        QTest::newRow("text track in arithmetic") << minimalFlight(QStringLiteral("track s text\nat 0 s=\"a\"\nlet n = s + 1"))
                                                  << "can only be written to a field";
        QTest::newRow("field missing") << minimalFlight(QString(), {QStringLiteral("value 17")}) << "value field 17 is not defined";
        QTest::newRow("radio field missing") << minimalFlight(QString(), {QStringLiteral("radio 34")}) << "radio field 34 is not defined";
        QTest::newRow("field twice") << minimalFlight(QStringLiteral("value 3 = 1")) << "value field 3 is defined twice";
        QTest::newRow("index out of range") << minimalFlight(QStringLiteral("radio 35 = 1")) << "index must be 0 to 34";
        QTest::newRow("track without keyframe") << minimalFlight(QStringLiteral("track empty step")) << "has no keyframe";
        QTest::newRow("keyframe of an unknown track") << minimalFlight(QStringLiteral("at 1 nope=3")) << "'nope' is not a track";
        QTest::newRow("keyframe not a number") << minimalFlight(QStringLiteral("at 1 x=abc")) << "'abc' is not a number";
        QTest::newRow("bad time") << minimalFlight(QStringLiteral("at 1:75 x=3")) << "is not a time";
        QTest::newRow("unknown statement") << minimalFlight(QStringLiteral("fly away")) << "unknown statement 'fly'";
        QTest::newRow("state without rate") << minimalFlight(QStringLiteral("state s = 1; wrap 360")) << "has no rate";
        QTest::newRow("name defined twice") << minimalFlight(QStringLiteral("let x = 1")) << "'x' is defined twice";
        QTest::newRow("no duration") << minimalFlight(QString(), {QStringLiteral("duration")}) << "no duration";
        QTest::newRow("empty file") << QString() << "no duration";
        QTest::newRow("unknown command word") << minimalFlight(QStringLiteral("command 1 push")) << "'push' is not a command word";
        QTest::newRow("command without word") << minimalFlight(QStringLiteral("command 1:00")) << "expected: command TIME WORD";
        QTest::newRow("command after the end") << minimalFlight(QStringLiteral("command 99:00 enter_press"))
                                               << "comes after the end of the flight";
    }

    // Knob commands: due as the flight passes their times (and again after it
    // loops), written one at a time, the next once the last was taken, or
    // instead of one that nobody took for a while.
    void knobCommandsOneAtATime()
    {
        FlightModel model;
        QString error;
        QVERIFY2(model.load(minimalFlight(QStringLiteral("command 2 outer_cursor_up\ncommand 1 cursor_press\n"
                                                          "command 2.5 inner_cursor_down\ncommand 9 enter_press")),
                            QStringLiteral("f"), &error), qPrintable(error));
        const double duration = model.duration();
        QVERIFY(duration > 9);
        KnobCommandPlayer knobs(model.commands(), duration);
        knobs.advance(1.5); // the flight starts here: the command at 1 s is not played
        QCOMPARE(knobs.next(false, 0), QString());
        knobs.advance(2.2);
        QCOMPARE(knobs.next(false, 100), QStringLiteral("outer_cursor_up"));
        knobs.advance(3);
        QCOMPARE(knobs.next(true, 200), QString()); // not taken yet
        QCOMPARE(knobs.next(false, 300), QStringLiteral("inner_cursor_down"));
        knobs.advance(duration);
        QCOMPARE(knobs.next(true, 400), QString());
        QCOMPARE(knobs.next(true, 300 + KnobCommandPlayer::kUntakenMs), QStringLiteral("enter_press"));
        knobs.advance(1); // looped: the round begins again
        QCOMPARE(knobs.next(false, 3000), QStringLiteral("cursor_press"));
        QCOMPARE(knobs.due(), size_t(0));

        // A flight without commands, or played without them, writes none.
        KnobCommandPlayer none({}, duration);
        none.advance(0);
        none.advance(5);
        QCOMPARE(none.next(false, 0), QString());
    }

    // A broken flight file is refused with the line and the reason.
    void flightFileErrors()
    {
        QFETCH(QString, text);
        QFETCH(QString, message);
        FlightModel model;
        QString error;
        QVERIFY(!model.load(text, QStringLiteral("my.flight"), &error));
        QVERIFY2(error.startsWith(QStringLiteral("my.flight:")) && error.contains(message), qPrintable(error));
        model.advanceTo(5); // an unloaded model stays harmless
        QVERIFY(model.valueVector().isEmpty());
    }

    void recordingEscapesEveryByte()
    {
        QByteArray all;
        for (int i = 0; i < 256; ++i)
            all.append(char(i));
        const QByteArray escaped = Recording::escape(all);
        QVERIFY(!escaped.contains('\n') && !escaped.contains('\r'));
        QByteArray back;
        QVERIFY(Recording::unescape(escaped, &back));
        QCOMPARE(back, all);
        QVERIFY(!Recording::unescape("a\\x4", &back));
        QVERIFY(!Recording::unescape("a\\q41", &back));
        QVERIFY(!Recording::unescape("tab\there", &back));
    }

    void recordingParse_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("message"); // empty: valid
        const QByteArray head = "RADOD-RECORDING 1\n";
        QTest::newRow("valid") << head + "# note\n0 TimedProcessing.txt 1;2\n40 TPRadioAvionico.txt a\\x0a\nEND 2 100\n" << QString();
        QTest::newRow("empty content") << head + "5 TimedProcessing.txt\nEND 1 5\n" << QString();
        QTest::newRow("not a recording") << QByteArray("1;2;3;4") << "not a recording";
        QTest::newRow("empty file") << QByteArray() << "not a recording";
        QTest::newRow("last line cut") << head + "0 TimedProcessing.txt 1;2" << "truncated";
        QTest::newRow("no END line") << head + "0 TimedProcessing.txt 1;2\n" << "truncated";
        QTest::newRow("END count wrong") << head + "0 TimedProcessing.txt 1\nEND 2 10\n" << "counts 2 entries";
        QTest::newRow("time goes back") << head + "10 TimedProcessing.txt 1\n5 TimedProcessing.txt 2\nEND 2 10\n" << "backwards";
        QTest::newRow("unknown file") << head + "0 config.txt 1\nEND 1 0\n" << "not a value file";
        QTest::newRow("bad escape") << head + "0 TimedProcessing.txt a\\x4g\nEND 1 0\n" << "not properly escaped";
        QTest::newRow("text after END") << head + "0 TimedProcessing.txt 1\nEND 1 0\n7 TimedProcessing.txt 2\n" << "after the END";
        QTest::newRow("time not a number") << head + "x TimedProcessing.txt 1\nEND 1 0\n" << "time in milliseconds";
    }

    void recordingParse()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, message);
        Recording rec;
        QString error;
        const bool ok = Recording::parse(data, &rec, &error);
        if (message.isEmpty()) {
            QVERIFY2(ok, qPrintable(error));
            QVERIFY(!rec.entries.empty());
            if (rec.entries.size() == 2) {
                QCOMPARE(rec.entries[1].content, QByteArray("a\n"));
                QCOMPARE(rec.entries[1].file, 1);
                QCOMPARE(rec.durationMs, qint64(100));
            }
        } else {
            QVERIFY(!ok);
            QVERIFY2(error.contains(message), qPrintable(error));
        }
    }
};

QTEST_MAIN(TstBridgeFlight)
#include "tst_bridge_flight.moc"
