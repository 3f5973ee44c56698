#pragma once

#include "modulewindow.h"

// The RadioAvionico module window (a radio window).
class RadioAvionico : public ModuleWindow
{
    Q_OBJECT
public:
    RadioAvionico(const QString &initialTimedData, const QString &initialFormData,
                  FileClass *fileClassInstance, QWidget *parent = nullptr);
};
