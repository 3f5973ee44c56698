#include "g1000commandmanager.h"

#include "exchangedirectory.h"
#include "logging.h"

// Written by the G1000 bezel program's bridge; one command word per write.
// (Watching is completed together with the instrument manager's re-watching of
// replaced files.)
G1000CommandManager::G1000CommandManager(QObject *parent) : QObject(parent)
{
    m_fileWatcher.addPath(ExchangeDirectory::resolve(ExchangeDirectory::literalPath(QStringLiteral("commands.txt"))));
    connect(&m_fileWatcher, &QFileSystemWatcher::fileChanged, this,
            &G1000CommandManager::onCommandFileChanged);
}

void G1000CommandManager::onCommandFileChanged(const QString &path)
{
    Q_UNUSED(path)
}
