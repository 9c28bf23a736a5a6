#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <sys/stat.h>

namespace pelmo::FileWalker {

enum class EntryType { Directory, RegularFile, Symlink, Other };

struct Entry
{
    std::string_view name;
    const std::string &path; // full path bytes: root + "/" + ... + name
    EntryType type;
    const struct stat *stat; // lstat of the entry; present for regular files, and for folders
                             // when Options::statFolders
    int depth;               // 1 for the root's children
};

enum class Action { Continue, SkipChildren };

struct Options
{
    bool skipHidden = false;   // names beginning with "." are neither visited nor entered
    bool skipPackages = false; // package folders are visited but never entered
    bool statFolders = false;  // folders come with their lstat too (one more call per folder)
    // When set, the root must be this folder (device and inode), whatever its path now
    // leads to: a walk handed a folder that another walk saw never strays if it was swapped.
    const struct stat *expectedRoot = nullptr;
};

using Visitor = std::function<Action(const Entry &)>;

// Depth-first, pre-order walk of everything below `root` (the root itself is not visited),
// in the order the file system lists each folder. Symbolic links are never followed and
// nothing but folders is opened, so links, loops, FIFOs and devices cannot stall it.
// Unreadable or vanishing entries are passed over; the walk never recurses on the C++
// stack and keeps a bounded number of folders open however deep the tree is.
// Returns false when the root itself cannot be opened as a folder (or is not the expected one).
bool walk(std::string_view root, const Options &options, const Visitor &visit);

// The names of a folder's direct children, hidden names left out, in listing order;
// empty when the folder cannot be listed.
[[nodiscard]] std::vector<std::string> listChildren(std::string_view folder);
// The same, but nothing when the folder cannot be opened or read to the end.
[[nodiscard]] std::optional<std::vector<std::string>> tryListChildren(std::string_view folder);

// Folders that the desktop presents as one document (application bundles, photo
// libraries, ...): walks that skip packages never enter them.
[[nodiscard]] bool isPackageName(std::string_view name);

} // namespace pelmo::FileWalker
