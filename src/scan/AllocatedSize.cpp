#include "DiskScanner.h"

#include "ScanPaths.h"
#include "core/FileWalker.h"
#include "core/PosixFile.h"

#include <algorithm>

namespace pelmo::DiskScanner {

namespace {

// Folders are stated only when their times are wanted: sizes alone need just the files.
Usage measure(std::string_view path, bool withFolderTimes)
{
    Usage usage;
    struct stat st
    {
    };
    if (!PosixFile::statNoFollow(path, st))
        return usage;
    usage.newestModified = st.st_mtim.tv_sec;
    if (!S_ISDIR(st.st_mode)) {
        usage.allocated = static_cast<qint64>(st.st_blocks) * 512;
        return usage;
    }
    FileWalker::walk(path, {.statFolders = withFolderTimes}, [&usage](const FileWalker::Entry &entry) {
        if (entry.type == FileWalker::EntryType::RegularFile)
            usage.allocated += static_cast<qint64>(entry.stat->st_blocks) * 512;
        if (entry.stat)
            usage.newestModified = std::max<qint64>(usage.newestModified, entry.stat->st_mtim.tv_sec);
        return FileWalker::Action::Continue;
    });
    return usage;
}

} // namespace

qint64 allocatedSizeOf(std::string_view path)
{
    return measure(path, false).allocated;
}

Usage usageOf(std::string_view path)
{
    return measure(path, true);
}

qint64 allocatedSize(const QString &path)
{
    return allocatedSizeOf(PathBytes::toBytes(path));
}

} // namespace pelmo::DiskScanner
