#include "g1000commandmanager.h"

#include "exchangedirectory.h"
#include "fileclass.h"
#include "logging.h"

#include <QFile>

G1000CommandManager::G1000CommandManager(QObject *parent) : QObject(parent)
{
    connect(&m_follower, &FileFollower::fileChanged, this, &G1000CommandManager::onCommandFileChanged);
    m_follower.followFile(commandFilePath());
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
}
