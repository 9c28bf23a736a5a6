// Benchmark driver over pelmo_core (not installed, not a test).
//   pelmo_bench size PATH         allocatedSize(PATH) in bytes
//   pelmo_bench duplicates HOME   every member of every identical group, one path per line
//   pelmo_bench map HOME          the disk map on HOME: measuring its children, then entering
//                                 the largest child and its largest child, with timings (ms),
//                                 the learnt totals' memory and the peak memory, as JSON
#include "diskmap/DiskMapper.h"
#include "diskmap/FolderTotals.h"
#include "scan/DiskScanner.h"
#include "scan/DocumentWalk.h"
#include "scan/DuplicateFinder.h"

#include <QElapsedTimer>

#include <cstdio>
#include <cstring>

#include <sys/resource.h>

using namespace pelmo;

namespace {

// Enters the largest plain folder among `nodes` as the map does: from what the walks
// learnt when possible, else measured with them.
std::optional<DiskNode> largestFolder(const QList<DiskNode> &nodes)
{
    for (const DiskNode &node : nodes) {
        if (node.isEnterable())
            return node;
    }
    return std::nullopt;
}

int map(const QString &home)
{
    FolderTotals totals;
    DiskMapper::Measure measure;
    measure.totals = &totals;
    QElapsedTimer timer;
    timer.start();
    const QList<DiskNode> children = DiskMapper::children(home, measure);
    const double measureMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    std::printf("{\"total\": %lld, \"children\": %lld, \"measureMs\": %.1f",
        static_cast<long long>(totalSize(children)), static_cast<long long>(children.size()), measureMs);
    QList<DiskNode> level = children;
    for (const char *name : {"enterMs", "enterDeeperMs"}) {
        const std::optional<DiskNode> folder = largestFolder(level);
        if (!folder)
            break;
        timer.restart();
        std::optional<QList<DiskNode>> entered = DiskMapper::knownChildren(folder->path, totals);
        const bool known = entered.has_value();
        if (!entered)
            entered = DiskMapper::children(folder->path, measure);
        std::printf(", \"%s\": %.2f, \"%sFromTotals\": %s", name, static_cast<double>(timer.nsecsElapsed()) / 1e6, name,
            known ? "true" : "false");
        level = *entered;
    }
    struct rusage usage
    {
    };
    ::getrusage(RUSAGE_SELF, &usage);
    std::printf(", \"learntFolders\": %zu, \"learntBytes\": %zu, \"peakKiB\": %ld}\n", totals.size(),
        totals.memoryBytes(), usage.ru_maxrss);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: pelmo_bench size PATH | duplicates HOME | map HOME\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[2]);
    if (std::strcmp(argv[1], "size") == 0) {
        std::printf("%lld\n", static_cast<long long>(DiskScanner::allocatedSize(path)));
        return 0;
    }
    if (std::strcmp(argv[1], "map") == 0)
        return map(path);
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
