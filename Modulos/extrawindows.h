#pragma once

#include "modules.h"

#include <QList>
#include <QString>

#include <memory>
#include <vector>

class FileClass;
class InstrumentManager;
class ModuleWindow;
class caravan_express;
struct StartupTexts;

// The windows that start-up opens besides the six: the G1000 displays, which
// users ask for in the optional settings file extraWindows.txt of the exchange
// folder, one a line:
//
//   EIS                 the engine indication display
//   Annunciator 1       annunciator window 1 (or 2)
//   ReferencesScreen    the references page, driven by commands.txt
//   SpeedReferences     the reference-speed markers
//   G1000 2             G1000 screen 2 of the shared configG1000.txt (1 to 99)
//   N 2                 G1000 screen 2 with its own G1000\configN2.txt ("N2" too)
//   caravan_express     the engine strip in a frameless window with handles
//
// Names are matched without regard to letter case and surrounding blanks;
// empty lines and lines that start with "#" are skipped. A line that names
// nothing of these, or a window already asked for, is logged and skipped. A
// missing file opens nothing more.
//
// Each window is opened as start-up opens the six: its configuration file is
// read (created with the module's default when missing), the window is built,
// titled and registered with the instrument manager, which shows it.
namespace ExtraWindows {

// The settings file's name in the exchange folder.
QString settingsFile();

struct Request
{
    Module module = Module::EIS;
    int id = 0; // annunciator window or G1000 screen number; 0 for the others

    bool operator==(const Request &other) const { return module == other.module && id == other.id; }
};

// The windows that a settings text asks for, in its order.
QList<Request> parse(const QString &text);

// What the settings file opened: module windows, and the express window's
// engine, which hosts a window document of its own.
struct Opened
{
    std::vector<std::unique_ptr<ModuleWindow>> windows;
    std::unique_ptr<caravan_express> express;

    Opened();
    Opened(Opened &&) noexcept;
    Opened &operator=(Opened &&) noexcept;
    ~Opened();
};

// Reads the settings file, when there is one, and opens what it asks for.
Opened open(const StartupTexts &texts, FileClass *files, InstrumentManager *manager);

// Opens one such module window (see above); nullptr for a module that start-up
// opens anyway, or that is no module window (the express window).
std::unique_ptr<ModuleWindow> openWindow(const Request &request, const StartupTexts &texts, FileClass *files,
                                         InstrumentManager *manager);

// Opens the express window, registered like the others.
std::unique_ptr<caravan_express> openExpress(const StartupTexts &texts, InstrumentManager *manager);

// The reference speeds the references windows start with: speedsRef.txt,
// created with a Caravan's Vx, Vy and Vr when missing.
QString referenceSpeeds(FileClass *files);
inline const QString kDefaultReferenceSpeeds = QStringLiteral("72,104,70");

} // namespace ExtraWindows
