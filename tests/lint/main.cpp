// radod-qmllint: runs qmllint over every document of the resource tree and
// fails on what it finds.
//   radod-qmllint --qmllint PROGRAM --qrc TREE.qrc --source DIR --stage DIR
//
// Documents import each other through qrc: URLs and through relative folders
// that exist only in the resource tree (one source file is mounted at several
// resource paths), and qmllint resolves neither from the source tree. So the
// documents (.qml and .js) are first copied into the stage folder as the
// resource file lays them out, with "qrc:/" in their import lines pointing at
// the stage folder. Each source file is then linted once, at the resource path
// that mirrors its place in the source tree (or at its first one), by a
// qmllint of its own: a qmllint that has already met a document as another
// one's import does not report that document's import failures again.
//
// qmllint does not look for imported files and folders, so every import line
// of every mounted copy is also checked against the staged tree.
//
// qmllint runs with its own levels (no settings file): every finding it
// reports as a warning counts (unresolved imports and types, unknown
// properties, type mismatches, unqualified access, required properties, bad
// signal handlers, aliases, deprecated constructs ...); what it only notes
// (unused imports, multi-line strings) does not. Except:
// - unqualified reads of the context properties below;
// - unqualified reads of the document's own ids from its delegates (and other
//   components declared in place): Qt 6.4 runs those in the document's
//   context, but its qmllint cannot be told so (later versions take
//   "pragma ComponentBehavior: Bound", which 6.4 rejects). Inline components
//   ("component Name: Type {...}") do not share the document's ids, so their
//   reads of them still count;
// - the temporary list further below.
// Besides qmllint's findings, one rule of the project's own: every Text and
// Label element (instances and inline components alike) declares
// "textFormat: Text.PlainText" in its own block, and no document sets any
// other text format. A Text's default format guesses rich text from the text
// itself, so a value field, layout field or lock text holding markup would be
// drawn as HTML, and an <img> in it fetched. The rule holds for constant texts
// too: one rule that needs no judgement of where a text comes from, and a
// constant that later becomes a binding stays safe.
// Findings are printed as source-path:line:column: message; the exit status is
// 1 when any counts, 2 when the lint itself cannot run.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include <cstdio>

namespace {

// Context properties that module windows and the build-time renderer publish
// from C++ (Modulos/modulewindow.cpp, Modulos/modules.cpp, tools/render): a
// document reads them unqualified by design, and qmllint cannot know them.
const QRegularExpression kContextProperty(QStringLiteral(
    "^(TimedProcessing|lock|timedDataString|speedsRefValues|formDataString|configString[A-Za-z0-9]*"
    "|fileclass|fileObj|viewManager|g1000CommandManager|renderSupport|id|idScreen)$"));

// TEMPORARY: findings in documents being rewritten or replaced right now,
// as prefixes of "source-path message". They are listed but do not count;
// remove each line once its document is done.
const QStringList kNotCountedYet = {
    // The radio panels' inline components read the panel's ids (panelFonts,
    // root); they need their fonts and colours handed to them instead.
    QStringLiteral("RadioAvionico/RadioAvionico.qml Unqualified access: panelFonts"),
    QStringLiteral("RadioCompacto/radioCompac.qml Unqualified access: panelFonts"),
    QStringLiteral("RadioCompacto/radioCompac.qml Unqualified access: root"),
};

const QString kQrc = QStringLiteral("qrc:/");

struct Import
{
    int line;
    int column;
    QString target;     // as written
};

struct Document
{
    QString alias;      // resource path
    QString source;     // path relative to the source root
    QString staged;     // absolute path of the staged copy
    QList<Import> imports;
    // Line (1-based) -> column where the import rewrite lengthened it, and by how much.
    QMap<int, QPair<int, int>> shifted;
};

struct Finding
{
    QString where;
    QString message;
};

class Findings
{
public:
    void add(const QString &source, int line, int column, const QString &message)
    {
        const Finding f{line > 0 ? QStringLiteral("%1:%2:%3").arg(source).arg(line).arg(column) : source,
                        message};
        // qmllint may report one fault more than once, and a fault of a
        // document shows at each of its mounts.
        if (m_seen.contains(f.where + f.message))
            return;
        m_seen.insert(f.where + f.message);
        if (notCountedYet(source + QLatin1Char(' ') + message)) {
            m_waiting.append(f);
        } else {
            m_counted.append(f);
            m_documents.insert(source);
        }
    }
    int print() const
    {
        print("Not counted yet (documents being rewritten):", m_waiting);
        print("Findings:", m_counted);
        std::printf("radod-qmllint: %lld findings in %lld documents, %lld not counted yet\n",
                    static_cast<long long>(m_counted.size()), static_cast<long long>(m_documents.size()),
                    static_cast<long long>(m_waiting.size()));
        return m_counted.isEmpty() ? 0 : 1;
    }

private:
    static bool notCountedYet(const QString &finding)
    {
        for (const QString &prefix : kNotCountedYet) {
            if (finding.startsWith(prefix))
                return true;
        }
        return false;
    }
    static void print(const char *title, const QList<Finding> &findings)
    {
        if (findings.isEmpty())
            return;
        std::printf("%s\n", title);
        for (const Finding &f : findings)
            std::printf("  %s: %s\n", qPrintable(f.where), qPrintable(f.message));
    }

