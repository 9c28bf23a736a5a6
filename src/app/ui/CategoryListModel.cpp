#include "app/ui/CategoryListModel.h"

#include "core/Icons.h"
#include "core/Localization.h"
#include "core/SizeText.h"
#include "model/ColorText.h"
#include "store/CleanerStore.h"

namespace pelmo {

CategoryListModel::CategoryListModel(QObject *parent)
    : QAbstractListModel(parent)
{ }

void CategoryListModel::setStore(CleanerStore *store)
{
    if (m_store == store)
        return;
    if (m_store)
        disconnect(m_store, nullptr, this, nullptr);
    beginResetModel();
    m_store = store;
    endResetModel();
    if (m_store) {
        connect(m_store, &CleanerStore::itemsChanged, this,
            [this] { Q_EMIT dataChanged(index(0), index(rowCount() - 1)); });
    }
    Q_EMIT storeChanged();
}

int CategoryListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(allCategories.size());
}

QVariant CategoryListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const CleanCategory category = allCategories[static_cast<size_t>(index.row())];
    const qint64 total = m_store ? m_store->total(category) : 0;
    switch (role) {
    case RawRole:
        return Category::rawValue(category);
    case Qt::DisplayRole:
    case TitleRole:
        return Category::title(category);
    case SubtitleRole:
        return Category::subtitle(category);
    case IconRole:
        return Icons::themeName(Category::symbol(category));
    case SymbolRole:
        return Category::symbol(category);
    case ColorRole:
        return colorText(Category::color(category));
    case TotalRole:
        return static_cast<double>(total);
    case TotalTextRole:
        return formatSize(total);
    case CountTextRole: {
        const qsizetype count = m_store ? m_store->itemsIn(category).size() : 0;
        return count > 0 ? Localization::tr("Položek: ") + QString::number(count) : Localization::tr("Nic k uklizení");
    }
    case ShareRole: {
        const qint64 found = m_store ? totalSize(m_store->items()) : 0;
        return found < 1 ? 0.0 : static_cast<double>(total) / static_cast<double>(found);
    }
    default:
        return {};
    }
}

QHash<int, QByteArray> CategoryListModel::roleNames() const
{
    return {{RawRole, "raw"}, {TitleRole, "title"}, {SubtitleRole, "subtitle"}, {IconRole, "iconName"},
        {ColorRole, "accent"}, {TotalRole, "total"}, {TotalTextRole, "totalText"}, {CountTextRole, "countText"},
        {ShareRole, "share"}, {SymbolRole, "symbol"}};
}

} // namespace pelmo
