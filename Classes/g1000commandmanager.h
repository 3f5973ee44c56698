#pragma once

#include <QFileSystemWatcher>
#include <QObject>

// Turns the knob commands that an outside program writes into commands.txt
// into signals, and empties the file after each one.
class G1000CommandManager : public QObject
{
    Q_OBJECT
public:
    explicit G1000CommandManager(QObject *parent = nullptr);

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
    QFileSystemWatcher m_fileWatcher;
};
