// radod-panels: start-up of the instrument-panel suite.
//
// Builds the running system in a fixed order (file service, instrument manager
// with its directory and lock watching, the start-up contents of the lock and
// value files, then the six module windows, each read from its configuration
// file, titled, registered and shown, and the G1000 displays that the optional
// settings file extraWindows.txt asks for) and runs the event loop until the last
// window is closed. There are no options of our own; all settings live in the
// exchange folder.
//
// On Linux and macOS a SIGTERM (or SIGINT) closes every window, as a user
// closing them would, so the event loop ends normally with exit code 0.

#include "exchangedirectory.h"
#include "extrawindows.h"
#include "fileclass.h"
#include "instrumentmanager.h"
#include "logging.h"
#include "modules.h"
#include "modulewindow.h"
#include "renderbackend.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QWindow>

#include <memory>
#include <vector>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

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
    RenderBackend::useSoftwareWhenPreferred();
    QApplication app(argc, argv);
    // The icon of the windows, and the desktop entry the suite is installed
    // with (packaging/radod-panels.desktop), which names the same icon.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/packaging/radod-panels.png")));
    QGuiApplication::setDesktopFileName(QStringLiteral("radod-panels"));
    // Every document that uses Qt Quick Controls gets the Material style.
    qputenv("QT_QUICK_CONTROLS_STYLE", "Material");

#ifdef Q_OS_UNIX
    TerminationRequest terminationRequest;
#endif

    qCInfo(lcStartup).noquote() << "Pasta de troca:" << ExchangeDirectory::literalRoot() << "->"
                                << QDir::toNativeSeparators(ExchangeDirectory::root());

    // The one file service: every window, the instrument manager and the
    // geometry services use it, and it outlives them all.
    const auto fileService = std::make_unique<FileClass>();
    // The folder first, so that a first start writes the lock files and
    // watches the folder; one that cannot be made is reported, and the suite
    // runs on without keeping its layouts.
    fileService->createFolder(ExchangeDirectory::literalRoot());
    auto manager = std::make_unique<InstrumentManager>(fileService.get());
    manager->initializeConfigWatcher(ExchangeDirectory::literalRoot());

    StartupTexts texts;
    // Read before the lock files are initialised: on a first run it is "".
    texts.lock = fileService->readTextFromFile(ExchangeDirectory::literalPath(ExchangeFiles::lock));
    manager->initializeLock(ExchangeDirectory::literalPath(ExchangeFiles::lockGeral));
    manager->initializeLock(ExchangeDirectory::literalPath(ExchangeFiles::lock));
    texts.values = fileService->readTextFromFile(ExchangeDirectory::literalPath(ExchangeFiles::values));
    texts.radioValues = fileService->readTextFromFile(ExchangeDirectory::literalPath(ExchangeFiles::radioValues));

    // The module table, in its order: each window is read from its
    // configuration file, built, titled, registered and thereby shown.
    std::vector<std::unique_ptr<ModuleWindow>> windows;
    for (const ModuleInfo &info : Modules::all()) {
        if (!info.opensAtStart)
            continue;
        const QString configPath = ExchangeDirectory::literalPath(info.configFile);
        const QString layout = fileService->readConfigFromFile(configPath, info.defaultLayout);
        std::unique_ptr<ModuleWindow> window = ModuleWindow::create(info.module, texts, layout, fileService.get());
        if (!window)
            continue;
        window->setWindowTitle(info.startupTitle);
        manager->registerInstrument(window.get(), window->getQuickWidget(), configPath, info.layoutProperty,
                                    info.defaultLayout, info.valueFiles);
        windows.push_back(std::move(window));
    }
    // Then the G1000 displays that the optional settings file asks for.
    ExtraWindows::Opened extras = ExtraWindows::open(texts, fileService.get(), manager.get());
    for (std::unique_ptr<ModuleWindow> &window : extras.windows)
        windows.push_back(std::move(window));
    qCInfo(lcStartup) << "Start-up finished:" << windows.size() << "windows";

    const int exitCode = app.exec();

    // The manager goes first, then the windows (documents before the services
    // they use), the file service and the application object.
    manager.reset();
    windows.clear();
    return exitCode;
}
