#include "FakeCatalogue.h"
#include "FakeHome.h"
#include "FakeServices.h"
#include "FakeTrashServices.h"
#include "Fields.h"
#include "StoreFixture.h"
#include "access/AccessManager.h"
#include "core/PathBytes.h"
#include "platform/FinderScripts.h"
#include "store/CleanerStore.h"
#include "trash/SharedHistory.h"

#include <filesystem>
#include <thread>

#include <QSignalSpy>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

using namespace pelmo;
using namespace pelmo::test;
using namespace std::chrono_literals;

namespace {

struct Fixture : StoreFixture
{
    using StoreFixture::StoreFixture;
    FakeClock &clock = fakes.clock;
    FakeNotifier &notifier = fakes.notifier;
    FakeTrashCan &trash = fakes.trash;
    FakeFolderPicker &picker = fakes.picker;

    QSet<QString> ids(const QList<CleanItem> &items) const
    {
        QSet<QString> out;
        for (const CleanItem &item : items)
            out.insert(item.id());
        return out;
    }

    QString setting(const char *key) const
    {
        QSettings settings(fake.settingsFile(), QSettings::NativeFormat);
        return settings.value(QString::fromLatin1(key)).toString();
    }
};

void populate(const FakeHome &fake)
{
    fake.writeFile("Library/Caches/com.a/data", 300'000);
    fake.writeFile("Library/Caches/com.b/data", 200'000);
    fake.writeFile("Library/Logs/app/log", 150'000);
    fake.writeFile("Downloads/setup.dmg", 400'000);
    fake.writeFile("Documents/big.bin", 2'500'000);
}

} // namespace

class TestCleanerStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyScanPreselectsExactlyTheSafeItems()
    {
        Fixture f("largeThresholdMB=2\n");
        populate(f.fake);
        CleanerStore &store = f.make();
        QVERIFY(f.scan());
        QVERIFY(store.hasScanned() && !store.isScanning());
        QCOMPARE(store.items().size(), 5);
        QCOMPARE(store.selection(), f.ids(store.safeItems()));
        QCOMPARE(store.selection().size(), 3);

        store.setSelected(f.fake.path("Downloads/setup.dmg"), true);
        store.setSelected(f.fake.path("Library/Logs/app"), false);
        QVERIFY(f.scan());
        QCOMPARE(store.selection(), f.ids(store.safeItems()));
    }

    // "largeThresholdMB" = 0 means 200 MB, not 0 bytes.
    void aZeroThresholdMeansTheDefault()
    {
        Fixture f("largeThresholdMB=0\n");
        f.fake.writeFile("Documents/two-megabytes.bin", 2'000'000);
        CleanerStore &store = f.make();
        QVERIFY(f.scan());
        QVERIFY(store.itemsIn(CleanCategory::largeFiles).isEmpty());
    }

    void failedItemsStayListedAndSelected()
    {
        Fixture f;
        populate(f.fake);
        CleanerStore &store = f.make();
        QVERIFY(f.scan());
        const QString failing = f.fake.path("Library/Caches/com.b");
        f.trash.answers.insert(failing, {std::nullopt, MoveFailure::other, {}}); // and the bridge answers -1
        QVERIFY(f.clean(store.safeItems()));
        QCOMPARE(store.itemsIn(CleanCategory::caches).size(), 1);
        QCOMPARE(store.itemsIn(CleanCategory::caches).first().path, failing);
        QCOMPARE(store.selection(), QSet<QString> {failing});
        QCOMPARE(store.history().size(), 2);
        QVERIFY(store.toast().endsWith(QStringLiteral("Nepodařilo se přesunout: 1.")));
        const qint64 freed = f.fake.allocated("Library/Caches/com.a") + f.fake.allocated("Library/Logs/app");
        QCOMPARE(store.totalFreed(), freed);
        QVERIFY(!store.categoryTotals().isEmpty());
        QCOMPARE(store.categoryTotals().first().category, CleanCategory::caches);

        // Everything failing changes nothing but the toast.
        const QList<CleanItem> before = store.items();
        QVERIFY(f.clean(store.itemsIn(CleanCategory::caches)));
        QCOMPARE(store.items(), before);
        QCOMPARE(store.toast(),
            QStringLiteral("Do koše přesunuto 0 B. Místo se uvolní po vysypání koše. "
                           "Nepodařilo se přesunout: 1."));
    }

    void theToastStaysEightSecondsAfterTheLatestMessage()
    {
        Fixture f;
        CleanerStore &store = f.make();
        store.showToast(QStringLiteral("první"));
        f.clock.advance(5s);
        store.showToast(QStringLiteral("druhá"));
        f.clock.advance(7900ms);
        QCOMPARE(store.toast(), QStringLiteral("druhá"));
        f.clock.advance(200ms);
        QCOMPARE(store.toast(), QString());
    }

    void exclusions()
    {
        Fixture f;
        populate(f.fake);
        CleanerStore &store = f.make();
        QVERIFY(f.scan());
        store.exclude(f.fake.path("Library/Logs"));
        store.exclude(f.fake.path("Library/Caches/com.a"));
        store.exclude(f.fake.path("Downloads"));
        QVERIFY(store.itemsIn(CleanCategory::logs).isEmpty());
        QCOMPARE(store.itemsIn(CleanCategory::caches).size(), 1);
        QVERIFY(!store.selection().contains(f.fake.path("Library/Caches/com.a")));
        QSettings settings(f.fake.settingsFile(), QSettings::NativeFormat);
        const QStringList stored = settings.value(QStringLiteral("excludedPaths")).toStringList();
        QStringList sorted = stored;
        sorted.sort();
        QCOMPARE(stored, sorted);
        QCOMPARE(stored.size(), 3);

        store.unexclude(f.fake.path("Library/Logs"));
        QVERIFY(store.itemsIn(CleanCategory::logs).isEmpty()); // back only with the next scan
        QVERIFY(f.scan());
        QCOMPARE(store.itemsIn(CleanCategory::logs).size(), 1);

        // One stored exclusion (which the settings file keeps as a plain text) is still one
        // after a restart.
        store.unexclude(f.fake.path("Downloads"));
        QCOMPARE(f.make().excluded(), QSet<QString> {f.fake.path("Library/Caches/com.a")});
    }

    void selectionCommandsOfTheShownCategory()
    {
        Fixture f;
        populate(f.fake);
        CleanerStore &store = f.make();
        QVERIFY(f.scan());
        const QSet<QString> before = store.selection();
        store.toggleSelectionInCurrentCategory(); // no category shown: nothing
        QCOMPARE(store.selection(), before);
        QVERIFY(!before.isEmpty());

        store.setCurrentCategory(CleanCategory::caches);
        store.setSelected(f.fake.path("Library/Caches/com.a"), false);
        store.toggleSelectionInCurrentCategory(); // some selected: all
        QCOMPARE(store.selectedItemsIn(CleanCategory::caches).size(), 2);
        store.toggleSelectionInCurrentCategory(); // all selected: none
        QVERIFY(store.selectedItemsIn(CleanCategory::caches).isEmpty());
        QVERIFY(store.selection().contains(f.fake.path("Library/Logs/app")));
    }

    // An unreadable stored history starts empty and is never overwritten in that run.
    void unreadableHistoryIsLeftAlone()
    {
        Fixture f("cleanHistory=@ByteArray([{\\\"id\\\":1}])\n");
        populate(f.fake);
        CleanerStore &store = f.make();
        QVERIFY(store.history().isEmpty());
        QVERIFY(!store.historyWritable());
        QVERIFY(f.scan());
        const qint64 moved = totalSize(store.safeItems());
        QVERIFY(f.clean(store.safeItems()));
        QCOMPARE(store.history().size(), 3);
        QCOMPARE(f.setting("cleanHistory"), QStringLiteral("[{\"id\":1}]"));
        // The running total counts what moved, whatever the state of the list.
        QCOMPARE(store.totalFreed(), moved);
        QCOMPARE(f.setting("totalFreed"), QString::number(moved));
    }

    // Recorded as each item moves, a batch still stands in the history in the order of its
    // moves, and of a batch longer than the history's limit its first entries stay.
    void aBatchStandsInTheOrderOfItsMoves()
    {
        Fixture f;
        CleanerStore &store = f.make();
        QList<CleanItem> items;
        for (int i = 0; i < 1004; ++i)
            items.append({f.fake.path("gone/item" + std::to_string(i)), QStringLiteral("item%1").arg(i), 10,
                CleanCategory::caches, {}, true, {1, quint64(i + 1)}});
        QVERIFY(f.clean(items.first(3)));
        QCOMPARE(fieldOf(store.history(), &HistoryEntry::name), (QStringList {"item0", "item1", "item2"}));
        QVERIFY(f.clean(items.mid(3)));
        QCOMPARE(store.history().size(), 1000);
        QCOMPARE(store.history().first().name, QStringLiteral("item3"));
        QCOMPARE(store.history().last().name, QStringLiteral("item1002"));
        QCOMPARE(store.totalFreed(), 10'040); // the entry the history could not keep moved too
        QVERIFY2(store.toast().contains(QStringLiteral("jen prvních 1000")), qPrintable(store.toast()));
    }

    // A settings file that cannot be written is reported, not silently lost.
    void unwritableSettingsAreReported()
    {
        Fixture f;
        CleanerStore &store = f.make();
        std::filesystem::remove(f.fake.bytes(".config/Pelmo/Pelmo.conf"));
        f.fake.makeFolder(".config/Pelmo/Pelmo.conf"); // a folder where the file should be
        store.exclude(f.fake.path("Documents"));
        QVERIFY(store.toast().startsWith(QStringLiteral("Nastavení se nepodařilo uložit")));
    }

    // Quitting while a batch runs: the store stops it after the item in flight, waits for
    // it, and the history holds what moved; nothing runs on after the store is gone.
    void destroyingTheStoreMidBatchRecordsWhatMoved()
    {
        Fixture f;
        for (int i = 0; i < 5; ++i)
            f.fake.writeFile("Library/Caches/app" + std::to_string(i) + "/data", 200'000);
        CleanerStore &store = f.make();
        QVERIFY(f.scan());
        const QList<CleanItem> items = store.itemsIn(CleanCategory::caches);
        QCOMPARE(items.size(), 5);
        QSemaphore started;
        QSemaphore release;
        f.trash.beforeMove = [&] {
            started.release();
            release.acquire();
        };
        store.clean(items);
        QVERIFY(started.tryAcquire(1, 5000));
        std::thread releaser([&] {
            std::this_thread::sleep_for(100ms);
            release.release(5);
        });
        f.store.reset();
        releaser.join();
        QCOMPARE(f.trash.moved.size(), 1);
        const SharedHistory::State stored = SharedHistory(f.fake.settingsFile()).read();
        QVERIFY(stored.entries);
        QCOMPARE(stored.entries->size(), 1);
        QCOMPARE(stored.entries->first().originalPath, f.trash.moved.first());
        QCOMPARE(stored.totalFreed, items.first().size);
    }

    // Entries another process adds while the window is open appear in it and survive its
    // own writes. Every item carries what the scan found at its path, and each new entry
    // what was moved.
    void historyFollowsOtherWriters()
    {
        Fixture f;
        populate(f.fake);
        CleanerStore &store = f.make();
        const HistoryEntry other {QUuid::createUuid(), QDateTime::currentDateTimeUtc(), "other", 7,
            f.fake.path("Documents/other"), QString(), {}};
        QCOMPARE(SharedHistory(f.fake.settingsFile()).record({other}).status, SharedHistory::Status::written);
        QTRY_COMPARE(store.history().size(), 1);
        QCOMPARE(store.totalFreed(), 7);
        QVERIFY(f.scan());
        for (const CleanItem &item : store.items())
            QCOMPARE(std::optional(item.identity), FileIdentity::of(item.path));
        QVERIFY(f.clean(store.safeItems()));
        QCOMPARE(store.history().size(), 4);
        QCOMPARE(store.history().last().id, other.id);
        for (int i = 0; i < 3; ++i)
            QVERIFY(store.history().at(i).identity.isKnown());
    }

    // Putting back an entry taken from the store's own list, which restoring replaces,
    // lowers the total by its size but never below zero; an entry whose item is gone from
    // the Trash no longer offers it.
    void restoringAnEntryOfTheStoresOwnList()
    {
        Fixture f;
        const QString files = f.fake.path(".local/share/Trash/files");
        f.trash.filesFolder = files;
        QList<HistoryEntry> entries;
        for (int i = 0; i < 50; ++i) {
            entries.append({QUuid::createUuid(), QDateTime::currentDateTimeUtc(), "entry-" + QString::number(i),
                i == 10 ? 5000 : 1000, f.fake.path("Documents/" + std::to_string(i)), files + "/" + QString::number(i),
                {}});
            f.fake.writeFile(".local/share/Trash/files/" + std::to_string(i), 10);
        }
        QCOMPARE(SharedHistory(f.fake.settingsFile()).record(entries).status, SharedHistory::Status::written);
        // Another tool (or a killed emptying) removed one item: at the next start its entry no
        // longer offers a way back; the others keep theirs.
        std::filesystem::remove(f.fake.bytes(".local/share/Trash/files/20"));
        QCOMPARE(f.make().totalFreed(), 54'000);
        QVERIFY(f.store->history().at(20).trashPath.isEmpty());
        QCOMPARE(f.store->history().at(21).trashPath, files + "/21");
        QSettings(f.fake.settingsFile(), QSettings::NativeFormat).setValue(QStringLiteral("totalFreed"), 3000);
        CleanerStore &store = f.make();
        QVERIFY(store.restore(store.history().at(10)));
        QCOMPARE(f.trash.putBackCalls, QStringList {files + "/10"});
        QCOMPARE(store.toast(), QStringLiteral("Vráceno na původní místo: entry-10"));
        QCOMPARE(store.totalFreed(), 0);
        QCOMPARE(store.history().size(), 49);
    }

    // A second clean while a batch runs is dropped; the batch's own items move once, and
    // their category's total goes with them.
    void aCleanWhileABatchRunsIsIgnored()
    {
        Fixture f;
        populate(f.fake);
        CleanerStore &store = f.make();
        QVERIFY(f.scan());
        QSemaphore release;
        f.trash.beforeMove = [&] { release.acquire(); };
        const QList<CleanItem> logs = store.itemsIn(CleanCategory::logs);
        store.clean(logs);
        QVERIFY(store.isCleaning());
        store.clean(store.itemsIn(CleanCategory::caches));
        release.release(10);
        QTRY_VERIFY(!store.isCleaning());
        QCOMPARE(f.trash.moved, QStringList {logs.first().path});
        for (const CategoryTotal &total : store.categoryTotals())
            QVERIFY(total.category != CleanCategory::logs);
    }

    void weeklyReminder()
    {
        Fixture f;
        CleanerStore &store = f.make();
        f.notifier.grant = false;
        store.setReminder(true);
        QVERIFY(!store.reminderEnabled());
        QVERIFY(store.toast().startsWith(QStringLiteral("Oznámení nejsou povolená")));

        f.notifier.grant = true;
        store.setReminder(true);
        QVERIFY(store.reminderEnabled());
        QCOMPARE(f.setting("reminderEnabled"), QStringLiteral("true"));

        // 95 MB found a week later: a scan, but no notification.
        fallocateFile(f.fake, "Library/Caches/big/data", 95'000'000);
        QSignalSpy scans(&store, &CleanerStore::scanFinished);
        f.clock.advance(std::chrono::hours(24 * 7 + 1));
        QTRY_COMPARE(scans.size(), 1);
        QCOMPARE(f.notifier.posted.size(), 0);

        // 101 MB the week after: one notification.
        fallocateFile(f.fake, "Library/Caches/big/more", 6'000'000);
        f.clock.advance(std::chrono::hours(24 * 3));
        QCOMPARE(scans.size(), 1); // not yet a week
        f.clock.advance(std::chrono::hours(24 * 4 + 1));
        QTRY_COMPARE(scans.size(), 2);
        QCOMPARE(f.notifier.posted.size(), 1);
        QCOMPARE(f.notifier.posted.first().first, QStringLiteral("Čas na úklid"));
        QVERIFY(f.notifier.posted.first().second.startsWith(QStringLiteral("Našel jsem 101")));

        store.setReminder(false);
        QCOMPARE(f.setting("reminderEnabled"), QStringLiteral("false"));
    }

    void revealingReportsAFileManagerThatFails()
    {
        Fixture f;
        QStringList shown;
        bool answer = true;
        StoreServices services = f.fakes.services(f.fake);
        services.reveal = [&](const QString &path) {
            shown.append(path);
            return answer;
        };
        CleanerStore store(services);
        store.reveal(QStringLiteral("/h/a"));
        QTRY_COMPARE(shown, QStringList {"/h/a"});
        QTest::qWait(50);
        QVERIFY(store.toast().isEmpty());
        answer = false;
        store.reveal(QStringLiteral("/h/b"));
        QTRY_COMPARE(store.toast(), QStringLiteral("Správce souborů se nepodařilo otevřít."));
    }

    void accessIsOnlyForTheHomeFolderItself()
    {
        Fixture f;
        std::filesystem::remove(f.fake.bytes(".config/Pelmo/Pelmo.conf"));
        CleanerStore &store = f.make();
        AccessManager &access = *store.access();
        QVERIFY(!access.hasAccess());
        f.picker.choice = f.fake.path("Documents");
        access.requestAccess();
        QVERIFY(!access.hasAccess());
        QCOMPARE(
            access.errorMessage(), QStringLiteral("Vybraná složka není tvoje domovská složka. Zkus to prosím znovu."));
        f.picker.choice = f.fake.home() + QStringLiteral("/./");
        access.requestAccess();
        QVERIFY(access.hasAccess());
        QVERIFY(access.errorMessage().isEmpty());
        QCOMPARE(f.picker.startedIn, f.fake.home());
        access.revoke();
        QVERIFY(f.setting("homeFolderBookmark").isEmpty());
    }

private:
    static void fallocateFile(const FakeHome &fake, const std::string &relative, off_t size)
    {
        fake.writeFile(relative, 0);
        const int fd = ::open(fake.bytes(relative).c_str(), O_WRONLY);
        QCOMPARE(::posix_fallocate(fd, 0, size), 0);
        ::close(fd);
    }
};

QTEST_GUILESS_MAIN(TestCleanerStore)
#include "tst_cleanerstore.moc"
