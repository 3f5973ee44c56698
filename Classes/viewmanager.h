#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

class FileClass;
class QWidget;

// Positions of the window-geometry fields in a module's layout string.
struct WindowConfigIndices
{
    int xIndex = 0;
    int yIndex = 0;
    int widthIndex = 0;
    int heightIndex = 0;
    bool hasSize = false;
};

// Lets a panel document place and size the module window that hosts it, and
// store the window's position and size into its layout string. Published to
// documents as `viewManager`.
class ViewManager : public QObject
{
    Q_OBJECT
public:
    ViewManager(QWidget *window, const QString &configFilePath, FileClass *fileHandler,
                QObject *parent = nullptr);

    Q_INVOKABLE void saveWindowGeometry();

    // Configuration file (literal path) -> geometry field positions.
    static const QHash<QString, WindowConfigIndices> &moduleConfigIndices();

public slots:
    void setPosition(int x, int y);
    void setSize(int width, int height);
    void setFixedSize(int width, int height);
    void setMaximumSize(int width, int height);
    void setMinimumSize(int width, int height);

private:
    QPointer<QWidget> m_window;
    QString m_configFilePath;
    QPointer<FileClass> m_fileHandler;
};
