#include "screens/ui/CategoryViewModel.h"

#include "core/Icons.h"
#include "core/Localization.h"
#include "core/SizeText.h"
#include "model/ColorText.h"
#include "store/CleanerStore.h"

#include <QCollator>

#include <algorithm>

namespace pelmo {

CategoryViewModel::CategoryViewModel(QObject *parent)
    : StoreViewModel(parent)
{ }

void CategoryViewModel::attach(CleanerStore &store)
{
    for (auto signal : {&CleanerStore::itemsChanged, &CleanerStore::selectionChanged, &CleanerStore::isScanningChanged,
             &CleanerStore::isCleaningChanged})
        connect(&store, signal, this, &CategoryViewModel::refresh);
    connect(&store, &CleanerStore::confirmRequestChanged, this, [this] {
        if (selectedCount() > 0)
            Q_EMIT confirmRequested();
    });
}

void CategoryViewModel::storeReplaced()
{
    refresh();
}

QString CategoryViewModel::category() const
{
    return m_category ? Category::rawValue(*m_category) : QString();
}

void CategoryViewModel::setCategory(const QString &raw)
{
    const std::optional<CleanCategory> category = Category::fromRawValue(raw);
    if (category == m_category)
        return;
    m_category = category;
    Q_EMIT categoryChanged();
    refresh();
}

void CategoryViewModel::setQuery(const QString &query)
{
    if (query == m_query)
        return;
    m_query = query;
    Q_EMIT queryChanged();
    refresh();
}

void CategoryViewModel::setSortOrder(int order)
{
    if (order == m_sortOrder || (order != BySize && order != ByName))
        return;
    m_sortOrder = order;
    Q_EMIT sortOrderChanged();
    refresh();
}

QStringList CategoryViewModel::sortOptions() const
{
    return {Localization::tr("Podle velikosti"), Localization::tr("Podle názvu")};
}

void CategoryViewModel::refresh()
{
    QList<CleanItem> visible = m_store && m_category ? m_store->itemsIn(*m_category) : QList<CleanItem>();
    if (!m_query.isEmpty()) {
        visible.removeIf([this](const CleanItem &item) {
            return !item.name.contains(m_query, Qt::CaseInsensitive)
                && !item.detail.contains(m_query, Qt::CaseInsensitive);
        });
    }
    if (m_sortOrder == ByName) {
        QCollator collator;
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        std::ranges::stable_sort(
            visible, [&](const CleanItem &a, const CleanItem &b) { return collator.compare(a.name, b.name) < 0; });
    } else {
        std::ranges::stable_sort(visible, std::greater<>(), &CleanItem::size);
    }
    m_items.setItems(visible, m_store ? m_store->selection() : QSet<QString>());
    Q_EMIT changed();
}

QString CategoryViewModel::title() const
{
    return m_category ? Category::title(*m_category) : QString();
}

QString CategoryViewModel::subtitle() const
{
    return m_category ? Category::subtitle(*m_category) : QString();
}

QString CategoryViewModel::accent() const
{
    return m_category ? colorText(Category::color(*m_category)) : QString();
}

QString CategoryViewModel::iconName() const
{
    return m_category ? Icons::themeName(Category::symbol(*m_category)) : QString();
}

QString CategoryViewModel::totalText() const
{
    return formatSize(m_store && m_category ? m_store->total(*m_category) : 0);
}

bool CategoryViewModel::hasItems() const
{
    return m_store && m_category && !m_store->itemsIn(*m_category).isEmpty();
}

bool CategoryViewModel::isScanning() const
{
    return m_store && m_store->isScanning();
}

qsizetype CategoryViewModel::selectedCount() const
{
    return m_store && m_category ? m_store->selectedItemsIn(*m_category).size() : 0;
}

qint64 CategoryViewModel::selectedSize() const
{
    qint64 sum = 0;
    if (m_store && m_category) {
        for (const CleanItem &item : m_store->selectedItemsIn(*m_category))
            sum += item.size;
    }
    return sum;
}

QString CategoryViewModel::toggleAllText() const
{
    const bool all = hasItems() && selectedCount() == m_store->itemsIn(*m_category).size();
    return all ? Localization::tr("Zrušit výběr") : Localization::tr("Vybrat vše");
}

QString CategoryViewModel::footerText() const
{
    const qsizetype count = selectedCount();
    if (count == 0)
        return Localization::tr("Nic nevybráno");
    return Localization::format(
        Localization::tr("Vybráno %lld · %@"), {QString::number(count), formatSize(selectedSize())});
}

bool CategoryViewModel::moveEnabled() const
{
    return selectedCount() > 0 && !m_store->isCleaning();
}

QString CategoryViewModel::confirmText() const
{
    return Localization::format(Localization::tr("Přesunout do koše (%@)"), {formatSize(selectedSize())});
}

void CategoryViewModel::toggleAll()
{
    if (!m_store || !m_category)
        return;
    QSet<QString> ids;
    for (const CleanItem &item : m_store->itemsIn(*m_category))
        ids.insert(item.id());
    m_store->setSelected(ids, selectedCount() != ids.size());
}

void CategoryViewModel::setSelected(const QString &path, bool selected)
{
    if (m_store)
        m_store->setSelected(path, selected);
}

void CategoryViewModel::exclude(const QString &path)
{
    if (m_store)
        m_store->exclude(path);
}

void CategoryViewModel::moveSelected()
{
    if (m_store && m_category)
        m_store->clean(m_store->selectedItemsIn(*m_category));
}

} // namespace pelmo
