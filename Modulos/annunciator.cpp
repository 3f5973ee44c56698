#include "annunciator.h"

namespace {

ModuleSetup annunciatorSetup(int id, const QString &values, const QString &lock, const QString &layout,
                             FileClass *fileService)
{
    const ModuleInfo &info = Modules::info(Module::Annunciator);
    return {Modules::annunciatorConfigFile(id),
            {ContextProperty::text(QStringLiteral("TimedProcessing"), values),
             ContextProperty::text(QStringLiteral("lock"), lock),
             ContextProperty::text(info.layoutProperty, layout),
             ContextProperty::object(QStringLiteral("fileclass"), fileService),
             {QStringLiteral("id"), QVariant(id)},
             ContextProperty::geometryService()},
            layout, fileService};
}

} // namespace

Annunciator::Annunciator(int id, const QString &initialQmlData, const QString &initialLockContent,
                         const QString &initialConfigContent, FileClass *fileClassInstance,
                         QWidget *parent)
    : ModuleWindow(Module::Annunciator,
                   annunciatorSetup(id, initialQmlData, initialLockContent, initialConfigContent,
                                    fileClassInstance),
                   parent)
{
}
