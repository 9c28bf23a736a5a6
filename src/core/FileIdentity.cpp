#include "core/FileIdentity.h"

#include "core/PathBytes.h"
#include "core/PosixFile.h"

#include <sys/stat.h>

namespace pelmo {

FileIdentity FileIdentity::of(const struct stat &st)
{
    return {static_cast<quint64>(st.st_dev), static_cast<quint64>(st.st_ino),
        static_cast<qint64>(st.st_ctim.tv_sec) * 1'000'000'000 + st.st_ctim.tv_nsec,
        static_cast<quint32>(st.st_mode & S_IFMT)};
}

std::optional<FileIdentity> FileIdentity::of(const QString &path)
{
    struct stat st
    {
    };
    if (!PosixFile::statNoFollow(PathBytes::toBytes(path), st))
        return std::nullopt;
    return of(st);
}

} // namespace pelmo
