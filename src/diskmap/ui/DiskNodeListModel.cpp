#include "diskmap/ui/DiskNodeListModel.h"

#include "core/Icons.h"
#include "core/PathBytes.h"
#include "core/SizeText.h"
#include "model/ColorText.h"
#include "screens/ui/FileIcon.h"

namespace pelmo {

void DiskNodeListModel::setNodes(const QList<DiskNode> &nodes, qint64 total, const QList<QRectF> &rects)
{
    // Tiles that only moved keep their delegates: a resize must not rebuild 120 items.
    if (nodes == m_nodes && total == m_total) {
        if (rects != m_rects) {
            m_rects = rects;
            if (!m_nodes.isEmpty())
                Q_EMIT dataChanged(index(0), index(rowCount() - 1), {XRole, YRole, WidthRole, HeightRole});
        }
        return;
    }
    beginResetModel();
    m_nodes = nodes;
    m_rects = rects;
    m_total = total;
    endResetModel();
}

int DiskNodeListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_nodes.size());
}

QVariant DiskNodeListModel::data(const QModelIndex &index, int role) const
{
    Q_ASSERT(checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid));
    const DiskNode &node = m_nodes[index.row()];
    const QRectF rect = index.row() < m_rects.size() ? m_rects[index.row()] : QRectF();
    const double share = m_total >= 1 ? static_cast<double>(node.size) / static_cast<double>(m_total) : 0.0;
    switch (role) {
    case IdRole:
        return node.id();
    case NameRole:
        return PathBytes::display(node.name());
    case SizeTextRole:
        return formatSize(node.size);
    case ShareRole:
        return share;
    case PercentTextRole:
        return percentString(share);
    case KindRole:
        return static_cast<int>(node.kind);
    case KindTitleRole:
        return Kind::title(node.kind);
    case SymbolRole:
        return Icons::themeName(Kind::symbol(node.kind));
    case EnterableRole:
        return node.isEnterable();
    case ColorRole:
        return colorText(Kind::color(node.kind, node.variant(), 0));
    case TopColorRole:
        return colorText(Kind::color(node.kind, node.variant(), 0.04));
    case BottomColorRole:
        return colorText(Kind::color(node.kind, node.variant(), -0.1));
    case TopHoverColorRole:
        return colorText(Kind::color(node.kind, node.variant(), 0.1));
    case BottomHoverColorRole:
        return colorText(Kind::color(node.kind, node.variant(), -0.02));
    case IconNameRole:
        return FileIcon::forPath(node.path);
    case AccessibleNameRole:
        return PathBytes::display(node.name()) + QStringLiteral(", ") + formatSize(node.size);
    case XRole:
        return rect.x();
    case YRole:
        return rect.y();
    case WidthRole:
        return rect.width();
    case HeightRole:
        return rect.height();
    default:
        return {};
    }
}

QHash<int, QByteArray> DiskNodeListModel::roleNames() const
{
    return {{IdRole, "nodeId"}, {NameRole, "name"}, {SizeTextRole, "sizeText"}, {ShareRole, "share"},
        {PercentTextRole, "percentText"}, {KindRole, "kind"}, {KindTitleRole, "kindTitle"}, {SymbolRole, "symbol"},
        {EnterableRole, "enterable"}, {ColorRole, "kindColor"}, {TopColorRole, "topColor"},
        {BottomColorRole, "bottomColor"}, {TopHoverColorRole, "topHoverColor"},
        {BottomHoverColorRole, "bottomHoverColor"}, {IconNameRole, "iconName"}, {AccessibleNameRole, "accessibleName"},
        {XRole, "tileX"}, {YRole, "tileY"}, {WidthRole, "tileWidth"}, {HeightRole, "tileHeight"}};
}

} // namespace pelmo
