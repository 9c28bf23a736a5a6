#pragma once

#include <QtQml/qqmlregistration.h>

#include "model/CleanItem.h"

#include <QAbstractListModel>
#include <QSet>

namespace pelmo {

// The rows of a category screen: the visible items with their texts and check state.
class ItemListModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Made by the view-models.")

public:
    enum Role {
        PathRole = Qt::UserRole + 1,
        NameRole,
        DetailRole,
        SizeTextRole,
        SafeRole,
        BadgeRole,
        SelectedRole,
        ToolTipRole,
        IconRole
    };

    explicit ItemListModel(QObject *parent = nullptr);

    // Replaces the rows; resets only when the list of paths changed.
    void setItems(const QList<CleanItem> &items, const QSet<QString> &selection);
    [[nodiscard]] const QList<CleanItem> &items() const { return m_items; }

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QHash<int, QByteArray> roleNames() const override;

private:
    QList<CleanItem> m_items;
    QSet<QString> m_selection;
    QStringList m_icons; // theme icon names, one per item, worked out once per list
};

} // namespace pelmo
