#pragma once

#include <QString>

// Which Qt Quick renderer suits the machine the suite runs on.
//
// Without a graphics processor, OpenGL is drawn by the CPU (Mesa's llvmpipe
// on Linux) and Qt Quick's OpenGL path costs far more than its software
// renderer: a quick widget is drawn into a texture and its whole window is
// composed again at every frame, where the software renderer repaints only
// the parts of the panel that changed. With the six windows on a 2-core
// machine without a GPU (bench/, README), OpenGL through llvmpipe drew the
// Cessna panel at 10 to 12 frames a second, most writes never reached a
// document, and the suite took more than twice the memory and four times the
// CPU; the software renderer kept up with 60 updates a second. QT_QUICK_BACKEND=rhi still
// forces the OpenGL renderer.
namespace RenderBackend {

struct Machine
{
    QString platform;          // QT_QPA_PLATFORM as set ("" when not set)
    QString quickBackend;      // QT_QUICK_BACKEND as set
    QString rhiBackend;        // QSG_RHI_BACKEND as set
    bool softwareGlForced = false; // LIBGL_ALWAYS_SOFTWARE set to a true value
    bool gpuDevice = true;     // a graphics device the OpenGL driver can use
};

// The machine this process runs on.
Machine thisMachine();

// True when Qt Quick should render in software: nobody chose a backend, and
// the platform is offscreen or OpenGL could only be drawn by the CPU.
bool preferSoftware(const Machine &machine);

// Makes Qt Quick render in software on this machine when preferSoftware says
// so. Call before the application object is created.
void useSoftwareWhenPreferred();

} // namespace RenderBackend
