#pragma once

#include <functional>
#include <string_view>

#include <sys/types.h>

namespace pelmo::DirectoryListing {

// Calls `entry` for every name in the open folder `fd` except "." and "..", with the
// directory-entry type (DT_*; DT_UNKNOWN when the file system does not say) and inode.
// Reads from the descriptor's current position and leaves it at the end. False when
// the folder could not be read to the end; the names read so far were delivered.
bool read(int fd, const std::function<void(std::string_view name, unsigned char type, ino_t inode)> &entry);

} // namespace pelmo::DirectoryListing
