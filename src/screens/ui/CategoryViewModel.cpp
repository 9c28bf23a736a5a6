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
        if (!shownSelection().isEmpty())
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
    const bool queryReset = !m_query.isEmpty();
    const bool sortReset = m_sortOrder != BySize;
    m_query.clear();
    m_sortOrder = BySize;
    refresh(); // before the signals, so that views see the new rows when they react
    Q_EMIT categoryChanged();
    if (queryReset)
        Q_EMIT queryChanged();
    if (sortReset)
        Q_EMIT sortOrderChanged();
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

QString CategoryViewModel::symbol() const
{
    return m_category ? Category::symbol(*m_category) : QString();
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

qsizetype CategoryViewModel::selectedInCategory() const
{
    return m_store && m_category ? m_store->selectedItemsIn(*m_category).size() : 0;
}

QList<CleanItem> CategoryViewModel::shownSelection() const
{
    QList<CleanItem> shown;
    if (m_store) {
        const QSet<QString> &selection = m_store->selection();
        for (const CleanItem &item : m_items.items()) {
            if (selection.contains(item.id()))
                shown.append(item);
        }
    }
    return shown;
}

qint64 CategoryViewModel::shownSelectionSize() const
{
    qint64 sum = 0;
    for (const CleanItem &item : shownSelection())
        sum += item.size;
    return sum;
}

QString CategoryViewModel::toggleAllText() const
{
    const bool all = hasItems() && selectedInCategory() == m_store->itemsIn(*m_category).size();
    return all ? Localization::tr("Zrušit výběr") : Localization::tr("Vybrat vše");
}

QString CategoryViewModel::footerText() const
{
    const QList<CleanItem> shown = shownSelection();
    QString text = shown.isEmpty() ? Localization::tr("Nic nevybráno")
                                   : Localization::format(Localization::tr("Vybráno %lld · %@"),
                                       {QString::number(shown.size()), formatSize(shownSelectionSize())});
    const qsizetype hidden = selectedInCategory() - shown.size();
    if (hidden > 0)
        text += QStringLiteral(" · ")
            + Localization::format(Localization::tr("vybráno mimo hledání: %lld"), {QString::number(hidden)});
    return text;
}

bool CategoryViewModel::moveEnabled() const
{
    return !shownSelection().isEmpty() && !m_store->isCleaning();
}

QString CategoryViewModel::confirmText() const
{
    return Localization::format(Localization::tr("Přesunout do koše (%@)"), {formatSize(shownSelectionSize())});
}

void CategoryViewModel::toggleAll()
{
    if (!m_store || !m_category)
        return;
    QSet<QString> ids;
    for (const CleanItem &item : m_store->itemsIn(*m_category))
        ids.insert(item.id());
    m_store->setSelected(ids, selectedInCategory() != ids.size());
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
        m_store->clean(shownSelection());
}

} // namespace pelmo
