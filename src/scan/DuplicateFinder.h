#pragma once

#include "DocumentWalk.h"

#include <QList>

namespace pelmo::DiskScanner {

// Groups of two or more candidates with identical contents: same length, then the same
// SHA-256 of the first 64 KiB, then of the whole file. Each group is in candidate order.
[[nodiscard]] std::vector<std::vector<FileEntry>> identicalGroups(const std::vector<FileEntry> &candidates);

// Every copy but the oldest of each group (ties keep walk order), as duplicate items
// whose detail names the kept file and the copy's folder.
[[nodiscard]] QList<CleanItem> duplicateItems(const std::vector<FileEntry> &candidates, const QString &home);

} // namespace pelmo::DiskScanner
