#pragma once

#include <QQmlApplicationEngine>

// An application engine for the Caravan express window document
// (qrc:/Caravan/caravan_express.qml), a frameless top-level window of its own.
// The suite does not open it at start; a host registers the engine with the
// instrument manager's engine form, which publishes the layout string and the
// file service to it and loads the document.
class caravan_express : public QQmlApplicationEngine
{
    Q_OBJECT
public:
    caravan_express();
};
