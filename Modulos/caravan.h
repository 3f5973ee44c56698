#pragma once

#include "modulewindow.h"

// The Caravan module window (a panel window).
class Caravan : public ModuleWindow
{
    Q_OBJECT
public:
    Caravan(const QString &initialQmlData, const QString &initialLockContent,
            const QString &initialConfigContent, FileClass *fileClassInstance,
            QWidget *parent = nullptr);
};
