#pragma once

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
// never copied across file systems.
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
    };

    // $XDG_DATA_HOME (ignored unless absolute, else ~/.local/share), the real user id,
    // lstat and /proc/self/mountinfo.
    [[nodiscard]] static Environment systemEnvironment();

    explicit FreedesktopTrash(Environment environment);

    [[nodiscard]] std::optional<QString> moveToTrash(const QString &path) override;
    [[nodiscard]] QString homeFilesFolder() const override;
    [[nodiscard]] bool putBack(const QString &trashPath, const QString &originalPath) override;
    [[nodiscard]] bool empty() override;

private:
    [[nodiscard]] std::string homeTrash() const { return m_env.dataHome + "/Trash"; }
    [[nodiscard]] std::optional<std::string> trashFor(const std::string &item, std::string &topdir) const;
    [[nodiscard]] std::string topdirOf(const std::string &item, dev_t device) const;

    Environment m_env;
};

} // namespace pelmo
