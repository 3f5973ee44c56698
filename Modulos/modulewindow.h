#pragma once

#include <QMainWindow>

class QQuickWidget;

// Common base of the module windows: a top-level window that hosts one panel
// document in a quick widget. (Construction is completed by the module window
// family; this declaration is what the instrument manager relies on.)
class ModuleWindow : public QMainWindow
{
    Q_OBJECT
public:
    using QMainWindow::QMainWindow;

    // The quick widget that hosts the document; the instrument manager pushes
    // context properties on its root context.
    virtual QQuickWidget *getQuickWidget() const = 0;
};
