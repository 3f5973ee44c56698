#include "g1000commandmanager.h"

#include "exchangedirectory.h"
#include "fileclass.h"
#include "logging.h"

#include <QDir>
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
    if (!FileClass::openRegularFile(file, QIODevice::ReadOnly, &error)) {
        qCWarning(lcCommands) << "Não foi possível abrir o arquivo de comandos:" << error;
        return;
    }
    if (file.size() > FileClass::kMaxFileSize) {
        // No command word is that long: not read, only emptied.
        if (!m_oversizedSaid) {
            qCWarning(lcCommands).noquote() << QStringLiteral("Arquivo de comandos grande demais, esvaziado: %1 (%2 bytes)")
                                                   .arg(QDir::toNativeSeparators(real)).arg(file.size());
            m_oversizedSaid = true;
        }
        file.close();
        emptyIf(real, [](QFile &f) { return f.size() > FileClass::kMaxFileSize; });
        return;
    }
    m_oversizedSaid = false;
    const QByteArray raw = file.read(FileClass::kMaxFileSize + 1); // bounded: it may grow meanwhile
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

    // An empty file is left alone: emptying it again would be a change of its
    // own and wake this slot up again, for ever.
    if (!raw.isEmpty()) {
        emptyIf(real, [&raw](QFile &f) {
            // What a writer may have put there since is its next command.
            return f.size() == raw.size() && f.read(raw.size() + 1) == raw;
        });
    }
}

void G1000CommandManager::emptyIf(const QString &realPath, const std::function<bool(QFile &)> &stillHoldsWhatWasRead)
{
    // Emptied in place, so that the watch stays on the file; only when it
    // still holds what was read, checked through the same open file just
    // before it is cut.
    QFile file(realPath);
    QString error;
    if (!FileClass::openRegularFile(file, QIODevice::ReadWrite, &error)) {
        qCWarning(lcCommands) << "Não foi possível esvaziar o arquivo de comandos:" << error;
        return;
    }
    if (stillHoldsWhatWasRead(file) && !file.resize(0))
        qCWarning(lcCommands) << "Não foi possível esvaziar o arquivo de comandos:" << file.errorString();
}
