#include "RecordListModel.h"

namespace pelmo {

RecordListModel::RecordListModel(const QList<QByteArray> &roles, QObject *parent)
    : QAbstractListModel(parent)
{
    for (qsizetype i = 0; i < roles.size(); ++i)
        m_roles.insert(Qt::UserRole + static_cast<int>(i), roles[i]);
}

void RecordListModel::setRecords(QList<QVariantMap> records)
{
    if (records == m_records)
        return;
    const int before = count();
    beginResetModel();
    m_records = std::move(records);
    endResetModel();
    if (count() != before)
        Q_EMIT countChanged();
}

int RecordListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant RecordListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const auto name = m_roles.constFind(role);
    return name == m_roles.cend() ? QVariant() : m_records[index.row()].value(QString::fromLatin1(*name));
}

QHash<int, QByteArray> RecordListModel::roleNames() const
{
    return m_roles;
}

} // namespace pelmo
