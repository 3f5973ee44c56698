#include "referencesscreen.h"

namespace {

ModuleSetup referencesSetup(const QString &values, const QString &lock, const QString &layout,
                            const QString &refValues, FileClass *fileService)
{
    const ModuleInfo &info = Modules::info(Module::ReferencesScreen);
    return {info.configFile,
            {ContextProperty::geometryService(),
             ContextProperty::commandChannel(),
             ContextProperty::text(QStringLiteral("TimedProcessing"), values),
             ContextProperty::text(QStringLiteral("lock"), lock),
             ContextProperty::text(QStringLiteral("speedsRefValues"), refValues),
             ContextProperty::text(info.layoutProperty, layout),
             ContextProperty::object(QStringLiteral("fileclass"), fileService)},
            layout, fileService};
}

} // namespace

ReferencesScreen::ReferencesScreen(const QString &initialQmlData, const QString &initialLockContent,
                                   const QString &initialConfigContent, const QString &initialRefValues,
                                   FileClass *fileClassInstance, QWidget *parent)
    : ModuleWindow(Module::ReferencesScreen,
                   referencesSetup(initialQmlData, initialLockContent, initialConfigContent,
                                   initialRefValues, fileClassInstance),
                   parent)
{
}
