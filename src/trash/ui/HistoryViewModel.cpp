#include "trash/ui/HistoryViewModel.h"

#include "core/PathBytes.h"
#include "core/SizeText.h"
#include "store/CleanerStore.h"

#include <cmath>

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
            {QStringLiteral("sizeText"), formatSize(e.size)}, {QStringLiteral("restorable"), m_store->canPutBack(e)}});
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

namespace {

constexpr int kChartDays = 30;

// Decimals that show every step of `step` exactly.
int decimalsOf(double step)
{
    int decimals = 0;
    while (
        decimals < 6 && std::fabs(step * std::pow(10.0, decimals) - std::round(step * std::pow(10.0, decimals))) > 1e-9)
        ++decimals;
    return decimals;
}

} // namespace

QList<double> HistoryViewModel::axisSteps(double top)
{
    if (!(top > 0))
        return {};
    const double magnitude = std::pow(10.0, std::floor(std::log10(top / 3)));
    double step = 10 * magnitude;
    for (const double factor : {1.0, 2.0, 2.5, 5.0}) {
        if (factor * magnitude * 3 >= top * (1 - 1e-12)) {
            step = factor * magnitude;
            break;
        }
    }
    QList<double> steps;
    for (int i = 1; i <= 3 && (steps.isEmpty() || steps.last() < top * (1 - 1e-12)); ++i)
        steps.append(step * i);
    return steps;
}

QVariantList HistoryViewModel::days() const
{
    const QList<CleaningHistory::DailyFreed> freed
        = m_store ? m_store->dailyFreed() : QList<CleaningHistory::DailyFreed>();
    // Today as the store's clock sees it: any day with moves tells it, else the system's.
    const QDate today = freed.isEmpty() ? QDate::currentDate() : freed.first().day.addDays(freed.first().daysAgo);
    const QLocale locale;
    const bool czech = locale.language() == QLocale::Czech;
    const QString labelFormat = czech ? QStringLiteral("d. M.") : QStringLiteral("d MMM");
    QVariantList days;
    for (int ago = kChartDays - 1; ago >= 0; --ago) {
        const QDate day = today.addDays(-ago);
        const auto found = std::ranges::find(freed, day, &CleaningHistory::DailyFreed::day);
        const qint64 bytes = found == freed.end() ? 0 : found->bytes;
        const bool monthStart = day.day() == 1;
        const bool weekStart = day.dayOfWeek() == locale.firstDayOfWeek();
        // A week's label yields to a month's start within two days of it.
        const bool crowded = !monthStart && (day.day() <= 3 || day.addDays(1).day() == 1 || day.addDays(2).day() == 1);
        days.append(QVariantMap {{QStringLiteral("gigabytes"), static_cast<double>(bytes) / 1e9},
            {QStringLiteral("sizeText"), formatSize(bytes)},
            {QStringLiteral("dateText"), locale.toString(day, QLocale::ShortFormat)},
            {QStringLiteral("label"),
                (monthStart || (weekStart && !crowded)) ? locale.toString(day, labelFormat) : QString()},
            {QStringLiteral("monthStart"), monthStart}, {QStringLiteral("weekStart"), weekStart}});
    }
    return days;
}

QVariantList HistoryViewModel::axis() const
{
    double top = 0;
    for (const CleaningHistory::DailyFreed &day :
        m_store ? m_store->dailyFreed() : QList<CleaningHistory::DailyFreed>())
        top = std::max(top, static_cast<double>(day.bytes) / 1e9);
    const QList<double> steps = axisSteps(top);
    const QLocale locale;
    QVariantList axis;
    for (const double value : steps)
        axis.append(QVariantMap {{QStringLiteral("value"), value},
            {QStringLiteral("label"), locale.toString(value, 'f', decimalsOf(steps.first()))}});
    return axis;
}

double HistoryViewModel::axisTop() const
{
    const QVariantList steps = axis();
    return steps.isEmpty() ? 0 : steps.last().toMap().value(QStringLiteral("value")).toDouble();
}

QString HistoryViewModel::chartDescription() const
{
    QStringList parts;
    for (const QVariant &day : days()) {
        const QVariantMap map = day.toMap();
        if (map.value(QStringLiteral("gigabytes")).toDouble() > 0)
            parts.append(map.value(QStringLiteral("dateText")).toString() + QStringLiteral(": ")
                + map.value(QStringLiteral("sizeText")).toString());
    }
    return parts.join(QStringLiteral("; "));
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
