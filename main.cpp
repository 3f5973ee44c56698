// radod-panels: start-up of the instrument-panel suite.
//
// Builds the running system in a fixed order (file service, instrument manager
// with its directory and lock watching, the start-up contents of the lock and
// value files, then the six module windows, each read from its configuration
// file, titled, registered and shown) and runs the event loop until the last
// window is closed. There are no options of our own; all settings live in the
// exchange folder.
//
// On Linux and macOS a SIGTERM (or SIGINT) closes every window, as a user
// closing them would, so the event loop ends normally with exit code 0.

#include "baron.h"
#include "caravan.h"
#include "cessna.h"
#include "exchangedirectory.h"
#include "fileclass.h"
#include "instrumentmanager.h"
#include "logging.h"
#include "radioavionico.h"
#include "radiocompac.h"
#include "standby.h"

#include <QApplication>
#include <QDir>
#include <QWindow>

#include <functional>
#include <memory>
#include <vector>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

struct StartupFiles
{
    QString values;      // TimedProcessing.txt
    QString radioValues; // TPRadioAvionico.txt
    QString lock;        // lock.txt
};

using WindowFactory = std::function<ModuleWindow *(const StartupFiles &, const QString &layout, FileClass *)>;

// A row of the module table that start-up walks, in order.
struct StartupModule
{
    Module module;
    QString title;
    QStringList valueFiles;
    WindowFactory create;
};

template <typename Panel>
WindowFactory panelFactory()
{
    return [](const StartupFiles &files, const QString &layout, FileClass *fileService) -> ModuleWindow * {
        return new Panel(files.values, files.lock, layout, fileService);
    };
}

template <typename Radio>
WindowFactory radioFactory()
{
    return [](const StartupFiles &files, const QString &layout, FileClass *fileService) -> ModuleWindow * {
        return new Radio(files.radioValues, layout, fileService);
    };
}

QList<StartupModule> startupModules()
{
    const QStringList panelFiles{QStringLiteral("TimedProcessing.txt"), QStringLiteral("lock.txt")};
    const QStringList radioFiles{QStringLiteral("TPRadioAvionico.txt")};
    return {
        {Module::Caravan, QStringLiteral("Radod - Caravan"), panelFiles, panelFactory<Caravan>()},
        {Module::Baron, QStringLiteral("Radod - Módulo Baron"), panelFiles, panelFactory<Baron>()},
        {Module::Cessna, QStringLiteral("Radod - Módulo Cessna"), panelFiles, panelFactory<Cessna>()},
        {Module::StandBy, QStringLiteral("Radod - Módulo StandBy"), panelFiles, panelFactory<StandBy>()},
        {Module::RadioAvionico, QStringLiteral("Radod - Rádio Aviônico"), radioFiles,
         radioFactory<RadioAvionico>()},
        {Module::RadioCompac, QStringLiteral("Radod - Rádio Compacto"), radioFiles,
         radioFactory<RadioCompac>()},
    };
}

#ifdef Q_OS_UNIX
// Turns SIGTERM and SIGINT into "close every window" on the GUI thread: the
// handler only writes a byte into a socket pair that the event loop watches.
class TerminationRequest : public QObject
{
public:
    explicit TerminationRequest(QObject *parent = nullptr) : QObject(parent)
    {
        if (::socketpair(AF_UNIX, SOCK_STREAM, 0, s_fds) != 0)
            return;
        m_notifier = new QSocketNotifier(s_fds[1], QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, [this] {
            char byte = 0;
            if (::read(s_fds[1], &byte, 1) < 0)
                return;
            qCInfo(lcStartup) << "Termination requested: closing all windows";
            QApplication::closeAllWindows();
            // Windows of the documents themselves (settings windows) too.
            const QWindowList windows = QGuiApplication::topLevelWindows();
            for (QWindow *window : windows) {
                if (window->isVisible())
                    window->close();
            }
        });
        struct sigaction action = {};
        action.sa_handler = &TerminationRequest::onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(SIGTERM, &action, nullptr);
        sigaction(SIGINT, &action, nullptr);
    }

private:
    static void onSignal(int)
    {
        const char byte = 1;
        [[maybe_unused]] const auto written = ::write(s_fds[0], &byte, 1);
    }

    static inline int s_fds[2] = {-1, -1};
    QSocketNotifier *m_notifier = nullptr;
};
#endif

} // namespace

int main(int argc, char *argv[])
{
    qCDebug(lcStartup) << "Starting Application | new";
    Modules::useSoftwareQuickWhenHeadless();
    QApplication app(argc, argv);
    // Every document that uses Qt Quick Controls gets the Material style.
    qputenv("QT_QUICK_CONTROLS_STYLE", "Material");

#ifdef Q_OS_UNIX
    TerminationRequest terminationRequest;
#endif

    qCInfo(lcStartup).noquote() << "Pasta de troca:" << ExchangeDirectory::literalRoot() << "->"
                                << QDir::toNativeSeparators(ExchangeDirectory::root());

    // Shared by every window, the instrument manager and the geometry
    // services; it outlives them all.
    const auto fileService = std::make_unique<FileClass>();
    auto manager = std::make_unique<InstrumentManager>();
    manager->initializeConfigWatcher(ExchangeDirectory::literalRoot());

    StartupFiles files;
    // Read before the lock files are initialised: on a first run it is "".
    files.lock = fileService->readTextFromFile(ExchangeDirectory::literalPath(QStringLiteral("lock.txt")));
    manager->initializeLock(ExchangeDirectory::literalPath(QStringLiteral("lockGeral.txt")));
    manager->initializeLock(ExchangeDirectory::literalPath(QStringLiteral("lock.txt")));
    files.values = fileService->readTextFromFile(ExchangeDirectory::literalPath(QStringLiteral("TimedProcessing.txt")));
    files.radioValues =
        fileService->readTextFromFile(ExchangeDirectory::literalPath(QStringLiteral("TPRadioAvionico.txt")));

    std::vector<std::unique_ptr<ModuleWindow>> windows;
    for (const StartupModule &row : startupModules()) {
        const ModuleInfo &info = Modules::info(row.module);
        const QString configPath = ExchangeDirectory::literalPath(info.configFile);
        const QString layout = fileService->readConfigFromFile(configPath, info.defaultLayout);
        std::unique_ptr<ModuleWindow> window(row.create(files, layout, fileService.get()));
        window->setWindowTitle(row.title);
        manager->registerInstrument(window.get(), configPath, info.layoutProperty, info.defaultLayout,
                                    row.valueFiles);
        windows.push_back(std::move(window));
    }
    qCInfo(lcStartup) << "Start-up finished:" << windows.size() << "windows";

    const int exitCode = app.exec();

    // The manager goes first, then the windows (documents before the services
    // they use), the file service and the application object.
    manager.reset();
    windows.clear();
    return exitCode;
}
