#include "viewmanager.h"

#include "exchangedirectory.h"
#include "fileclass.h"
#include "logging.h"

#include <algorithm>

#include <QFileInfo>
#include <QRegularExpression>
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

namespace {

// A window is never made larger than this a side, whatever a layout string
// says: a size from a damaged file would otherwise be drawn whole, every
// frame, and hold the suite (two 4K screens side by side are 7680 wide).
constexpr int kLargestWindowSide = 8192;
int bounded(int extent)
{
    return qBound(0, extent, kLargestWindowSide);
}

} // namespace

void ViewManager::setSize(int width, int height)
{
    if (m_window)
        m_window->resize(bounded(width), bounded(height));
}

void ViewManager::setFixedSize(int width, int height)
{
    if (m_window)
        m_window->setFixedSize(bounded(width), bounded(height));
}

void ViewManager::setMaximumSize(int width, int height)
{
    if (m_window)
        m_window->setMaximumSize(bounded(width), bounded(height));
}

void ViewManager::setMinimumSize(int width, int height)
{
    if (m_window)
        m_window->setMinimumSize(bounded(width), bounded(height));
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
    // Only over what was read: a layout written meanwhile is not replaced.
    if (m_fileHandler->writeFileIfUnchanged(fields.join(QLatin1Char(',')), m_configFilePath, text))
        qCDebug(lcView) << "ViewManager: Geometria salva com sucesso no arquivo" << m_configFilePath;
}

void ViewManager::saveWindowGeometryByModuleId(const QString &moduleId)
{
    if (!m_window || !m_fileHandler || m_configFilePath.isEmpty()) {
        qCWarning(lcView) << "ViewManager: Não é possível salvar, configuração incompleta.";
        return;
    }
    // A key is a name such as "N2": a comma, a dash or a line end in it
    // would match, or write, something else than its own line.
    static const QRegularExpression plainKey(QStringLiteral("^[A-Za-z0-9_]+$"));
    if (!plainKey.match(moduleId).hasMatch()) {
        qCWarning(lcView) << "ViewManager: Chave de módulo inválida:" << moduleId;
        return;
    }
    qCDebug(lcView) << "ViewManager: Chamado para salvar a geometria da janela" << m_window->windowTitle()
                    << "sob a chave" << moduleId;
    if (!QFileInfo::exists(ExchangeDirectory::resolve(m_configFilePath))) {
        qCWarning(lcView) << "ViewManager: Arquivo de configuração não encontrado:" << m_configFilePath;
        return;
    }
    const std::optional<QString> text = m_fileHandler->readText(m_configFilePath);
    if (!text || text->isEmpty())
        return;

    QStringList lines = text->split(QLatin1Char('\n'));
    const QString key = moduleId + QLatin1Char('-');
    const auto line = std::find_if(lines.begin(), lines.end(),
                                   [&key](const QString &l) { return l.trimmed().startsWith(key); });
    if (line == lines.end()) {
        qCWarning(lcView) << "ViewManager: Nenhuma linha" << key << "em" << m_configFilePath;
        return;
    }
    QStringList fields = line->trimmed().mid(key.size()).split(QLatin1Char(','));
    while (fields.size() < 4)
        fields << QString();
    const QPoint origin = m_window->pos(); // frame origin
    fields[0] = QString::number(origin.x());
    fields[1] = QString::number(origin.y());
    fields[2] = QString::number(m_window->width());
    fields[3] = QString::number(m_window->height());
    *line = key + fields.join(QLatin1Char(','));
    if (m_fileHandler->write(lines.join(QLatin1Char('\n')), m_configFilePath))
        qCDebug(lcView) << "ViewManager: Geometria salva com sucesso no arquivo" << m_configFilePath;
}
