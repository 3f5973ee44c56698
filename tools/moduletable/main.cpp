// radod-moduletable: writes the module table as the documents' script.
//   radod-moduletable --out Modules.js
// Run at build time; the script is mounted at qrc:/Classes/Modules.js.
#include "modules.h"
#include "modulesscript.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qsizetype at = args.indexOf(QStringLiteral("--out"));
    if (at < 0 || at + 1 >= args.size()) {
        std::fprintf(stderr, "usage: radod-moduletable --out FILE\n");
        return 2;
    }
    const QString out = args.at(at + 1);
    QDir().mkpath(QFileInfo(out).absolutePath());
    QSaveFile file(out);
    const QByteArray bytes = ModulesScript::write(Modules::all()).toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "radod-moduletable: cannot write %s: %s\n", qPrintable(out),
                     qPrintable(file.errorString()));
        return 1;
    }
    return 0;
}
