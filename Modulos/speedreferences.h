#pragma once

#include "modulewindow.h"

// The G1000 speed references window: translucent, so that what its document
// leaves undrawn shows the desktop.
class SpeedReferences : public ModuleWindow
{
    Q_OBJECT
public:
    SpeedReferences(const QString &initialQmlData, const QString &initialLockContent,
                    const QString &initialConfigContent, const QString &initialRefValues,
                    FileClass *fileClassInstance, QWidget *parent = nullptr);
};
