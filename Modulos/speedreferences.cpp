#include "speedreferences.h"

SpeedReferences::SpeedReferences(const QString &initialQmlData, const QString &initialLockContent,
                                 const QString &initialConfigContent, const QString &initialRefValues,
                                 FileClass *fileClassInstance, QWidget *parent)
    : ModuleWindow(Module::SpeedReferences,
                   [&] {
                       // A panel window whose reference speeds follow its layout string.
                       ModuleSetup setup = panelSetup(Module::SpeedReferences, initialQmlData,
                                                      initialLockContent, initialConfigContent,
                                                      fileClassInstance);
                       const int afterLayout = 3;
                       setup.properties.insert(afterLayout, ContextProperty::text(QStringLiteral("speedsRefValues"),
                                                                                  initialRefValues));
                       return setup;
                   }(),
                   parent)
{
}
