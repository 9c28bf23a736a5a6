#include "trash/ui/TrashViewModel.h"

#include "core/Localization.h"
#include "core/PathBytes.h"
#include "core/SizeText.h"
#include "screens/ui/FileIcon.h"
#include "store/CleanerStore.h"
#include "trash/TrashService.h"

#include <QtConcurrent>

namespace pelmo {

TrashViewModel::TrashViewModel(QObject *parent)
    : StoreViewModel(parent)
{
    connect(this, &StoreViewModel::changed, this, &TrashViewModel::updateRows);
}

void TrashViewModel::attach(CleanerStore &store)
{
    connect(&store, &CleanerStore::historyChanged, this, &TrashViewModel::changed);
    connect(&store, &CleanerStore::trashEmptied, this, &TrashViewModel::reload);
}

void TrashViewModel::storeReplaced()
{
    reload();
}

void TrashViewModel::reload()
{
    if (!m_store)
        return;
    const QStringList folders = m_store->trashFilesFolders();
    QtConcurrent::run([folders] {
        return TrashService::list(folders);
    }).then(this, [this](const std::optional<QList<TrashEntry>> &entries) {
        m_entries = entries;
        m_loading = false;
        Q_EMIT changed();
    });
}

QString TrashViewModel::state() const
{
    if (m_loading)
        return QStringLiteral("loading");
    if (!m_entries)
        return QStringLiteral("unreadable");
    return m_entries->isEmpty() ? QStringLiteral("empty") : QStringLiteral("list");
}

QString TrashViewModel::subtitle() const
{
    if (!m_entries)
        return Localization::tr("macOS nedovolilo koš přečíst");
    qint64 total = 0;
    for (const TrashEntry &entry : *m_entries)
        total += entry.size;
    return Localization::format(
        Localization::plural(QT_TRANSLATE_N_NOOP("Pelmo", "%lld položek · %@"), m_entries->size()),
        {formatSize(total)});
}

void TrashViewModel::updateRows()
{
    QList<QVariantMap> rows;
    for (const TrashEntry &entry : m_entries.value_or(QList<TrashEntry>())) {
        const bool restorable = m_store && std::ranges::any_of(m_store->history(), [&](const HistoryEntry &h) {
            return h.trashPath == entry.path && m_store->canPutBack(h);
        });
        rows.append(QVariantMap {{QStringLiteral("name"), PathBytes::display(entry.name())},
            {QStringLiteral("path"), entry.path}, {QStringLiteral("sizeText"), formatSize(entry.size)},
            {QStringLiteral("restorable"), restorable}, {QStringLiteral("iconName"), FileIcon::forPath(entry.path)}});
    }
    m_rows.setRecords(rows);
}

void TrashViewModel::restore(const QString &trashPath)
{
    if (!m_store)
        return;
    const QList<HistoryEntry> history = m_store->history(); // restoring replaces the store's list
    const auto found = std::ranges::find(history, trashPath, &HistoryEntry::trashPath);
    if (found != history.end())
        m_store->restore(*found);
    reload();
}

void TrashViewModel::emptyTrash()
{
    if (m_store)
        m_store->emptyTrash(); // relisted when the store reports the outcome
}

} // namespace pelmo
