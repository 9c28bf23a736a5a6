#pragma once

#include "model/DiskInfo.h"

namespace pelmo::VolumeInfo {

// Total and available bytes of the file system holding "/"; 0 for what cannot be read.
[[nodiscard]] DiskInfo rootVolume();

} // namespace pelmo::VolumeInfo
