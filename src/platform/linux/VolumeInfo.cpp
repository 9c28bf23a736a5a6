#include "platform/VolumeInfo.h"

#include <sys/statvfs.h>

namespace pelmo::VolumeInfo {

DiskInfo rootVolume()
{
    struct statvfs figures
    {
    };
    if (::statvfs("/", &figures) != 0)
        return {};
    return {static_cast<qint64>(figures.f_blocks) * static_cast<qint64>(figures.f_frsize),
        static_cast<qint64>(figures.f_bavail) * static_cast<qint64>(figures.f_frsize)};
}

} // namespace pelmo::VolumeInfo
