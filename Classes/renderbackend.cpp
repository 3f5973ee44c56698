#include "renderbackend.h"

#include <QDir>
#include <QFileInfo>

namespace RenderBackend {

namespace {

bool isTrue(const QString &value)
{
    return !value.isEmpty() && value != QLatin1String("0") && value.compare(QLatin1String("false"), Qt::CaseInsensitive) != 0;
}

// Linux: a GPU driver offers a DRM render node (/dev/dri/renderD*), or the
// NVIDIA driver its control device. Elsewhere a GPU is assumed.
bool hasGpuDevice()
{
#if defined(Q_OS_LINUX) && !defined(Q_OS_ANDROID)
    if (QFileInfo::exists(QStringLiteral("/dev/nvidiactl")))
        return true;
    return !QDir(QStringLiteral("/dev/dri"))
                    .entryList({QStringLiteral("renderD*")}, QDir::System | QDir::Files | QDir::Drives)
                    .isEmpty();
#else
    return true;
#endif
}

} // namespace

Machine thisMachine()
{
    Machine m;
    m.platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    m.quickBackend = qEnvironmentVariable("QT_QUICK_BACKEND");
    m.rhiBackend = qEnvironmentVariable("QSG_RHI_BACKEND");
    m.softwareGlForced = isTrue(qEnvironmentVariable("LIBGL_ALWAYS_SOFTWARE"));
    m.gpuDevice = hasGpuDevice();
    return m;
}

bool preferSoftware(const Machine &machine)
{
    if (!machine.quickBackend.isEmpty() || !machine.rhiBackend.isEmpty())
        return false; // chosen explicitly
    if (machine.platform == QLatin1String("offscreen"))
        return true;
    return machine.softwareGlForced || !machine.gpuDevice;
}

void useSoftwareWhenPreferred()
{
    if (preferSoftware(thisMachine()))
        qputenv("QT_QUICK_BACKEND", "software");
}

} // namespace RenderBackend
