#include "core/PosixFile.h"

#include "core/DirectoryListing.h"

#include <cerrno>
#include <climits>
#include <vector>

#include <dirent.h>

#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace pelmo::PosixFile {

UniqueFd &UniqueFd::operator=(UniqueFd &&other) noexcept
{
    if (this != &other)
        reset(other.release());
    return *this;
}

UniqueFd::~UniqueFd()
{
    reset();
}

int UniqueFd::release()
{
    const int fd = m_fd;
    m_fd = -1;
    return fd;
}

void UniqueFd::reset(int fd)
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = fd;
}

namespace {

// Opens the directory that holds everything but the last PATH_MAX - 1 bytes of `path`
// and shortens `path` to the rest, so that the rest can be used relative to the result.
// Returns AT_FDCWD (with `held` empty) when `path` is short enough already.
int openLongPrefix(std::string_view &path, UniqueFd &held)
{
    int dirFd = AT_FDCWD;
    while (path.size() >= PATH_MAX) {
        const size_t cut = path.rfind('/', PATH_MAX - 1);
        if (cut == std::string_view::npos || cut == 0) {
            errno = ENAMETOOLONG;
            return -1;
        }
        const std::string chunk(path.substr(0, cut));
        UniqueFd next(::openat(dirFd, chunk.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (!next)
            return -1;
        held = std::move(next);
        dirFd = held.get();
        path.remove_prefix(cut + 1);
    }
    return dirFd;
}

} // namespace

UniqueFd openPath(std::string_view path, int flags, mode_t mode)
{
    UniqueFd held;
    const int dirFd = openLongPrefix(path, held);
    if (dirFd == -1)
        return {};
    const std::string rest(path);
    return UniqueFd(::openat(dirFd, rest.c_str(), flags | O_CLOEXEC, mode));
}

UniqueFd makeFolders(std::string_view path)
{
    UniqueFd current(::open(path.starts_with('/') ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC));
    while (current && !path.empty()) {
        const size_t slash = path.find('/');
        const std::string part(path.substr(0, slash));
        path = slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
        if (part.empty() || part == ".")
            continue;
        if (::mkdirat(current.get(), part.c_str(), 0777) != 0 && errno != EEXIST)
            return {};
        current = UniqueFd(::openat(current.get(), part.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    }
    return current;
}

UniqueFd openFolderBelow(std::string_view anchor, std::string_view folder, bool create)
{
    while (anchor.size() > 1 && anchor.ends_with('/'))
        anchor.remove_suffix(1);
    const bool below = !anchor.empty()
        && (anchor == "/" ? folder.starts_with('/')
                          : folder == anchor || (folder.starts_with(anchor) && folder[anchor.size()] == '/'));
    if (!below)
        return create ? makeFolders(folder) : openPath(folder, O_PATH | O_DIRECTORY);
    UniqueFd current = openPath(anchor, O_PATH | O_DIRECTORY);
    std::string_view rest = folder.substr(anchor == "/" ? 0 : anchor.size());
    while (current && !rest.empty()) {
        const size_t slash = rest.find('/');
        const std::string part(rest.substr(0, slash));
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
        if (part.empty() || part == ".")
            continue;
        if (part == "..") {
            errno = EINVAL;
            return {};
        }
        if (create && ::mkdirat(current.get(), part.c_str(), 0777) != 0 && errno != EEXIST)
            return {};
        current = UniqueFd(::openat(current.get(), part.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    }
    return current;
}

UniqueFd openFolderBeneath(std::string_view anchor, std::string_view folder)
{
    while (anchor.size() > 1 && anchor.ends_with('/'))
        anchor.remove_suffix(1);
    while (folder.size() > 1 && folder.ends_with('/'))
        folder.remove_suffix(1);
    const bool below = anchor.starts_with('/')
        && (folder == anchor
            || (anchor == "/" ? folder.starts_with('/') : folder.starts_with(anchor) && folder[anchor.size()] == '/'));
    std::string rest(below ? folder.substr(anchor == "/" ? 1 : std::min(folder.size(), anchor.size() + 1)) : "");
    const bool climbs
        = rest == ".." || rest.starts_with("../") || rest.ends_with("/..") || rest.find("/../") != std::string::npos;
    if (!below || climbs) {
        errno = EXDEV;
        return {};
    }
    UniqueFd base = openPath(anchor, O_PATH | O_DIRECTORY);
    if (!base || rest.empty())
        return base;
#ifdef SYS_openat2
    open_how how {};
    how.flags = O_PATH | O_DIRECTORY | O_CLOEXEC;
    how.resolve = RESOLVE_BENEATH | RESOLVE_NO_SYMLINKS | RESOLVE_NO_MAGICLINKS;
    const long fd = ::syscall(SYS_openat2, base.get(), rest.c_str(), &how, sizeof how);
    if (fd >= 0)
        return UniqueFd(static_cast<int>(fd));
    // Kernels before 5.6 and seccomp filters answer ENOSYS or EPERM; a name too long for
    // one call is walked piecewise too.
    if (errno != ENOSYS && errno != EPERM && errno != ENAMETOOLONG && errno != EAGAIN)
        return {};
#endif
    std::string_view parts = rest;
    UniqueFd current = std::move(base);
    while (current && !parts.empty()) {
        const size_t slash = parts.find('/');
        const std::string part(parts.substr(0, slash));
        parts = slash == std::string_view::npos ? std::string_view() : parts.substr(slash + 1);
        if (part.empty() || part == ".")
            continue;
        current = UniqueFd(::openat(current.get(), part.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    }
    return current;
}

namespace {

bool sameObject(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Removes every entry of the open folder that is not a folder; the names of its
// sub-folders are what is left to do. `complete` turns false when something stays.
std::vector<std::string> removeFilesIn(int folderFd, bool &complete)
{
    std::vector<std::pair<std::string, unsigned char>> entries;
    if (!DirectoryListing::read(folderFd,
            [&](std::string_view name, unsigned char type, ino_t) { entries.emplace_back(std::string(name), type); }))
        complete = false;
    std::vector<std::string> folders;
    for (const auto &[name, type] : entries) {
        bool isFolder = type == DT_DIR;
        if (type == DT_UNKNOWN) {
            struct stat st
            {
            };
            isFolder = ::fstatat(folderFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode);
        }
        if (isFolder)
            folders.push_back(name);
        else if (::unlinkat(folderFd, name.c_str(), 0) != 0 && errno != ENOENT)
            complete = false;
    }
    return folders;
}

} // namespace

bool removeTree(int parentFd, const std::string &name, const struct stat *expected)
{
    struct stat top
    {
    };
    if (::fstatat(parentFd, name.c_str(), &top, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT;
    if (expected && !sameObject(top, *expected))
        return false;
    if (!S_ISDIR(top.st_mode))
        return ::unlinkat(parentFd, name.c_str(), 0) == 0 || errno == ENOENT;

    // One open folder at a time: the way back up is "..", checked against the device and
    // inode seen on the way down, so a folder moved meanwhile stops the removal instead of
    // removing something else.
    struct Frame
    {
        std::string name;
        struct stat st;
        std::vector<std::string> folders;
        size_t next = 0;
    };
    UniqueFd current(::openat(parentFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat opened
    {
    };
    if (!current || ::fstat(current.get(), &opened) != 0 || !sameObject(opened, top))
        return false;
    bool complete = true;
    std::vector<Frame> stack;
    stack.push_back({name, opened, removeFilesIn(current.get(), complete), 0});
    while (true) {
        Frame &frame = stack.back();
        if (frame.next < frame.folders.size()) {
            const std::string &child = frame.folders[frame.next++];
            UniqueFd next(::openat(current.get(), child.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
            struct stat st
            {
            };
            if (!next || ::fstat(next.get(), &st) != 0) {
                complete = false;
                continue;
            }
            current = std::move(next);
            Frame entered {child, st, removeFilesIn(current.get(), complete), 0};
            stack.push_back(std::move(entered)); // invalidates `frame`
            continue;
        }
        const std::string done = std::move(frame.name);
        stack.pop_back();
        if (stack.empty())
            break;
        UniqueFd up(::openat(current.get(), "..", O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        struct stat st
        {
        };
        if (!up || ::fstat(up.get(), &st) != 0 || !sameObject(st, stack.back().st))
            return false;
        current = std::move(up);
        if (::unlinkat(current.get(), done.c_str(), AT_REMOVEDIR) != 0)
            complete = false;
    }
    current.reset();
    return complete && (::unlinkat(parentFd, name.c_str(), AT_REMOVEDIR) == 0 || errno == ENOENT);
}

std::optional<std::string> pathOf(int fd)
{
    std::string path(PATH_MAX, '\0');
    const ssize_t n = ::readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), path.data(), path.size());
    if (n <= 0 || static_cast<size_t>(n) >= path.size() || path[0] != '/')
        return std::nullopt;
    path.resize(static_cast<size_t>(n));
    return path;
}

bool statNoFollow(std::string_view path, struct stat &result)
{
    UniqueFd held;
    const int dirFd = openLongPrefix(path, held);
    if (dirFd == -1)
        return false;
    const std::string rest(path);
    return ::fstatat(dirFd, rest.c_str(), &result, AT_SYMLINK_NOFOLLOW) == 0;
}

std::optional<std::string> readSmallFile(std::string_view path, size_t limit, bool followLink)
{
    const UniqueFd fd = openPath(path, O_RDONLY | O_NONBLOCK | (followLink ? 0 : O_NOFOLLOW));
    struct stat st
    {
    };
    if (!fd || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || static_cast<size_t>(st.st_size) > limit)
        return std::nullopt;
    std::string content(static_cast<size_t>(st.st_size), '\0');
    size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = ::read(fd.get(), content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<size_t>(n);
    }
    content.resize(done);
    return content;
}

} // namespace pelmo::PosixFile
