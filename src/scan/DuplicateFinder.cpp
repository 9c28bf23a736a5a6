#include "DuplicateFinder.h"

#include "ScanPaths.h"
#include "Sha256.h"
#include "core/Localization.h"

#include <algorithm>
#include <map>
#include <optional>

namespace pelmo::DiskScanner {
namespace {

constexpr std::int64_t kHeadLength = 65'536;

// The first file under a key waits unhashed; when a second one arrives, both and every
// later one go on to the next stage.
struct Gate
{
    std::optional<FileEntry> waiting;
    bool open = false;

    template<typename Next> void admit(FileEntry file, Next next)
    {
        if (!open && !waiting) {
            waiting = std::move(file);
            return;
        }
        if (!open) {
            open = true;
            next(std::move(*waiting));
            waiting.reset();
        }
        next(std::move(file));
    }
};

// Buckets under a digest, kept in the order of their first member.
template<typename Bucket> struct Ordered
{
    std::map<Sha256Digest, size_t> index;
    std::vector<Bucket> buckets;

    Bucket &at(const Sha256Digest &digest)
    {
        const auto [it, inserted] = index.try_emplace(digest, buckets.size());
        if (inserted)
            buckets.emplace_back();
        return buckets[it->second];
    }
};

struct HeadBucket
{
    Gate gate;
    Ordered<std::vector<FileEntry>> full;
};

struct SizeBucket
{
    Gate gate;
    Ordered<HeadBucket> heads;
};

} // namespace

struct DuplicateGrouper::State
{
    FileHasher hasher;
    std::map<qint64, SizeBucket> bySize;

    void toHeadStage(SizeBucket &bucket, FileEntry file)
    {
        const auto digest = hasher.hash(file.path, kHeadLength);
        if (!digest)
            return; // cannot be opened: takes no further part
        HeadBucket &head = bucket.heads.at(*digest);
        head.gate.admit(std::move(file), [&](FileEntry f) {
            if (const auto full = hasher.hash(f.path))
                head.full.at(*full).push_back(std::move(f));
        });
    }
};

DuplicateGrouper::DuplicateGrouper()
    : m_state(std::make_unique<State>())
{ }

DuplicateGrouper::~DuplicateGrouper() = default;

void DuplicateGrouper::add(FileEntry file)
{
    SizeBucket &bucket = m_state->bySize[file.size];
    bucket.gate.admit(std::move(file), [&](FileEntry f) { m_state->toHeadStage(bucket, std::move(f)); });
}

std::vector<std::vector<FileEntry>> DuplicateGrouper::groups() const
{
    std::vector<std::vector<FileEntry>> result;
    for (const auto &[size, bucket] : m_state->bySize) {
        for (const HeadBucket &head : bucket.heads.buckets) {
            for (const std::vector<FileEntry> &group : head.full.buckets) {
                if (group.size() >= 2)
                    result.push_back(group);
            }
        }
    }
    // Arrival order depends on thread timing; the walk order does not.
    for (std::vector<FileEntry> &group : result)
        std::ranges::sort(group, {}, &FileEntry::walkOrder);
    std::ranges::sort(result, {},
        [](const std::vector<FileEntry> &group) { return std::pair(group.front().size, group.front().walkOrder); });
    return result;
}

DuplicateStream::DuplicateStream()
    : m_thread([this] { run(); })
{ }

DuplicateStream::~DuplicateStream()
{
    if (m_thread.joinable())
        (void)finish();
}

void DuplicateStream::add(FileEntry file)
{
    {
        const std::lock_guard lock(m_mutex);
        m_queue.push_back(std::move(file));
    }
    m_wake.notify_one();
}

std::vector<std::vector<FileEntry>> DuplicateStream::finish()
{
    {
        const std::lock_guard lock(m_mutex);
        m_closed = true;
    }
    m_wake.notify_one();
    m_thread.join();
    return m_grouper.groups();
}

void DuplicateStream::run()
{
    for (;;) {
        std::unique_lock lock(m_mutex);
        m_wake.wait(lock, [this] { return m_closed || !m_queue.empty(); });
        if (m_queue.empty())
            return; // closed and drained
        FileEntry file = std::move(m_queue.front());
        m_queue.pop_front();
        lock.unlock();
        m_grouper.add(std::move(file));
    }
}

QList<CleanItem> duplicateItems(std::vector<std::vector<FileEntry>> groups, const QString &home)
{
    QList<CleanItem> items;
    for (std::vector<FileEntry> &group : groups) {
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
    DuplicateStream stream;
    (void)walkDocumentFolders(home, {.largeThreshold = std::nullopt, .onDuplicateCandidate = [&stream](FileEntry file) {
                                         stream.add(std::move(file));
                                     }});
    return duplicateItems(stream.finish(), home);
}

} // namespace pelmo::DiskScanner
