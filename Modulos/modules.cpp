#include "modules.h"

#include "renderbackend.h"

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

constexpr ConstructorGeometry kNoGeometry{};
// Caravan: position from fields 16 and 17, size from 18 and 19.
constexpr ConstructorGeometry kCaravanGeometry{true, 19, 16, 17, 18, 19, true};
// G1000 windows: position from fields 0 and 1, size from 2 and 3.
constexpr ConstructorGeometry kG1000Geometry{true, 3, 0, 1, 2, 3, true};
constexpr ConstructorGeometry kAnnunciatorGeometry{true, 3, 0, 1, 2, 3, false};

QList<ModuleInfo> buildTable()
{
    const auto url = [](const char *path) { return QUrl(QString::fromLatin1(path)); };
    const QString mainWindow = QStringLiteral("MainWindow");
    QList<ModuleInfo> t;
    t.append({Module::Caravan, "Caravan", "Caravan", "Caravan", "configCaravan.txt", "configStringCaravan",
              url("qrc:/Caravan/caravan.qml"), kCaravanDefault, kCaravanGeometry});
    t.append({Module::Baron, "Baron", "Baron", mainWindow, "configBaron.txt", "configStringBaron",
              url("qrc:/Baron/Baron.qml"), kBaronDefault, kNoGeometry});
    t.append({Module::Cessna, "Cessna", "Cessna", mainWindow, "config.txt", "configStringCessna",
              url("qrc:/Cessna/Cessna.qml"), kCessnaDefault, kNoGeometry});
    t.append({Module::StandBy, "StandBy", "StandBy", mainWindow, "configStandBy.txt", "configStringStandBy",
              url("qrc:/Cessna/StandBy/StandBy.qml"), kStandByDefault, kNoGeometry});
    t.append({Module::RadioAvionico, "RadioAvionico", "RadioAvionico", mainWindow, "configRadio.txt",
              "formDataString", url("qrc:/RadioAvionico/RadioAvionico.qml"), kRadioDefault, kNoGeometry,
              true});
    t.append({Module::RadioCompac, "RadioCompac", "radiocompac", mainWindow, "configRadio.txt",
              "formDataString", url("qrc:/RadioCompacto/radioCompac.qml"), kRadioDefault, kNoGeometry,
              true});
    t.append({Module::EIS, "EIS", "EIS", mainWindow, "configEIS.txt", "configStringEIS",
              url("qrc:/Caravan/G1000/EIS/EIS.qml"), QString(), kG1000Geometry});
    t.append({Module::Annunciator, "Annunciator", "Annunciator", mainWindow, "configCaravanAnnunciator.txt",
              "configStringAnnunciator", url("qrc:/Caravan/G1000/Annunciator/Annunciator.qml"), QString(),
              kAnnunciatorGeometry});
    t.append({Module::ReferencesScreen, "ReferencesScreen", "ReferencesScreen", mainWindow,
              "configReferences.txt", "configStringReferences",
              url("qrc:/Caravan/G1000/ReferencesScreen/ReferencesScreen.qml"), QString(), kG1000Geometry,
              false, false, true});
    t.append({Module::SpeedReferences, "SpeedReferences", "SpeedReferences", mainWindow,
              "configReferences.txt", "configStringSpeedsRef",
              url("qrc:/Caravan/G1000/SpeedReferences/SpeedReferences.qml"), QString(), kG1000Geometry,
              false, true});
    return t;
}

} // namespace

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
    switch (id) {
    case 1:
        return QStringLiteral("configCaravanAnnunciator.txt");
    case 2:
        return QStringLiteral("configCaravanAnnunciator2.txt");
    default:
        return QString();
    }
}

void useSoftwareQuickWhenHeadless()
{
    if (RenderBackend::preferSoftware(RenderBackend::thisMachine()))
        qputenv("QT_QUICK_BACKEND", "software");
}

} // namespace Modules
