#pragma once

#include <QString>

#include <optional>

namespace pelmo {

// The desktop's Trash: the file manager's own move to the Trash, and what putting back
// and emptying need. Implementations never delete what they are asked to move.
class TrashCan
{
public:
    virtual ~TrashCan() = default;

    // Moves the item into a Trash; the item's new path (empty when it is not known), or
    // nothing when it was not moved, in which case nothing changed.
    [[nodiscard]] virtual std::optional<QString> moveToTrash(const QString &path) = 0;

    // The folder that holds the items of the user's home Trash.
    [[nodiscard]] virtual QString homeFilesFolder() const = 0;

    // Moves an item of the home Trash to `originalPath`, creating its missing folders and
    // never replacing anything, then forgets its Trash record. False when it did not move.
    [[nodiscard]] virtual bool putBack(const QString &trashPath, const QString &originalPath) = 0;

    // Removes everything in the user's Trash folders; true only when nothing is left.
    [[nodiscard]] virtual bool empty() = 0;
};

} // namespace pelmo
