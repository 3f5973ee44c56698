#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>

// Turns the knob commands that an outside program writes into commands.txt
// into signals, and empties the file after each one.
//
// The file stays followed whatever its writer does: it is watched again after
// every notification as soon as it exists, and a file that does not exist yet
// (or was deleted) is picked up through its folder when it appears, and the
// command it holds is handled then.
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

private slots:
    void onFolderChanged();

private:
    // Watches the command file when it exists and is not watched yet (true
    // when a watch was added now), and its folder while it does not.
    bool follow();

    QFileSystemWatcher m_fileWatcher;
    QFileSystemWatcher m_folderWatcher;
};
