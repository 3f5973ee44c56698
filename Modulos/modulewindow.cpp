#include "modulewindow.h"

#include "exchangedirectory.h"
#include "fileclass.h"
#include "g1000commandmanager.h"
#include "logging.h"
#include "viewmanager.h"

#include <QMenuBar>
#include <QQmlContext>
#include <QQuickWidget>
#include <QStatusBar>

namespace {
constexpr int kFormWidth = 800;
constexpr int kFormHeight = 600;
constexpr int kMenuBarHeight = 21;
} // namespace

void ModuleForm::setupUi(QMainWindow *window, const QString &objectName, const QString &title)
{
    window->setObjectName(objectName);
    window->resize(kFormWidth, kFormHeight);
    centralwidget = new QWidget(window);
    centralwidget->setObjectName(QStringLiteral("centralwidget"));
    window->setCentralWidget(centralwidget);
    menubar = new QMenuBar(window);
    menubar->setObjectName(QStringLiteral("menubar"));
    menubar->setGeometry(QRect(0, 0, kFormWidth, kMenuBarHeight));
    window->setMenuBar(menubar);
    statusbar = new QStatusBar(window);
    statusbar->setObjectName(QStringLiteral("statusbar"));
    window->setStatusBar(statusbar);
    // Both bars stay empty. Hidden, they take no room, so the document gets the
    // whole client area: the panels size their windows for their own content,
    // and a visible status bar would cut the bottom of every panel.
    menubar->hide();
    statusbar->hide();
    window->setWindowTitle(title);
}

ContextProperty ContextProperty::text(const QString &name, const QString &value)
{
    return {name, QVariant(value), Kind::Value};
}

ContextProperty ContextProperty::object(const QString &name, QObject *value)
{
    return {name, QVariant::fromValue(value), Kind::Value};
}

ContextProperty ContextProperty::geometryService()
{
    return {QStringLiteral("viewManager"), QVariant(), Kind::GeometryService};
}

ContextProperty ContextProperty::commandChannel()
{
    return {QStringLiteral("g1000CommandManager"), QVariant(), Kind::CommandChannel};
}

ModuleWindow::ModuleWindow(Module which, const ModuleSetup &setup, QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<ModuleForm>())
{
    const ModuleInfo &module = Modules::info(which);
    ui->setupUi(this, module.objectName, module.formTitle);

    // A translucent window needs its quick widget before the flags change.
    if (module.translucent)
        createQuickWidget();
    setWindowFlags(Qt::WindowStaysOnTopHint);
    if (!m_quickWidget)
        createQuickWidget();
    if (module.translucent) {
        setAttribute(Qt::WA_TranslucentBackground);
        m_quickWidget->setAttribute(Qt::WA_TranslucentBackground);
        m_quickWidget->setClearColor(Qt::transparent);
    }

    if (!setup.configFile.isEmpty()) {
        m_viewManager = std::make_unique<ViewManager>(
            this, ExchangeDirectory::literalPath(setup.configFile), setup.fileService, module.windowFields);
    }
    if (module.commandChannel)
        m_commandManager = new G1000CommandManager(this);

    publish(setup.properties);
    applyGeometry(module, setup.layout);

    m_quickWidget->setSource(setup.document.isEmpty() ? module.document : setup.document);
    m_quickWidget->setResizeMode(QQuickWidget::SizeRootObjectToView);
    setCentralWidget(m_quickWidget); // the form's empty central widget is discarded
}

ModuleWindow::~ModuleWindow()
{
    // The document goes first: its bindings refer to the services below.
    delete m_quickWidget;
}

QQuickWidget *ModuleWindow::getQuickWidget() const
{
    return m_quickWidget;
}

void ModuleWindow::createQuickWidget()
{
    m_quickWidget = new QQuickWidget(this);
}

void ModuleWindow::publish(const QList<ContextProperty> &properties)
{
    QQmlContext *context = m_quickWidget->rootContext();
    for (const ContextProperty &p : properties) {
        switch (p.kind) {
        case ContextProperty::Kind::Value:
            if (p.value.metaType() == QMetaType::fromType<QObject *>())
                context->setContextProperty(p.name, p.value.value<QObject *>());
            else
                context->setContextProperty(p.name, p.value);
            break;
        case ContextProperty::Kind::GeometryService:
            if (m_viewManager)
                context->setContextProperty(p.name, m_viewManager.get());
            break;
        case ContextProperty::Kind::CommandChannel:
            if (m_commandManager)
                context->setContextProperty(p.name, m_commandManager);
            break;
        }
    }
}

void ModuleWindow::applyGeometry(const ModuleInfo &module, const QString &layout)
{
    const std::optional<ConstructorGeometry> geometry = module.constructorGeometry();
    if (!geometry || !m_viewManager)
        return;
    const QStringList fields = layout.split(QLatin1Char(','));
    if (fields.size() <= geometry->moreThanFields)
        return;
    // A field that is not a whole number (a decimal, say) counts as 0.
    const auto field = [&fields](int index) { return fields.value(index).toInt(nullptr, 10); };
    const WindowConfigIndices &at = geometry->fields;
    m_viewManager->setPosition(field(at.xIndex), field(at.yIndex));
    if (geometry->resize)
        m_viewManager->setSize(field(at.widthIndex), field(at.heightIndex));
}

std::unique_ptr<ModuleWindow> ModuleWindow::create(Module module, const StartupTexts &texts, const QString &layout,
                                                   FileClass *fileService)
{
    switch (Modules::info(module).form) {
    case WindowForm::Panel:
        return std::unique_ptr<ModuleWindow>(
            new ModuleWindow(module, panelSetup(module, texts.values, texts.lock, layout, fileService), nullptr));
    case WindowForm::Radio:
        return std::unique_ptr<ModuleWindow>(
            new ModuleWindow(module, radioSetup(module, texts.radioValues, layout, fileService), nullptr));
    case WindowForm::OwnClass:
        break;
    }
    qCWarning(lcStartup) << "Module window needs its own class:" << Modules::info(module).className;
    return nullptr;
}

ModuleSetup ModuleWindow::panelSetup(Module module, const QString &values, const QString &lock,
                                     const QString &layout, FileClass *fileService)
{
    const ModuleInfo &info = Modules::info(module);
    return {info.configFile,
            {ContextProperty::text(QStringLiteral("TimedProcessing"), values),
             ContextProperty::text(QStringLiteral("lock"), lock),
             ContextProperty::text(info.layoutProperty, layout),
             ContextProperty::object(QStringLiteral("fileclass"), fileService),
             ContextProperty::geometryService()},
            layout, fileService};
}

ModuleSetup ModuleWindow::radioSetup(Module module, const QString &timedData, const QString &formData,
                                     FileClass *fileService)
{
    const ModuleInfo &info = Modules::info(module);
    return {info.configFile,
            {ContextProperty::object(QStringLiteral("fileObj"), fileService),
             ContextProperty::geometryService(),
             ContextProperty::text(QStringLiteral("timedDataString"), timedData),
             ContextProperty::text(info.layoutProperty, formData)},
            formData, fileService};
}
