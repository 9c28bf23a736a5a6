#pragma once

#include <QObject>
#include <QPointer>
#include <QtQml/qqmlregistration.h>

namespace pelmo {

class CleanerStore;

// The base of the screens' view-models: the store they show, set from QML, and one
// `changed` signal for everything derived from it.
class StoreViewModel : public QObject
{
    Q_OBJECT
    QML_ANONYMOUS
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
