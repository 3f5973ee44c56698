#pragma once

#include <QLoggingCategory>

// Logging categories of the suite. Messages keep the fixed texts that users and
// support know; the categories let QT_LOGGING_RULES select them, e.g.
//   QT_LOGGING_RULES="radod.push.debug=true"   every value pushed to a document
Q_DECLARE_LOGGING_CATEGORY(lcStartup)   // radod.startup
Q_DECLARE_LOGGING_CATEGORY(lcFiles)     // radod.files: the file service
Q_DECLARE_LOGGING_CATEGORY(lcManager)   // radod.manager: watching and registration
Q_DECLARE_LOGGING_CATEGORY(lcPush)      // radod.push: each push, off by default
Q_DECLARE_LOGGING_CATEGORY(lcView)      // radod.view: window geometry
Q_DECLARE_LOGGING_CATEGORY(lcCommands)  // radod.commands: G1000 knob commands
