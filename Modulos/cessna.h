#pragma once

#include "modulewindow.h"

// The Cessna module window (a panel window).
class Cessna : public ModuleWindow
{
    Q_OBJECT
public:
    Cessna(const QString &initialQmlData, const QString &initialLockContent,
           const QString &initialConfigContent, FileClass *fileClassInstance,
           QWidget *parent = nullptr);
};
