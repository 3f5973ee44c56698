#pragma once

#include "windowconfigindices.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <optional>

class FileClass;
class QWidget;

// Lets a panel document place and size the module window that hosts it, and
// store the window's position and size into its layout string. Published to
// documents as `viewManager`. Whoever creates it says where the layout string
// keeps the window geometry; without those positions nothing is saved.
class ViewManager : public QObject
{
    Q_OBJECT
public:
    ViewManager(QWidget *window, const QString &configFilePath, FileClass *fileHandler,
                std::optional<WindowConfigIndices> windowFields, QObject *parent = nullptr);

    Q_INVOKABLE void saveWindowGeometry();

    // For a configuration file of keyed lines (configG1000.txt: one block per
    // G1000 screen): writes the window's x, y, width and height into fields 0
    // to 3 of the first line that starts with `moduleId` + "-" ("N2-x,y,w,h,
    // scale"), keeping the line's further fields and every other line. A file
    // without such a line, or a key that is not a plain name, is left alone.
    Q_INVOKABLE void saveWindowGeometryByModuleId(const QString &moduleId);

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
    std::optional<WindowConfigIndices> m_windowFields;
};
