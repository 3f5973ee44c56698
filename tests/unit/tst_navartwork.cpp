// The navigation gauges' artwork against their documents: each document is
// set to a value, and the image a layer shows is read at the gauge point where
// the value's mark must stand (the top of a course card, the lubber line of
// the strip compass, the point where a deviation needle crosses the face's
// dotted line). The point is carried into the layer through the layer's own
// current transform, exactly as the scene graph draws it.
#include <QImage>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlListReference>
#include <QQuickItem>
#include <QtMath>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

struct Shown
{
    QQuickItem *gauge = nullptr;
    QQuickItem *layer = nullptr;
    QImage image;
};

// What a layer's image holds at a gauge point (transparent outside it).
QColor colourAt(const Shown &s, QPointF gaugePoint)
{
    const QPointF local = s.layer->mapFromItem(s.gauge, gaugePoint);
    const QPoint px(qFloor(local.x() * s.image.width() / s.layer->width()),
                    qFloor(local.y() * s.image.height() / s.layer->height()));
    return s.image.valid(px) ? s.image.pixelColor(px) : QColor(Qt::transparent);
}

bool isWhite(const QColor &c)
{
    return c.alpha() > 200 && c.red() > 180 && c.green() > 180 && c.blue() > 180;
}
bool isYellow(const QColor &c)
{
    return c.alpha() > 200 && c.red() > 180 && c.green() > 140 && c.blue() < 90;
}

// Whether any point within `reach` gauge px of `at` shows a colour that
// passes the test.
bool near(const Shown &s, QPointF at, double reach, const std::function<bool(const QColor &)> &test)
{
    for (double dy = -reach; dy <= reach; dy += 0.5) {
        for (double dx = -reach; dx <= reach; dx += 0.5) {
            if (dx * dx + dy * dy <= reach * reach && test(colourAt(s, at + QPointF(dx, dy))))
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

// The first transform of a layer (its rotation, for turning layers).
QObject *firstTransform(QQuickItem *layer)
{
    QQmlListReference list(layer, "transform");
    return list.count() > 0 ? list.at(0) : nullptr;
}

} // namespace

class TestNavArtwork : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cardMarkUnderIndex_data();
    void cardMarkUnderIndex();
    void vorDotsUnderNeedles_data();
    void vorDotsUnderNeedles();
    void obsDotsUnderNeedle();
    void hsiBarOverDots();
    void adfNeedlePointsAtBearing();
    void compassTapeUnderLubber_data();
    void compassTapeUnderLubber();

private:
    // Creates a gauge document and reads one of its layers' image.
    Shown open(const QString &document, const QString &layer);
    QQmlEngine m_engine;
    std::unique_ptr<QQuickItem> m_gauge;
};

void TestNavArtwork::init()
{
    m_gauge.reset();
}

Shown TestNavArtwork::open(const QString &document, const QString &layer)
{
    QQmlComponent component(&m_engine, QUrl(QStringLiteral("qrc:/Cessna/Instrumentos/") + document));
    m_gauge.reset(qobject_cast<QQuickItem *>(component.create()));
    if (!m_gauge) {
        qWarning() << component.errorString();
        return {};
    }
    Shown s;
    s.gauge = m_gauge.get();
    s.layer = s.gauge->findChild<QQuickItem *>(layer);
    // A cut-out layer shows its picture in an item of the picture's own size.
    if (QQuickItem *picture = s.layer ? s.layer->findChild<QQuickItem *>(QStringLiteral("picture")) : nullptr)
        s.layer = picture;
    if (s.layer) {
        const QUrl url = qmlContext(s.layer)->resolvedUrl(s.layer->property("source").toUrl());
        s.image = QImage(QLatin1Char(':') + url.path());
    }
    return s;
}

// A card turned by a heading shows that heading's mark under the top index
// (or, for the HSI, the lubber line); half-way between two marks nothing is
// there.
void TestNavArtwork::cardMarkUnderIndex_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("layer");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QPointF>("centre");  // gauge point the card turns about
    QTest::addColumn<double>("markRadius"); // gauge px from it, inside the long marks

    const struct { const char *name, *document, *layer, *input; QPointF centre; double radius; } cards[] = {
        {"HSI", "HSI/HSI.qml", "rose", "heading", {105, 101}, 68},
        {"VOR", "Vor/VorInst.qml", "card", "compRingDeg", {105, 105}, 84},
        {"OBS", "Obs/ObsInst.qml", "card", "compRingDeg", {105, 105}, 84},
        {"ADF", "Adf/AdfInst.qml", "card", "heading", {105, 105}, 84},
    };
    for (const auto &c : cards)
        QTest::newRow(c.name) << QString::fromLatin1(c.document) << QString::fromLatin1(c.layer)
                              << QByteArray(c.input) << c.centre << c.radius;
}

