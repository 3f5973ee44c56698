#include "modules.h"

namespace {

// Layout strings written when a module's configuration file is missing. The
// Baron zoom keeps all its digits: it is stored exactly as the panel wrote it.
const char kCessnaDefault[] =
    "440,226,210,1,871,226,210,1,656,226,210,1,656,442,210,1,440,442,210,1,872,442,210,1,"
    "8,658,210,1,224,658,210,1,2,452,210,1,224,442,210,1,224,226,210,1,872,658,210,1,"
    "1088,182,210,1,1088,442,210,1,1088,658,210,1,1117,57,90,1,791,87,79,1,91,87,77,1,"
    "424,88,45,1,6,218,210,1,490,700,210,1,630,700,180,1,RADOD,0,23,1920,1017,1";
const char kBaronDefault[] =
    "0,23,1920,1009,0.8999999999999964,152,92,210,1,738,86,260,1,449,339,210,1,450,94,320,1,"
    "1243,186,180,1,1059,186,180,1,1243,0,180,1,1059,0,180,1,1244,370,180,1,1059,371,180,1,"
    "1243,738,180,1,1055,740,180,1,739,339,210,1,1246,554,180,1,1057,554,180,1,12,345,160,1,"
    "0,345,160,1,219,618,249,1";
const char kCaravanDefault[] = "285,356,300,1,665,367,400,1,1045,352,300,1,1420,338,300,1,0,0,1920,1080";
const char kStandByDefault[] =
    "168,236,210,1,390,225,210,1,174,9,210,1,174,441,210,1,390,441,210,1,60,687,182,1,"
    "168,236,210,1,1,23,600,1000,1,1";
const char kRadioDefault[] = "0,0,1.00,1.00,0,0,0,0.30";
// The G1000 displays (x, y, width, height, zoom), side by side on the left of
// a 1920 x 1080 screen: the engine strip, an annunciator list beside its top,
// the references page below that (it moves itself off screen until the
// avionics open the page) and the speed markers beside the page.
const char kEisDefault[] = "0,40,240,1000,1";
const char kAnnunciatorDefault[] = "250,40,120,100,1";
const char kReferencesDefault[] = "250,400,330,230,1";
const char kSpeedsRefDefault[] = "590,345,90,342,1";
// The G1000 screens: the same three displays in one transparent window of
// 700 x 1000 below the top of the screen (window line first, then the engine
// strip, the references page and the speed markers inside the window). The
// shared file starts with screens 1 and 2 side by side; a screen's own file
// holds one.
const char kG1000Default[] =
    "N1-0,40,700,1000,1.0000\nA-0,0,0,0,0\nE-0,0,240,1000,1.0000\nR-250,360,330,230,1\nS-590,305,90,342,1.0000\n\n"
    "N2-960,40,700,1000,1.0000\nA-0,0,0,0,0\nE-0,0,240,1000,1.0000\nR-250,360,330,230,1\nS-590,305,90,342,1.0000";
const char kG1000ScreenDefault[] = "0,40,700,1000,1\nE-0,0,1\nR-250,360,330,230,1\nS-590,305,90,342,1";

// x, y, width and height stored in four consecutive fields from `first` on.
constexpr WindowConfigIndices fourFieldsFrom(int first)
{
    return {first, first + 1, first + 2, first + 3, true};
}

// Builds a row field by field; what is not set keeps the ModuleInfo default.
class Row
{
public:
    Row(Module module, const char *className)
    {
        m.module = module;
        m.className = QString::fromLatin1(className);
        m.objectName = m.className;
        m.formTitle = QStringLiteral("MainWindow");
    }
    Row &objectName(const char *name) { m.objectName = QString::fromLatin1(name); return *this; }
    Row &formTitle(const char *title) { m.formTitle = QString::fromLatin1(title); return *this; }
    Row &document(const char *url) { m.document = QUrl(QString::fromLatin1(url)); return *this; }
    Row &configFiles(const QStringList &files)
    {
        m.configFiles = files;
        m.configFile = files.value(0);
        return *this;
    }
    Row &configFile(const char *file) { return configFiles({QString::fromLatin1(file)}); }
    Row &layoutProperty(const char *name) { m.layoutProperty = QString::fromLatin1(name); return *this; }
    Row &defaultLayout(const char *layout) { m.defaultLayout = QString::fromLatin1(layout); return *this; }
    Row &form(WindowForm form) { m.form = form; return *this; }
    Row &translucent() { m.translucent = true; return *this; }
    Row &commandChannel() { m.commandChannel = true; return *this; }
    Row &windowFields(const WindowConfigIndices &fields) { m.windowFields = fields; return *this; }
    Row &constructorPlaces(ConstructorPlacement placement) { m.constructorPlacement = placement; return *this; }
    Row &constructorFields(const WindowConfigIndices &fields) { m.constructorFields = fields; return *this; }
    Row &opensAtStart(const QString &title, const QStringList &valueFiles)
    {
        opensOnRequest(title, valueFiles);
        m.opensAtStart = true;
        return *this;
    }
    Row &opensOnRequest(const QString &title, const QStringList &valueFiles)
    {
        m.startupTitle = title;
        m.valueFiles = valueFiles;
        return *this;
    }
    operator ModuleInfo() const { return m; }

private:
    ModuleInfo m;
};

QList<ModuleInfo> buildTable()
{
    const QStringList panelFiles{ExchangeFiles::values, ExchangeFiles::lock};
    const QStringList radioFiles{ExchangeFiles::radioValues};
    // The references windows follow the reference speeds too, which the page
    // edits and the speed markers show.
    const QStringList referencesFiles = panelFiles + QStringList{ExchangeFiles::speedsRef};
    QList<ModuleInfo> t;
    t << Row(Module::Caravan, "Caravan")
             .formTitle("Caravan")
             .document("qrc:/Caravan/caravan.qml")
             .configFile("configCaravan.txt")
             .layoutProperty("configStringCaravan")
             .defaultLayout(kCaravanDefault)
             .windowFields(fourFieldsFrom(16))
             .constructorPlaces(ConstructorPlacement::PositionAndSize)
             .opensAtStart(QStringLiteral("Radod - Caravan"), panelFiles);
    t << Row(Module::Baron, "Baron")
             .document("qrc:/Baron/Baron.qml")
             .configFile("configBaron.txt")
             .layoutProperty("configStringBaron")
             .defaultLayout(kBaronDefault)
             .windowFields(fourFieldsFrom(0))
             .opensAtStart(QStringLiteral("Radod - Módulo Baron"), panelFiles);
    t << Row(Module::Cessna, "Cessna")
             .document("qrc:/Cessna/Cessna.qml")
             .configFile("config.txt")
             .layoutProperty("configStringCessna")
             .defaultLayout(kCessnaDefault)
             .windowFields(fourFieldsFrom(89))
             .opensAtStart(QStringLiteral("Radod - Módulo Cessna"), panelFiles);
    t << Row(Module::StandBy, "StandBy")
             .document("qrc:/Cessna/StandBy/StandBy.qml")
             .configFile("configStandBy.txt")
             .layoutProperty("configStringStandBy")
             .defaultLayout(kStandByDefault)
             .windowFields(fourFieldsFrom(28))
             .opensAtStart(QStringLiteral("Radod - Módulo StandBy"), panelFiles);
    // Both radios share one layout string, which stores the position only and
    // is not written by the geometry service.
    t << Row(Module::RadioAvionico, "RadioAvionico")
             .document("qrc:/RadioAvionico/RadioAvionico.qml")
             .configFile("configRadio.txt")
             .layoutProperty("formDataString")
             .defaultLayout(kRadioDefault)
             .form(WindowForm::Radio)
             .opensAtStart(QStringLiteral("Radod - Rádio Aviônico"), radioFiles);
    t << Row(Module::RadioCompac, "RadioCompac")
             .objectName("radiocompac")
             .document("qrc:/RadioCompacto/radioCompac.qml")
             .configFile("configRadio.txt")
             .layoutProperty("formDataString")
             .defaultLayout(kRadioDefault)
             .form(WindowForm::Radio)
             .opensAtStart(QStringLiteral("Radod - Rádio Compacto"), radioFiles);
    t << Row(Module::EIS, "EIS")
             .document("qrc:/Caravan/G1000/EIS/EIS.qml")
             .configFile("configEIS.txt")
             .layoutProperty("configStringEIS")
             .defaultLayout(kEisDefault)
             .windowFields(fourFieldsFrom(0))
             .constructorPlaces(ConstructorPlacement::PositionAndSize)
             .opensOnRequest(QStringLiteral("Radod - EIS"), panelFiles);
    t << Row(Module::Annunciator, "Annunciator")
             .document("qrc:/Caravan/G1000/Annunciator/Annunciator.qml")
             .configFiles({QStringLiteral("configCaravanAnnunciator.txt"),
                           QStringLiteral("configCaravanAnnunciator2.txt")})
             .layoutProperty("configStringAnnunciator")
             .defaultLayout(kAnnunciatorDefault)
             .form(WindowForm::OwnClass)
             .windowFields(fourFieldsFrom(0))
             .constructorPlaces(ConstructorPlacement::Position)
             .opensOnRequest(QStringLiteral("Radod - Annunciator"), panelFiles);
    // The references windows keep their geometry in fields 0 to 3 as well,
    // but the geometry service saves none of it. The speed markers have a
    // file of their own: they stand beside an airspeed tape, not on the page.
    t << Row(Module::ReferencesScreen, "ReferencesScreen")
             .document("qrc:/Caravan/G1000/ReferencesScreen/ReferencesScreen.qml")
             .configFile("configReferences.txt")
             .layoutProperty("configStringReferences")
             .defaultLayout(kReferencesDefault)
             .form(WindowForm::OwnClass)
             .commandChannel()
             .constructorPlaces(ConstructorPlacement::PositionAndSize)
             .constructorFields(fourFieldsFrom(0))
             .opensOnRequest(QStringLiteral("Radod - References"), referencesFiles);
    t << Row(Module::SpeedReferences, "SpeedReferences")
             .document("qrc:/Caravan/G1000/SpeedReferences/SpeedReferences.qml")
             .configFile("configSpeedsRef.txt")
             .layoutProperty("configStringSpeedsRef")
             .defaultLayout(kSpeedsRefDefault)
             .form(WindowForm::OwnClass)
             .translucent()
             .constructorPlaces(ConstructorPlacement::PositionAndSize)
             .constructorFields(fourFieldsFrom(0))
             .opensOnRequest(QStringLiteral("Radod - Speed References"), referencesFiles);
    // The G1000 screens compose the three displays in one transparent window
    // and place it themselves; the shared file keeps one block per screen,
    // whose window line the geometry service writes by the screen's key.
    t << Row(Module::G1000, "G1000")
             .document("qrc:/Caravan/G1000/g1000.qml")
             .configFile("configG1000.txt")
             .layoutProperty("configStringG1000")
             .defaultLayout(kG1000Default)
             .form(WindowForm::OwnClass)
             .translucent()
             .opensOnRequest(QStringLiteral("Radod - G1000"), referencesFiles);
    t << Row(Module::G1000Screen, "G1000Screen")
             .document("qrc:/Caravan/G1000/n1.qml")
             .configFile("G1000\\configN%1.txt")
             .layoutProperty("configString")
             .defaultLayout(kG1000ScreenDefault)
             .form(WindowForm::OwnClass)
             .translucent()
             .windowFields(fourFieldsFrom(0))
             .opensOnRequest(QStringLiteral("Radod - G1000 N"), referencesFiles);
    // An engine-hosted window (no module window): the engine strip with the
    // layout string of the EIS window.
    t << Row(Module::CaravanExpress, "caravan_express")
             .document("qrc:/Caravan/caravan_express.qml")
             .configFile("configEIS.txt")
             .layoutProperty("configStringEIS")
             .defaultLayout(kEisDefault)
             .form(WindowForm::OwnClass)
             .opensOnRequest(QStringLiteral("Radod - Caravan Express"), panelFiles);
    return t;
}

} // namespace

