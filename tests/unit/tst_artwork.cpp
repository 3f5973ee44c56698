// The artwork against the documents: every image the resource tree expects has
// a description in the generator, and the marks drawn on the flight gauges'
// faces sit exactly where the documents turn their needles (or bring their
// cards and ladders) for the value each mark stands for.
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QSet>
#include <QtMath>
#include <QtTest>

#include <memory>

namespace {

const QString kGauges = QStringLiteral("qrc:/Cessna/Instrumentos/");

// A gauge document, created without a window.
class Gauge
{
public:
    explicit Gauge(QQmlEngine &engine, const QString &document)
    {
        // A path names a document of the shared gauge library; a URL any other.
        QQmlComponent component(&engine, QUrl(document.startsWith(QLatin1String("qrc:"))
                                                  ? document : kGauges + document));
        m_root.reset(qobject_cast<QQuickItem *>(component.create()));
        if (!m_root)
            qWarning() << component.errorString();
    }
    QQuickItem *root() const { return m_root.get(); }
    QQuickItem *layer(const QString &name) const
    {
        return m_root ? m_root->findChild<QQuickItem *>(name) : nullptr;
    }
    void set(const char *property, const QVariant &value) { m_root->setProperty(property, value); }

private:
    std::unique_ptr<QQuickItem> m_root;
};

// The item that shows a layer's picture: the layer itself, or the picture a
// cut-out layer holds where it was cut from.
QQuickItem *shownBy(QQuickItem *layer)
{
    if (!layer->property("cutouts").isValid())
        return layer;
    auto *picture = layer->findChild<QQuickItem *>(QStringLiteral("picture"), Qt::FindDirectChildrenOnly);
    return picture ? picture : layer;
}

// The image an Image layer shows, read from the resource tree.
QImage imageOf(const QQuickItem *layer)
{
    const QUrl source = layer->property("source").toUrl();
    const QUrl resolved = qmlContext(layer)->resolvedUrl(source);
    return QImage(QLatin1Char(':') + resolved.path());
}

// Whether a white mark covers the image point that shows at layer point `at`
// (within a pixel).
bool whiteAt(const QImage &image, const QQuickItem *layer, QPointF at)
{
    const double sx = image.width() / layer->width(), sy = image.height() / layer->height();
    const QPoint px(qRound(at.x() * sx), qRound(at.y() * sy));
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint p = px + QPoint(dx, dy);
            if (!image.valid(p))
                continue;
            const QColor c = image.pixelColor(p);
            if (c.alpha() > 200 && c.red() > 185 && c.green() > 185 && c.blue() > 185)
                return true;
        }
    }
    return false;
}

QPointF polar(QPointF centre, double radius, double angleDeg)
{
    const double a = qDegreesToRadians(angleDeg);
    return centre + QPointF(radius * std::sin(a), -radius * std::cos(a));
}

// Direction (degrees clockwise from twelve o'clock) from `pivot` to `point`.
double bearing(QPointF pivot, QPointF point)
{
    const QPointF d = point - pivot;
    return qRadiansToDegrees(std::atan2(d.x(), -d.y()));
}

} // namespace

class TestArtwork : public QObject
{
    Q_OBJECT

private slots:
    void everyExpectedImageIsDescribed();
    void marksUnderNeedles_data();
    void marksUnderNeedles();
    void marksUnderFixedIndex_data();
    void marksUnderFixedIndex();
    void pitchMarksAtCentre_data();
    void pitchMarksAtCentre();
    void engineStripMarksUnderPointers_data();
    void engineStripMarksUnderPointers();
    void vectorPartsHoldTheirPictures_data();
    void vectorPartsHoldTheirPictures();

private:
    QQmlEngine m_engine;
};

