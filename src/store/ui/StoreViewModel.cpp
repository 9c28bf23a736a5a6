#include "store/ui/StoreViewModel.h"

#include "store/CleanerStore.h"

namespace pelmo {

void StoreViewModel::setStore(CleanerStore *store)
{
    if (m_store == store)
        return;
    if (m_store)
        disconnect(m_store, nullptr, this, nullptr);
    m_store = store;
    if (m_store)
        attach(*m_store);
    Q_EMIT storeChanged();
    storeReplaced();
}

} // namespace pelmo