    QList<Finding> m_counted, m_waiting;
    QSet<QString> m_seen, m_documents;
};

// alias -> absolute source file, for the documents of a resource file.
QMap<QString, QString> readResourceFile(const QString &path, QString *error)
{
    QMap<QString, QString> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1").arg(path);
        return entries;
    }
    QXmlStreamReader xml(&file);
    QString prefix;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("qresource")) {
            prefix = xml.attributes().value(QLatin1String("prefix")).toString();
        } else if (xml.name() == QLatin1String("file")) {
            QString alias = xml.attributes().value(QLatin1String("alias")).toString();
            const QString source = xml.readElementText();
            if (alias.isEmpty())
                alias = source;
            alias = QDir::cleanPath(QLatin1Char('/') + prefix + QLatin1Char('/') + alias).mid(1);
            if (alias.endsWith(QLatin1String(".qml")) || alias.endsWith(QLatin1String(".js")))
                entries.insert(alias, QDir::cleanPath(QFileInfo(file).dir().absoluteFilePath(source)));
        }
    }
    if (xml.hasError())
        *error = QStringLiteral("%1: %2").arg(path, xml.errorString());
    return entries;
}

// Copies a document into the stage, its qrc: imports pointing at the stage,
// and notes its imports.
bool stage(const QString &from, Document *doc, const QString &stageRoot)
{
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    static const QRegularExpression importLine(QStringLiteral("^(\\s*\\.?import\\s+\")([^\"]+)\""));
    const QString replacement = stageRoot + QLatin1Char('/');
    QStringList lines = QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QRegularExpressionMatch m = importLine.match(lines[i]);
        if (!m.hasMatch())
            continue;
        const int column = int(m.capturedLength(1)) + 1;
        doc->imports.append({i + 1, column, m.captured(2)});
        if (m.captured(2).startsWith(kQrc)) {
            lines[i].replace(column - 1, kQrc.size(), replacement);
            doc->shifted.insert(i + 1, {column, int(replacement.size() - kQrc.size())});
        }
    }
    QDir().mkpath(QFileInfo(doc->staged).path());
    QFile out(doc->staged);
    return out.open(QIODevice::WriteOnly) && out.write(lines.join(QLatin1Char('\n')).toUtf8()) >= 0;
}

// Reports each import line whose file or folder is missing from the staged
// tree, once per source line (at the first mount where it is missing).
void checkImports(const Document &doc, const QString &stageRoot, QSet<QString> *reported, Findings *findings)
{
    for (const Import &import : doc.imports) {
        const QString path = import.target.startsWith(kQrc)
            ? stageRoot + QLatin1Char('/') + import.target.mid(kQrc.size())
            : QFileInfo(doc.staged).dir().absoluteFilePath(import.target);
        const QString key = doc.source + QLatin1Char(':') + QString::number(import.line);
        if (QFileInfo::exists(QDir::cleanPath(path)) || reported->contains(key))
            continue;
        reported->insert(key);
        QString message = QStringLiteral("imports \"%1\", which the resource tree lacks").arg(import.target);
        if (doc.alias != doc.source)
            message += QStringLiteral(" at %1").arg(doc.alias);
        findings->add(doc.source, import.line, import.column, message);
    }
}

// The ids a document declares outside its inline components, and the spans
// (character offsets) of those components.
struct Scopes
{
    QSet<QString> documentIds;
    QList<QPair<qsizetype, qsizetype>> inlineComponents;

