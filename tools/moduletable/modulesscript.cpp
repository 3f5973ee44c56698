#include "modulesscript.h"

#include "exchangedirectory.h"

#include <QStringList>

namespace ModulesScript {

QString literal(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"':
            out += QLatin1String("\\\"");
            break;
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        default:
            // Control characters, the line separators JavaScript ends a line
            // at, and everything beyond ASCII are written as escapes, so the
            // script stays plain ASCII whatever the table holds.
            if (c.unicode() < 0x20 || c.unicode() >= 0x7f)
                out += QStringLiteral("\\u%1").arg(uint(c.unicode()), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    return out + QLatin1Char('"');
}

namespace {

QString pathOf(const QString &fileName)
{
    return QStringLiteral("path(%1)").arg(literal(fileName));
}

QString windowFields(const std::optional<WindowConfigIndices> &fields)
{
    if (!fields)
        return QStringLiteral("null");
    const int width = fields->hasSize ? fields->widthIndex : -1;
    const int height = fields->hasSize ? fields->heightIndex : -1;
    return QStringLiteral("{ x: %1, y: %2, width: %3, height: %4 }")
        .arg(fields->xIndex)
        .arg(fields->yIndex)
        .arg(width)
        .arg(height);
}

QString moduleObject(const ModuleInfo &m)
{
    QStringList files;
    for (const QString &f : m.configFiles)
        files << literal(f);
    const QStringList members{
        QStringLiteral("name: ") + literal(m.className),
        QStringLiteral("configFile: ") + literal(m.configFile),
        QStringLiteral("configFiles: [") + files.join(QStringLiteral(", ")) + QLatin1Char(']'),
        QStringLiteral("configPath: ") + pathOf(m.configFile),
        QStringLiteral("layoutProperty: ") + literal(m.layoutProperty),
        QStringLiteral("defaultLayout: ") + literal(m.defaultLayout),
        QStringLiteral("windowFields: ") + windowFields(m.windowFields),
    };
    return QStringLiteral("var %1 = constant({\n    %2\n})\n")
        .arg(m.className, members.join(QStringLiteral(",\n    ")));
}

} // namespace

QString write(const QList<ModuleInfo> &modules)
{
    const QString root = ExchangeDirectory::literalRoot();
    // The separator as the C++ side joins paths.
    const QString separator = ExchangeDirectory::literalPath(QString()).mid(root.size());

    QString s;
    s += QLatin1String(".pragma library\n"
                       "// Generated at build time from the module table (Modulos/modules.cpp). Do not edit.\n\n");
    s += QStringLiteral("var exchangeFolder = %1\n").arg(literal(root));
    s += QStringLiteral("function path(fileName) { return exchangeFolder + %1 + fileName }\n\n").arg(literal(separator));
    s += QStringLiteral("var lockPath = %1\n").arg(pathOf(ExchangeFiles::lock));
    s += QStringLiteral("var lockGeralPath = %1\n").arg(pathOf(ExchangeFiles::lockGeral));
    s += QStringLiteral("var valuesPath = %1\n").arg(pathOf(ExchangeFiles::values));
    s += QStringLiteral("var radioValuesPath = %1\n").arg(pathOf(ExchangeFiles::radioValues));
    s += QStringLiteral("var commandsPath = %1\n").arg(pathOf(ExchangeFiles::commands));
    s += QStringLiteral("var speedsRefPath = %1\n\n").arg(pathOf(ExchangeFiles::speedsRef));
    s += QLatin1String("// Shared by every document that imports this library: frozen, members too.\n"
                       "function constant(object) {\n"
                       "    Object.keys(object).forEach(function (key) {\n"
                       "        if (object[key] !== null && typeof object[key] === \"object\")\n"
                       "            constant(object[key])\n"
                       "    })\n"
                       "    return Object.freeze(object)\n"
                       "}\n\n");
    s += QLatin1String("// One object per module, named as the Module enumeration. windowFields: where\n"
                       "// the layout string stores the window geometry that the geometry service saves\n"
                       "// (null: none; width and height -1: the position only).\n");
    for (const ModuleInfo &m : modules)
        s += moduleObject(m);
    return s;
}

} // namespace ModulesScript
