#pragma once

#include "model/CleanItem.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pelmo::DiskScanner {

// A file that may have copies: only its logical length and modification time matter.
struct FileEntry
{
    std::string path;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    quint64 walkOrder = 0; // position in the depth-first walk of the document folders
};

// One walk of the document folders (packages and hidden entries skipped) serves both the
// large-file scanner (the folders that hold large files) and the duplicate finder (all),
// so a full scan reads each folder once; either scanner alone gets the same results. A
// folder reached under several names (links, bind mounts, folders inside one another) is
// walked once, so no file is met twice. The walk runs on two threads; results come back
// in the order of one depth-first walk.
struct DocumentWalkRequest
{
    std::optional<qint64> largeThreshold; // collect large files when set
    // When set, receives every file of at least `candidateMinimum` logical bytes, from
    // either walking thread and in no particular order; FileEntry::walkOrder tells the order.
    std::function<void(FileEntry)> onDuplicateCandidate;
    qint64 candidateMinimum = 1'000'000;
};

// The large files, in walk order.
[[nodiscard]] QList<CleanItem> walkDocumentFolders(const QString &home, const DocumentWalkRequest &request);

} // namespace pelmo::DiskScanner
