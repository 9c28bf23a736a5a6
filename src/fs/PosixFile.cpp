#include "PosixFile.h"

#include "DirectoryListing.h"

#include <cerrno>
#include <climits>
#include <vector>

#include <dirent.h>

#include <fcntl.h>
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
        UniqueFd next(::openat(dirFd, chunk.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
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
    UniqueFd current(::open(path.starts_with('/') ? "/" : ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    while (current && !path.empty()) {
        const size_t slash = path.find('/');
        const std::string part(path.substr(0, slash));
        path = slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
        if (part.empty() || part == ".")
            continue;
        if (::mkdirat(current.get(), part.c_str(), 0777) != 0 && errno != EEXIST)
            return {};
        current = UniqueFd(::openat(current.get(), part.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    }
    return current;
}

bool removeContents(int folderFd)
{
    // An explicit stack of open folders: depth costs descriptors, never C++ stack.
    struct Frame
    {
        UniqueFd fd;
        std::string nameInParent;
        std::vector<std::pair<std::string, unsigned char>> entries;
        size_t next = 0;
    };
    auto listed = [](int fd) {
        std::vector<std::pair<std::string, unsigned char>> entries;
        DirectoryListing::read(fd,
            [&](std::string_view name, unsigned char type, ino_t) { entries.emplace_back(std::string(name), type); });
        return entries;
    };
    std::vector<Frame> stack;
    stack.push_back({UniqueFd(::fcntl(folderFd, F_DUPFD_CLOEXEC, 0)), {}, {}, 0});
    if (!stack.back().fd)
        return false;
    stack.back().entries = listed(stack.back().fd.get());
    bool complete = true;
    while (!stack.empty()) {
        Frame &frame = stack.back();
        if (frame.next == frame.entries.size()) {
            const std::string name = std::move(frame.nameInParent);
            stack.pop_back();
            if (!stack.empty() && ::unlinkat(stack.back().fd.get(), name.c_str(), AT_REMOVEDIR) != 0)
                complete = false;
            continue;
        }
        const auto &[name, type] = frame.entries[frame.next++];
        bool isFolder = type == DT_DIR;
        if (type == DT_UNKNOWN) {
            struct stat st
            {
            };
            isFolder = ::fstatat(frame.fd.get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode);
        }
        if (!isFolder) {
            if (::unlinkat(frame.fd.get(), name.c_str(), 0) != 0 && errno != ENOENT)
                complete = false;
            continue;
        }
        UniqueFd child(::openat(frame.fd.get(), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!child) {
            complete = false;
            continue;
        }
        Frame next {std::move(child), name, {}, 0};
        next.entries = listed(next.fd.get());
        stack.push_back(std::move(next)); // invalidates `frame`
    }
    return complete;
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
