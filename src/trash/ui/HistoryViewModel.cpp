#include "trash/ui/HistoryViewModel.h"

#include "core/PathBytes.h"
#include "core/SizeText.h"
#include "store/CleanerStore.h"

namespace pelmo {

HistoryViewModel::HistoryViewModel(QObject *parent)
    : StoreViewModel(parent)
{
    connect(this, &StoreViewModel::changed, this, &HistoryViewModel::updateRows);
}

void HistoryViewModel::attach(CleanerStore &store)
{
    connect(&store, &CleanerStore::historyChanged, this, &HistoryViewModel::changed);
}

bool HistoryViewModel::isEmpty() const
{
    return !m_store || m_store->history().isEmpty();
}

QString HistoryViewModel::movedText() const
{
    return formatSize(m_store ? CleaningHistory::movedTotal(m_store->history()) : 0);
}

QString HistoryViewModel::countText() const
{
    return QString::number(m_store ? m_store->history().size() : 0);
}

void HistoryViewModel::updateRows()
{
    QList<QVariantMap> rows;
    const QLocale locale;
    for (const HistoryEntry &e : m_store ? m_store->history() : QList<HistoryEntry>()) {
        const QDateTime local = e.date.toLocalTime();
        const QString when = locale.toString(local.date(), QLocale::ShortFormat) + u' '
            + locale.toString(local.time(), QLocale::ShortFormat);
        rows.append(QVariantMap {{QStringLiteral("entryId"), e.id.toString(QUuid::WithoutBraces)},
            {QStringLiteral("name"), PathBytes::display(e.name)},
            {QStringLiteral("detail"), when + QStringLiteral(" · ") + PathBytes::display(e.originalPath)},
            {QStringLiteral("sizeText"), formatSize(e.size)}, {QStringLiteral("restorable"), !e.trashPath.isEmpty()}});
    }
    m_rows.setRecords(rows);
}

QVariantList HistoryViewModel::bars() const
{
    QVariantList bars;
    const QLocale locale;
    for (const CleaningHistory::DailyFreed &day :
        m_store ? m_store->dailyFreed() : QList<CleaningHistory::DailyFreed>())
        bars.append(QVariantMap {{QStringLiteral("daysAgo"), day.daysAgo},
            {QStringLiteral("label"), locale.toString(day.day, QStringLiteral("d. M."))},
            {QStringLiteral("gigabytes"), static_cast<double>(day.bytes) / 1e9}});
    return bars;
}

void HistoryViewModel::restore(const QString &id)
{
    if (!m_store)
        return;
    const QList<HistoryEntry> history = m_store->history(); // restoring replaces the store's list
    const auto found = std::ranges::find(history, QUuid::fromString(id), &HistoryEntry::id);
    if (found != history.end())
        m_store->restore(*found);
}

void HistoryViewModel::clear()
{
    if (m_store)
        m_store->clearHistory();
}

} // namespace pelmo