void TestNavArtwork::cardMarkUnderIndex()
{
    QFETCH(QString, document);
    QFETCH(QString, layer);
    QFETCH(QByteArray, input);
    QFETCH(QPointF, centre);
    QFETCH(double, markRadius);
    const Shown s = open(document, layer);
    QVERIFY(s.layer);
    QVERIFY(!s.image.isNull());
    const QPointF top = centre + QPointF(0, -markRadius);
    for (double heading : {0.0, 10.0, 30.0, 90.0, 135.0, 270.0, 350.0, 360.0, 725.0}) {
        s.gauge->setProperty(input.constData(), heading);
        QVERIFY2(near(s, top, 0.6, isWhite), qPrintable(QStringLiteral("no mark at %1").arg(heading)));
        s.gauge->setProperty(input.constData(), heading + 5);
        QVERIFY2(near(s, top, 0.6, isWhite), qPrintable(QStringLiteral("no mark at %1").arg(heading + 5)));
        s.gauge->setProperty(input.constData(), heading + 2.5);
        QVERIFY2(!near(s, top, 0.6, isWhite), qPrintable(QStringLiteral("a mark at %1").arg(heading + 2.5)));
    }
}

// Where a needle's bar (a vertical line of its layer, at layer x `barX`)
// crosses a line of the gauge: y = `line` or, when `vertical`, x = `line`.
static QPointF crossing(QQuickItem *gauge, QQuickItem *needle, double barX, double line, bool vertical)
{
    const QPointF a = needle->mapToItem(gauge, QPointF(barX, 0));
    const QPointF b = needle->mapToItem(gauge, QPointF(barX, needle->height()));
    const double t = vertical ? (line - a.x()) / (b.x() - a.x()) : (line - a.y()) / (b.y() - a.y());
    return a + t * (b - a);
}

// At each dot of deviation the needle crosses the face's centre line on a
// drawn dot (the dots hidden under the course card are not drawn).
void TestNavArtwork::vorDotsUnderNeedles_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<int>("dots");
    QTest::newRow("course") << QByteArray("hDefDot") << QStringLiteral("courseNeedle") << false << 3;
    QTest::newRow("glide slope") << QByteArray("vDefDot") << QStringLiteral("glideNeedle") << true << 5;
}

void TestNavArtwork::vorDotsUnderNeedles()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, needle);
    QFETCH(bool, vertical);
    QFETCH(int, dots);
    const Shown face = open(QStringLiteral("Vor/VorInst.qml"), QStringLiteral("face"));
    QVERIFY(face.layer);
    QQuickItem *bar = face.gauge->findChild<QQuickItem *>(needle);
    QVERIFY(bar);
    QObject *rotation = firstTransform(bar);
    // The needle image carries its bar on its middle line.
    const double barX = bar->width() / 2;
    for (int dot = -dots; dot <= dots; ++dot) {
        if (dot == 0)
            continue;
        face.gauge->setProperty(input.constData(), dot);
        const double angle = vertical ? -90 + 8 * dot : -12 * dot;
        QTRY_COMPARE(rotation->property("angle").toDouble(), angle);
        const QPointF at = crossing(face.gauge, bar, barX, 105, vertical);
        QVERIFY2(near(face, at, 3.2, isWhite),
                 qPrintable(QStringLiteral("no dot under %1 dots at %2,%3").arg(dot).arg(at.x()).arg(at.y())));
    }
    // Between two dots the line is clear.
    face.gauge->setProperty(input.constData(), 1.5);
    QTRY_COMPARE(rotation->property("angle").toDouble(), vertical ? -78.0 : -18.0);
    QVERIFY(!near(face, crossing(face.gauge, bar, barX, 105, vertical), 1, isWhite));
}

