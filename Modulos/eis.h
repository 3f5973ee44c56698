#pragma once

#include "modulewindow.h"

// The EIS module window (a panel window).
class EIS : public ModuleWindow
{
    Q_OBJECT
public:
    EIS(const QString &initialQmlData, const QString &initialLockContent,
        const QString &initialConfigContent, FileClass *fileClassInstance,
        QWidget *parent = nullptr);
};
