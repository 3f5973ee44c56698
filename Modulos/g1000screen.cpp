#include "g1000screen.h"

namespace {

ModuleSetup screenSetup(Module composition, int screen, const QString &values, const QString &lock,
                        const QString &layout, const QString &refValues, FileClass *fileService)
{
    const ModuleInfo &info = Modules::info(composition);
    const QString screenProperty =
        composition == Module::G1000 ? QStringLiteral("idScreen") : QStringLiteral("id");
    return {Modules::configFileFor(composition, screen),
            {ContextProperty::text(QStringLiteral("TimedProcessing"), values),
             ContextProperty::text(QStringLiteral("lock"), lock),
             ContextProperty::text(info.layoutProperty, layout),
             ContextProperty::text(QStringLiteral("speedsRefValues"), refValues),
             {screenProperty, QVariant(screen), ContextProperty::Kind::Value},
             ContextProperty::object(QStringLiteral("fileclass"), fileService),
             ContextProperty::geometryService()},
            layout, fileService};
}

} // namespace

G1000Screen::G1000Screen(Module composition, int screen, const QString &initialQmlData,
                         const QString &initialLockContent, const QString &initialConfigContent,
                         const QString &initialRefValues, FileClass *fileClassInstance, QWidget *parent)
    : ModuleWindow(composition,
                   screenSetup(composition, screen, initialQmlData, initialLockContent, initialConfigContent,
                               initialRefValues, fileClassInstance),
                   parent),
      m_screen(screen)
{
}
