#include "extrawindows.h"

#include "annunciator.h"
#include "caravan_express.h"
#include "eis.h"
#include "exchangedirectory.h"
#include "fileclass.h"
#include "g1000screen.h"
#include "instrumentmanager.h"
#include "logging.h"
#include "modulewindow.h"
#include "referencesscreen.h"
#include "speedreferences.h"

#include <QFile>
#include <QRegularExpression>

#include <optional>

namespace ExtraWindows {

namespace {

// The settings file lists a handful of windows; anything longer is not one.
constexpr qint64 kMaximumSettingsBytes = 4096;
// Lines that are reported as skipped, at the most (a binary file has many).
constexpr int kMaximumReported = 10;

// Reads at most kMaximumSettingsBytes of the settings file; "" when missing.
QString readSettings()
{
    QFile file(ExchangeDirectory::resolve(ExchangeDirectory::literalPath(settingsFile())));
    if (!file.exists())
        return QString();
    QString error;
    if (!FileClass::openRegularFile(file, QIODevice::ReadOnly, &error)) {
        qCWarning(lcStartup).noquote() << settingsFile() << "cannot be read:" << error;
        return QString();
    }
    const QByteArray bytes = file.read(kMaximumSettingsBytes + 1);
    if (bytes.size() > kMaximumSettingsBytes)
        qCWarning(lcStartup).noquote() << settingsFile() << "is longer than" << kMaximumSettingsBytes
                                       << "bytes; the rest is not read";
    return QString::fromUtf8(bytes.left(kMaximumSettingsBytes));
}

// A window of a line, or nothing.
std::optional<Request> requestOf(const QString &line)
{
    // Numbered windows: the annunciators 1 and 2, the G1000 screens 1 to 99
    // (a screen of the shared file needs a blank before its number, which
    // would otherwise run into "1000").
    static const struct
    {
        Module module;
        QRegularExpression pattern;
    } numbered[] = {
        {Module::Annunciator, QRegularExpression(QStringLiteral("^annunciator\\s+([12])$"),
                                                 QRegularExpression::CaseInsensitiveOption)},
        {Module::G1000, QRegularExpression(QStringLiteral("^g1000\\s+([1-9][0-9]?)$"),
                                           QRegularExpression::CaseInsensitiveOption)},
        {Module::G1000Screen, QRegularExpression(QStringLiteral("^n\\s*([1-9][0-9]?)$"),
                                                 QRegularExpression::CaseInsensitiveOption)},
    };
    for (const auto &n : numbered) {
        const QRegularExpressionMatch m = n.pattern.match(line);
        if (m.hasMatch())
            return Request{n.module, m.captured(1).toInt()};
    }
    for (const Module module :
         {Module::EIS, Module::ReferencesScreen, Module::SpeedReferences, Module::CaravanExpress}) {
        if (line.compare(Modules::info(module).className, Qt::CaseInsensitive) == 0)
            return Request{module, 0};
    }
    return std::nullopt;
}

QString describe(const Request &r)
{
    const QString name = r.module == Module::G1000Screen ? QStringLiteral("N") : Modules::info(r.module).className;
    return r.id > 0 ? QStringLiteral("%1 %2").arg(name).arg(r.id) : name;
}

} // namespace

QString settingsFile()
{
    return QStringLiteral("extraWindows.txt");
}

QList<Request> parse(const QString &text)
{
    QList<Request> requests;
    int skipped = 0;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const std::optional<Request> request = requestOf(line);
        QString problem;
        if (!request) {
            // Percent-encoded beyond plain ASCII, so that junk stays one
            // readable log line.
            problem = QStringLiteral("not a window to open: ")
                      + QString::fromLatin1(line.left(80).toUtf8().toPercentEncoding(" #-_.,:;"));
        } else if (requests.contains(*request)) {
            problem = describe(*request) + QStringLiteral(" is asked for already");
        } else {
            requests << *request;
            continue;
        }
        if (++skipped <= kMaximumReported)
            qCWarning(lcStartup).noquote()
                << QStringLiteral("%1, line %2 skipped, %3").arg(settingsFile()).arg(i + 1).arg(problem);
    }
    if (skipped > kMaximumReported)
        qCWarning(lcStartup).noquote() << QStringLiteral("%1: %2 lines skipped in all").arg(settingsFile()).arg(skipped);
    return requests;
}

QString referenceSpeeds(FileClass *files)
{
    return files->readConfigFromFile(ExchangeDirectory::literalPath(ExchangeFiles::speedsRef),
                                     kDefaultReferenceSpeeds);
}

std::unique_ptr<ModuleWindow> openWindow(const Request &request, const StartupTexts &texts, FileClass *files,
                                         InstrumentManager *manager)
{
    const ModuleInfo &info = Modules::info(request.module);
    const QString configFile = Modules::configFileFor(request.module, request.id);
    if (info.opensAtStart || configFile.isEmpty())
        return nullptr;
    // (A G1000 screen's own file is created with its folder, G1000.)
    const QString configPath = ExchangeDirectory::literalPath(configFile);
    const QString layout = files->readConfigFromFile(configPath, info.defaultLayout);

    std::unique_ptr<ModuleWindow> window;
    switch (request.module) {
    case Module::EIS:
        window = std::make_unique<EIS>(texts.values, texts.lock, layout, files);
        break;
    case Module::Annunciator:
        window = std::make_unique<Annunciator>(request.id, texts.values, texts.lock, layout, files);
        break;
    case Module::ReferencesScreen:
        window = std::make_unique<ReferencesScreen>(texts.values, texts.lock, layout, referenceSpeeds(files), files);
        break;
    case Module::SpeedReferences:
        window = std::make_unique<SpeedReferences>(texts.values, texts.lock, layout, referenceSpeeds(files), files);
        break;
    case Module::G1000:
    case Module::G1000Screen:
        window = std::make_unique<G1000Screen>(request.module, request.id, texts.values, texts.lock, layout,
                                               referenceSpeeds(files), files);
        break;
    default:
        return nullptr;
    }
    window->setWindowTitle(request.id > 0 ? QStringLiteral("%1 %2").arg(info.startupTitle).arg(request.id)
                                          : info.startupTitle);
    manager->registerInstrument(window.get(), window->getQuickWidget(), configPath, info.layoutProperty,
                                info.defaultLayout, info.valueFiles);
    qCInfo(lcStartup).noquote() << "Opened as" << settingsFile() << "asks:" << describe(request);
    return window;
}

std::unique_ptr<caravan_express> openExpress(const StartupTexts &texts, InstrumentManager *manager)
{
    auto express = std::make_unique<caravan_express>(texts.values, texts.lock);
    express->open(manager);
    qCInfo(lcStartup).noquote() << "Opened as" << settingsFile() << "asks:" << describe({Module::CaravanExpress, 0});
    return express;
}

Opened::Opened() = default;
Opened::Opened(Opened &&) noexcept = default;
Opened &Opened::operator=(Opened &&) noexcept = default;
Opened::~Opened() = default;

Opened open(const StartupTexts &texts, FileClass *files, InstrumentManager *manager)
{
    Opened opened;
    for (const Request &request : parse(readSettings())) {
        if (request.module == Module::CaravanExpress)
            opened.express = openExpress(texts, manager);
        else if (std::unique_ptr<ModuleWindow> window = openWindow(request, texts, files, manager))
            opened.windows.push_back(std::move(window));
    }
    return opened;
}

} // namespace ExtraWindows
