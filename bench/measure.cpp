// Benchmark driver over pelmo_core (not installed, not a test).
//   pelmo_bench size PATH         allocatedSize(PATH) in bytes
//   pelmo_bench duplicates HOME   every member of every identical group, one path per line
#include "scan/DiskScanner.h"
#include "scan/DocumentWalk.h"
#include "scan/DuplicateFinder.h"

#include <cstdio>
#include <cstring>

using namespace pelmo;

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: pelmo_bench size PATH | duplicates HOME\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[2]);
    if (std::strcmp(argv[1], "size") == 0) {
        std::printf("%lld\n", static_cast<long long>(DiskScanner::allocatedSize(path)));
        return 0;
    }
    if (std::strcmp(argv[1], "duplicates") == 0) {
        // The duplicate scanner's own work: one walk of the six folders, then the
        // size / head-hash / full-hash grouping.
        DiskScanner::DuplicateStream stream;
        (void)DiskScanner::walkDocumentFolders(path,
            {.largeThreshold = std::nullopt,
                .onDuplicateCandidate = [&stream](DiskScanner::FileEntry file) { stream.add(std::move(file)); }});
        for (const auto &group : stream.finish()) {
            for (const auto &file : group)
                std::printf("%s\n", file.path.c_str());
        }
        return 0;
    }
    return 2;
}
