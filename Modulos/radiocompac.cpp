#include "radiocompac.h"

RadioCompac::RadioCompac(const QString &initialTimedData, const QString &initialFormData,
                         FileClass *fileClassInstance, QWidget *parent)
    : ModuleWindow(Module::RadioCompac,
                   radioSetup(Module::RadioCompac, initialTimedData, initialFormData, fileClassInstance),
                   parent)
{
}
