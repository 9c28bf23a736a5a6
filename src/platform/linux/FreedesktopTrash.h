#pragma once

#include "MoveJournal.h"
#include "platform/TrashCan.h"

#include <functional>
#include <string>
#include <vector>

#include <sys/types.h>

namespace pelmo {

// The freedesktop.org Trash, done so that nothing is ever lost or overwritten: the home
// Trash under $XDG_DATA_HOME, and for items on other file systems the topdir Trash of
// their mount ($topdir/.Trash/$uid when .Trash is a real sticky folder, else
// $topdir/.Trash-$uid), only when it is a real folder of ours. The info file is created
// exclusively and written before the item moves with renameat2(RENAME_NOREPLACE); items are
// never copied across file systems. Moving, listing and emptying accept the same folders.
class FreedesktopTrash final : public TrashCan
{
public:
    struct Environment
    {
        std::string dataHome; // absolute; its "Trash" folder is the home Trash
        uid_t uid = 0;
        // The file system a path lies on (lstat's st_dev); nothing when it cannot be read.
        std::function<std::optional<dev_t>(const std::string &path)> deviceOf;
        // The mount points whose Trash folders emptying must also clear.
        std::function<std::vector<std::string>()> mountPoints;
        std::string journalFolder; // where moves in flight are recorded; empty for none
    };

    // $XDG_DATA_HOME (ignored unless absolute, else ~/.local/share), the real user id,
    // lstat, /proc/self/mountinfo (or the table $PELMO_MOUNTINFO names) and
    // $XDG_STATE_HOME/Pelmo/moves.
    [[nodiscard]] static Environment systemEnvironment();

    explicit FreedesktopTrash(Environment environment);

    void recoverInterruptedMoves(const std::function<bool(const FinishedMove &)> &record) override;

    [[nodiscard]] MoveOutcome moveToTrash(
        const QString &path, const FileIdentity &expected, const QString &anchor) override;
    [[nodiscard]] std::optional<QString> findTrashed(
        const QString &originalPath, const FileIdentity &identity) const override;
    [[nodiscard]] QString homeFilesFolder() const override;
    [[nodiscard]] QStringList filesFolders() const override;
    [[nodiscard]] PutBackOutcome putBack(
        const QString &trashPath, const QString &originalPath, const Origin &origin, const QString &anchor) override;
    [[nodiscard]] EmptyOutcome empty(const std::function<bool()> &stopRequested) override;

private:
    struct Folder
    {
        std::string path;
        std::string topdir; // empty for the home Trash, whose recorded paths are absolute
    };
    [[nodiscard]] std::string homeTrash() const { return m_env.dataHome + "/Trash"; }
    // The Trash folder of the topdir `topdir` that is safe to use, made when `create`.
    [[nodiscard]] std::optional<std::string> topdirTrash(const std::string &topdir, bool create) const;
    [[nodiscard]] std::optional<Folder> trashFor(dev_t device, const std::string &item) const;
    [[nodiscard]] std::vector<Folder> existingFolders() const;
    [[nodiscard]] std::string topdirOf(const std::string &item, dev_t device) const;
    [[nodiscard]] PosixFile::UniqueFd wayBack(const std::string &folder, const std::string &resolved,
        const std::string &anchor, PutBackOutcome &refusal) const;

    Environment m_env;
    MoveJournal m_journal;
};

} // namespace pelmo
