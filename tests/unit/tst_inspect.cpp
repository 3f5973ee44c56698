// radod-inspect, run as users run it: what it publishes to a document, how it
// sets root properties, that it waits for animations, and what it writes.
#include "servicetestsupport.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const char kGaugeDocument[] = R"(
import QtQuick
Rectangle {
    id: panel
    width: 300
    height: 200
    color: "black"
    property real value: 0
    property int count: 0
    property bool flag: false
    property color tint: "red"
    property var extra
    Text {
        id: label
        text: TimedProcessing + "|" + lock + "|" + configStringCessna.split(",").length + "|"
              + configStringBaron + "|" + timedDataString + "|" + speedsRefValues + "|" + id + "|"
              + typeof fileclass + "," + typeof fileObj + "," + typeof viewManager
              + "," + typeof g1000CommandManager
    }
    Rectangle {
        id: needle
        x: 10; y: 20; width: 4; height: 50
        opacity: 0.5
        visible: panel.flag
        color: panel.tint
        transform: [
            Rotation { origin.x: 2; origin.y: 50; angle: panel.value },
            Translate { x: 3; y: 4 }
        ]
    }
    Item {
        id: slider
        x: panel.count
        Behavior on x { NumberAnimation { duration: 800 } }
    }
    Text { id: extraLabel; text: JSON.stringify(panel.extra) }
}
)";

const char kWindowDocument[] = R"(
import QtQuick
Window {
    width: 120
    height: 90
    color: "green"
    Rectangle { id: box; width: 10; height: 10; color: "white" }
}
)";

} // namespace

class tst_Inspect : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void publishesWhatAModuleWindowWould();
    void setsRootPropertiesInTheirTypesAndWaitsForAnimations();
    void dumpsGeometryVisibilityAndTransforms();
    void rendersTheWindowAtItsSize();
    void windowDocumentsAreRenderedToo();
    void reportsBadInput_data();
    void reportsBadInput();

private:
    // Runs radod-inspect; its exit code.
    int inspect(const QStringList &arguments, QByteArray *errors = nullptr);
    QJsonArray runAndDump(const QStringList &arguments);
    static QJsonObject byId(const QJsonArray &items, const QString &id);

    QTemporaryDir m_dir;
    QString m_gauge;
    QString m_window;
};

void tst_Inspect::initTestCase()
{
    QVERIFY(QFileInfo(QStringLiteral(RADOD_BIN_DIR "/radod-inspect")).isExecutable());
    const auto write = [this](const QString &name, const char *text) {
        QFile f(m_dir.filePath(name));
        if (!f.open(QIODevice::WriteOnly))
            return QString();
        f.write(text);
        return f.fileName();
    };
    m_gauge = write(QStringLiteral("Gauge.qml"), kGaugeDocument);
    m_window = write(QStringLiteral("Window.qml"), kWindowDocument);
    QVERIFY(!m_gauge.isEmpty() && !m_window.isEmpty());
    QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("exchange"))));
}

int tst_Inspect::inspect(const QStringList &arguments, QByteArray *errors)
{
    return support::runInspect(arguments, m_dir.filePath(QStringLiteral("exchange")), errors);
}

QJsonArray tst_Inspect::runAndDump(const QStringList &arguments)
{
    const QString json = m_dir.filePath(QStringLiteral("dump.json"));
    QFile::remove(json);
    QByteArray errors;
    const int code = inspect(arguments + QStringList{QStringLiteral("--json"), json}, &errors);
    if (code != 0) {
        qWarning() << "radod-inspect ended with" << code << errors;
        return {};
    }
    QFile f(json);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(f.readAll()).array();
}

QJsonObject tst_Inspect::byId(const QJsonArray &items, const QString &id)
{
    for (const QJsonValue &v : items) {
        if (v.toObject().value(QStringLiteral("id")).toString() == id)
            return v.toObject();
    }
    return {};
}

