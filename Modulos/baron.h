#pragma once

#include "modulewindow.h"

// The Baron module window (a panel window).
class Baron : public ModuleWindow
{
    Q_OBJECT
public:
    Baron(const QString &initialQmlData, const QString &initialLockContent,
          const QString &initialConfigContent, FileClass *fileClassInstance,
          QWidget *parent = nullptr);
};
