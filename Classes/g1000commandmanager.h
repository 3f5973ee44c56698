#pragma once

#include "filefollower.h"

#include <QObject>
#include <QString>

// Turns the knob commands that an outside program writes into commands.txt
// into signals, and empties the file after each one.
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
    FileFollower m_follower;
};
