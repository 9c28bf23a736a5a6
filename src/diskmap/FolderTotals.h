#pragma once

#include <QtGlobal>

#include <cstddef>
#include <deque>
#include <mutex>
#include <optional>
#include <vector>

#include <sys/stat.h>

namespace pelmo {

// What measuring walks learnt about the folders below the one they measured: each folder's
// total (the allocated bytes of every regular file below it), so that entering a measured
// folder's child needs no walk. A folder is known by its device and inode and is trusted
// only while its modification and change times are those the walk saw: an entry added,
// removed or renamed in it makes it unknown again. Bounded: beyond `capacity` folders the
// oldest walk's folders are forgotten first. Safe to use from any thread.
class FolderTotals
{
public:
    struct Folder
    {
        dev_t device = 0;
        ino_t inode = 0;
        qint64 modified = 0; // nanoseconds
        qint64 changed = 0;  // nanoseconds
        qint64 total = 0;
    };

    // About 40 MB at most.
    static constexpr size_t defaultCapacity = 1'000'000;

    explicit FolderTotals(size_t capacity = defaultCapacity)
        : m_capacity(capacity)
    { }

    // The total of the folder that `st` (its lstat) describes, when known and unchanged.
    [[nodiscard]] std::optional<qint64> find(const struct stat &st) const;
    // Changes with every clear(); a walk started before a clear adds nothing.
    [[nodiscard]] quint64 epoch() const;
    // The folders of one walk, shallow ones first (kept first when the walk alone is over
    // the capacity).
    void add(std::vector<Folder> folders, quint64 epochAtStart);
    void clear();

    [[nodiscard]] size_t size() const;
    // The bytes the stored folders take.
    [[nodiscard]] size_t memoryBytes() const;

    [[nodiscard]] static Folder folderOf(const struct stat &st, qint64 total);

private:
    mutable std::mutex m_mutex;
    size_t m_capacity;
    size_t m_size = 0;
    quint64 m_epoch = 0;
    std::deque<std::vector<Folder>> m_walks; // oldest first, each sorted by device and inode
};

} // namespace pelmo
