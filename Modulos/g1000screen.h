#pragma once

#include "modulewindow.h"

// The window of one numbered G1000 screen: the engine strip, the references
// page and the speed markers composed in one transparent window, which the
// document places itself. Composed either way (Module::G1000 or
// Module::G1000Screen):
//  - G1000: the shared configG1000.txt, one block per screen, published as
//    `configStringG1000` with the screen number as `idScreen`; the geometry
//    service saves the window under the screen's key ("N2");
//  - G1000Screen: the screen's own file G1000\configN<screen>.txt, published
//    as `configString` with the screen number as `id`.
// Both also publish the value vector, the lock flag, the reference speeds,
// the file service and the geometry service.
class G1000Screen : public ModuleWindow
{
    Q_OBJECT
public:
    G1000Screen(Module composition, int screen, const QString &initialQmlData, const QString &initialLockContent,
                const QString &initialConfigContent, const QString &initialRefValues,
                FileClass *fileClassInstance, QWidget *parent = nullptr);

    int screen() const { return m_screen; }

private:
    int m_screen = 0;
};
