#pragma once

#include "diskmap/DiskNode.h"

#include <QAbstractListModel>
#include <QRectF>
#include <QtQml/qqmlregistration.h>

namespace pelmo {

// Nodes of the disk map as QML draws them: the treemap's tiles (with their rectangles) or
// the inspector's list of the largest. Shares are of the folder's whole total.
class DiskNodeListModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The disk map model makes its lists.")

public:
    enum Role {
        IdRole = Qt::UserRole + 1,
        NameRole,
        SizeTextRole,
        ShareRole,
        PercentTextRole,
        KindRole,
        KindTitleRole,
        SymbolRole,
        EnterableRole,
        ColorRole,
        TopColorRole,
        BottomColorRole,
        TopHoverColorRole,
        BottomHoverColorRole,
        IconNameRole,
        AccessibleNameRole,
        XRole,
        YRole,
        WidthRole,
        HeightRole,
    };

    using QAbstractListModel::QAbstractListModel;

    // `rects`: one per node, or empty when the list has no layout.
    void setNodes(const QList<DiskNode> &nodes, qint64 total, const QList<QRectF> &rects = {});
    [[nodiscard]] const QList<DiskNode> &nodes() const { return m_nodes; }
    [[nodiscard]] const QList<QRectF> &rects() const { return m_rects; }

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QHash<int, QByteArray> roleNames() const override;

private:
    QList<DiskNode> m_nodes;
    QList<QRectF> m_rects;
    qint64 m_total = 0;
};

} // namespace pelmo
