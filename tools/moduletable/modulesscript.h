#pragma once

#include "modules.h"

#include <QList>
#include <QString>

// The module table as a script for the documents, mounted in the resource tree
// at qrc:/Classes/Modules.js, so that a document reads its configuration
// file, default layout string and window fields from the one table:
//
//   import "qrc:/Classes/Modules.js" as Modules
//   files.writeFile(layout, Modules.Cessna.configPath)
//
// Besides the exchange folder's paths (lockPath, lockGeralPath, valuesPath,
// radioValuesPath, commandsPath, speedsRefPath), it holds one object per
// module, named as the Module enumeration: name, configFile, configFiles,
// configPath, layoutProperty, defaultLayout and windowFields ({x, y, width,
// height}; null when the geometry service saves none, width and height -1
// when the string stores the position only). The objects are frozen: every
// document shares them.
namespace ModulesScript {

// `text` as a JavaScript string literal, in double quotes, ASCII only.
QString literal(const QString &text);

// The whole script for `modules`.
QString write(const QList<ModuleInfo> &modules);

} // namespace ModulesScript
