#pragma once

#include "trash/SharedHistory.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <memory>

namespace pelmo {

// The cleaning history as this process shows it: the stored history that every Pelmo
// process shares, followed as others change it, and the freed total. A stored value that
// was unreadable at start is never written for the rest of the run; changes then live in
// memory only. Main thread; batches write through `shared()` from their own thread.
class HistoryBook : public QObject
{
    Q_OBJECT

public:
    explicit HistoryBook(QObject *parent = nullptr);

    [[nodiscard]] const QList<HistoryEntry> &entries() const { return m_entries; }
    [[nodiscard]] qint64 totalFreed() const { return m_totalFreed; }
    [[nodiscard]] bool isWritable() const { return m_writable; }
    // What a batch records each moved item in as it goes; nothing while not writable.
    [[nodiscard]] std::shared_ptr<SharedHistory> shared() const { return m_writable ? m_shared : nullptr; }

    // After a batch that recorded its entries itself: stores the ones it could not
    // (space may have come back). True when the history holds them all.
    bool completeBatch(const QList<HistoryEntry> &entries, bool unsaved);
    // Each answers false when the change could not be written (writeFailed is emitted).
    bool forget(const HistoryEntry &entry);
    bool forgetTrashPaths(const QSet<QString> &trashPaths);
    bool clear();
    // Reads the stored history again.
    void reload();

Q_SIGNALS:
    void entriesChanged();
    void totalFreedChanged();
    void writeFailed();

private:
    bool apply(const SharedHistory::Result &result);
    void show(const SharedHistory::State &state);
    void setEntries(QList<HistoryEntry> entries);
    void watchSettings();

    std::shared_ptr<SharedHistory> m_shared;
    QList<HistoryEntry> m_entries;
    qint64 m_totalFreed = 0;
    bool m_writable = true;
    QFileSystemWatcher m_watcher;
    QTimer m_reloadTimer;
};

} // namespace pelmo
