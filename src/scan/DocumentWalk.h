#pragma once

#include "model/CleanItem.h"

#include <QList>
#include <QString>

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
};

// One walk of the document folders (packages and hidden entries skipped) serves both the
// large-file scanner (the first four folders) and the duplicate finder (all six), so a
// full scan reads each folder once; either scanner alone gets the same results.
struct DocumentWalkRequest
{
    std::optional<qint64> largeThreshold; // collect large files when set
    bool duplicateCandidates = false;     // collect files of at least 1 000 000 bytes
};

struct DocumentWalkResult
{
    QList<CleanItem> largeFiles;                // walk order
    std::vector<FileEntry> duplicateCandidates; // walk order
};

[[nodiscard]] DocumentWalkResult walkDocumentFolders(const QString &home, const DocumentWalkRequest &request);

} // namespace pelmo::DiskScanner
