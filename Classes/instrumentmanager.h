#pragma once

#include <QFileSystemWatcher>
#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QObject>
#include <QPointer>
#include <QStringList>

class FileClass;
class ModuleWindow;
class QQmlApplicationEngine;

// A recipient of a configuration file.
struct ConfigInfo
{
    QPointer<QObject> rootObject; // the window's QQuickWidget, or a QQmlApplicationEngine
    QString propertyName;         // context property that carries the layout string
    QString defaultValues;        // the registered default layout string
};

// Distribution hub between the exchange directory and the module windows:
// watches the value, configuration and lock files and pushes their text into
// every document registered for them, and switches every registered window
// between framed and frameless with the lock flag.
class InstrumentManager : public QObject
{
    Q_OBJECT
public:
    explicit InstrumentManager(QObject *parent = nullptr);

    void initializeConfigWatcher(const QString &directoryPath);
    void initializeLock(const QString &lockFilePath);

    // Registers a module window's document for its configuration and value
    // files (names in the exchange directory) and shows the window.
    void registerInstrument(ModuleWindow *screen, const QString &configFilePath,
                            const QString &configPropertyName, const QString &configDefaultValues,
                            const QStringList &valueFilesToWatch);

    // Registers an engine-hosted document and loads it.
    void registerInstrument(QQmlApplicationEngine *engine, const QString &configFilePath,
                            const QString &configPropertyName, const QString &configDefaultValues,
                            const QStringList &valueFilesToWatch, const QString &qmlFilePath);

    void registerWindow(QMainWindow *window);

    FileClass *fileService() const;
};
