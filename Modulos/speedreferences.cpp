#include "speedreferences.h"

namespace {

ModuleSetup speedReferencesSetup(const QString &values, const QString &lock, const QString &layout,
                                 const QString &refValues, FileClass *fileService)
{
    const ModuleInfo &info = Modules::info(Module::SpeedReferences);
    return {info.configFile,
            {ContextProperty::text(QStringLiteral("TimedProcessing"), values),
             ContextProperty::text(QStringLiteral("lock"), lock),
             ContextProperty::text(info.layoutProperty, layout),
             ContextProperty::text(QStringLiteral("speedsRefValues"), refValues),
             ContextProperty::object(QStringLiteral("fileclass"), fileService),
             ContextProperty::geometryService()},
            layout, fileService};
}

} // namespace

SpeedReferences::SpeedReferences(const QString &initialQmlData, const QString &initialLockContent,
                                 const QString &initialConfigContent, const QString &initialRefValues,
                                 FileClass *fileClassInstance, QWidget *parent)
    : ModuleWindow(Module::SpeedReferences,
                   speedReferencesSetup(initialQmlData, initialLockContent, initialConfigContent,
                                        initialRefValues, fileClassInstance),
                   parent)
{
}
