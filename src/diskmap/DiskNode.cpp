#include "DiskNode.h"

#include <algorithm>
#include <array>

namespace pelmo {

QList<KindTotal> kindTotals(const QList<DiskNode> &nodes)
{
    std::array<qint64, allNodeKinds.size()> sums {};
    std::array<bool, allNodeKinds.size()> present {};
    for (const DiskNode &node : nodes) {
        sums[static_cast<size_t>(node.kind)] += node.size;
        present[static_cast<size_t>(node.kind)] = true;
    }
    QList<KindTotal> totals;
    for (const NodeKind kind : allNodeKinds) {
        if (present[static_cast<size_t>(kind)])
            totals.append({kind, sums[static_cast<size_t>(kind)]});
    }
    std::ranges::stable_sort(totals, [](const KindTotal &a, const KindTotal &b) { return a.size > b.size; });
    return totals;
}

QString percentString(double share, const QLocale &locale)
{
    const QString number = locale.toString(share * 100, 'f', share < 0.1 ? 1 : 0);
    return locale.language() == QLocale::Czech ? number + QStringLiteral("\u00a0%") : number + u'%';
}

qint64 totalSize(const QList<DiskNode> &nodes)
{
    qint64 sum = 0;
    for (const DiskNode &node : nodes)
        sum += node.size;
    return sum;
}

} // namespace pelmo
