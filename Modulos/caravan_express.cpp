#include "caravan_express.h"

#include "exchangedirectory.h"
#include "instrumentmanager.h"
#include "modules.h"

#include <QQmlContext>
#include <QWindow>

caravan_express::caravan_express() : QQmlApplicationEngine(nullptr) {}

caravan_express::caravan_express(const QString &initialQmlData, const QString &initialLockContent)
    : caravan_express()
{
    rootContext()->setContextProperty(QStringLiteral("TimedProcessing"), initialQmlData);
    rootContext()->setContextProperty(QStringLiteral("lock"), initialLockContent);
}

void caravan_express::open(InstrumentManager *manager)
{
    const ModuleInfo &info = Modules::info(Module::CaravanExpress);
    manager->registerInstrument(this, ExchangeDirectory::literalPath(info.configFile), info.layoutProperty,
                                info.defaultLayout, info.valueFiles, info.document.toString());
    if (auto *window = qobject_cast<QWindow *>(rootObjects().value(0)))
        window->setTitle(info.startupTitle);
}
