#pragma once

#include "filefollower.h"

#include <QFile>
#include <QObject>
#include <QString>

#include <functional>

// Turns the knob commands that an outside program writes into commands.txt
// into signals, and empties the file after each one, unless the file no longer
// holds the word that was read: then it holds the writer's next command, which
// its own notification brings. A writer that waits for the empty file before
// it writes the next word thus loses none.
//
// A file larger than FileClass::kMaxFileSize holds no command: it is emptied
// without being read, and said once.
//
// The file stays followed whatever its writer does (FileFollower): a file
// that is replaced, or does not exist yet, is picked up when it appears, and
// the command it holds is handled then.
class G1000CommandManager : public QObject
{
    Q_OBJECT
public:
    explicit G1000CommandManager(QObject *parent = nullptr);

    // The command file, as documents and the outside program name it.
    static QString commandFilePath();

signals:
    void innerKnobUp();
    void innerKnobDown();
    void outerKnobUp();
    void outerKnobDown();
    void cursorPressed();
    void enterPressed();

public slots:
    void onCommandFileChanged(const QString &path);

private:
    // Empties the file in place when `stillHoldsWhatWasRead` (given the file
    // open for reading and writing) says so.
    void emptyIf(const QString &realPath, const std::function<bool(QFile &)> &stillHoldsWhatWasRead);

    FileFollower m_follower;
    bool m_oversizedSaid = false;
};
