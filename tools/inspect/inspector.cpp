#include "inspector.h"

#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaClassInfo>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlListReference>
#include <QQuickItem>
#include <QVector3D>

#include <cmath>

namespace Inspect {

QString usage()
{
    return QStringLiteral(
        "Usage: radod-inspect URL [--size WxH] [--values TEXT|@FILE] [--radio TEXT|@FILE]\n"
        "                     [--layout NAME=TEXT|NAME=@FILE] [--lock TEXT] [--speeds TEXT]\n"
        "                     [--id N] [--property NAME=VALUE]... [--wait MS]\n"
        "                     [--png FILE] [--json FILE]\n"
        "\n"
        "Loads a document (qrc:/... URL, or a local .qml file) into a window with the\n"
        "context properties a module window publishes, waits until its animations have\n"
        "finished (or MS milliseconds), then writes a PNG of the window and a JSON array\n"
        "describing every item of the scene. --json - writes the JSON to standard output.\n");
}

namespace {

// TEXT, or the whole content of FILE for "@FILE".
bool textOrFile(const QString &argument, QString *text, QString *error)
{
    if (!argument.startsWith(QLatin1Char('@'))) {
        *text = argument;
        return true;
    }
    QFile file(argument.mid(1));
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(file.fileName(), file.errorString());
        return false;
    }
    *text = QString::fromUtf8(file.readAll());
    return true;
}

bool splitAssignment(const QString &argument, QString *name, QString *value)
{
    const int eq = argument.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return false;
    *name = argument.left(eq);
    *value = argument.mid(eq + 1);
    return true;
}

} // namespace

