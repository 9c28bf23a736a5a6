#include "DuplicateFinder.h"

#include "ScanPaths.h"
#include "Sha256.h"
#include "app/Localization.h"

#include <algorithm>
#include <map>

namespace pelmo::DiskScanner {
namespace {

constexpr std::int64_t kHeadLength = 65'536;

// Buckets of two or more files under the same digest; `limit` as FileHasher::hash.
std::vector<std::vector<FileEntry>> sameDigest(
    FileHasher &hasher, const std::vector<FileEntry> &files, std::optional<std::int64_t> limit)
{
    std::map<Sha256Digest, std::vector<FileEntry>> buckets;
    std::vector<Sha256Digest> firstSeen; // keeps bucket order deterministic: by first member
    for (const FileEntry &file : files) {
        const std::optional<Sha256Digest> digest = hasher.hash(file.path, limit);
        if (!digest)
            continue;
        auto &bucket = buckets[*digest];
        if (bucket.empty())
            firstSeen.push_back(*digest);
        bucket.push_back(file);
    }
    std::vector<std::vector<FileEntry>> result;
    for (const Sha256Digest &digest : firstSeen) {
        if (buckets[digest].size() >= 2)
            result.push_back(std::move(buckets[digest]));
    }
    return result;
}

} // namespace

std::vector<std::vector<FileEntry>> identicalGroups(const std::vector<FileEntry> &candidates)
{
    std::map<qint64, std::vector<FileEntry>> bySize;
    for (const FileEntry &file : candidates)
        bySize[file.size].push_back(file);

    FileHasher hasher;
    std::vector<std::vector<FileEntry>> groups;
    for (const auto &[size, files] : bySize) {
        if (files.size() < 2)
            continue;
        for (const auto &headBucket : sameDigest(hasher, files, kHeadLength)) {
            for (auto &group : sameDigest(hasher, headBucket, std::nullopt))
                groups.push_back(std::move(group));
        }
    }
    return groups;
}

QList<CleanItem> duplicateItems(const std::vector<FileEntry> &candidates, const QString &home)
{
    QList<CleanItem> items;
    for (std::vector<FileEntry> &group : identicalGroups(candidates)) {
        std::ranges::stable_sort(group, {}, &FileEntry::modifiedNs);
        const FileEntry &kept = group.front();
        const QString keptName = itemAt(kept.path, 0, CleanCategory::duplicates, {}, false).name;
        for (size_t i = 1; i < group.size(); ++i) {
            const QString detail = Localization::format(
                Localization::tr("Kopie souboru „%@“ · %@"), {keptName, tildePath(parentOf(group[i].path), home)});
            items.append(itemAt(group[i].path, group[i].size, CleanCategory::duplicates, detail, false));
        }
    }
    return items;
}

QList<CleanItem> duplicates(const QString &home)
{
    return duplicateItems(
        walkDocumentFolders(home, {.largeThreshold = std::nullopt, .duplicateCandidates = true}).duplicateCandidates,
        home);
}

} // namespace pelmo::DiskScanner
