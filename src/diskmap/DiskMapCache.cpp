#include "DiskMapCache.h"

namespace pelmo {

std::optional<QList<DiskNode>> DiskMapCache::folder(const QString &path) const
{
    const auto found = m_folders.constFind(path);
    if (found == m_folders.cend())
        return std::nullopt;
    return *found;
}

void DiskMapCache::setFolder(const QString &path, const QList<DiskNode> &nodes)
{
    m_folders.insert(path, nodes);
}

void DiskMapCache::forgetFolder(const QString &path)
{
    m_folders.remove(path);
}

void DiskMapCache::clear()
{
    m_folders.clear();
    m_totals->clear();
}

} // namespace pelmo
