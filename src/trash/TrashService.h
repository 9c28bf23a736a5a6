#pragma once

#include "TrashResult.h"
#include "model/CleanItem.h"

#include <QDateTime>
#include <QList>

#include <functional>
#include <optional>

namespace pelmo {
class FileManagerBridge;
class TrashCan;
} // namespace pelmo

// The only place where Pelmo removes anything, and it never deletes: items go to the
// Trash, first through the desktop's own move, else through the file-manager route.
namespace pelmo::TrashService {

using Clock = std::function<QDateTime()>;

// Moves the items one after another; a failure counts and never stops the batch.
[[nodiscard]] TrashResult trash(const QList<CleanItem> &items, TrashCan &trashCan, FileManagerBridge &bridge,
    const Clock &now = &QDateTime::currentDateTimeUtc);

// Puts an entry back where it was; only from directly inside the home Trash's files
// folder, only when something is there and nothing is at the original place.
[[nodiscard]] bool restore(const HistoryEntry &entry, TrashCan &trashCan);

// Nothing on success, else the error number.
[[nodiscard]] std::optional<int> emptyWithFinder(FileManagerBridge &bridge);
[[nodiscard]] std::optional<int> openWithFinder(FileManagerBridge &bridge);

// The visible items of a Trash files folder with their allocated sizes, largest first;
// nothing when the folder cannot be read (a folder that does not exist yet is empty).
[[nodiscard]] std::optional<QList<TrashEntry>> list(const QString &filesFolder);

// The texts shown after each operation, localised.
[[nodiscard]] QString batchMessage(const TrashResult &result);
[[nodiscard]] QString emptyMessage(std::optional<int> error);
[[nodiscard]] std::optional<QString> openMessage(std::optional<int> error); // nothing on success
[[nodiscard]] QString restoreMessage(bool restored, const QString &name);

} // namespace pelmo::TrashService
