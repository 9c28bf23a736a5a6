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
    Q_PROPERTY(QVariantList days READ days NOTIFY changed)
    Q_PROPERTY(QVariantList axis READ axis NOTIFY changed)
    Q_PROPERTY(double axisTop READ axisTop NOTIFY changed)
    Q_PROPERTY(QString chartDescription READ chartDescription NOTIFY changed)

public:
    explicit HistoryViewModel(QObject *parent = nullptr);

    [[nodiscard]] bool isEmpty() const;
    [[nodiscard]] QString movedText() const;
    [[nodiscard]] QString countText() const;
    // One {entryId, name, detail, sizeText, restorable} per entry, newest first.
    [[nodiscard]] RecordListModel *rows() { return &m_rows; }
    // One {daysAgo, label, gigabytes} per day of the last 30 with moves, earliest first.
    [[nodiscard]] QVariantList bars() const;
    // The chart's 30 slots, earliest first, today last: {gigabytes, sizeText, dateText,
    // label (the 1st of a month and each week's first day, else empty), monthStart,
    // weekStart}.
    [[nodiscard]] QVariantList days() const;
    // The value axis: {value, label} in gigabytes, two or three round steps; empty when
    // nothing was moved in the 30 days.
    [[nodiscard]] QVariantList axis() const;
    // The value at the top of the chart (the last step), 0 when the axis is empty.
    [[nodiscard]] double axisTop() const;
    // What the chart shows, for screen readers: each day with moves and its amount.
    [[nodiscard]] QString chartDescription() const;

    // Two or three round steps (1, 2, 2.5 or 5 times a power of ten) whose last reaches `top`.
    [[nodiscard]] static QList<double> axisSteps(double top);

    Q_INVOKABLE void restore(const QString &id);
    Q_INVOKABLE void clear();

private:
    void attach(CleanerStore &store) override;
    void updateRows();

    RecordListModel m_rows {{"entryId", "name", "detail", "sizeText", "restorable"}};
};

} // namespace pelmo
