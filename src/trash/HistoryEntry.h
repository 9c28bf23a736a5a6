#pragma once

#include "core/FileIdentity.h"

#include <QDateTime>
#include <QString>
#include <QUuid>

namespace pelmo {

// One item moved to the Trash. `trashPath` is empty when no new location is known, and for
// every entry once the Trash has been emptied: such an entry cannot be put back.
// `identity` is the moved object's and `originalFolder` the resolved folder it left, when
// they were seen; putting back checks both.
struct HistoryEntry
{
    QUuid id;
    QDateTime date;
    QString name;
    qint64 size = 0;
    QString originalPath;
    QString trashPath;
    FileIdentity identity;
    QString originalFolder; // where the item's folder led when it moved, links resolved
    qint64 changeTime = 0;  // the moved object's status-change time in the Trash (ns), 0 unknown

    friend bool operator==(const HistoryEntry &, const HistoryEntry &) = default;
};

} // namespace pelmo
