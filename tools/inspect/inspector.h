#pragma once

#include <QJsonArray>
#include <QList>
#include <QMetaType>
#include <QPair>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariant>

#include <optional>

class QObject;
class QQuickItem;

// The command line of radod-inspect:
//   radod-inspect URL [--size WxH] [--values TEXT|@FILE] [--radio TEXT|@FILE]
//                 [--layout NAME=TEXT|NAME=@FILE] [--lock TEXT] [--speeds TEXT]
//                 [--id N] [--property NAME=VALUE]... [--wait MS]
//                 [--png FILE] [--json FILE]
struct InspectOptions
{
    QUrl url;
    QSize size;                                 // invalid: the document's own size
    std::optional<QString> values;              // published as TimedProcessing
    std::optional<QString> radio;               // published as timedDataString
    std::optional<QString> lock;                // published as lock
    std::optional<QString> speeds;              // published as speedsRefValues
    std::optional<int> id;                      // published as id
    QList<QPair<QString, QString>> layouts;     // context property name, text
    QList<QPair<QString, QString>> properties;  // root object property, value text
    int waitMs = -1;                            // -1: until animations finish
    QString png;
    QString json;                               // "-": standard output
};

namespace Inspect {

QString usage();

// Parses the arguments after the program name; false with a message on error.
// TEXT|@FILE arguments are resolved here (a file is read whole, as UTF-8).
bool parseArguments(const QStringList &arguments, InspectOptions *options, QString *error);

// A document URL from what the user typed: qrc:/..., :/..., file:..., or a
// path of a local file.
QUrl documentUrl(const QString &text);

// `text` converted to a property of type `type` ("12.5" for a real, "true" for
// a bool, "#ff0000" for a color, JSON or a number or a string for a var).
QVariant convertForProperty(const QString &text, QMetaType type, bool *ok);

// The QML type name of an object: "Rectangle", "Text", "Airspeed", ...
QString typeName(const QObject *object);

// Every item below `top` (not `top` itself), depth first in tree order, as
// described in the README.
QJsonArray dumpItems(QQuickItem *top);

} // namespace Inspect
