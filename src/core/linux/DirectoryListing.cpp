#include "core/DirectoryListing.h"

#include <cstddef>
#include <vector>

#include <dirent.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace pelmo::DirectoryListing {
namespace {

// getdents64 directly: fdopendir/readdir cost a dup, two fcntl calls and an fstat per
// folder, which is most of a large walk's system time. glibc's dirent64 has the kernel's
// record layout.
constexpr size_t kBufferSize = 64 * 1024;

} // namespace

bool read(int fd, const std::function<void(std::string_view name, unsigned char type, ino_t inode)> &entry)
{
    thread_local std::vector<std::byte> buffer(kBufferSize);
    for (;;) {
        const long got = ::syscall(SYS_getdents64, fd, buffer.data(), buffer.size());
        if (got == 0)
            return true;
        if (got < 0)
            return false;
        for (long offset = 0; offset < got;) {
            const auto *ent = reinterpret_cast<const dirent64 *>(buffer.data() + offset);
            offset += ent->d_reclen;
            const std::string_view name(ent->d_name);
            if (name == "." || name == "..")
                continue;
            entry(name, ent->d_type, static_cast<ino_t>(ent->d_ino));
        }
    }
}

} // namespace pelmo::DirectoryListing