QUrl documentUrl(const QString &text)
{
    if (text.startsWith(QLatin1String(":/")))
        return QUrl(QLatin1String("qrc") + text);
    const QUrl url(text);
    if (url.scheme() == QLatin1String("qrc") || url.scheme() == QLatin1String("file")
        || url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"))
        return url;
    return QUrl::fromLocalFile(QFileInfo(text).absoluteFilePath());
}

bool parseArguments(const QStringList &arguments, InspectOptions *options, QString *error)
{
    // Options take their value as the next argument or after "=".
    for (int i = 0; i < arguments.size(); ++i) {
        QString arg = arguments.at(i);
        if (!arg.startsWith(QLatin1String("--"))) {
            if (!options->url.isEmpty()) {
                *error = QStringLiteral("more than one document given: %1").arg(arg);
                return false;
            }
            options->url = documentUrl(arg);
            continue;
        }
        if (arg == QLatin1String("--help")) {
            *error = QString();
            return false;
        }
        static const QStringList known{
            QStringLiteral("--size"), QStringLiteral("--values"), QStringLiteral("--radio"),
            QStringLiteral("--layout"), QStringLiteral("--lock"), QStringLiteral("--speeds"),
            QStringLiteral("--id"), QStringLiteral("--property"), QStringLiteral("--wait"),
            QStringLiteral("--png"), QStringLiteral("--json")};
        QString value;
        const int eq = arg.indexOf(QLatin1Char('='));
        if (!known.contains(eq > 0 ? arg.left(eq) : arg)) {
            *error = QStringLiteral("unknown option %1").arg(arg);
            return false;
        }
        if (eq > 0) {
            value = arg.mid(eq + 1);
            arg = arg.left(eq);
        } else if (i + 1 < arguments.size()) {
            value = arguments.at(++i);
        } else {
            *error = QStringLiteral("%1 needs a value").arg(arg);
            return false;
        }

        if (arg == QLatin1String("--size")) {
            const QStringList wh = value.toLower().split(QLatin1Char('x'));
            bool okW = false;
            bool okH = false;
            const int w = wh.value(0).toInt(&okW);
            const int h = wh.value(1).toInt(&okH);
            if (wh.size() != 2 || !okW || !okH || w <= 0 || h <= 0) {
                *error = QStringLiteral("--size wants WIDTHxHEIGHT, e.g. 800x600, not %1").arg(value);
                return false;
            }
            options->size = QSize(w, h);
        } else if (arg == QLatin1String("--values") || arg == QLatin1String("--radio")) {
            QString text;
            if (!textOrFile(value, &text, error))
                return false;
            (arg == QLatin1String("--values") ? options->values : options->radio) = text;
        } else if (arg == QLatin1String("--layout")) {
            QString name;
            QString text;
            if (!splitAssignment(value, &name, &text)) {
                *error = QStringLiteral("--layout wants NAME=TEXT or NAME=@FILE, not %1").arg(value);
                return false;
            }
            if (!textOrFile(text, &text, error))
                return false;
            options->layouts.append({name, text});
        } else if (arg == QLatin1String("--lock")) {
            options->lock = value;
        } else if (arg == QLatin1String("--speeds")) {
            options->speeds = value;
        } else if (arg == QLatin1String("--id")) {
            bool ok = false;
            options->id = value.toInt(&ok);
            if (!ok) {
                *error = QStringLiteral("--id wants a whole number, not %1").arg(value);
                return false;
            }
        } else if (arg == QLatin1String("--property")) {
            QString name;
            QString text;
            if (!splitAssignment(value, &name, &text)) {
                *error = QStringLiteral("--property wants NAME=VALUE, not %1").arg(value);
                return false;
            }
            options->properties.append({name, text});
        } else if (arg == QLatin1String("--wait")) {
            bool ok = false;
            options->waitMs = value.toInt(&ok);
            if (!ok || options->waitMs < 0) {
                *error = QStringLiteral("--wait wants milliseconds, not %1").arg(value);
                return false;
            }
        } else if (arg == QLatin1String("--png")) {
            options->png = value;
        } else if (arg == QLatin1String("--json")) {
            options->json = value;
        }
    }
    if (options->url.isEmpty()) {
        *error = QStringLiteral("no document given");
        return false;
    }
    return true;
}

namespace {

// A var property: JSON (arrays, objects), a number, a boolean, or the text.
QVariant guessValue(const QString &text)
{
    const QString t = text.trimmed();
    if (t.startsWith(QLatin1Char('[')) || t.startsWith(QLatin1Char('{'))) {
        QJsonParseError parseError;
        const QJsonDocument doc = QJsonDocument::fromJson(t.toUtf8(), &parseError);
        if (parseError.error == QJsonParseError::NoError)
            return doc.toVariant();
    }
    if (t == QLatin1String("true") || t == QLatin1String("false"))
        return QVariant(t == QLatin1String("true"));
    bool isNumber = false;
    const double number = t.toDouble(&isNumber);
    if (isNumber)
        return QVariant(number);
    return QVariant(text);
}

} // namespace

QVariant convertForProperty(const QString &text, QMetaType type, bool *ok)
{
    *ok = true;
    const QString t = text.trimmed();
    switch (type.id()) {
    case QMetaType::QString:
        return QVariant(text);
    case QMetaType::Bool: {
        const QString l = t.toLower();
        if (l == QLatin1String("true") || l == QLatin1String("1") || l == QLatin1String("yes")
            || l == QLatin1String("on"))
            return QVariant(true);
        if (l == QLatin1String("false") || l == QLatin1String("0") || l == QLatin1String("no")
            || l == QLatin1String("off"))
            return QVariant(false);
        *ok = false;
        return QVariant();
    }
    case QMetaType::Double:
    case QMetaType::Float: {
        const double d = t.toDouble(ok);
        return type.id() == QMetaType::Float ? QVariant(float(d)) : QVariant(d);
    }
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort: {
        // Decimals are rounded, as the document engine rounds them.
        const double d = t.toDouble(ok);
        if (!*ok || !std::isfinite(d))
            return *ok = false, QVariant();
        QVariant v(qint64(std::llround(d)));
        *ok = v.convert(type);
        return v;
    }
    case QMetaType::QUrl:
        return QVariant(QUrl(t));
    case QMetaType::QColor: {
        const QColor c(t);
        *ok = c.isValid();
        return QVariant(c);
    }
    case QMetaType::QVariant:
    case QMetaType::UnknownType:
        return guessValue(text);
    default:
        break;
    }
    if (type.name() && QByteArray(type.name()) == "QJSValue")
        return guessValue(text);
    if (type.flags().testFlag(QMetaType::IsEnumeration)) {
        const int n = t.toInt(ok);
        return QVariant(n);
    }
    QVariant v(text);
    *ok = v.convert(type);
    return v;
}

QString typeName(const QObject *object)
{
    for (const QMetaObject *mo = object->metaObject(); mo; mo = mo->superClass()) {
        const QString className = QString::fromLatin1(mo->className());
        // A document's own type: "Airspeed_QMLTYPE_12".
        const int composite = className.indexOf(QLatin1String("_QMLTYPE_"));
        if (composite > 0)
            return className.left(composite);
        // An inline object that declares properties: "QQuickRectangle_QML_3".
        if (className.contains(QLatin1String("_QML_")))
            continue;
        const int info = mo->indexOfClassInfo("QML.Element");
        if (info >= mo->classInfoOffset()) {
            const QString element = QString::fromLatin1(mo->classInfo(info).value());
            if (element != QLatin1String("anonymous"))
                return element == QLatin1String("auto") ? className : element;
        }
    }
    QString name = QString::fromLatin1(object->metaObject()->className());
    if (name.startsWith(QLatin1String("QQuick")))
        name = name.mid(6);
    return name;
}

namespace {

QJsonValue number(double v)
{
    return std::isfinite(v) ? QJsonValue(v) : QJsonValue();
}

QJsonObject point(double x, double y)
{
    return {{QStringLiteral("x"), number(x)}, {QStringLiteral("y"), number(y)}};
}

// The id an object has in the document that declares it, and that document.
// The context an object is created in is the document that declares it; an
// id given where a component is used belongs to that document.
void declaration(QObject *object, QJsonValue *id, QJsonValue *file)
{
    *id = QJsonValue::Null;
    *file = QJsonValue::Null;
    QQmlContext *context = qmlContext(object);
    if (!context)
        return;
    *file = context->baseUrl().toString();
    const QString name = context->nameForObject(object);
    if (!name.isEmpty())
        *id = name;
}

QJsonArray transforms(QQuickItem *item)
{
    QJsonArray list;
    QQmlListReference ref(item, "transform");
    for (qsizetype i = 0; ref.isValid() && i < ref.count(); ++i) {
        QObject *t = ref.at(i);
        if (!t)
            continue;
        const QString kind = typeName(t);
        QJsonObject o{{QStringLiteral("kind"), kind}};
        const QVariant angle = t->property("angle");
        o.insert(QStringLiteral("angle"), angle.isValid() ? number(angle.toDouble()) : QJsonValue(0));
        const QVariant origin = t->property("origin");
        const QVector3D org = origin.value<QVector3D>();
        o.insert(QStringLiteral("origin"), point(org.x(), org.y()));
        if (kind == QLatin1String("Translate"))
            o.insert(QStringLiteral("translation"),
                     point(t->property("x").toDouble(), t->property("y").toDouble()));
        else
            o.insert(QStringLiteral("translation"), point(0, 0));
        if (kind == QLatin1String("Scale")) {
            o.insert(QStringLiteral("xScale"), number(t->property("xScale").toDouble()));
            o.insert(QStringLiteral("yScale"), number(t->property("yScale").toDouble()));
        }
        list.append(o);
    }
    return list;
}

QJsonObject describe(QQuickItem *item)
{
    QJsonValue id;
    QJsonValue file;
    declaration(item, &id, &file);
    QJsonObject o{
        {QStringLiteral("id"), id},
        {QStringLiteral("file"), file},
        {QStringLiteral("type"), typeName(item)},
        {QStringLiteral("x"), number(item->x())},
        {QStringLiteral("y"), number(item->y())},
        {QStringLiteral("width"), number(item->width())},
        {QStringLiteral("height"), number(item->height())},
        {QStringLiteral("scale"), number(item->scale())},
        {QStringLiteral("rotation"), number(item->rotation())},
        {QStringLiteral("opacity"), number(item->opacity())},
        {QStringLiteral("visible"), item->isVisible()},
        {QStringLiteral("z"), number(item->z())},
    };
    const int textIndex = item->metaObject()->indexOfProperty("text");
    if (textIndex >= 0) {
        const QVariant text = item->metaObject()->property(textIndex).read(item);
        if (text.canConvert<QString>())
            o.insert(QStringLiteral("text"), text.toString());
    }
    o.insert(QStringLiteral("transforms"), transforms(item));
    return o;
}

void collect(QQuickItem *item, QJsonArray *out)
{
    const QList<QQuickItem *> children = item->childItems();
    for (QQuickItem *child : children) {
        out->append(describe(child));
        collect(child, out);
    }
}

} // namespace

QJsonArray dumpItems(QQuickItem *top)
{
    QJsonArray items;
    if (top)
        collect(top, &items);
    return items;
}

} // namespace Inspect
