#include "eis.h"

EIS::EIS(const QString &initialQmlData, const QString &initialLockContent,
         const QString &initialConfigContent, FileClass *fileClassInstance, QWidget *parent)
    : ModuleWindow(Module::EIS,
                   panelSetup(Module::EIS, initialQmlData, initialLockContent, initialConfigContent,
                              fileClassInstance),
                   parent)
{
}