// The build lists the images its resource tree mounts; the generator must
// describe each (it draws a magenta stand-in for the others).
void TestArtwork::everyExpectedImageIsDescribed()
{
    QFile expectedFile(QStringLiteral(RADOD_BIN_DIR "/../artwork-expected.txt"));
    QVERIFY2(expectedFile.open(QIODevice::ReadOnly | QIODevice::Text), "artwork-expected.txt is missing");
    const QStringList expected = QString::fromUtf8(expectedFile.readAll()).split('\n', Qt::SkipEmptyParts);
    QVERIFY(!expected.isEmpty());

    QProcess generator;
    generator.start(QStringLiteral(RADOD_BIN_DIR "/radod-artwork"), {QStringLiteral("--list")});
    QVERIFY(generator.waitForFinished(60000));
    QCOMPARE(generator.exitCode(), 0);
    QSet<QString> described;
    const QStringList lines = QString::fromUtf8(generator.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    for (const QString &line : lines) // "path WxH"; paths may hold spaces
        described.insert(line.left(line.lastIndexOf(' ')));

    QStringList missing;
    for (const QString &path : expected)
        if (!described.contains(path))
            missing << path;
    QVERIFY2(missing.isEmpty(), qPrintable("no description for: " + missing.join(", ")));
}

// A needle set to a value must point at the face's mark for that value: the ray
// from the pivot through the needle's tip crosses a white mark at `radius`, and
// no mark 2.5 degrees to either side.
void TestArtwork::marksUnderNeedles_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QVariantMap>("inputs");
    QTest::addColumn<QString>("input");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<QPointF>("tip");   // in the needle layer
    QTest::addColumn<QPointF>("pivot"); // in the gauge
    QTest::addColumn<QString>("face");
    QTest::addColumn<double>("radius");

    const auto rows = [](const char *tag, const QString &doc, const QVariantMap &inputs,
                         const QString &input, const QVector<double> &values, const QString &needle,
                         QPointF tip, QPointF pivot, const QString &face, double radius) {
        for (double v : values)
            QTest::addRow("%s %g", tag, v) << doc << inputs << input << v << needle << tip << pivot
                                           << face << radius;
    };
    QVector<double> knots;
    for (int kt = 40; kt <= 200; kt += 5)
        knots << kt;
    rows("airspeed 172", "Airspeed/Airspeed.qml", {{"is172", true}}, "value", knots, "needle",
         {8, 2}, {106, 107}, "face", 84);
    rows("airspeed 210", "Airspeed/Airspeed.qml", {{"is172", false}}, "value", knots, "needle",
         {8, 2}, {106, 107}, "face", 84);

    QVector<double> wide;
    for (int kt = 40; kt <= 260; kt += 5)
        wide << kt;
    rows("airspeed B58", "AirspeedB58/AirspeedB58.qml", {}, "value", wide, "needle", {105, 25},
         {105, 105}, "face", 86);

    QVector<double> hundreds, thousands, tenThousands;
    for (int ft = 0; ft < 1000; ft += 20)
        hundreds << 3000 + ft;
    for (int k = 0; k <= 9; ++k) {
        thousands << k * 1000.0;
        tenThousands << k * 10000.0;
    }
    rows("altimeter 100-ft hand", "Altimeter/AltimeterInst.qml", {}, "altitude", hundreds, "hundred",
         {84, 4}, {105, 105}, "dial", 88);
    rows("altimeter 1000-ft hand", "Altimeter/AltimeterInst.qml", {}, "altitude", thousands,
         "thousand", {105, 65}, {105, 105}, "dial", 88);
    rows("altimeter 10000-ft pointer", "Altimeter/AltimeterInst.qml", {}, "altitude", tenThousands,
         "tenThousand", {105, 30}, {105, 105}, "dial", 88);

    QVector<double> climb;
    for (int fpm = -2000; fpm <= 2000; fpm += 100)
        climb << fpm;
    rows("vertical speed", "VerticalSpeed/VerticalSpeedInst.qml", {}, "value", climb, "needle",
         {8, 4}, {106, 105}, "face", 87);

    // The turn coordinator's wing tips against the level and standard-rate marks.
    rows("turn right wing", "TurnSlip/TurnSlipInst.qml", {}, "turnrateRoll", {0, 20}, "aeroplane",
         {191, 105}, {105, 105}, "face", 84);
    rows("turn left wing", "TurnSlip/TurnSlipInst.qml", {}, "turnrateRoll", {0, -20}, "aeroplane",
         {19, 105}, {105, 105}, "face", 84);

    // Engine gauges. The red line at 2700 rpm and 20 psi covers its mark.
    QVector<double> rpm;
    for (int r = 0; r <= 3500; r += 100)
        if (r != 2700)
            rpm << r;
    rows("tachometer", "Rpm/RpmInst.qml", {}, "value", rpm, "needle", {105, 21}, {105, 105},
         "face", 86);
    // Twin gauges: one needle image, tip 47 above its centre, on two pivots.
    const auto series = [](double first, double last, double step, double factor = 1) {
        QVector<double> out;
        for (double v = first; v <= last + 1e-9; v += step)
            out << v * factor;
        return out;
    };
    // 0 to 26 gallons on the face, in kilograms of avgas (0.721 kg/l)
    const QVector<double> tanks = series(0, 26, 2, 0.721 * 3.785411784);
    rows("fuel left", "DualFuel/DualFuelInst.qml", {}, "leftFuel", tanks, "leftNeedle", {105, 58},
         {50, 105}, "face", 45);
    rows("fuel right", "DualFuel/DualFuelInst.qml", {}, "rightFuel", tanks, "rightNeedle",
         {105, 58}, {160, 105}, "face", 45);
    rows("egt", "EgtFuelFlow/EgtFuelFlowInst.qml", {}, "egtDeg", series(975, 1350, 25), "egtNeedle",
         {105, 58}, {45, 105}, "face", 48);
    rows("fuel flow", "EgtFuelFlow/EgtFuelFlowInst.qml", {}, "fuelGalhour",
         QVector<double>{0} + series(5, 19, 1), "flowNeedle", {105, 58}, {165, 105}, "face", 48);
    rows("oil temperature", "OilTempPress/OilTempPressInst.qml", {}, "temp", series(75, 225, 25),
         "tempNeedle", {105, 58}, {50, 105}, "face", 45);
    rows("oil pressure", "OilTempPress/OilTempPressInst.qml", {}, "press",
         QVector<double>{0, 10} + series(30, 110, 10), "pressNeedle", {105, 58}, {160, 105}, "face",
         45);
    rows("suction", "VacAmp/VacAmpInst.qml", {}, "vac", series(3, 7, 0.5), "vacNeedle", {105, 58},
         {50, 105}, "face", 45);
    rows("ammeter", "VacAmp/VacAmpInst.qml", {}, "amp", series(-60, 60, 10), "ampNeedle",
         {105, 58}, {160, 105}, "face", 45);

    // The Caravan's own gauges: one needle, its tip 2 below the top of a layer
    // whose bottom centre is the pivot. The airspeed needle stands 3 degrees
    // on inside its range; the marks are drawn where it stands.
    const QPointF caravanTip(210.0 * 47 / 1640, 2), caravanPivot(105, 210.0 * 840 / 1660);
    const QString caravanAirspeed = QStringLiteral("qrc:/Caravan/instrumentos/Airspeed/Airspeed.qml");
    rows("caravan knots", caravanAirspeed, {}, "speed", series(40, 200, 5), "needle", caravanTip,
         caravanPivot, "face", 82);
    rows("caravan mph", caravanAirspeed, {}, "speed", series(40, 240, 10, 1 / 1.150779), "needle",
         caravanTip, caravanPivot, "face", 50.5);
    rows("caravan torque", "qrc:/Caravan/instrumentos/Torque/Torque.qml", {}, "torque",
         series(0, 2500, 100), "needle", caravanTip, caravanPivot, "face", 82);

    // The Baron's gauges: every mark of each scale, probed where the minor
    // marks lie. The engine needle is a 30 x 150 layer about the dial's centre.
    const QString baron = QStringLiteral("qrc:/Baron/instrumentos/");
    const auto engine = [&](const char *tag, const QString &gauge, const QString &input,
                            const QVector<double> &values, const QString &needle,
                            QPointF tip = {15, 2}) {
        rows(tag, baron + gauge + QLatin1Char('/') + gauge + QStringLiteral(".qml"), {}, input,
             values, needle, tip, {105, 105}, "face", 84);
    };
    engine("baron rpm", "RPMBaron", "value", series(0, 3500, 100), "needle");
    engine("baron manifold", "PressBaron", "value", series(10, 40, 1), "needle");
    // Fuel flow arrives in kg/s; the face's marks are gallons per hour, every
    // 2.5 up to 5 and every 1 above.
    const double kgPerSecondPerGph = 0.721 * 3.78541 / 3600;
    engine("baron fuel flow", "FuelFlowBaron", "value",
           series(0, 2.5, 2.5, kgPerSecondPerGph) + series(5, 30, 1, kgPerSecondPerGph), "needle");
    engine("baron oil temperature", "OilBaron", "temp", series(0, 120, 10), "tempNeedle");
    engine("baron oil pressure", "OilBaron", "press", series(0, 100, 10), "pressNeedle");
    engine("baron cht", "EngTempBaron", "cht", series(50, 250, 10), "chtNeedle");
    engine("baron egt", "EngTempBaron", "egt", series(660, 940, 20), "egtNeedle");
    engine("baron instrument air", "InstrumentAir", "value", series(3, 6, 0.2), "needle", {25, 20});
    rows("baron vertical speed", baron + "VsBaron/VsBaron.qml", {}, "value",
         series(-4000, 4000, 100), "needle", {105, 20}, {105, 105}, "face", 84);
    // The turn coordinator's vector aeroplane against its index marks.
    const QString turn = baron + QStringLiteral("TurnCoordinator/TurnCoordinator.qml");
    rows("baron turn right wing", turn, {}, "turnRate", {0, 3}, "aeroplane", {180, 105}, {105, 105},
         "ring", 87);
    rows("baron turn left wing", turn, {}, "turnRate", {0, -3}, "aeroplane", {30, 105}, {105, 105},
         "ring", 87);
}

