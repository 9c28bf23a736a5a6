#include "DocumentWalk.h"

#include "LinuxPlaces.h"
#include "ScanPaths.h"
#include "scan/FileWalker.h"

#include <algorithm>
#include <span>

namespace pelmo::DiskScanner {
namespace {

constexpr size_t kLargeFileFolders = 4;             // Downloads, Desktop, Documents, Movies
constexpr qint64 kMinimumCandidateSize = 1'000'000; // logical bytes

bool isSameOrInside(const std::string &path, const std::string &folder)
{
    return path.starts_with(folder) && (path.size() == folder.size() || path[folder.size()] == '/');
}

} // namespace

DocumentWalkResult walkDocumentFolders(const QString &home, const DocumentWalkRequest &request)
{
    DocumentWalkResult result;
    const std::vector<std::string> folders = LinuxPlaces::documentFolders(PathBytes::toBytes(home));
    const size_t count = request.duplicateCandidates ? folders.size() : kLargeFileFolders;

    for (size_t index = 0; index < count; ++index) {
        const std::string &folder = folders[index];
        // Folders that user-dirs.dirs lets overlap are walked once: a folder inside an
        // earlier one was walked with it, and an earlier one inside this one is pruned.
        const auto earlier = std::span(folders).first(index);
        if (std::ranges::any_of(earlier, [&](const std::string &e) { return isSameOrInside(folder, e); }))
            continue;
        const bool wantLarge = request.largeThreshold.has_value() && index < kLargeFileFolders;

        FileWalker::walk(folder, {.skipHidden = true, .skipPackages = true}, [&](const FileWalker::Entry &entry) {
            if (entry.type == FileWalker::EntryType::Directory) {
                const bool walkedAlready = std::ranges::find(earlier, entry.path) != earlier.end();
                return walkedAlready ? FileWalker::Action::SkipChildren : FileWalker::Action::Continue;
            }
            if (!entry.stat)
                return FileWalker::Action::Continue;
            if (wantLarge && !isInstallerName(entry.name)) {
                const qint64 size = static_cast<qint64>(entry.stat->st_blocks) * 512;
                if (size >= *request.largeThreshold) {
                    result.largeFiles.append(itemAt(
                        entry.path, size, CleanCategory::largeFiles, tildePath(parentOf(entry.path), home), false));
                }
            }
            if (request.duplicateCandidates && entry.stat->st_size >= kMinimumCandidateSize) {
                const qint64 modified
                    = static_cast<qint64>(entry.stat->st_mtim.tv_sec) * 1'000'000'000 + entry.stat->st_mtim.tv_nsec;
                result.duplicateCandidates.push_back({entry.path, entry.stat->st_size, modified});
            }
            return FileWalker::Action::Continue;
        });
    }
    return result;
}

QList<CleanItem> largeFiles(const QString &home, qint64 threshold)
{
    return walkDocumentFolders(home, {.largeThreshold = threshold, .duplicateCandidates = false}).largeFiles;
}

} // namespace pelmo::DiskScanner
