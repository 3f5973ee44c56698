#include "annunciator.h"

Annunciator::Annunciator(int id, const QString &initialQmlData, const QString &initialLockContent,
                         const QString &initialConfigContent, FileClass *fileClassInstance,
                         QWidget *parent)
    : ModuleWindow(Module::Annunciator,
                   [&] {
                       // A panel window that also publishes its id, and keeps its
                       // geometry in the file of that id (none for ids other than 1 and 2).
                       ModuleSetup setup = panelSetup(Module::Annunciator, initialQmlData,
                                                      initialLockContent, initialConfigContent,
                                                      fileClassInstance);
                       setup.configFile = Modules::annunciatorConfigFile(id);
                       const int beforeGeometryService = 4;
                       setup.properties.insert(beforeGeometryService, {QStringLiteral("id"), QVariant(id)});
                       return setup;
                   }(),
                   parent)
{
}
