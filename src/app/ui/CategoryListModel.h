#pragma once

#include <QtQml/qqmlregistration.h>

#include <QAbstractListModel>
#include <QPointer>

namespace pelmo {

class CleanerStore;

// The seven categories with what the sidebar and the overview show of each: texts, icon,
// colour, total, item count and share of everything found. Follows the store's items.
class CategoryListModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Made by the application state.")
    Q_MOC_INCLUDE("store/CleanerStore.h")
    Q_PROPERTY(pelmo::CleanerStore *store READ store WRITE setStore NOTIFY storeChanged)

public:
    enum Role {
        RawRole = Qt::UserRole + 1,
        TitleRole,
        SubtitleRole,
        IconRole,
        ColorRole,
        TotalRole,
        TotalTextRole,
        CountTextRole,
        ShareRole,
        SymbolRole
    };

    explicit CategoryListModel(QObject *parent = nullptr);

    [[nodiscard]] CleanerStore *store() const { return m_store; }
    void setStore(CleanerStore *store);

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QHash<int, QByteArray> roleNames() const override;

Q_SIGNALS:
    void storeChanged();

private:
    QPointer<CleanerStore> m_store;
};

} // namespace pelmo