std::optional<ConstructorGeometry> ModuleInfo::constructorGeometry() const
{
    const std::optional<WindowConfigIndices> fields = constructorFields ? constructorFields : windowFields;
    if (constructorPlacement == ConstructorPlacement::None || !fields)
        return std::nullopt;
    return ConstructorGeometry{*fields, fields->highestIndex(),
                               constructorPlacement == ConstructorPlacement::PositionAndSize};
}

namespace Modules {

const QList<ModuleInfo> &all()
{
    static const QList<ModuleInfo> table = buildTable();
    return table;
}

const ModuleInfo &info(Module module)
{
    return all().at(static_cast<int>(module));
}

const ModuleInfo *byDocument(const QUrl &document)
{
    for (const ModuleInfo &m : all()) {
        if (m.document == document)
            return &m;
    }
    return nullptr;
}

QString annunciatorConfigFile(int id)
{
    // Ids count from 1.
    return id >= 1 ? info(Module::Annunciator).configFiles.value(id - 1) : QString();
}

QString configFileFor(Module module, int id)
{
    switch (module) {
    case Module::Annunciator:
        return annunciatorConfigFile(id);
    case Module::G1000Screen:
        return info(module).configFile.arg(id);
    default:
        return info(module).configFile;
    }
}

} // namespace Modules
