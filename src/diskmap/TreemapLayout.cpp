#include "TreemapLayout.h"

#include <algorithm>
#include <limits>

namespace pelmo::TreemapLayout {
namespace {

struct Item
{
    const DiskNode *node;
    double area;
};

using Row = QList<Item>;

constexpr double kInfinity = std::numeric_limits<double>::infinity();

double worst(const Row &row, double side)
{
    if (row.isEmpty())
        return kInfinity;
    double sum = 0;
    double maxArea = row.first().area;
    double minArea = row.first().area;
    for (const Item &item : row) {
        sum += item.area;
        maxArea = std::max(maxArea, item.area);
        minArea = std::min(minArea, item.area);
    }
    if (!(sum > 0) || !(side > 0) || !(minArea > 0))
        return kInfinity;
    const double side2 = side * side;
    return std::max(side2 * maxArea / (sum * sum), (sum * sum) / (side2 * minArea));
}

// Lays the row along the shorter side of `rect` and answers what is left of it. The last
// tile of a row ends exactly at the row's far edge, so rounding never makes tiles overlap
// or leave the rectangle.
QRectF place(const Row &row, const QRectF &rect, QList<TreemapTile> &tiles)
{
    double sum = 0;
    for (const Item &item : row)
        sum += item.area;
    if (row.isEmpty() || !(sum > 0))
        return rect;
    if (rect.height() <= rect.width()) {
        const double w = std::min(sum / rect.height(), rect.width());
        double y = rect.top();
        for (qsizetype i = 0; i < row.size(); ++i) {
            const double h = i + 1 == row.size() ? rect.bottom() - y : row[i].area / w;
            tiles.append({*row[i].node, QRectF(rect.left(), y, w, std::max(h, 0.0))});
            y += h;
        }
        return {rect.left() + w, rect.top(), std::max(rect.width() - w, 0.0), rect.height()};
    }
    const double h = std::min(sum / rect.width(), rect.height());
    double x = rect.left();
    for (qsizetype i = 0; i < row.size(); ++i) {
        const double w = i + 1 == row.size() ? rect.right() - x : row[i].area / h;
        tiles.append({*row[i].node, QRectF(x, rect.top(), std::max(w, 0.0), h)});
        x += w;
    }
    return {rect.left(), rect.top() + h, rect.width(), std::max(rect.height() - h, 0.0)};
}

} // namespace

QList<TreemapTile> layout(const QList<DiskNode> &nodes, const QRectF &rect)
{
    if (nodes.isEmpty())
        return {};
    double total = 0;
    for (const DiskNode &node : nodes)
        total += static_cast<double>(node.size);
    if (!(total > 0) || !(rect.width() > 1) || !(rect.height() > 1))
        return {};

    const double whole = rect.width() * rect.height();
    Row items;
    items.reserve(nodes.size());
    for (const DiskNode &node : nodes)
        items.append({&node, whole * (static_cast<double>(node.size) / total)});

    QList<TreemapTile> tiles;
    tiles.reserve(nodes.size());
    QRectF r = rect;
    qsizetype i = 0;
    while (i < items.size()) {
        const double side = std::min(r.width(), r.height());
        Row row;
        while (i < items.size()) {
            Row candidate = row;
            candidate.append(items[i]);
            if (!row.isEmpty() && !(worst(candidate, side) <= worst(row, side)))
                break;
            row = std::move(candidate);
            ++i;
        }
        r = place(row, r, tiles);
    }
    return tiles;
}

} // namespace pelmo::TreemapLayout
