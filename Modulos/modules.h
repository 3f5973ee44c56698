#pragma once

#include "windowconfigindices.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

// What distinguishes the module windows from one another, as data. The window
// family (ModuleWindow and its thin subclasses), start-up, the document
// inspector and the documents themselves (through the script that the build
// writes from this table, qrc:/Classes/Modules.js) all read it from here.
//
// Adding a panel means: its document, a row in modules.cpp, and a thin window
// class only when the window needs inputs that start-up does not have.

enum class Module {
    Caravan,
    Baron,
    Cessna,
    StandBy,
    RadioAvionico,
    RadioCompac,
    EIS,
    Annunciator,
    ReferencesScreen,
    SpeedReferences,
    G1000,          // a G1000 screen of the shared configG1000.txt
    G1000Screen,    // a G1000 screen with a configuration file of its own
    CaravanExpress, // the engine strip in a frameless window of its own
};

// Names of the files of the exchange folder that are not a module's own.
namespace ExchangeFiles {
inline const QString values = QStringLiteral("TimedProcessing.txt");
inline const QString radioValues = QStringLiteral("TPRadioAvionico.txt");
inline const QString lock = QStringLiteral("lock.txt");
inline const QString lockGeral = QStringLiteral("lockGeral.txt");
inline const QString commands = QStringLiteral("commands.txt");
inline const QString speedsRef = QStringLiteral("speedsRef.txt");
} // namespace ExchangeFiles

// How a window is built from what start-up has read (value vectors, lock flag,
// layout string, file service).
enum class WindowForm {
    Panel,    // value vector, lock flag, layout string, `fileclass`, `viewManager`
    Radio,    // `fileObj`, `viewManager`, radio value vector, layout string
    OwnClass, // needs more (an id, the reference speeds): built by its own class
};

// What a window's constructor applies of the window geometry stored in its
// layout string (the others leave it to their documents).
enum class ConstructorPlacement {
    None,
    Position,
    PositionAndSize,
};

// The geometry a window's constructor applies, once the layout string holds
// more than `moreThanFields` fields.
struct ConstructorGeometry
{
    WindowConfigIndices fields;
    int moreThanFields = 0;
    bool resize = false; // false: position only
};

struct ModuleInfo
{
    Module module = Module::Caravan;
    QString className;
    QString objectName;      // object name of the window's form
    QString formTitle;       // the form's window title (start-up replaces it)
    QUrl document;           // the panel document the window hosts
    QStringList configFiles; // configuration files in the exchange folder, one
                             // per window of the module (Annunciator: ids 1, 2)
    QString configFile;      // the first of them
    QString layoutProperty;  // context property that carries the layout string
    QString defaultLayout;   // layout string written when the file is missing
    WindowForm form = WindowForm::Panel;
    bool translucent = false;    // desktop shows through what the document leaves undrawn
    bool commandChannel = false; // publishes a G1000 knob-command channel

    // Where the layout string stores the window's geometry, which the geometry
    // service writes on request; none for modules whose geometry is not saved.
    std::optional<WindowConfigIndices> windowFields;
    ConstructorPlacement constructorPlacement = ConstructorPlacement::None;
    // Positions the constructor reads where the geometry service saves none.
    std::optional<WindowConfigIndices> constructorFields;

    // Start-up: opened in table order (or, for the others, when the settings
    // file asks for them: ExtraWindows), titled, registered with the
    // instrument manager as following these value files.
    bool opensAtStart = false;
    QString startupTitle;
    QStringList valueFiles;

    // The geometry the window's constructor applies, if any: the stored window
    // fields, applied once the string holds all of them.
    std::optional<ConstructorGeometry> constructorGeometry() const;
};

namespace Modules {

const ModuleInfo &info(Module module);

// Every module, in the order of the Module enumeration (which is the order
// start-up opens them in).
const QList<ModuleInfo> &all();

// The module whose window hosts `document`, or nullptr.
const ModuleInfo *byDocument(const QUrl &document);

// The configuration file of annunciator window `id` (1 or 2); empty for any
// other id, which has no geometry service.
QString annunciatorConfigFile(int id);

// The configuration file of window `id` of a module: the annunciator's by
// its number, a G1000 screen's own file (G1000\configN<id>.txt, the module's
// file name with %1 standing for the screen number), the module's file for
// the others.
QString configFileFor(Module module, int id);

} // namespace Modules
