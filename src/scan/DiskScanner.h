#pragma once

#include "model/CleanItem.h"

#include <QList>
#include <QSet>
#include <QString>

#include <functional>

namespace pelmo {
class ApplicationCatalogue;
}

// Stateless scanners of fixed places of a home folder. They only read, never fail and
// swallow every file-system error: a missing or unreadable place contributes nothing,
// an unmeasurable size is 0. All run on the calling thread; callers keep them off the
// UI thread.
namespace pelmo::DiskScanner {

// Folder scanners report only children of at least this many allocated bytes.
inline constexpr qint64 minimumItemSize = 100'000;

// Bytes the item takes on disk: the allocated size of every regular file in the whole
// subtree (hidden entries and package contents included, links not followed).
[[nodiscard]] qint64 allocatedSize(const QString &path);

[[nodiscard]] QList<CleanItem> caches(const QString &home);
[[nodiscard]] QList<CleanItem> logs(const QString &home);
[[nodiscard]] QList<CleanItem> developer(const QString &home);
[[nodiscard]] QList<CleanItem> installers(const QString &home);
[[nodiscard]] QList<CleanItem> largeFiles(const QString &home, qint64 threshold);
[[nodiscard]] QList<CleanItem> leftovers(const QString &home, const ApplicationCatalogue &catalogue);
[[nodiscard]] QList<CleanItem> duplicates(const QString &home);

// Called as each category's scanner starts, on the scanning thread.
using ScanProgress = std::function<void(CleanCategory)>;

// All seven scanners in category order, minus every item whose path begins with one of
// `excluded` (a plain text prefix), sorted by size, largest first, stably.
[[nodiscard]] QList<CleanItem> scanAll(const QString &home, qint64 largeThreshold, const QSet<QString> &excluded,
    const ApplicationCatalogue &catalogue, const ScanProgress &progress = {});

} // namespace pelmo::DiskScanner
