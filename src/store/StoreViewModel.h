#pragma once

#include <QObject>
#include <QPointer>

namespace pelmo {

class CleanerStore;

// The base of the screens' view-models: the store they show, set from QML, and one
// `changed` signal for everything derived from it.
class StoreViewModel : public QObject
{
    Q_OBJECT
    Q_MOC_INCLUDE("store/CleanerStore.h")
    Q_PROPERTY(pelmo::CleanerStore *store READ store WRITE setStore NOTIFY storeChanged)

public:
    using QObject::QObject;

    [[nodiscard]] CleanerStore *store() const { return m_store; }
    void setStore(CleanerStore *store);

Q_SIGNALS:
    void storeChanged();
    void changed();

protected:
    // Connects the store's signals that change what the view shows.
    virtual void attach(CleanerStore &store) = 0;
    // Recomputes after a new store; by default only announces the change.
    virtual void storeReplaced() { Q_EMIT changed(); }

    QPointer<CleanerStore> m_store;
};

} // namespace pelmo
