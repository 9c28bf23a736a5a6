#pragma once

#include "access/AccessManager.h"
#include "store/CleanerStore.h"

#include <QtQml/qqmlregistration.h>

// The store's types as QML sees them: made in C++ only, read through the view-models and
// the application state.
namespace pelmo::StoreTypes {

struct CleanerStoreType
{
    Q_GADGET
    QML_FOREIGN(pelmo::CleanerStore)
    QML_NAMED_ELEMENT(CleanerStore)
    QML_UNCREATABLE("The one store is made with the application.")
};

struct AccessManagerType
{
    Q_GADGET
    QML_FOREIGN(pelmo::AccessManager)
    QML_NAMED_ELEMENT(AccessManager)
    QML_UNCREATABLE("The store makes its access manager.")
};

} // namespace pelmo::StoreTypes
