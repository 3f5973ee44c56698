#pragma once

#include "modulewindow.h"

// The RadioCompac module window (a radio window).
class RadioCompac : public ModuleWindow
{
    Q_OBJECT
public:
    RadioCompac(const QString &initialTimedData, const QString &initialFormData,
                FileClass *fileClassInstance, QWidget *parent = nullptr);
};
