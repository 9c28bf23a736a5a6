#include "PosixFile.h"

#include <cerrno>
#include <climits>

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

bool statNoFollow(std::string_view path, struct stat &result)
{
    UniqueFd held;
    const int dirFd = openLongPrefix(path, held);
    if (dirFd == -1)
        return false;
    const std::string rest(path);
    return ::fstatat(dirFd, rest.c_str(), &result, AT_SYMLINK_NOFOLLOW) == 0;
}

} // namespace pelmo::PosixFile
