#include "DiskScanner.h"

#include "ScanPaths.h"
#include "core/FileWalker.h"
#include "core/PosixFile.h"

namespace pelmo::DiskScanner {

qint64 allocatedSizeOf(std::string_view path)
{
    struct stat st
    {
    };
    if (!PosixFile::statNoFollow(path, st))
        return 0;
    if (!S_ISDIR(st.st_mode))
        return static_cast<qint64>(st.st_blocks) * 512;
    qint64 total = 0;
    FileWalker::walk(path, {}, [&total](const FileWalker::Entry &entry) {
        if (entry.stat)
            total += static_cast<qint64>(entry.stat->st_blocks) * 512;
        return FileWalker::Action::Continue;
    });
    return total;
}

qint64 allocatedSize(const QString &path)
{
    return allocatedSizeOf(PathBytes::toBytes(path));
}

} // namespace pelmo::DiskScanner