void TestArtwork::marksUnderNeedles()
{
    QFETCH(QString, document);
    QFETCH(QVariantMap, inputs);
    QFETCH(QString, input);
    QFETCH(double, value);
    QFETCH(QString, needle);
    QFETCH(QPointF, tip);
    QFETCH(QPointF, pivot);
    QFETCH(QString, face);
    QFETCH(double, radius);

    Gauge gauge(m_engine, document);
    QVERIFY(gauge.root());
    for (auto i = inputs.cbegin(); i != inputs.cend(); ++i)
        gauge.set(qPrintable(i.key()), i.value());
    // Change the input first: some layers follow changes only.
    gauge.set(qPrintable(input), value + 0.5);
    gauge.set(qPrintable(input), value);

    QQuickItem *needleLayer = gauge.layer(needle);
    QQuickItem *faceLayer = gauge.layer(face);
    QVERIFY(needleLayer && faceLayer);
    faceLayer = shownBy(faceLayer);
    const QImage image = imageOf(faceLayer);
    QVERIFY(!image.isNull());

    // A needle cut out of its layer is drawn where the whole layer had it:
    // white just inside its tip.
    if (QQuickItem *picture = shownBy(needleLayer); picture != needleLayer) {
        const QPointF towardPivot = needleLayer->mapFromItem(gauge.root(), pivot) - tip;
        const QPointF inside = tip + towardPivot * (3 / std::hypot(towardPivot.x(), towardPivot.y()));
        QVERIFY2(whiteAt(imageOf(picture), picture, picture->mapFromItem(needleLayer, inside)),
                 "the cut-out needle is not where its layer's tip is");
    }

    const double direction = bearing(pivot, needleLayer->mapToItem(gauge.root(), tip));
    const auto markAt = [&](double angle) {
        const QPointF atGauge = polar(pivot, radius, angle);
        return whiteAt(image, faceLayer, faceLayer->mapFromItem(gauge.root(), atGauge));
    };
    QVERIFY2(markAt(direction), qPrintable(QStringLiteral("no mark under the needle at %1°").arg(direction)));
    QVERIFY2(!markAt(direction - 2.5) && !markAt(direction + 2.5),
             qPrintable(QStringLiteral("marks beside the needle at %1°").arg(direction)));
}

