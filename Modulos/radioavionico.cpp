#include "radioavionico.h"

RadioAvionico::RadioAvionico(const QString &initialTimedData, const QString &initialFormData,
                             FileClass *fileClassInstance, QWidget *parent)
    : ModuleWindow(Module::RadioAvionico,
                   radioSetup(Module::RadioAvionico, initialTimedData, initialFormData, fileClassInstance),
                   parent)
{
}
