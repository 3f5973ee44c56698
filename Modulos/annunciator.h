#pragma once

#include "modulewindow.h"

// The G1000 annunciator window. Windows 1 and 2 keep their geometry in files
// of their own; any other id has no geometry service (its document sees no
// `viewManager`).
class Annunciator : public ModuleWindow
{
    Q_OBJECT
public:
    Annunciator(int id, const QString &initialQmlData, const QString &initialLockContent,
                const QString &initialConfigContent, FileClass *fileClassInstance,
                QWidget *parent = nullptr);
};