void tst_Inspect::publishesWhatAModuleWindowWould()
{
    const QJsonArray items = runAndDump({m_gauge, QStringLiteral("--values"), QStringLiteral("1;2"),
                                         QStringLiteral("--lock"), QStringLiteral("1"),
                                         QStringLiteral("--radio"), QStringLiteral("r"),
                                         QStringLiteral("--speeds"), QStringLiteral("s"),
                                         QStringLiteral("--id"), QStringLiteral("2"),
                                         QStringLiteral("--layout"), QStringLiteral("configStringBaron=a,b")});
    QVERIFY(!items.isEmpty());
    // The Cessna layout property holds the module's 94-field default.
    QCOMPARE(byId(items, QStringLiteral("label")).value(QStringLiteral("text")).toString(),
             QStringLiteral("1;2|1|94|a,b|r|s|2|object,object,object,object"));

    // TEXT|@FILE: the value vector read from a file.
    const QString values = m_dir.filePath(QStringLiteral("values.txt"));
    QFile f(values);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("7;8;9\n");
    f.close();
    const QJsonArray fromFile = runAndDump({m_gauge, QStringLiteral("--values"), QLatin1Char('@') + values});
    QVERIFY(byId(fromFile, QStringLiteral("label")).value(QStringLiteral("text")).toString()
                .startsWith(QStringLiteral("7;8;9\n||94|")));
}

void tst_Inspect::setsRootPropertiesInTheirTypesAndWaitsForAnimations()
{
    const QJsonArray items = runAndDump({m_gauge, QStringLiteral("--property"), QStringLiteral("value=45.5"),
                                         QStringLiteral("--property"), QStringLiteral("count=12.6"),
                                         QStringLiteral("--property"), QStringLiteral("flag=true"),
                                         QStringLiteral("--property"), QStringLiteral("tint=#00ff00"),
                                         QStringLiteral("--property=extra=[1,2]")});
    QVERIFY(!items.isEmpty());
    QCOMPARE(byId(items, QStringLiteral("needle")).value(QStringLiteral("transforms")).toArray()
                 .at(0).toObject().value(QStringLiteral("angle")).toDouble(), 45.5);
    // 12.6 for an int is rounded; the 800 ms animation towards it has ended.
    QCOMPARE(byId(items, QStringLiteral("slider")).value(QStringLiteral("x")).toDouble(), 13.0);
    QCOMPARE(byId(items, QStringLiteral("needle")).value(QStringLiteral("visible")).toBool(), true);
    QCOMPARE(byId(items, QStringLiteral("extraLabel")).value(QStringLiteral("text")).toString(),
             QStringLiteral("[1,2]"));

    // With --wait the picture is taken then, animations or not.
    const QJsonArray early = runAndDump({m_gauge, QStringLiteral("--property"), QStringLiteral("count=100"),
                                         QStringLiteral("--wait"), QStringLiteral("0")});
    QVERIFY(!early.isEmpty());
    QVERIFY(byId(early, QStringLiteral("slider")).value(QStringLiteral("x")).toDouble() < 100);
}

void tst_Inspect::dumpsGeometryVisibilityAndTransforms()
{
    const QJsonArray items = runAndDump({m_gauge});
    QVERIFY(items.size() >= 5);
    // Tree order: the root first.
    const QJsonObject root = items.at(0).toObject();
    QCOMPARE(root.value(QStringLiteral("id")).toString(), QStringLiteral("panel"));
    // A root that declares properties is of the document's own type.
    QCOMPARE(root.value(QStringLiteral("type")).toString(), QStringLiteral("Gauge"));
    QCOMPARE(root.value(QStringLiteral("file")).toString(), QUrl::fromLocalFile(m_gauge).toString());
    QCOMPARE(root.value(QStringLiteral("width")).toDouble(), 300.0);
    QCOMPARE(items.at(1).toObject().value(QStringLiteral("id")).toString(), QStringLiteral("label"));

    const QJsonObject needle = byId(items, QStringLiteral("needle"));
    for (const char *key : {"x", "y", "width", "height", "scale", "rotation", "opacity", "visible", "z"})
        QVERIFY2(needle.contains(QLatin1String(key)), key);
    QCOMPARE(needle.value(QStringLiteral("x")).toDouble(), 10.0);
    QCOMPARE(needle.value(QStringLiteral("opacity")).toDouble(), 0.5);
    QCOMPARE(needle.value(QStringLiteral("visible")).toBool(), false);
    QVERIFY(!needle.contains(QStringLiteral("text")));

    const QJsonArray transforms = needle.value(QStringLiteral("transforms")).toArray();
    QCOMPARE(transforms.size(), 2);
    const QJsonObject rotation = transforms.at(0).toObject();
    QCOMPARE(rotation.value(QStringLiteral("kind")).toString(), QStringLiteral("Rotation"));
    QCOMPARE(rotation.value(QStringLiteral("origin")).toObject().value(QStringLiteral("y")).toDouble(), 50.0);
    const QJsonObject translate = transforms.at(1).toObject();
    QCOMPARE(translate.value(QStringLiteral("kind")).toString(), QStringLiteral("Translate"));
    QCOMPARE(translate.value(QStringLiteral("translation")).toObject().value(QStringLiteral("x")).toDouble(), 3.0);
    QCOMPARE(translate.value(QStringLiteral("translation")).toObject().value(QStringLiteral("y")).toDouble(), 4.0);

    // An item declared in a document that another one uses: its own document.
    const QJsonArray placeholder = runAndDump({QStringLiteral("qrc:/Classes/ModulePlaceholder.qml")});
    QCOMPARE(placeholder.at(0).toObject().value(QStringLiteral("type")).toString(),
             QStringLiteral("ModulePlaceholder"));
    QCOMPARE(byId(placeholder, QStringLiteral("titleLabel")).value(QStringLiteral("file")).toString(),
             QStringLiteral("qrc:/Classes/ModulePlaceholder.qml"));
}

