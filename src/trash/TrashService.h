#pragma once

#include "TrashResult.h"
#include "model/CleanItem.h"
#include "platform/TrashCan.h"
#include "scan/Confinement.h"

#include <QDateTime>
#include <QList>

#include <functional>
#include <optional>

namespace pelmo {
class FileManagerBridge;
} // namespace pelmo

// The only place where Pelmo removes anything, and it never deletes: items go to the
// Trash, first through the desktop's own move, else through the file-manager route.
namespace pelmo::TrashService {

using Clock = std::function<QDateTime()>;

struct BatchControl
{
    // The home the items were listed in: only what it allows moves, each item reached from
    // its home without following a link.
    Confinement confinement;
    std::function<bool()> stopRequested; // asked before each item
    // Takes an entry as soon as its item has moved (on the batch's thread), with the move's
    // receipt, which keeps the move on record for the next start until the history holds
    // it; answers false when the history could not take what it was given. Then the batch
    // stops: no more items move that the history could not hold.
    std::function<bool(const HistoryEntry &, std::shared_ptr<void> receipt)> record;
    // Called once after the last item: stores what `record` still holds; false when it could not.
    std::function<bool()> flush;
    // When the first item does not move, none of the others do (an application's data is
    // never taken while the application stays).
    bool firstRequired = false;
};

// The one road to the Trash for every screen and command. Moves the items one after another;
// a failure counts and never stops the batch. Each item must carry what was seen when it was
// listed (its identity); one that is no longer exactly that, or that the confinement
// refuses, is not moved, and nothing is moved in its place. The file-manager route is taken
// only for failures it might get past, and counts only when the item arrived in a Trash
// with an info file naming where it came from.
[[nodiscard]] TrashResult trash(const QList<CleanItem> &items, TrashCan &trashCan, FileManagerBridge &bridge,
    const BatchControl &control, const Clock &now = &QDateTime::currentDateTimeUtc);

// Puts an entry back where it was; only from directly inside the home Trash's files
// folder, only when the item there is still the one moved from the entry's original place
// and nothing is at that place.
// An entry whose original place does not lie inside `home` is refused as outsideHome.
[[nodiscard]] PutBackOutcome restore(const HistoryEntry &entry, TrashCan &trashCan, const QString &home);

// Whether an entry's original place lies inside `home`, so that putting it back is offered.
[[nodiscard]] bool returnsInside(const HistoryEntry &entry, const QString &home);

// Nothing on success, else the error number.
[[nodiscard]] std::optional<int> openWithFinder(FileManagerBridge &bridge);

// The visible items of the Trash's files folders with their allocated sizes, largest
// first; nothing when the home Trash (the first folder) cannot be read (a folder that does
// not exist yet is empty).
[[nodiscard]] std::optional<QList<TrashEntry>> list(const QStringList &filesFolders);

// The texts shown after each operation, localised.
[[nodiscard]] QString batchMessage(const TrashResult &result);
[[nodiscard]] QString emptyMessage(const EmptyOutcome &outcome);
[[nodiscard]] std::optional<QString> openMessage(std::optional<int> error); // nothing on success
[[nodiscard]] QString restoreMessage(PutBackOutcome outcome, const QString &name);

} // namespace pelmo::TrashService
