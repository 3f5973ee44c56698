#include "cessna.h"

Cessna::Cessna(const QString &initialQmlData, const QString &initialLockContent,
               const QString &initialConfigContent, FileClass *fileClassInstance, QWidget *parent)
    : ModuleWindow(Module::Cessna,
                   panelSetup(Module::Cessna, initialQmlData, initialLockContent, initialConfigContent,
                              fileClassInstance),
                   parent)
{
}
