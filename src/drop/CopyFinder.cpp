#include "CopyFinder.h"

#include "core/FileIdentity.h"
#include "core/PathBytes.h"
#include "core/PosixFile.h"
#include "scan/DiskScanner.h"
#include "scan/DocumentWalk.h"
#include "scan/ScanPaths.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <mutex>

#include <fcntl.h>
#include <unistd.h>

namespace pelmo::CopyFinder {
namespace {

constexpr size_t kChunk = size_t {64} * 1024;

// Fills the buffer unless the file ends first; the count read, or -1 on an error.
ssize_t readFull(int fd, char *buffer, size_t size)
{
    size_t got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd, buffer + got, size - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        got += static_cast<size_t>(n);
    }
    return static_cast<ssize_t>(got);
}

// True only when both are readable regular files, distinct on disk, with the same bytes.
bool sameContents(const std::string &original, const std::string &candidate)
{
    const int flags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK;
    const PosixFile::UniqueFd a = PosixFile::openPath(original, flags);
    const PosixFile::UniqueFd b = PosixFile::openPath(candidate, flags);
    struct stat sa
    {
    };
    struct stat sb
    {
    };
    if (!a || !b || ::fstat(a.get(), &sa) != 0 || ::fstat(b.get(), &sb) != 0)
        return false;
    if (!S_ISREG(sa.st_mode) || !S_ISREG(sb.st_mode) || (sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino))
        return false;
    std::array<char, kChunk> left {};
    std::array<char, kChunk> right {};
    for (;;) {
        const ssize_t n = readFull(a.get(), left.data(), left.size());
        const ssize_t m = readFull(b.get(), right.data(), right.size());
        if (n < 0 || m < 0 || n != m || std::memcmp(left.data(), right.data(), static_cast<size_t>(n)) != 0)
            return false;
        if (n == 0)
            return true;
    }
}

} // namespace

Result copies(const QString &dropped, const QString &home)
{
    Result result;
    result.size = DiskScanner::allocatedSize(dropped);
    const std::string original = PathBytes::toBytes(dropped);
    struct stat st
    {
    };
    if (!PosixFile::statNoFollow(original, st) || !S_ISREG(st.st_mode) || st.st_size < 1)
        return result;

    // The walk reports from two threads; the walk order puts the candidates back in line.
    std::mutex mutex;
    std::vector<DiskScanner::FileEntry> candidates;
    (void)DiskScanner::walkDocumentFolders(home,
        {.largeThreshold = std::nullopt,
            .onDuplicateCandidate =
                [&](DiskScanner::FileEntry file) {
                    if (file.size != st.st_size || file.path == original)
                        return;
                    const std::scoped_lock lock(mutex);
                    candidates.push_back(std::move(file));
                },
            .candidateMinimum = st.st_size});
    std::ranges::sort(candidates, {}, &DiskScanner::FileEntry::walkOrder);

    for (const DiskScanner::FileEntry &candidate : candidates) {
        struct stat found
        {
        };
        if (!sameContents(original, candidate.path) || !PosixFile::statNoFollow(candidate.path, found))
            continue;
        const qint64 allocated = static_cast<qint64>(found.st_blocks) * 512;
        CleanItem copy = DiskScanner::itemAt(candidate.path, allocated > 0 ? allocated : found.st_size,
            CleanCategory::duplicates, DiskScanner::tildePath(DiskScanner::parentOf(candidate.path), home), false);
        copy.identity = FileIdentity::of(found); // what moving it later must still find there
        result.copies.append(copy);
    }
    return result;
}

} // namespace pelmo::CopyFinder
