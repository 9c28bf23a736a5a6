#pragma once

#include "FakeHome.h"
#include "FakeServices.h"
#include "store/CleanerStore.h"

#include <QSignalSpy>

#include <memory>

namespace pelmo::test {

// A store on a fake home with faked services; the home is granted through the settings,
// followed by `settings` (more ini lines of the [General] group).
struct StoreFixture
{
    FakeHome fake;
    FakeStoreServices fakes;
    std::unique_ptr<CleanerStore> store;

    explicit StoreFixture(const QByteArray &settings = {})
    {
        fake.writeBytes(".config/Pelmo/Pelmo.conf",
            "[General]\nhomeFolderBookmark=@ByteArray(" + fake.home().toUtf8() + ")\n" + settings);
    }

    // A new store, as at the next start.
    CleanerStore &make()
    {
        store = std::make_unique<CleanerStore>(fakes.services(fake));
        return *store;
    }

    // Both may finish before the spy could wait: a fast batch's continuation runs at once.
    bool scan()
    {
        QSignalSpy finished(store.get(), &CleanerStore::scanFinished);
        store->scan();
        return !finished.isEmpty() || finished.wait(20'000);
    }

    bool clean(const QList<CleanItem> &items)
    {
        QSignalSpy finished(store.get(), &CleanerStore::batchFinished);
        store->clean(items);
        return !finished.isEmpty() || finished.wait(20'000);
    }
};

} // namespace pelmo::test
