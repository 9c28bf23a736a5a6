#pragma once

#include "DiskNode.h"
#include "FolderTotals.h"

#include <QHash>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

namespace pelmo {

// What the disk map has measured: the children of each folder it showed (main thread
// only) and the folder totals its walks learnt (shared with the walks). The store empties
// both after every clean-up, so nothing moved is shown from memory.
class DiskMapCache
{
public:
    [[nodiscard]] std::optional<QList<DiskNode>> folder(const QString &path) const;
    void setFolder(const QString &path, const QList<DiskNode> &nodes);
    void forgetFolder(const QString &path);
    [[nodiscard]] const std::shared_ptr<FolderTotals> &totals() const { return m_totals; }
    // Changes with every clear(); a measurement started before a clear keeps nothing.
    [[nodiscard]] quint64 epoch() const { return m_totals->epoch(); }
    void clear();

private:
    QHash<QString, QList<DiskNode>> m_folders;
    std::shared_ptr<FolderTotals> m_totals = std::make_shared<FolderTotals>();
};

} // namespace pelmo
