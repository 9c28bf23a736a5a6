#include "core/FileIdentity.h"

#include "core/PathBytes.h"
#include "core/PosixFile.h"

namespace pelmo {

std::optional<FileIdentity> FileIdentity::of(const QString &path)
{
    struct stat st
    {
    };
    if (!PosixFile::statNoFollow(PathBytes::toBytes(path), st))
        return std::nullopt;
    return FileIdentity {static_cast<quint64>(st.st_dev), static_cast<quint64>(st.st_ino)};
}

} // namespace pelmo