void tst_Inspect::rendersTheWindowAtItsSize()
{
    const QString png = m_dir.filePath(QStringLiteral("gauge.png"));
    QCOMPARE(inspect({m_gauge, QStringLiteral("--png"), png}), 0);
    QImage image(png);
    QCOMPARE(image.size(), QSize(300, 200));
    QCOMPARE(QColor(image.pixel(290, 190)), QColor(Qt::black));

    QCOMPARE(inspect({m_gauge, QStringLiteral("--size"), QStringLiteral("150x100"), QStringLiteral("--png"), png}), 0);
    QCOMPARE(QImage(png).size(), QSize(150, 100));
}

void tst_Inspect::windowDocumentsAreRenderedToo()
{
    const QString png = m_dir.filePath(QStringLiteral("window.png"));
    const QJsonArray items = runAndDump({m_window, QStringLiteral("--png"), png});
    QCOMPARE(byId(items, QStringLiteral("box")).value(QStringLiteral("type")).toString(), QStringLiteral("Rectangle"));
    QImage image(png);
    QVERIFY(!image.isNull());
    QCOMPARE(QColor(image.pixel(image.width() - 1, image.height() - 1)), QColor(QStringLiteral("green")));
}

void tst_Inspect::reportsBadInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("no document") << QStringList{} << 1;
    QTest::newRow("unknown option") << QStringList{QStringLiteral("qrc:/Caravan/caravan.qml"), QStringLiteral("--bogus")} << 1;
    QTest::newRow("bad size") << QStringList{QStringLiteral("qrc:/Caravan/caravan.qml"), QStringLiteral("--size"), QStringLiteral("big")} << 1;
    QTest::newRow("missing value file") << QStringList{QStringLiteral("qrc:/Caravan/caravan.qml"), QStringLiteral("--values"), QStringLiteral("@/nonexistent/v.txt")} << 1;
    QTest::newRow("unknown root property") << QStringList{QStringLiteral("qrc:/Caravan/caravan.qml"), QStringLiteral("--property"), QStringLiteral("nope=1"), QStringLiteral("--json"), QStringLiteral("-")} << 1;
    QTest::newRow("unconvertible value") << QStringList{QStringLiteral("--property"), QStringLiteral("flag=maybe")} << 1;
    QTest::newRow("missing document") << QStringList{QStringLiteral("qrc:/Nothing/here.qml")} << 2;
}

void tst_Inspect::reportsBadInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    if (QTest::currentDataTag() == QLatin1String("unconvertible value"))
        arguments.prepend(m_gauge);
    QByteArray errors;
    QCOMPARE(inspect(arguments, &errors), exitCode);
    QVERIFY(errors.contains("radod-inspect:") || errors.contains("No such file"));
}

QTEST_MAIN(tst_Inspect)

#include "tst_inspect.moc"
