#include "g1000commandmanager.h"

#include "exchangedirectory.h"
#include "fileclass.h"
#include "logging.h"

#include <QFile>
#include <QFileInfo>

G1000CommandManager::G1000CommandManager(QObject *parent) : QObject(parent)
{
    connect(&m_fileWatcher, &QFileSystemWatcher::fileChanged, this,
            &G1000CommandManager::onCommandFileChanged);
    connect(&m_folderWatcher, &QFileSystemWatcher::directoryChanged, this,
            &G1000CommandManager::onFolderChanged);
    follow();
}

QString G1000CommandManager::commandFilePath()
{
    return ExchangeDirectory::literalPath(QStringLiteral("commands.txt"));
}

void G1000CommandManager::onCommandFileChanged(const QString &path)
{
    const QString real = ExchangeDirectory::resolve(path);
    QFile file(real);
    QString error;
    if (!FileClass::openRegularFile(file, QIODevice::ReadOnly | QIODevice::Text, &error)) {
        qCWarning(lcCommands) << "Não foi possível abrir o arquivo de comandos:" << error;
        follow();
        return;
    }
    const QByteArray raw = file.readAll();
    file.close();
    const QString command = QString::fromUtf8(raw).trimmed();

    if (command == QLatin1String("inner_cursor_up"))
        emit innerKnobUp();
    else if (command == QLatin1String("inner_cursor_down"))
        emit innerKnobDown();
    else if (command == QLatin1String("cursor_press"))
        emit cursorPressed();
    else if (command == QLatin1String("outer_cursor_up"))
        emit outerKnobUp();
    else if (command == QLatin1String("outer_cursor_down"))
        emit outerKnobDown();
    else if (command == QLatin1String("enter_press"))
        emit enterPressed();
    if (!command.isEmpty())
        qCDebug(lcCommands) << "comando" << command;

    // Emptied in place, so that the watch stays on the file. An empty file is
    // left alone: emptying it again would be a change of its own and wake this
    // slot up again, for ever.
    if (!raw.isEmpty()) {
        QFile out(real);
        if (!FileClass::openRegularFile(out, QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text, &error))
            qCWarning(lcCommands) << "Não foi possível esvaziar o arquivo de comandos:" << error;
    }
    follow();
}

void G1000CommandManager::onFolderChanged()
{
    if (follow())
        onCommandFileChanged(commandFilePath()); // a command written as a new file
}

bool G1000CommandManager::follow()
{
    const QString real = ExchangeDirectory::resolve(commandFilePath());
    bool added = false;
    if (QFileInfo(real).isFile() && !m_fileWatcher.files().contains(real))
        added = m_fileWatcher.addPath(real);

    // The folder is watched while the file is missing, and also while it is
    // watched: a writer that replaces the file drops the file watch, and the
    // folder notices the new file.
    const QString folder = ExchangeDirectory::nearestExistingFolder(real);
    const QStringList current = m_folderWatcher.directories();
    if (!folder.isEmpty() && !current.contains(folder))
        m_folderWatcher.addPath(folder);
    for (const QString &dir : current) {
        if (dir != folder)
            m_folderWatcher.removePath(dir);
    }
    return added;
}
