#pragma once

#include "core/FileIdentity.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace pelmo {

// Why a move to the Trash did not happen. Only `other` is a failure that another route to
// the Trash (the file manager) might get past; the rest it would repeat or make worse.
enum class MoveFailure {
    none,
    vanished,     // nothing at the path any more
    changed,      // not the object the scan found, or a folder on its way became a link
    trashRefused, // no Trash folder that is safe to use
    noSpace,      // ENOSPC, EDQUOT
    readOnly,     // EROFS
    ioError,      // EIO
    denied,       // EACCES, EPERM
    other,
};

struct MoveOutcome
{
    std::optional<QString> trashPath; // set when moved: the item's path in the Trash
    MoveFailure failure = MoveFailure::none;
    FileIdentity identity;  // of the moved object
    QString originalFolder; // where its folder led, links resolved (empty when unknown)
    qint64 changeTime = 0;  // its status-change time in the Trash, in ns (0 when unknown)
    // Keeps the move on record as one in flight until the history holds it: a process killed
    // before that leaves the record for the next start to complete.
    std::shared_ptr<void> receipt;

    [[nodiscard]] bool moved() const { return trashPath.has_value(); }
};

// A move into the home Trash that finished while the process that made it was killed before
// its history entry was written.
struct FinishedMove
{
    QString originalPath;
    QString trashPath;
    FileIdentity identity; // of the object in the Trash (its change time there included)
    QDateTime movedAt;     // from its info file; invalid when it reads none
};

enum class PutBackOutcome {
    restored,
    notInTrash,        // nothing of that name in the Trash
    replaced,          // something else took the name: not the object that was moved
    destinationTaken,  // something is at the original place
    unsafeDestination, // a folder on the way back became a symbolic link
    outsideHome,       // the recorded place does not lie inside the home
    failed,
};

struct EmptyOutcome
{
    QStringList remaining; // Trash items that could not be removed
    QStringList removed;   // Trash items that were removed (their paths in the Trash)
    bool interrupted = false;

    [[nodiscard]] bool complete() const { return remaining.isEmpty() && !interrupted; }
};

// The desktop's Trash. Implementations never delete what they are asked to move, and
// every Trash folder they touch is one that is safe to use for the current user.
class TrashCan
{
public:
    virtual ~TrashCan() = default;

    // Moves the item into a Trash. Its folder is reached from `anchor` without following a
    // link and without leaving the anchor (an empty anchor: as open(2) would). When
    // `expected` is known, the item must still be exactly what was listed (object, type and
    // change time).
    // A move succeeds only with a complete info file naming the item's original path.
    [[nodiscard]] virtual MoveOutcome moveToTrash(
        const QString &path, const FileIdentity &expected, const QString &anchor)
        = 0;

    // The item another program moved to the Trash from `originalPath`, found by its
    // identity and an info file that names that path; nothing when there is none.
    [[nodiscard]] virtual std::optional<QString> findTrashed(
        const QString &originalPath, const FileIdentity &identity) const = 0;

    // The folder that holds the items of the user's home Trash.
    [[nodiscard]] virtual QString homeFilesFolder() const = 0;
    // The "files" folders of every Trash folder of the user that is safe to use, the home
    // Trash's first: what listing shows and emptying empties.
    [[nodiscard]] virtual QStringList filesFolders() const = 0;

    // What a move recorded of where an item came from.
    struct Origin
    {
        FileIdentity identity;
        QString folder;        // where its folder led, links resolved; empty when unknown
        QDateTime movedAt;     // when it was moved; invalid when unknown
        qint64 changeTime = 0; // the moved object's status-change time in the Trash; 0 when unknown
    };

    // Moves an item of the home Trash to `originalPath`, creating its missing folders and
    // never replacing anything, then forgets its Trash record. The item must still be the
    // one moved from there: its info file names `originalPath` and was written when the
    // move happened, and its identity and status-change time are the origin's when known
    // (an inode number is soon reused; the change time in nanoseconds is not). The way back must lead where it led then
    // (the origin's folder); without that record no folder below `anchor` may be a symbolic link.
    [[nodiscard]] virtual PutBackOutcome putBack(
        const QString &trashPath, const QString &originalPath, const Origin &origin, const QString &anchor)
        = 0;

    // Tidies what killed processes left: an info file whose item never moved is removed; a
    // move that finished is handed to `record`, and forgotten once it answers true.
    virtual void recoverInterruptedMoves(const std::function<bool(const FinishedMove &)> &record) = 0;

    // Removes the items found in the Trash folders when it starts, each with its info file
    // once it is gone; what another program adds meanwhile stays. Between items it asks
    // `stopRequested`.
    [[nodiscard]] virtual EmptyOutcome empty(const std::function<bool()> &stopRequested) = 0;
};

} // namespace pelmo
