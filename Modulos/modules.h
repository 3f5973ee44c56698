#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// What distinguishes the module windows from one another, as data. The window
// family (ModuleWindow and its ten thin subclasses), start-up and the document
// inspector all read it from here.

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
};

// Window-geometry fields that a window's constructor applies from its layout
// string, when the string has more than `moreThanFields` fields.
struct ConstructorGeometry
{
    bool applies = false;
    int moreThanFields = 0;
    int xIndex = 0;
    int yIndex = 0;
    int widthIndex = 0;
    int heightIndex = 0;
    bool resize = false; // false: position only
};

struct ModuleInfo
{
    Module module;
    QString className;
    QString objectName;     // object name of the window's form
    QString formTitle;      // the form's window title (start-up replaces it)
    QString configFile;     // configuration file name in the exchange folder
                            // (Annunciator: that of window 1)
    QString layoutProperty; // context property that carries the layout string
    QUrl document;          // the panel document the window hosts
    QString defaultLayout;  // layout string written when the file is missing;
                            // empty for the modules start-up does not open
    ConstructorGeometry geometry;
    bool radioForm = false;     // publishes the radio value vector and `fileObj`
    bool translucent = false;   // desktop shows through what the document leaves undrawn
    bool commandChannel = false; // publishes a G1000 knob-command channel
};

namespace Modules {

const ModuleInfo &info(Module module);

// Every module, in the order of the Module enumeration.
const QList<ModuleInfo> &all();

// The module whose window hosts `document`, or nullptr.
const ModuleInfo *byDocument(const QUrl &document);

// The configuration file of annunciator window `id` (1 or 2); empty for any
// other id, which has no geometry service.
QString annunciatorConfigFile(int id);

// Without a GPU or a display (the offscreen platform), Qt Quick renders in
// software unless a backend was chosen explicitly. Call before the
// application object is created.
void useSoftwareQuickWhenHeadless();

} // namespace Modules
