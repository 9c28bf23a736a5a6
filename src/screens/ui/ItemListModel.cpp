#include "screens/ui/ItemListModel.h"

#include "screens/ui/FileIcon.h"

#include "core/Localization.h"
#include "core/PathBytes.h"
#include "core/SizeText.h"

namespace pelmo {

ItemListModel::ItemListModel(QObject *parent)
    : QAbstractListModel(parent)
{ }

void ItemListModel::setItems(const QList<CleanItem> &items, const QSet<QString> &selection)
{
    if (items != m_items) {
        beginResetModel();
        m_items = items;
        m_selection = selection;
        m_icons.clear();
        for (const CleanItem &item : m_items)
            m_icons.append(FileIcon::forPath(item.path)); // a stat, no read: this is the window's thread
        endResetModel();
    } else if (selection != m_selection) {
        m_selection = selection;
        if (!m_items.isEmpty())
            Q_EMIT dataChanged(index(0), index(rowCount() - 1), {SelectedRole});
    }
}

int ItemListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_items.size());
}

QVariant ItemListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const CleanItem &item = m_items[index.row()];
    switch (role) {
    case PathRole:
        return item.path;
    case Qt::DisplayRole:
    case NameRole:
        // Scanners translate the fixed names and reasons they make; a file's name is shown as
        // it is, even when it happens to read like one of Pelmo's texts.
        return PathBytes::display(item.name);
    case DetailRole:
        return PathBytes::display(item.detail);
    case SizeTextRole:
        return formatSize(item.size);
    case SafeRole:
        return item.isSafe;
    case BadgeRole:
        return item.isSafe ? Localization::tr("Bezpečné") : Localization::tr("Zkontroluj");
    case SelectedRole:
        return m_selection.contains(item.id());
    case IconRole:
        return m_icons.value(index.row());
    case Qt::ToolTipRole:
    case ToolTipRole:
        return PathBytes::display(item.path);
    default:
        return {};
    }
}

QHash<int, QByteArray> ItemListModel::roleNames() const
{
    return {{PathRole, "path"}, {NameRole, "name"}, {DetailRole, "detail"}, {SizeTextRole, "sizeText"},
        {SafeRole, "safe"}, {BadgeRole, "badge"}, {SelectedRole, "selected"}, {ToolTipRole, "fullPath"},
        {IconRole, "iconName"}};
}

} // namespace pelmo
