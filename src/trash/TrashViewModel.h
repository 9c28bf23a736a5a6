#pragma once

#include "TrashResult.h"

#include <QObject>
#include <QPointer>
#include <QVariantList>

#include <optional>

namespace pelmo {

class CleanerStore;

// The Trash screen: the home Trash's items, listed off the main thread, with "put back"
// for those the history still knows.
class TrashViewModel : public QObject
{
    Q_OBJECT
    Q_MOC_INCLUDE("app/CleanerStore.h")
    Q_PROPERTY(pelmo::CleanerStore *store READ store WRITE setStore NOTIFY storeChanged)
    Q_PROPERTY(QString state READ state NOTIFY changed)
    Q_PROPERTY(QString subtitle READ subtitle NOTIFY changed)
    Q_PROPERTY(QVariantList entries READ entries NOTIFY changed)

public:
    explicit TrashViewModel(QObject *parent = nullptr);

    [[nodiscard]] CleanerStore *store() const { return m_store; }
    // Setting the store lists the Trash.
    void setStore(CleanerStore *store);
    // "loading", "unreadable", "list" or "empty".
    [[nodiscard]] QString state() const;
    [[nodiscard]] QString subtitle() const;
    // One {name, path, sizeText, restorable} per item, largest first.
    [[nodiscard]] QVariantList entries() const;

    Q_INVOKABLE void reload();
    Q_INVOKABLE void restore(const QString &trashPath);
    Q_INVOKABLE void emptyTrash();

Q_SIGNALS:
    void storeChanged();
    void changed();

private:
    QPointer<CleanerStore> m_store;
    std::optional<QList<TrashEntry>> m_entries;
    bool m_loading = true;
};

} // namespace pelmo
