#pragma once

#include "HistoryEntry.h"

#include <QList>
#include <QSet>

namespace pelmo {

// The outcome of one batch of moves to the Trash.
struct TrashResult
{
    QSet<QString> cleaned;       // paths the moved items had before the move
    qint64 freed = 0;            // sum of the moved items' sizes
    int failed = 0;              // items not moved
    int changed = 0;             // of those, items that were no longer what the scan found
    int refused = 0;             // of those, items in places nothing may be moved from
    bool finderDenied = false;   // a failed item was refused for want of permission (-1743)
    bool stopped = false;        // the batch was asked to stop before its last item
    bool historyUnsaved = false; // moved items whose entries the history could not store
    QList<HistoryEntry> entries; // one per moved item, in input order

    friend bool operator==(const TrashResult &, const TrashResult &) = default;
};

// One item found in the home Trash.
struct TrashEntry
{
    QString path;
    qint64 size = 0; // allocated bytes

    [[nodiscard]] QString name() const { return path.section(QLatin1Char('/'), -1); }
    friend bool operator==(const TrashEntry &, const TrashEntry &) = default;
};

} // namespace pelmo
