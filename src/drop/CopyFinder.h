#pragma once

#include "model/CleanItem.h"

#include <QList>
#include <QString>

// Finds where else in the user's document folders a dropped file lies, byte for byte.
namespace pelmo::CopyFinder {

struct Result
{
    qint64 size = 0;         // space the dropped item takes on disk (a folder: all below it)
    QList<CleanItem> copies; // duplicates items, by folder in scanning order, then walk order
};

// Synchronous and possibly slow (one full read per same-length candidate); never fails.
// Only a regular, non-empty file can have copies. The dropped file itself is never its own
// copy, whatever path names it, and neither is a hard link to it: moving either frees
// nothing and would take the original away.
[[nodiscard]] Result copies(const QString &dropped, const QString &home);

} // namespace pelmo::CopyFinder
