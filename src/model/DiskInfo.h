#pragma once

#include <QtGlobal>

namespace pelmo {

// Capacity of the volume holding the root folder; 0 means "not known".
struct DiskInfo
{
    qint64 total = 0;
    qint64 available = 0;
    friend bool operator==(const DiskInfo &, const DiskInfo &) = default;
};

} // namespace pelmo
