#include "baron.h"

Baron::Baron(const QString &initialQmlData, const QString &initialLockContent,
             const QString &initialConfigContent, FileClass *fileClassInstance, QWidget *parent)
    : ModuleWindow(Module::Baron,
                   panelSetup(Module::Baron, initialQmlData, initialLockContent, initialConfigContent,
                              fileClassInstance),
                   parent)
{
}