// Cards and rings that turn under a fixed index: set to a value, the card's
// mark for that value lies under the index (and no mark a few degrees aside).
void TestArtwork::marksUnderFixedIndex_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("input");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("card");
    QTest::addColumn<double>("radius"); // of the probe, at twelve o'clock about (105, 105)
    QTest::addColumn<double>("aside");

    for (int h = 0; h < 360; h += 5)
        QTest::addRow("heading %d", h) << "Heading/HeadingInst.qml" << "headingMag" << double(h)
                                       << "card" << 88.0 << 2.5;
    for (int b : {-90, -60, -45, -30, -20, -10, 0, 10, 20, 30, 45, 60, 90})
        QTest::addRow("bank %d", b) << "Attitude/HorizonteInst.qml" << "rotationVacuum" << double(b)
                                    << "bankRing" << 90.0 << 4.5;
}

void TestArtwork::marksUnderFixedIndex()
{
    QFETCH(QString, document);
    QFETCH(QString, input);
    QFETCH(double, value);
    QFETCH(QString, card);
    QFETCH(double, radius);
    QFETCH(double, aside);

    Gauge gauge(m_engine, document);
    QVERIFY(gauge.root());
    gauge.set(qPrintable(input), value);
    QQuickItem *cardLayer = gauge.layer(card);
    QVERIFY(cardLayer);
    cardLayer = shownBy(cardLayer);
    const QImage image = imageOf(cardLayer);
    QVERIFY(!image.isNull());
    const auto markAt = [&](double angle) {
        const QPointF atGauge = polar(QPointF(105, 105), radius, angle);
        return whiteAt(image, cardLayer, cardLayer->mapFromItem(gauge.root(), atGauge));
    };
    QVERIFY2(markAt(0), "no mark under the index");
    QVERIFY2(!markAt(-aside) && !markAt(aside), "marks beside the index");
}

