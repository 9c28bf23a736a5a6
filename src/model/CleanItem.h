#pragma once

#include "CleanCategory.h"
#include "core/FileIdentity.h"

#include <QHashFunctions>
#include <QList>
#include <QString>

namespace pelmo {

// One file or folder offered for cleaning. `path` is the item's identity: selection,
// exclusion and list identity all work on it, so two items with one path are one item
// to the user even when two scanners reported it.
struct CleanItem
{
    QString path;
    QString name;
    qint64 size = 0; // allocated bytes on disk; a duplicate's logical length
    CleanCategory category = CleanCategory::caches;
    QString detail;
    bool isSafe = false;
    FileIdentity identity; // what the scan found at `path`; moving checks it is still there

    [[nodiscard]] const QString &id() const { return path; }
    friend bool operator==(const CleanItem &, const CleanItem &) = default;
};

// The one sum of item sizes, wherever a total of items is shown.
[[nodiscard]] inline qint64 totalSize(const QList<CleanItem> &items)
{
    qint64 total = 0;
    for (const CleanItem &item : items)
        total += item.size;
    return total;
}

inline size_t qHash(const CleanItem &item, size_t seed = 0)
{
    return qHashMulti(seed, item.path, item.name, item.size, static_cast<int>(item.category), item.detail, item.isSafe);
}

} // namespace pelmo
