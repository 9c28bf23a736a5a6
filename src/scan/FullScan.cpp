#include "DiskScanner.h"

#include "DocumentWalk.h"
#include "DuplicateFinder.h"

#include <algorithm>

namespace pelmo::DiskScanner {

QList<CleanItem> scanAll(const QString &home, qint64 largeThreshold, const QSet<QString> &excluded,
    const ApplicationCatalogue &catalogue, const ScanProgress &progress)
{
    auto starting = [&progress](CleanCategory category) {
        if (progress)
            progress(category);
    };
    QList<CleanItem> items;
    starting(CleanCategory::caches);
    items += caches(home);
    starting(CleanCategory::logs);
    items += logs(home);
    starting(CleanCategory::developer);
    items += developer(home);
    starting(CleanCategory::leftovers);
    items += leftovers(home, catalogue);
    starting(CleanCategory::installers);
    items += installers(home);
    starting(CleanCategory::duplicates);
    // One walk feeds the large-file list and, on a second thread, the duplicate hashing.
    DuplicateStream stream;
    const QList<CleanItem> largeFiles = walkDocumentFolders(home,
        {.largeThreshold = largeThreshold,
            .onDuplicateCandidate = [&stream](FileEntry file) { stream.add(std::move(file)); }});
    items += duplicateItems(stream.finish(), home);
    starting(CleanCategory::largeFiles);
    items += largeFiles;

    items.removeIf([&excluded](const CleanItem &item) {
        return std::ranges::any_of(excluded, [&item](const QString &prefix) { return item.path.startsWith(prefix); });
    });
    std::ranges::stable_sort(items, std::greater<>(), &CleanItem::size);
    return items;
}

} // namespace pelmo::DiskScanner
