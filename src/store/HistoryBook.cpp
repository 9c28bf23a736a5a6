#include "HistoryBook.h"

#include "platform/Preferences.h"
#include "trash/CleaningHistory.h"

#include <QFileInfo>

namespace pelmo {
namespace {

constexpr int kReloadDelayMs = 200;

} // namespace

HistoryBook::HistoryBook(QObject *parent)
    : QObject(parent)
    , m_shared(std::make_shared<SharedHistory>(Preferences::settingsFile()))
{
    const SharedHistory::State stored = m_shared->read();
    m_writable = stored.entries.has_value(); // an unreadable value stays untouched for this run
    show(stored);
    // Other Pelmo processes write the history too: follow the settings file's folder (the
    // file itself is replaced on every write).
    m_reloadTimer.setSingleShot(true);
    m_reloadTimer.setInterval(kReloadDelayMs);
    connect(&m_reloadTimer, &QTimer::timeout, this, &HistoryBook::reload);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_reloadTimer, qOverload<>(&QTimer::start));
    watchSettings();
}

bool HistoryBook::completeBatch(const QList<HistoryEntry> &entries, bool unsaved)
{
    if (!m_writable) {
        setEntries(CleaningHistory::withBatch(m_entries, entries)); // shown for this run only
        // The running total counts what moved, whatever the state of the list.
        const SharedHistory::Result total = m_shared->addToTotal(CleaningHistory::movedTotal(entries));
        if (total.status == SharedHistory::Status::written)
            show({std::nullopt, total.state.totalFreed});
        return false;
    }
    QSet<QUuid> batch;
    for (const HistoryEntry &e : entries)
        batch.insert(e.id);
    const bool complete = !unsaved || m_shared->record(entries, batch).status == SharedHistory::Status::written;
    reload();
    return complete;
}

bool HistoryBook::forget(const HistoryEntry &entry)
{
    if (m_writable)
        return apply(m_shared->forget(entry.id, entry.size));
    QList<HistoryEntry> entries = m_entries;
    entries.removeIf([&](const HistoryEntry &e) { return e.id == entry.id; });
    setEntries(entries);
    return true;
}

bool HistoryBook::forgetTrashPaths(const QSet<QString> &trashPaths)
{
    if (m_writable)
        return apply(m_shared->clearTrashPaths(trashPaths));
    QList<HistoryEntry> entries = m_entries;
    for (HistoryEntry &entry : entries) {
        if (trashPaths.contains(entry.trashPath))
            entry.trashPath.clear();
    }
    setEntries(entries);
    return true;
}

bool HistoryBook::clear()
{
    if (!m_writable) {
        setEntries({});
        return true;
    }
    // The entries shown: what another process added meanwhile was never seen, so it stays.
    QSet<QUuid> shown;
    for (const HistoryEntry &entry : m_entries)
        shown.insert(entry.id);
    return apply(m_shared->clear(shown));
}

void HistoryBook::reload()
{
    if (m_writable)
        show(m_shared->read());
}

bool HistoryBook::apply(const SharedHistory::Result &result)
{
    show(result.state);
    watchSettings();
    if (result.status == SharedHistory::Status::written)
        return true;
    Q_EMIT writeFailed();
    return false;
}

void HistoryBook::show(const SharedHistory::State &state)
{
    if (state.entries)
        setEntries(*state.entries);
    if (m_totalFreed != state.totalFreed) {
        m_totalFreed = state.totalFreed;
        Q_EMIT totalFreedChanged();
    }
}

void HistoryBook::setEntries(QList<HistoryEntry> entries)
{
    if (m_entries == entries)
        return;
    m_entries = std::move(entries);
    Q_EMIT entriesChanged();
}

void HistoryBook::watchSettings()
{
    const QString folder = QFileInfo(Preferences::settingsFile()).absolutePath();
    if (m_watcher.directories().isEmpty() && QFileInfo(folder).isDir())
        m_watcher.addPath(folder);
}

} // namespace pelmo
