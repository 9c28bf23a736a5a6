#include "FolderTotals.h"

#include <algorithm>

namespace pelmo {
namespace {

qint64 nanoseconds(const struct timespec &time)
{
    return static_cast<qint64>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

bool keyLess(const FolderTotals::Folder &a, const FolderTotals::Folder &b)
{
    return a.device != b.device ? a.device < b.device : a.inode < b.inode;
}

} // namespace

FolderTotals::Folder FolderTotals::folderOf(const struct stat &st, qint64 total)
{
    return {st.st_dev, st.st_ino, nanoseconds(st.st_mtim), nanoseconds(st.st_ctim), total};
}

std::optional<qint64> FolderTotals::find(const struct stat &st) const
{
    const Folder wanted = folderOf(st, 0);
    const std::lock_guard lock(m_mutex);
    for (auto walk = m_walks.rbegin(); walk != m_walks.rend(); ++walk) {
        const auto found = std::lower_bound(walk->begin(), walk->end(), wanted, keyLess);
        if (found == walk->end() || found->device != wanted.device || found->inode != wanted.inode)
            continue;
        // The newest walk that saw the folder decides; if it has changed since, it is unknown.
        if (found->modified != wanted.modified || found->changed != wanted.changed)
            return std::nullopt;
        return found->total;
    }
    return std::nullopt;
}

quint64 FolderTotals::epoch() const
{
    const std::lock_guard lock(m_mutex);
    return m_epoch;
}

void FolderTotals::add(std::vector<Folder> folders, quint64 epochAtStart)
{
    if (folders.size() > m_capacity)
        folders.resize(m_capacity);
    std::sort(folders.begin(), folders.end(), keyLess);
    folders.shrink_to_fit();
    const std::lock_guard lock(m_mutex);
    if (epochAtStart != m_epoch || folders.empty())
        return;
    while (!m_walks.empty() && m_size + folders.size() > m_capacity) {
        m_size -= m_walks.front().size();
        m_walks.pop_front();
    }
    m_size += folders.size();
    m_walks.push_back(std::move(folders));
}

void FolderTotals::clear()
{
    const std::lock_guard lock(m_mutex);
    m_walks.clear();
    m_size = 0;
    ++m_epoch;
}

size_t FolderTotals::size() const
{
    const std::lock_guard lock(m_mutex);
    return m_size;
}

size_t FolderTotals::memoryBytes() const
{
    const std::lock_guard lock(m_mutex);
    size_t bytes = 0;
    for (const std::vector<Folder> &walk : m_walks)
        bytes += walk.capacity() * sizeof(Folder);
    return bytes;
}

} // namespace pelmo