// The attitude indicator's ladder: at each marked pitch the mark (or the
// horizon line at zero) crosses the centre, where the miniature aeroplane is.
void TestArtwork::pitchMarksAtCentre_data()
{
    QTest::addColumn<double>("pitch");
    QTest::addColumn<double>("bank");
    for (int p : {-20, -15, -10, -5, 0, 5, 10, 15, 20})
        for (int b : {0, 35})
            QTest::addRow("pitch %d bank %d", p, b) << double(p) << double(b);
}

void TestArtwork::pitchMarksAtCentre()
{
    QFETCH(double, pitch);
    QFETCH(double, bank);
    Gauge gauge(m_engine, QStringLiteral("Attitude/HorizonteInst.qml"));
    QVERIFY(gauge.root());
    gauge.set("altVacuum", pitch);
    gauge.set("rotationVacuum", bank);
    QQuickItem *ladder = gauge.layer(QStringLiteral("ladder"));
    QVERIFY(ladder);
    const QImage image = imageOf(ladder);
    QVERIFY(!image.isNull());
    // The nearest marks are 4.5 px apart (15 and 20 degrees nose up).
    const auto markAt = [&](double below) {
        const QPointF atGauge = polar(QPointF(105, 105), below, 180 - bank);
        return whiteAt(image, ladder, ladder->mapFromItem(gauge.root(), atGauge));
    };
    QVERIFY2(markAt(0), "no pitch mark at the centre");
    QVERIFY2(!markAt(-2.2) && !markAt(2.2), "pitch marks beside the centre");
}

// The G1000 engine strip: for each numbered value of an arc, the arrow of
// its pointer points at a white graduation (probed just outside the coloured
// band, where only graduations are white); for each mark of the fuel scale,
// the top of a column full to that mark is level with it. The strip's numbers
// come from value-vector fields, in the vector's units.
void TestArtwork::engineStripMarksUnderPointers_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("pointer");

    const double footPoundsPerNewtonMetre = 0.73756, poundsPerKilogram = 2.20462;
    for (int ftlb : {0, 1000, 1500, 2000, 2500, 3000})
        QTest::addRow("torque %d ft-lb", ftlb)
            << 65 << QString::number(qRound(ftlb / footPoundsPerNewtonMetre)) << "ponteiroTorque";
    for (int c : {0, 600, 900})
        QTest::addRow("itt %d", c) << 70 << QString::number(c) << "ponteiroItt";
    for (int ng : {12, 50, 100})
        QTest::addRow("ng %d", ng) << 71 << QString::number(ng) << "ponteiroNgRpm";
    for (int lb : {200, 400, 600, 800, 1000}) {
        const QString kg = QString::number(lb / poundsPerKilogram, 'f', 1);
        QTest::addRow("fuel left %d lb", lb) << 2 << kg << "ponteiroFuelLeft";
        QTest::addRow("fuel right %d lb", lb) << 3 << kg << "ponteiroFuelRight";
    }
}

