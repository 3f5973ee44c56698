#pragma once

#include "fileclass.h"
#include "modules.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QVariant>

#include <memory>

class G1000CommandManager;
class QMenuBar;
class QQuickWidget;
class QStatusBar;
class ViewManager;

// The form of every module window, built in code: object name, 800 by 600, an
// empty central widget, menu bar and status bar, and the form's title.
struct ModuleForm
{
    QPointer<QWidget> centralwidget; // replaced by the quick widget
    QMenuBar *menubar = nullptr;
    QStatusBar *statusbar = nullptr;

    void setupUi(QMainWindow *window, const QString &objectName, const QString &title);
};

// One context property published to a module window's document. Values are
// given by the window's constructor; the geometry service and the command
// channel are objects the shared construction creates, named here by kind.
struct ContextProperty
{
    enum class Kind { Value, GeometryService, CommandChannel };

    QString name;
    QVariant value;
    Kind kind = Kind::Value;

    static ContextProperty text(const QString &name, const QString &value);
    static ContextProperty object(const QString &name, QObject *value);
    static ContextProperty geometryService(); // `viewManager`, when the window has one
    static ContextProperty commandChannel();  // `g1000CommandManager`
};

// Everything a module window's constructor hands to the shared construction.
struct ModuleSetup
{
    QString configFile;               // configuration file of the geometry service
                                      // (file name; empty: no geometry service)
    QList<ContextProperty> properties; // in the order they are set
    QString layout;                   // layout string, for the constructor geometry
    FileClass *fileService = nullptr;
    QUrl document = {};               // empty: the module's own document
};

// What start-up reads from the exchange folder before it opens the windows.
struct StartupTexts
{
    QString values;      // the value vector
    QString radioValues; // the radio value vector
    QString lock;        // the lock flag
};

// Common base of the module windows: a top-level window that stays above other
// windows and hosts one panel document in a quick widget. Construction:
//  1. the form (800 by 600, central widget, menu bar, status bar, title);
//  2. window flags: stay on top alone (a parentless widget stays a window);
//  3. the quick widget, a child of the window (created before the flags for a
//     translucent window, whose undrawn parts show the desktop);
//  4. the geometry service over the module's configuration file, and the
//     command channel for the window that has one;
//  5. the context properties, in the module's order, before the document loads;
//  6. the window geometry from the layout string, for the modules that apply it
//     (ModuleInfo::constructorGeometry);
//  7. the document, its root item sized to the view; the quick widget becomes
//     the central widget.
// The window is shown by the instrument manager's registration.
class ModuleWindow : public QMainWindow
{
    Q_OBJECT
public:
    using QMainWindow::QMainWindow; // a bare window (no document), e.g. in tests
    ~ModuleWindow() override;

    // A window of `module` built by its form (WindowForm) from what start-up
    // has read and the module's layout string; nullptr for a module whose
    // window needs inputs of its own (its own class builds it).
    static std::unique_ptr<ModuleWindow> create(Module module, const StartupTexts &texts, const QString &layout,
                                                FileClass *fileService);

    // The quick widget that hosts the document; the instrument manager pushes
    // context properties on its root context.
    virtual QQuickWidget *getQuickWidget() const;

    ViewManager *viewManager() const { return m_viewManager.get(); }
    G1000CommandManager *commandManager() const { return m_commandManager; }
    const ModuleForm *form() const { return ui.get(); }

protected:
    ModuleWindow(Module module, const ModuleSetup &setup, QWidget *parent);

    // A panel window (Caravan, Baron, Cessna, StandBy, EIS) publishes the value
    // vector, the lock flag, its layout string, the file service and its
    // geometry service.
    static ModuleSetup panelSetup(Module module, const QString &values, const QString &lock,
                                  const QString &layout, FileClass *fileService);
    // A radio window publishes the file service as `fileObj`, its geometry
    // service, the radio value vector and the radio layout string.
    static ModuleSetup radioSetup(Module module, const QString &timedData, const QString &formData,
                                  FileClass *fileService);

private:
    void createQuickWidget();
    void publish(const QList<ContextProperty> &properties);
    void applyGeometry(const ModuleInfo &module, const QString &layout);

    std::unique_ptr<ModuleForm> ui;
    QQuickWidget *m_quickWidget = nullptr; // child of the window
    std::unique_ptr<ViewManager> m_viewManager;
    G1000CommandManager *m_commandManager = nullptr; // child of the window
};
