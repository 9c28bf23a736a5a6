#pragma once

#include "HistoryEntry.h"

#include <QList>
#include <QSet>
#include <QString>

#include <functional>
#include <optional>

namespace pelmo {

// The cleaning history ("cleanHistory") and the freed total ("totalFreed") as every Pelmo
// process shares them in the settings file. Each change re-reads what is stored and applies
// itself to that under an exclusive lock beside the file, so that processes writing at once
// never drop each other's entries; the length limit holds after every change. Any thread.
class SharedHistory
{
public:
    explicit SharedHistory(QString settingsFile);

    struct State
    {
        std::optional<QList<HistoryEntry>> entries; // nothing: the stored value is unreadable
        qint64 totalFreed = 0;
    };
    enum class Status { written, unreadable, failed };
    struct Result
    {
        Status status = Status::failed;
        State state; // as stored after the change (or as found, when it was not made)
    };

    [[nodiscard]] State read() const;
    // Puts the entries not stored yet in front, keeping their order, and adds their sizes to
    // the total. Entries of a batch that is being recorded piecewise go right after the
    // batch's entries stored before (those with an id in `batch`), so that the batch stands
    // in the order of its moves; of a batch longer than the limit, its first entries stay.
    Result record(const QList<HistoryEntry> &entries, const QSet<QUuid> &batch = {});
    // Adds to the freed total alone, for moves the unreadable list cannot take.
    Result addToTotal(qint64 bytes);
    // Removes the entry and lowers the total by `size`, never below 0.
    Result forget(const QUuid &id, qint64 size);
    // Empties the trash path of every entry whose trash path is one of `trashPaths`.
    Result clearTrashPaths(const QSet<QString> &trashPaths);
    // Removes the entries with these ids; the total stays.
    Result clear(const QSet<QUuid> &ids);

private:
    Result change(const std::function<void(QList<HistoryEntry> &, qint64 &)> &apply, bool totalOnly = false);

    QString m_file;
};

} // namespace pelmo
