#pragma once

#include "DiskNode.h"

#include <QList>
#include <QRectF>

namespace pelmo {

// One laid-out tile, in the coordinates of the rectangle given to the layout (y downwards).
struct TreemapTile
{
    DiskNode node;
    QRectF rect;

    friend bool operator==(const TreemapTile &, const TreemapTile &) = default;
};

namespace TreemapLayout {

// The squarified treemap of `nodes` (placed in the given order; callers pass them largest
// first) in `rect`: one tile per node in input order, areas proportional to the sizes and
// adding up to the whole rectangle, no gaps. Each row runs along the shorter side of what
// is left (a square counts as wide); an item joins the row while the row's worst aspect
// ratio does not get worse (an equal ratio joins). Nodes of size 0 at the end get no tile;
// no nodes, no positive total or a side of 1 or less give no tiles. Pure.
[[nodiscard]] QList<TreemapTile> layout(const QList<DiskNode> &nodes, const QRectF &rect);

} // namespace TreemapLayout
} // namespace pelmo