void TestArtwork::engineStripMarksUnderPointers()
{
    QFETCH(int, field);
    QFETCH(QString, value);
    QFETCH(QString, pointer);

    Gauge strip(m_engine, QStringLiteral("qrc:/Caravan/G1000/EIS/EIS.qml"));
    QVERIFY(strip.root());
    QVariantList values;
    for (int i = 0; i <= field; ++i)
        values << (i == field ? value : QStringLiteral("0"));
    strip.set("instrumentValues", values);
    QQuickItem *layer = strip.layer(pointer);
    QQuickItem *background = strip.layer(QStringLiteral("background"));
    QVERIFY(layer && background);
    const QImage image = imageOf(background);
    QVERIFY(!image.isNull());
    const auto whiteOnStrip = [&](QPointF at) { return whiteAt(image, background, background->mapFromItem(layer, at)); };

    if (pointer.startsWith(QLatin1String("ponteiroFuel"))) {
        // The scale's marks stand beside the columns, on their inner side.
        const double beside = pointer.endsWith(QLatin1String("Left")) ? layer->width() + 6 : -6;
        QVERIFY2(whiteOnStrip(QPointF(beside, 0)), "no mark level with the column's top");
        QVERIFY2(!whiteOnStrip(QPointF(beside, 4)) && !whiteOnStrip(QPointF(beside, -4)), "marks beside the top");
        return;
    }
    // The arrow's tip and the dial's centre (the layer's), in the layer.
    const QPointF centre(layer->width() / 2, layer->height() / 2), tip(layer->width() / 2, 4);
    const QPointF direction = (tip - centre) / QLineF(centre, tip).length();
    const double probeRadius = 71 / 1.4; // in the layer's units (scale 1.4), beyond the band
    const auto markAt = [&](double degreesAside) {
        QTransform turn;
        turn.rotate(degreesAside);
        return whiteOnStrip(centre + turn.map(direction) * probeRadius);
    };
    QVERIFY2(markAt(0), "no mark under the pointer");
    QVERIFY2(!markAt(-2.5) && !markAt(2.5), "marks beside the pointer");
}

// A vector layer that keeps only a part of its picture (the Baron turn
// coordinator's ball and aeroplane) must not cut off anything it paints.
void TestArtwork::vectorPartsHoldTheirPictures_data()
{
    QTest::addColumn<QString>("layer");
    QTest::newRow("ball") << QStringLiteral("ball");
    QTest::newRow("aeroplane") << QStringLiteral("aeroplane");
}

void TestArtwork::vectorPartsHoldTheirPictures()
{
    QFETCH(QString, layer);
    Gauge gauge(m_engine, QStringLiteral("qrc:/Baron/instrumentos/TurnCoordinator/TurnCoordinator.qml"));
    QQuickItem *item = gauge.layer(layer);
    QVERIFY(item);
    const QVariantList part = item->property("part").toList();
    QCOMPARE(part.size(), 4);
    const QUrl source = qmlContext(item)->resolvedUrl(item->property("source").toUrl());
    QImageReader reader(QLatin1Char(':') + source.path());
    const int side = 420; // the largest zoom drawn in practice: twice the nominal size
    reader.setScaledSize(QSize(side, side));
    const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!image.isNull());
    const QRect kept(QPoint(qFloor(part[0].toDouble() * side), qFloor(part[1].toDouble() * side)),
                     QPoint(qCeil((part[0].toDouble() + part[2].toDouble()) * side) - 1,
                            qCeil((part[1].toDouble() + part[3].toDouble()) * side) - 1));
    int painted = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) == 0)
                continue;
            ++painted;
            QVERIFY2(kept.contains(x, y), qPrintable(QStringLiteral("painted at %1, %2 outside the part").arg(x).arg(y)));
        }
    }
    QVERIFY(painted > 0);
}

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
