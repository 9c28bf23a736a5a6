#include "screens/ui/OverviewViewModel.h"

#include "core/Localization.h"
#include "core/SizeText.h"
#include "model/ColorText.h"
#include "store/CleanerStore.h"

#include <cmath>

namespace pelmo {

OverviewViewModel::OverviewViewModel(QObject *parent)
    : StoreViewModel(parent)
{ }

void OverviewViewModel::attach(CleanerStore &store)
{
    for (auto signal : {&CleanerStore::itemsChanged, &CleanerStore::diskChanged, &CleanerStore::isScanningChanged,
             &CleanerStore::isCleaningChanged, &CleanerStore::hasScannedChanged, &CleanerStore::historyChanged,
             &CleanerStore::totalFreedChanged})
        connect(&store, signal, this, &OverviewViewModel::changed);
}

double OverviewViewModel::fraction() const
{
    if (!m_store || m_store->disk().total < 1)
        return 0;
    const DiskInfo disk = m_store->disk();
    return static_cast<double>(std::max<qint64>(disk.total - disk.available, 0)) / static_cast<double>(disk.total);
}

QString OverviewViewModel::percentText() const
{
    return QString::number(static_cast<int>(std::floor(fraction() * 100))) + QStringLiteral(" %");
}

QStringList OverviewViewModel::ringColors() const
{
    const double f = fraction();
    if (f > 0.9)
        return {colorText({0.95, 0.30, 0.30}), colorText({0.98, 0.55, 0.25})};
    if (f > 0.75)
        return {colorText({0.95, 0.60, 0.15}), colorText({0.98, 0.80, 0.30})};
    return {colorText(brandColor), colorText({0.30, 0.80, 0.65})};
}

QString OverviewViewModel::freeText() const
{
    return Localization::tr("Volno ") + formatSize(m_store ? m_store->disk().available : 0);
}

QString OverviewViewModel::capacityText() const
{
    return Localization::tr("z ") + formatSize(m_store ? m_store->disk().total : 0)
        + Localization::tr(" · k úklidu nalezeno ") + formatSize(found());
}

qint64 OverviewViewModel::found() const
{
    return m_store ? totalSize(m_store->items()) : 0;
}

QString OverviewViewModel::foundText() const
{
    return formatSize(found());
}

QString OverviewViewModel::safeText() const
{
    return formatSize(m_store ? m_store->safeTotal() : 0);
}

QString OverviewViewModel::freedText() const
{
    return formatSize(m_store ? m_store->totalFreed() : 0);
}

QString OverviewViewModel::state() const
{
    if (m_store && m_store->isScanning())
        return QStringLiteral("scanning");
    if (!m_store || !m_store->hasScanned())
        return QStringLiteral("notScanned");
    return m_store->categoryTotals().isEmpty() ? QStringLiteral("empty") : QStringLiteral("results");
}

QString OverviewViewModel::safeButtonText() const
{
    return Localization::tr("Uklidit bezpečné (") + safeText() + u')';
}

bool OverviewViewModel::safeEnabled() const
{
    return m_store && m_store->safeTotal() > 0 && !m_store->isCleaning() && !m_store->isScanning();
}

bool OverviewViewModel::rescanEnabled() const
{
    return m_store && !m_store->isCleaning() && !m_store->isScanning();
}

QString OverviewViewModel::confirmButtonText() const
{
    return Localization::tr("Přesunout do koše (") + safeText() + u')';
}

QVariantList OverviewViewModel::breakdown() const
{
    QVariantList rows;
    for (const CategoryTotal &total : m_store ? m_store->categoryTotals() : QList<CategoryTotal>()) {
        rows.append(QVariantMap {{QStringLiteral("title"), Category::title(total.category)},
            {QStringLiteral("accent"), colorText(Category::color(total.category))},
            {QStringLiteral("sizeText"), formatSize(total.size)},
            {QStringLiteral("size"), static_cast<double>(total.size)}});
    }
    return rows;
}

void OverviewViewModel::rescan()
{
    if (rescanEnabled())
        m_store->scan();
}

void OverviewViewModel::cleanSafe()
{
    if (safeEnabled())
        m_store->clean(m_store->safeItems());
}

} // namespace pelmo
