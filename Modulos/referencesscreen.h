#pragma once

#include "modulewindow.h"

// The G1000 references screen window, the one window with a knob-command
// channel (published as `g1000CommandManager`).
class ReferencesScreen : public ModuleWindow
{
    Q_OBJECT
public:
    ReferencesScreen(const QString &initialQmlData, const QString &initialLockContent,
                     const QString &initialConfigContent, const QString &initialRefValues,
                     FileClass *fileClassInstance, QWidget *parent = nullptr);
};