    explicit Scopes(const QString &text)
    {
        static const QRegularExpression component(QStringLiteral("\\bcomponent\\s+\\w+\\s*:\\s*[\\w.]+\\s*\\{"));
        for (auto it = component.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            qsizetype end = m.capturedEnd(), depth = 1;
            for (; end < text.size() && depth > 0; ++end)
                depth += text.at(end) == QLatin1Char('{') ? 1 : text.at(end) == QLatin1Char('}') ? -1 : 0;
            inlineComponents.append({m.capturedStart(), end});
        }
        static const QRegularExpression id(QStringLiteral("\\bid\\s*:\\s*([A-Za-z_]\\w*)"));
        for (auto it = id.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            if (!inInlineComponent(m.capturedStart()))
                documentIds.insert(m.captured(1));
        }
    }
    bool inInlineComponent(qsizetype offset) const
    {
        for (const auto &span : inlineComponents) {
            if (offset >= span.first && offset < span.second)
                return true;
        }
        return false;
    }
    // A read of one of the document's ids from a component declared in place.
    bool boundRead(const QString &name, qsizetype offset) const
    {
        return documentIds.contains(name) && !inInlineComponent(offset);
    }
};

// `text` with its comments and string literals blanked out (offsets and line
// ends kept), so that only the document's structure is searched.
QString structureOnly(const QString &text)
{
    QString out = text;
    for (qsizetype i = 0; i < out.size(); ++i) {
        const QChar c = out.at(i);
        const QChar next = i + 1 < out.size() ? out.at(i + 1) : QChar();
        qsizetype end = -1;
        if (c == QLatin1Char('/') && next == QLatin1Char('/'))
            end = out.indexOf(QLatin1Char('\n'), i);
        else if (c == QLatin1Char('/') && next == QLatin1Char('*'))
            end = out.indexOf(QLatin1String("*/"), i + 2) + 1;
        else if (c == QLatin1Char('"') || c == QLatin1Char('\'') || c == QLatin1Char('`')) {
            end = i + 1;
            while (end < out.size() && out.at(end) != c)
                end += out.at(end) == QLatin1Char('\\') ? 2 : 1;
        } else {
            continue;
        }
        if (end < 0 || end >= out.size())
            end = out.size() - 1;
        for (qsizetype j = i; j <= end; ++j) {
            if (out.at(j) != QLatin1Char('\n'))
                out[j] = QLatin1Char(' ');
        }
        i = end;
    }
    return out;
}

// The project's rule on text formats (see the top of this file).
void checkTextFormats(const QString &source, const QString &text, Findings *findings)
{
    const QString structure = structureOnly(text);
    const auto lineColumn = [&structure](qsizetype offset) {
        const qsizetype lineStart = structure.lastIndexOf(QLatin1Char('\n'), offset - 1) + 1;
        return qMakePair(int(structure.left(offset).count(QLatin1Char('\n'))) + 1, int(offset - lineStart) + 1);
    };
    static const QRegularExpression element(QStringLiteral("(?<![\\w.])(?:QtQuick\\.|Controls\\.)?(Text|Label)\\s*\\{"));
    static const QRegularExpression plain(QStringLiteral("\\btextFormat\\s*:\\s*Text\\.PlainText\\b"));
    for (auto it = element.globalMatch(structure); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        // The element's own block, its children's blocks blanked out.
        QString own;
        int depth = 1;
        for (qsizetype i = m.capturedEnd(); i < structure.size() && depth > 0; ++i) {
            const QChar c = structure.at(i);
            depth += c == QLatin1Char('{') ? 1 : c == QLatin1Char('}') ? -1 : 0;
            own.append(depth == 1 ? c : QLatin1Char(' '));
        }
        if (plain.match(own).hasMatch())
            continue;
        const auto at = lineColumn(m.capturedStart());
        findings->add(source, at.first, at.second,
                      QStringLiteral("%1 without \"textFormat: Text.PlainText\": text from outside would be drawn as rich text")
                          .arg(m.captured(1)));
    }
    static const QRegularExpression anyFormat(QStringLiteral("\\btextFormat\\s*:\\s*([\\w.]+)"));
    for (auto it = anyFormat.globalMatch(structure); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(1) == QLatin1String("Text.PlainText"))
            continue;
        const auto at = lineColumn(m.capturedStart());
        findings->add(source, at.first, at.second,
                      QStringLiteral("textFormat %1: only Text.PlainText is allowed").arg(m.captured(1)));
    }
}

