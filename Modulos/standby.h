#pragma once

#include "modulewindow.h"

// The StandBy module window (a panel window).
class StandBy : public ModuleWindow
{
    Q_OBJECT
public:
    StandBy(const QString &initialQmlData, const QString &initialLockContent,
            const QString &initialConfigContent, FileClass *fileClassInstance,
            QWidget *parent = nullptr);
};
