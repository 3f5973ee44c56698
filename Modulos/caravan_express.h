#pragma once

#include <QQmlApplicationEngine>
#include <QString>

class FileClass;
class InstrumentManager;

// An application engine for the Caravan express window document
// (qrc:/Caravan/caravan_express.qml): the engine strip in a frameless,
// transparent window of its own that stays on top, moved and resized by its
// own drag bar and handles. Its document is a window, so no module window
// hosts it.
//
// The engine publishes the value vector and the lock flag it is given; open()
// registers it with the instrument manager's engine form, which publishes the
// strip's layout string (configEIS.txt, created with the EIS default when
// missing) and the file service, follows the value and lock files, and loads
// the document.
class caravan_express : public QQmlApplicationEngine
{
    Q_OBJECT
public:
    caravan_express();
    caravan_express(const QString &initialQmlData, const QString &initialLockContent);

    void open(InstrumentManager *manager);
};
