#include "uninstall/ui/AppListModel.h"

#include "uninstall/ui/AppTexts.h"

#include "core/PathBytes.h"
#include "core/SizeText.h"

namespace pelmo {

AppListModel::AppListModel(QObject *parent)
    : QAbstractListModel(parent)
{ }

void AppListModel::setApps(const QList<InstalledApp> &apps, const QSet<QString> &running)
{
    if (apps != m_apps) {
        beginResetModel();
        m_apps = apps;
        m_running = running;
        endResetModel();
    } else if (running != m_running) {
        m_running = running;
        if (!m_apps.isEmpty())
            Q_EMIT dataChanged(index(0), index(rowCount() - 1), {RunningRole});
    }
}

int AppListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_apps.size());
}

QVariant AppListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const InstalledApp &app = m_apps[index.row()];
    switch (role) {
    case PathRole:
        return app.path;
    case Qt::DisplayRole:
    case NameRole:
        return PathBytes::display(app.name);
    case SubtitleRole:
        return AppTexts::subtitle(app, QDateTime::currentDateTime());
    case SizeTextRole:
        // Below one byte the application is not measured yet.
        return app.size < 1 ? QStringLiteral("…") : formatSize(app.size);
    case RunningRole:
        return m_running.contains(app.path);
    case IconRole:
        return AppTexts::iconSource(app);
    default:
        return {};
    }
}

QHash<int, QByteArray> AppListModel::roleNames() const
{
    return {{PathRole, "path"}, {NameRole, "name"}, {SubtitleRole, "subtitle"}, {SizeTextRole, "sizeText"},
        {RunningRole, "running"}, {IconRole, "iconSource"}};
}

} // namespace pelmo