// Runs qmllint on one staged document; false when it gives no report.
bool lint(const QString &qmllint, const Document &doc, Findings *findings)
{
    QProcess process;
    process.setWorkingDirectory(QFileInfo(doc.staged).path());
    process.start(qmllint, {QStringLiteral("--ignore-settings"), QStringLiteral("--json"), QStringLiteral("-"),
                            doc.staged});
    if (!process.waitForFinished(60 * 1000)) {
        std::fprintf(stderr, "radod-qmllint: %s did not run (Debian: qt6-declarative-dev-tools): %s\n",
                     qPrintable(qmllint), qPrintable(process.errorString()));
        return false;
    }
    const QByteArray output = process.readAllStandardOutput();
    const QJsonDocument report = QJsonDocument::fromJson(output);
    if (!report.isObject()) {
        std::fprintf(stderr, "radod-qmllint: no report from qmllint on %s\n%s\n%s\n", qPrintable(doc.source),
                     output.constData(), process.readAllStandardError().constData());
        return false;
    }
    QString text;
    QFile staged(doc.staged);
    if (staged.open(QIODevice::ReadOnly))
        text = QString::fromUtf8(staged.readAll());
    const Scopes scopes(text);
    if (doc.staged.endsWith(QLatin1String(".qml")))
        checkTextFormats(doc.source, text, findings);
    for (const QJsonValue &file : report.object().value(QLatin1String("files")).toArray()) {
        for (const QJsonValue &w : file.toObject().value(QLatin1String("warnings")).toArray()) {
            const QJsonObject warning = w.toObject();
            const QString type = warning.value(QLatin1String("type")).toString();
            if (type != QLatin1String("warning") && type != QLatin1String("critical"))
                continue;
            QString message = warning.value(QLatin1String("message")).toString();
            if (message.startsWith(QLatin1String("Unqualified access"))) {
                const int offset = warning.value(QLatin1String("charOffset")).toInt();
                const QString name = text.mid(offset, warning.value(QLatin1String("length")).toInt());
                if (kContextProperty.match(name).hasMatch() || scopes.boundRead(name, offset))
                    continue;
                message += QStringLiteral(": ") + name;
            }
            const int line = warning.value(QLatin1String("line")).toInt();
            int column = warning.value(QLatin1String("column")).toInt();
            const auto shift = doc.shifted.value(line, {0, 0});
            if (shift.second && column > shift.first)
                column = qMax(shift.first, column - shift.second);
            findings->add(doc.source, line, column, message);
        }
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QStringList options = {QStringLiteral("qmllint"), QStringLiteral("qrc"), QStringLiteral("source"),
                                 QStringLiteral("stage")};
    for (const QString &name : options)
        parser.addOption(QCommandLineOption(name, name, QStringLiteral("path")));
    parser.process(app);
    for (const QString &name : options) {
        if (!parser.isSet(name)) {
            std::fprintf(stderr, "radod-qmllint: --%s is missing\n", qPrintable(name));
            return 2;
        }
    }
    const QString qmllint = parser.value(QStringLiteral("qmllint"));
    const QString qrc = parser.value(QStringLiteral("qrc"));

    QString error;
    const QMap<QString, QString> entries = readResourceFile(qrc, &error);
    if (entries.isEmpty() && error.isEmpty())
        error = QStringLiteral("no documents in %1").arg(qrc);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "radod-qmllint: %s\n", qPrintable(error));
        return 2;
    }
    const QDir sourceRoot(QFileInfo(parser.value(QStringLiteral("source"))).absoluteFilePath());
    QDir stageDir(QFileInfo(parser.value(QStringLiteral("stage"))).absoluteFilePath());
    stageDir.removeRecursively();
    stageDir.mkpath(QStringLiteral("."));
    const QString stageRoot = stageDir.absolutePath();

    Findings findings;
    QList<Document> mounted;
    QMap<QString, int> lintedAt;    // source -> index in mounted of the copy to lint
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        Document doc{it.key(), sourceRoot.relativeFilePath(it.value()), stageDir.absoluteFilePath(it.key()), {}, {}};
        if (!stage(it.value(), &doc, stageRoot)) {
            findings.add(doc.source, 0, 0, QStringLiteral("mounted at %1 but cannot be read").arg(doc.alias));
            continue;
        }
        if (!lintedAt.contains(doc.source) || doc.alias == doc.source)
            lintedAt.insert(doc.source, int(mounted.size()));
        mounted.append(doc);
    }
    QSet<QString> reportedImports;
    for (const int index : lintedAt)
        checkImports(mounted.at(index), stageRoot, &reportedImports, &findings);
    for (const Document &doc : mounted)
        checkImports(doc, stageRoot, &reportedImports, &findings);
    for (const int index : lintedAt) {
        if (!lint(qmllint, mounted.at(index), &findings))
            return 2;
    }
    std::printf("radod-qmllint: %lld documents linted (%lld mounts)\n", static_cast<long long>(lintedAt.size()),
                static_cast<long long>(mounted.size()));
    return findings.print();
}
