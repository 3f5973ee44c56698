#include "standby.h"

StandBy::StandBy(const QString &initialQmlData, const QString &initialLockContent,
                 const QString &initialConfigContent, FileClass *fileClassInstance, QWidget *parent)
    : ModuleWindow(Module::StandBy,
                   panelSetup(Module::StandBy, initialQmlData, initialLockContent, initialConfigContent,
                              fileClassInstance),
                   parent)
{
}
