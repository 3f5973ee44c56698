#include "caravan.h"

Caravan::Caravan(const QString &initialQmlData, const QString &initialLockContent,
                 const QString &initialConfigContent, FileClass *fileClassInstance, QWidget *parent)
    : ModuleWindow(Module::Caravan,
                   panelSetup(Module::Caravan, initialQmlData, initialLockContent, initialConfigContent,
                              fileClassInstance),
                   parent)
{
}
