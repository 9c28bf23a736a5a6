#pragma once

#include <QObject>
#include <QPointer>
#include <QVariantList>

namespace pelmo {

class CleanerStore;

// The history screen: the moves, newest first, their summary and the 30-day chart.
class HistoryViewModel : public QObject
{
    Q_OBJECT
    Q_MOC_INCLUDE("app/CleanerStore.h")
    Q_PROPERTY(pelmo::CleanerStore *store READ store WRITE setStore NOTIFY storeChanged)
    Q_PROPERTY(bool isEmpty READ isEmpty NOTIFY changed)
    Q_PROPERTY(QString movedText READ movedText NOTIFY changed)
    Q_PROPERTY(QString countText READ countText NOTIFY changed)
    Q_PROPERTY(QVariantList rows READ rows NOTIFY changed)
    Q_PROPERTY(QVariantList bars READ bars NOTIFY changed)

public:
    explicit HistoryViewModel(QObject *parent = nullptr);

    [[nodiscard]] CleanerStore *store() const { return m_store; }
    void setStore(CleanerStore *store);
    [[nodiscard]] bool isEmpty() const;
    [[nodiscard]] QString movedText() const;
    [[nodiscard]] QString countText() const;
    // One {id, name, detail, sizeText, restorable} per entry, newest first.
    [[nodiscard]] QVariantList rows() const;
    // One {day, label, gigabytes} per day of the last 30 with moves, earliest first.
    [[nodiscard]] QVariantList bars() const;

    Q_INVOKABLE void restore(const QString &id);
    Q_INVOKABLE void clear();

Q_SIGNALS:
    void storeChanged();
    void changed();

private:
    QPointer<CleanerStore> m_store;
};

} // namespace pelmo
