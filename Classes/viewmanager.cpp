#include "viewmanager.h"

#include "exchangedirectory.h"
#include "fileclass.h"
#include "logging.h"

#include <QFileInfo>
#include <QStringList>
#include <QWidget>

ViewManager::ViewManager(QWidget *window, const QString &configFilePath, FileClass *fileHandler,
                         std::optional<WindowConfigIndices> windowFields, QObject *parent)
    : QObject(parent),
      m_window(window),
      m_configFilePath(configFilePath),
      m_fileHandler(fileHandler),
      m_windowFields(windowFields)
{
}

void ViewManager::setPosition(int x, int y)
{
    if (m_window)
        m_window->move(x, y);
}

void ViewManager::setSize(int width, int height)
{
    if (m_window)
        m_window->resize(width, height);
}

void ViewManager::setFixedSize(int width, int height)
{
    if (m_window)
        m_window->setFixedSize(width, height);
}

void ViewManager::setMaximumSize(int width, int height)
{
    if (m_window)
        m_window->setMaximumSize(width, height);
}

void ViewManager::setMinimumSize(int width, int height)
{
    if (m_window)
        m_window->setMinimumSize(width, height);
}

void ViewManager::saveWindowGeometry()
{
    if (!m_window || !m_fileHandler || m_configFilePath.isEmpty()) {
        qCWarning(lcView) << "ViewManager: Não é possível salvar, configuração incompleta.";
        return;
    }
    qCDebug(lcView) << "ViewManager: Chamado para salvar a geometria da janela" << m_window->windowTitle();

    // A missing file is not created: an empty configuration file would stand
    // in for the module's default layout at the next start.
    if (!QFileInfo::exists(ExchangeDirectory::resolve(m_configFilePath))) {
        qCWarning(lcView) << "ViewManager: Arquivo de configuração não encontrado:" << m_configFilePath;
        return;
    }
    const QString text = m_fileHandler->readConfigFromFile(m_configFilePath, QString());
    if (text.isEmpty())
        return;
    QStringList fields = text.split(QLatin1Char(','));

    if (!m_windowFields) {
        qCWarning(lcView) << "ViewManager: Nenhum índice de configuração para" << m_configFilePath;
        return;
    }
    const WindowConfigIndices &idx = *m_windowFields;
    if (idx.highestIndex() >= fields.size()) {
        qCWarning(lcView) << "ViewManager: Tamanho do array de config inválido.";
        return;
    }

    const QPoint origin = m_window->pos(); // frame origin
    fields[idx.xIndex] = QString::number(origin.x());
    fields[idx.yIndex] = QString::number(origin.y());
    if (idx.hasSize) {
        fields[idx.widthIndex] = QString::number(m_window->width());
        fields[idx.heightIndex] = QString::number(m_window->height());
    }
    if (m_fileHandler->write(fields.join(QLatin1Char(',')), m_configFilePath))
        qCDebug(lcView) << "ViewManager: Geometria salva com sucesso no arquivo" << m_configFilePath;
}
