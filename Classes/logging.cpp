#include "logging.h"

Q_LOGGING_CATEGORY(lcStartup, "radod.startup")
Q_LOGGING_CATEGORY(lcFiles, "radod.files")
Q_LOGGING_CATEGORY(lcManager, "radod.manager")
Q_LOGGING_CATEGORY(lcPush, "radod.push", QtInfoMsg)
Q_LOGGING_CATEGORY(lcView, "radod.view")
Q_LOGGING_CATEGORY(lcCommands, "radod.commands")
