#pragma once

#include <QtQml/qqmlregistration.h>

#include "store/ui/RecordListModel.h"
#include "store/ui/StoreViewModel.h"

#include <QVariantList>

namespace pelmo {

// The history screen: the moves, newest first, their summary and the 30-day chart.
class HistoryViewModel : public pelmo::StoreViewModel // qualified: the QML type registration reads the name as written
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool isEmpty READ isEmpty NOTIFY changed)
    Q_PROPERTY(QString movedText READ movedText NOTIFY changed)
    Q_PROPERTY(QString countText READ countText NOTIFY changed)
    Q_PROPERTY(pelmo::RecordListModel *rows READ rows CONSTANT)
    Q_PROPERTY(QVariantList bars READ bars NOTIFY changed)

public:
    explicit HistoryViewModel(QObject *parent = nullptr);

    [[nodiscard]] bool isEmpty() const;
    [[nodiscard]] QString movedText() const;
    [[nodiscard]] QString countText() const;
    // One {entryId, name, detail, sizeText, restorable} per entry, newest first.
    [[nodiscard]] RecordListModel *rows() { return &m_rows; }
    // One {daysAgo, label, gigabytes} per day of the last 30 with moves, earliest first.
    [[nodiscard]] QVariantList bars() const;

    Q_INVOKABLE void restore(const QString &id);
    Q_INVOKABLE void clear();

private:
    void attach(CleanerStore &store) override;
    void updateRows();

    RecordListModel m_rows {{"entryId", "name", "detail", "sizeText", "restorable"}};
};

} // namespace pelmo