void TestNavArtwork::obsDotsUnderNeedle()
{
    const Shown face = open(QStringLiteral("Obs/ObsInst.qml"), QStringLiteral("face"));
    QVERIFY(face.layer);
    QQuickItem *bar = face.gauge->findChild<QQuickItem *>(QStringLiteral("needle"));
    QObject *rotation = firstTransform(bar);
    for (int dot : {-3, -2, -1, 1, 2, 3}) {
        face.gauge->setProperty("obs_hDefDot", dot);
        QTRY_COMPARE(rotation->property("angle").toDouble(), -12.0 * dot);
        const QPointF at = crossing(face.gauge, bar, bar->width() / 2, 105, false);
        QVERIFY2(near(face, at, 3.2, isWhite), qPrintable(QStringLiteral("no dot under %1 dots").arg(dot)));
    }
}

// On course straight up, the deviation bar's middle stands on the dot of
// the deviation, 15 px per dot; the dots turn with the course.
void TestNavArtwork::hsiBarOverDots()
{
    const Shown dots = open(QStringLiteral("HSI/HSI.qml"), QStringLiteral("deviationScale"));
    QVERIFY(dots.layer);
    QQuickItem *bar = dots.gauge->findChild<QQuickItem *>(QStringLiteral("deviationBar"));
    for (double heading : {0.0, 90.0, 237.0}) {
        dots.gauge->setProperty("heading", heading);
        dots.gauge->setProperty("obs", heading);
        for (int dot : {-2, -1, 1, 2}) {
            dots.gauge->setProperty("cdi_dots", dot);
            const QPointF middle = bar->mapToItem(dots.gauge, QPointF(bar->width() / 2, bar->height() / 2));
            QCOMPARE(middle, QPointF(105 + 15 * dot, 105));
            QVERIFY2(near(dots, middle, 3.2, isWhite), qPrintable(QStringLiteral("no dot at %1").arg(dot)));
        }
    }
    // The dots turn with the course: at 90 degrees they stand in a column.
    dots.gauge->setProperty("heading", 0);
    dots.gauge->setProperty("obs", 90);
    QVERIFY(near(dots, QPointF(105, 105 + 30), 3.2, isWhite));
    QVERIFY(!near(dots, QPointF(105 + 30, 105), 3.2, isWhite));
}

void TestNavArtwork::adfNeedlePointsAtBearing()
{
    const Shown s = open(QStringLiteral("Adf/AdfInst.qml"), QStringLiteral("needle"));
    QVERIFY(s.layer);
    for (double bearing : {0.0, 45.0, 90.0, 200.0, 315.0}) {
        s.gauge->setProperty("needle", bearing);
        QVERIFY(isYellow(colourAt(s, polar({105, 105}, 70, bearing))));
        QVERIFY(!isYellow(colourAt(s, polar({105, 105}, 70, bearing + 90))));
    }
}

// The tape's mark for the heading stands under the lubber line (gauge x 75).
void TestNavArtwork::compassTapeUnderLubber_data()
{
    QTest::addColumn<double>("heading");
    QTest::addColumn<bool>("mark");
    for (double h : {0.0, 5.0, 30.0, 90.0, 185.0, 270.0, 355.0, 360.0})
        QTest::newRow(qPrintable(QString::number(h))) << h << true;
    for (double h : {2.5, 92.5, 357.5})
        QTest::newRow(qPrintable(QString::number(h))) << h << false;
}

void TestNavArtwork::compassTapeUnderLubber()
{
    QFETCH(double, heading);
    QFETCH(bool, mark);
    const Shown s = open(QStringLiteral("LinearCompass/LinearCompassInst.qml"), QStringLiteral("tape"));
    QVERIFY(s.layer);
    s.gauge->setProperty("value", heading);
    QCOMPARE(near(s, QPointF(75, 71), 0.6, isWhite), mark);
}

QTEST_MAIN(TestNavArtwork)

#include "tst_navartwork.moc"
