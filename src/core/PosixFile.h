#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <sys/stat.h>

namespace pelmo::PosixFile {

// Owns one file descriptor; closed on every way out of the scope that made it.
class UniqueFd
{
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd)
        : m_fd(fd)
    { }
    UniqueFd(UniqueFd &&other) noexcept
        : m_fd(other.release())
    { }
    UniqueFd &operator=(UniqueFd &&other) noexcept;
    UniqueFd(const UniqueFd &) = delete;
    UniqueFd &operator=(const UniqueFd &) = delete;
    ~UniqueFd();

    [[nodiscard]] int get() const { return m_fd; }
    [[nodiscard]] bool isValid() const { return m_fd >= 0; }
    explicit operator bool() const { return isValid(); }
    int release();
    void reset(int fd = -1);

private:
    int m_fd = -1;
};

// open(2) that also reaches paths longer than PATH_MAX by opening them piecewise.
// O_CLOEXEC is always added. Intermediate symbolic links are followed as open(2) would;
// pass O_NOFOLLOW to refuse a link in the last component.
[[nodiscard]] UniqueFd openPath(std::string_view path, int flags, mode_t mode = 0);

// Creates every missing folder of `path` (mode 0777 less the umask; existing ones and
// links to folders are used as they are) and returns the last one opened, or an invalid
// descriptor when some part cannot be made or opened. Works for paths of any length.
// Folders on the way need only search permission: the descriptors are O_PATH ones, good
// as the folder of *at calls (this one's too), not for reading.
[[nodiscard]] UniqueFd makeFolders(std::string_view path);

// Opens the folder `folder` as the place of a file operation. Its parts below `anchor` are
// opened one at a time with O_NOFOLLOW, so a symbolic link put in place of one of them is
// refused (ELOOP or ENOTDIR) rather than followed; the anchor itself, and a folder outside
// it, are opened as open(2) would. With `create`, missing parts below the anchor are made.
// The result is an O_PATH descriptor, for *at calls.
[[nodiscard]] UniqueFd openFolderBelow(std::string_view anchor, std::string_view folder, bool create);

// Opens `folder`, which must be `anchor` or lie below it, without following any symbolic
// link below the anchor and without leaving it (openat2 with RESOLVE_BENEATH |
// RESOLVE_NO_SYMLINKS where the kernel has it, else one O_NOFOLLOW component at a time).
// A path outside the anchor or with a ".." component fails with EXDEV, a link on the way
// with ELOOP or ENOTDIR. The result is an O_PATH descriptor, for *at calls.
[[nodiscard]] UniqueFd openFolderBeneath(std::string_view anchor, std::string_view folder);

// Removes the entry `name` of the open folder `parentFd` (a folder with everything in it),
// never following a link: a link is removed, not its target. Works on trees of any depth
// with two descriptors. When `expected` is given, a folder whose device and inode differ is
// left alone. True when the entry is gone.
bool removeTree(int parentFd, const std::string &name, const struct stat *expected = nullptr);

// The path an open descriptor leads to now, every link resolved; nothing when unknown.
[[nodiscard]] std::optional<std::string> pathOf(int fd);

// lstat(2) for paths of any length.
[[nodiscard]] bool statNoFollow(std::string_view path, struct stat &result);

// The whole content of a regular file of at most `limit` bytes, for the small text files
// that describe the system (settings, desktop entries, property lists); nothing when the
// file cannot be opened, is no regular file or is larger. A FIFO never blocks the caller.
// `followLink` decides whether a symbolic link as the last component is followed.
[[nodiscard]] std::optional<std::string> readSmallFile(std::string_view path, size_t limit, bool followLink);

} // namespace pelmo::PosixFile
