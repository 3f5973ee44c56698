// The module table as the documents see it: the script the build writes and
// mounts at qrc:/Classes/Modules.js, against the C++ table it was written from.
#include "exchangedirectory.h"
#include "modules.h"
#include "modulesscript.h"

#include <QFile>
#include <QJSEngine>
#include <QRegularExpression>
#include <QtTest>

namespace {

// The script as plain JavaScript: its `.pragma library` line is QML's.
QJSValue evaluate(QJSEngine &engine, QString script)
{
    script.remove(QRegularExpression(QStringLiteral("^\\.pragma[^\\n]*"),
                                     QRegularExpression::MultilineOption));
    return engine.evaluate(script);
}

QJSValue windowFieldsOf(const ModuleInfo &m, QJSEngine &engine)
{
    if (!m.windowFields)
        return QJSValue(QJSValue::NullValue);
    QJSValue o = engine.newObject();
    o.setProperty(QStringLiteral("x"), m.windowFields->xIndex);
    o.setProperty(QStringLiteral("y"), m.windowFields->yIndex);
    o.setProperty(QStringLiteral("width"), m.windowFields->hasSize ? m.windowFields->widthIndex : -1);
    o.setProperty(QStringLiteral("height"), m.windowFields->hasSize ? m.windowFields->heightIndex : -1);
    return o;
}

} // namespace

Q_DECLARE_METATYPE(Module)

class tst_ModulesScript : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void carriesEveryRowOfTheTable_data();
    void carriesEveryRowOfTheTable();
    void namesTheExchangeFilesAsStartUpDoes();
    void writesAnyTextAsItIs();

private:
    QJSEngine m_engine;
};

void tst_ModulesScript::initTestCase()
{
    QFile file(QStringLiteral(":/Classes/Modules.js"));
    QVERIFY2(file.open(QIODevice::ReadOnly), "Modules.js is not in the resource tree");
    const QJSValue result = evaluate(m_engine, QString::fromUtf8(file.readAll()));
    QVERIFY2(!result.isError(), qPrintable(result.toString()));
}

void tst_ModulesScript::carriesEveryRowOfTheTable_data()
{
    QTest::addColumn<Module>("module");
    for (const ModuleInfo &m : Modules::all())
        QTest::newRow(qPrintable(m.className)) << m.module;
}

void tst_ModulesScript::carriesEveryRowOfTheTable()
{
    QFETCH(Module, module);
    const ModuleInfo &m = Modules::info(module);
    const QJSValue row = m_engine.globalObject().property(m.className);
    QVERIFY2(row.isObject(), "no object named as the module");

    QCOMPARE(row.property(QStringLiteral("name")).toString(), m.className);
    QCOMPARE(row.property(QStringLiteral("configFile")).toString(), m.configFile);
    QCOMPARE(row.property(QStringLiteral("configFiles")).toVariant().toStringList(), m.configFiles);
    QCOMPARE(row.property(QStringLiteral("configPath")).toString(), ExchangeDirectory::literalPath(m.configFile));
    QCOMPARE(row.property(QStringLiteral("layoutProperty")).toString(), m.layoutProperty);
    QCOMPARE(row.property(QStringLiteral("defaultLayout")).toString(), m.defaultLayout);
    const QJSValue fields = row.property(QStringLiteral("windowFields"));
    QCOMPARE(fields.toVariant(), windowFieldsOf(m, m_engine).toVariant());

    // Every document shares the objects: none can change them for the others.
    const QJSValue isFrozen = m_engine.evaluate(QStringLiteral("Object.isFrozen"));
    QVERIFY(isFrozen.call({row}).toBool());
    if (fields.isObject())
        QVERIFY(isFrozen.call({fields}).toBool());
}

void tst_ModulesScript::namesTheExchangeFilesAsStartUpDoes()
{
    const QJSValue global = m_engine.globalObject();
    QCOMPARE(global.property(QStringLiteral("exchangeFolder")).toString(), ExchangeDirectory::literalRoot());
    const std::pair<const char *, QString> paths[] = {
        {"lockPath", ExchangeFiles::lock},           {"lockGeralPath", ExchangeFiles::lockGeral},
        {"valuesPath", ExchangeFiles::values},       {"radioValuesPath", ExchangeFiles::radioValues},
        {"commandsPath", ExchangeFiles::commands},   {"speedsRefPath", ExchangeFiles::speedsRef},
    };
    for (const auto &[name, file] : paths)
        QCOMPARE(global.property(QLatin1String(name)).toString(), ExchangeDirectory::literalPath(file));
    QCOMPARE(global.property(QStringLiteral("path")).call({QStringLiteral("x.txt")}).toString(),
             ExchangeDirectory::literalPath(QStringLiteral("x.txt")));
}

void tst_ModulesScript::writesAnyTextAsItIs()
{
    // Quotes, backslashes, line ends, JavaScript's own line separators,
    // control characters and text beyond ASCII.
    const QString hostile = QStringLiteral("a\"b\\c\nd\re\tf") + QChar(0x2028) + QChar(0x2029) + QChar(0x0001)
        + QChar(0x007f) + QStringLiteral("</script>é") + QString::fromUtf8("\xF0\x9F\x9B\xA9");
    ModuleInfo m;
    m.className = QStringLiteral("Hostile");
    m.configFiles = {QStringLiteral("dir\\") + hostile, QStringLiteral("second")};
    m.configFile = m.configFiles.first();
    m.layoutProperty = hostile;
    m.defaultLayout = hostile + QStringLiteral(",1,2");
    m.windowFields = WindowConfigIndices{4, 5, 0, 0, false};

    const QString script = ModulesScript::write({m});
    for (const QChar c : script)
        QVERIFY2(c.unicode() < 0x80, "the script is not plain ASCII");
    QJSEngine engine;
    const QJSValue result = evaluate(engine, script);
    QVERIFY2(!result.isError(), qPrintable(result.toString()));
    const QJSValue row = engine.globalObject().property(QStringLiteral("Hostile"));
    QCOMPARE(row.property(QStringLiteral("layoutProperty")).toString(), hostile);
    QCOMPARE(row.property(QStringLiteral("defaultLayout")).toString(), m.defaultLayout);
    QCOMPARE(row.property(QStringLiteral("configFiles")).toVariant().toStringList(), m.configFiles);
    QCOMPARE(row.property(QStringLiteral("configPath")).toString(), ExchangeDirectory::literalPath(m.configFile));
    QCOMPARE(row.property(QStringLiteral("windowFields")).toVariant(), windowFieldsOf(m, engine).toVariant());
}

QTEST_MAIN(tst_ModulesScript)

#include "tst_modulesscript.moc"
