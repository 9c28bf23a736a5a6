#pragma once

#include <QAbstractListModel>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

namespace pelmo {

// The rows of a list view: each record maps the model's role names, fixed when it is made,
// to values. New records reset the view only when they differ from the shown ones.
class RecordListModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Made by the view-models.")
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    explicit RecordListModel(const QList<QByteArray> &roles, QObject *parent = nullptr);

    [[nodiscard]] const QList<QVariantMap> &records() const { return m_records; }
    void setRecords(QList<QVariantMap> records);
    [[nodiscard]] int count() const { return static_cast<int>(m_records.size()); }

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QHash<int, QByteArray> roleNames() const override;

Q_SIGNALS:
    void countChanged();

private:
    QHash<int, QByteArray> m_roles;
    QList<QVariantMap> m_records;
};

} // namespace pelmo
