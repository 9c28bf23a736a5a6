#include "AppFixtures.h"
#include "FakeFlatpak.h"
#include "ProcessRun.h"
#include "ScopedEnvironment.h"
#include "StoreFixture.h"
#include "diskmap/ui/DiskMapModel.h"
#include "platform/linux/FreedesktopTrash.h"
#include "screens/ui/CategoryViewModel.h"
#include "screens/ui/OverviewViewModel.h"
#include "store/SystemServices.h"
#include "uninstall/ui/UninstallViewModel.h"

#include <QSettings>
#include <QtTest>

#include <filesystem>

#include <sys/stat.h>

using namespace pelmo;
using namespace pelmo::test;

// Every screen that moves something, driven as a person would: it lists, the disk changes
// under it, and then it is asked to move what it listed. Nothing outside the home and
// nothing that took the listed item's place may go to the Trash.
namespace {

enum class Road { category, overview, map, uninstaller };

// What each road lists and moves: `target` (relative to home) and the folder it lies in.
struct RoadSetup
{
    std::string target;
    std::string parent;
};

RoadSetup setupOf(Road road)
{
    switch (road) {
    case Road::category:
    case Road::overview:
        return {".cache/appcache", ".cache"};
    case Road::map:
        return {"Sub/victim", "Sub"};
    case Road::uninstaller:
        return {"Applications/Tool.app", "Applications"};
    }
    return {};
}

struct Fixture : StoreFixture
{
    FakeFlatpak flatpak;
    std::unique_ptr<SystemServices> system;
    std::unique_ptr<CategoryViewModel> category;
    std::unique_ptr<OverviewViewModel> overview;
    std::unique_ptr<DiskMapModel> map;
    std::unique_ptr<UninstallViewModel> uninstaller;
    QString outside = QDir::cleanPath(fake.home() + QStringLiteral("/../outside"));

    ~Fixture()
    {
        category.reset();
        overview.reset();
        map.reset();
        uninstaller.reset();
        store.reset(); // before the services it uses
    }

    CleanerStore &make()
    {
        system = std::make_unique<SystemServices>();
        StoreServices services = system->storeServices(&fakes.clock);
        services.flatpak = &flatpak;
        store = std::make_unique<CleanerStore>(services);
        return *store;
    }

    [[nodiscard]] QStringList trashed() const
    {
        QStringList names;
        std::error_code none; // no Trash yet: nothing was moved
        for (const auto &entry : std::filesystem::directory_iterator(fake.bytes(".local/share/Trash/files"), none))
            names.append(QString::fromStdString(entry.path().filename().string()));
        return names;
    }

    // Lists as the road's screen does; false when the screen never showed the target.
    bool list(Road road, const RoadSetup &setup)
    {
        const QString target = fake.path(setup.target);
        switch (road) {
        case Road::category:
            category = std::make_unique<CategoryViewModel>();
            category->setStore(store.get());
            category->setCategory(QStringLiteral("caches"));
            return scan() && store->selection().contains(target);
        case Road::overview:
            overview = std::make_unique<OverviewViewModel>();
            overview->setStore(store.get());
            return scan() && store->selection().contains(target);
        case Road::map:
            map = std::make_unique<DiskMapModel>(*store);
            map->setRoot(fake.home());
            if (!loadMap())
                return false;
            map->enter(fake.path(setup.parent));
            return loadMap() && std::ranges::any_of(map->nodes(), [&](const DiskNode &n) { return n.path == target; });
        case Road::uninstaller:
            uninstaller = std::make_unique<UninstallViewModel>();
            uninstaller->setStore(store.get());
            if (!QTest::qWaitFor([&] { return !uninstaller->loading() && !uninstaller->measuring(); }, 20'000))
                return false;
            uninstaller->select(target);
            return QTest::qWaitFor([&] { return !uninstaller->relatedLoading(); }, 20'000)
                && uninstaller->uninstallEnabled();
        }
        return false;
    }

    bool loadMap()
    {
        QSignalSpy measured(map.get(), &DiskMapModel::measured);
        map->load();
        return !map->loading() || measured.wait(20'000);
    }

    // Asks the road's screen to move what it listed, and waits for the batch to end.
    bool move(Road road, const RoadSetup &setup)
    {
        QSignalSpy finished(store.get(), &CleanerStore::batchFinished);
        switch (road) {
        case Road::category:
            category->moveSelected();
            break;
        case Road::overview:
            overview->cleanSafe();
            break;
        case Road::map:
            map->moveToTrash(fake.path(setup.target));
            break;
        case Road::uninstaller:
            uninstaller->uninstall();
            break;
        }
        // A screen that refuses at once starts no batch.
        return !finished.isEmpty() || !store->isCleaning() || finished.wait(20'000);
    }
};

void makeTarget(Fixture &f, Road road)
{
    f.fake.writeFile(".cache/appcache/data", 200'000);
    f.fake.writeFile("Sub/victim", 300'000);
    makeBundle(f.fake, "Applications/Tool.app", {"org.example.Tool", "Tool", {}, "1.0"});
    f.fake.writeFile(".config/org.example.Tool/settings.ini", 5000);
    Q_UNUSED(road);
}

void rename(const std::string &from, const std::string &to)
{
    std::filesystem::rename(from, to);
}

// A mode change keeps the object and its inode, as a folder made again on ext4 often does,
// and changes only its status-change time.
void touchStatus(const std::string &path)
{
    struct stat st
    {
    };
    QVERIFY(::lstat(path.c_str(), &st) == 0);
    QVERIFY(::chmod(path.c_str(), (st.st_mode & 07777) ^ 0100) == 0);
}

// The home Trash, with a hook that runs when emptying begins.
class RacingTrash final : public TrashCan
{
public:
    std::function<void()> beforeEmpty;

    MoveOutcome moveToTrash(const QString &path, const FileIdentity &expected, const QString &anchor) override
    {
        return m_trash.moveToTrash(path, expected, anchor);
    }
    std::optional<QString> findTrashed(const QString &original, const FileIdentity &identity) const override
    {
        return m_trash.findTrashed(original, identity);
    }
    QString homeFilesFolder() const override { return m_trash.homeFilesFolder(); }
    QStringList filesFolders() const override { return m_trash.filesFolders(); }
    PutBackOutcome putBack(
        const QString &trashPath, const QString &original, const Origin &origin, const QString &anchor) override
    {
        return m_trash.putBack(trashPath, original, origin, anchor);
    }
    void recoverInterruptedMoves(const std::function<bool(const FinishedMove &)> &record) override
    {
        m_trash.recoverInterruptedMoves(record);
    }
    EmptyOutcome empty(const std::function<bool()> &stopRequested) override
    {
        beforeEmpty();
        return m_trash.empty(stopRequested);
    }

private:
    FreedesktopTrash m_trash {FreedesktopTrash::systemEnvironment()};
};

} // namespace

class TestRoadsToTrash : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void swappedBetweenListingAndMoving_data()
    {
        QTest::addColumn<Road>("road");
        QTest::addColumn<QString>("swap");
        for (const auto &[road, name] : {std::pair(Road::category, "category"), std::pair(Road::overview, "overview"),
                 std::pair(Road::map, "map"), std::pair(Road::uninstaller, "uninstaller")}) {
            for (const char *swap : {"parent", "parent inside", "item", "status"})
                QTest::addRow("%s, %s", name, swap) << road << QString::fromLatin1(swap);
        }
    }

    void swappedBetweenListingAndMoving()
    {
        QFETCH(Road, road);
        QFETCH(QString, swap);
        Fixture f;
        makeTarget(f, road);
        f.make();
        const RoadSetup setup = setupOf(road);
        QVERIFY(f.list(road, setup));

        const std::string target = f.fake.bytes(setup.target);
        // A link to a folder outside the home, or to another folder inside it.
        const bool inside = swap == QLatin1String("parent inside");
        const std::string outsideTarget
            = (inside ? f.fake.bytes("Elsewhere") : f.outside.toStdString()) + "/" + setup.target;
        const std::string name = std::filesystem::path(target).filename().string();
        if (swap.startsWith(QLatin1String("parent"))) {
            // The folder becomes a link: outside the home to a folder that holds a copy of the
            // same name, inside it to the very folder, moved there (the item is still the
            // object that was listed, but no link below the home is ever followed).
            std::filesystem::create_directories(std::filesystem::path(outsideTarget).parent_path().parent_path());
            if (inside) {
                rename(f.fake.bytes(setup.parent), std::filesystem::path(outsideTarget).parent_path().string());
            } else {
                rename(f.fake.bytes(setup.parent), f.fake.bytes(setup.parent) + ".orig");
                std::filesystem::create_directories(std::filesystem::path(outsideTarget).parent_path());
                std::filesystem::copy(f.fake.bytes(setup.parent) + ".orig/" + name, outsideTarget,
                    std::filesystem::copy_options::recursive);
            }
            std::filesystem::create_directory_symlink(
                std::filesystem::path(outsideTarget).parent_path(), f.fake.bytes(setup.parent));
        } else if (swap == QLatin1String("item")) {
            rename(target, target + ".orig");
            std::filesystem::copy(target + ".orig", target, std::filesystem::copy_options::recursive);
        } else {
            touchStatus(target);
        }
        QVERIFY(f.move(road, setup));

        QVERIFY2(!f.trashed().contains(QString::fromStdString(name)), qPrintable(f.trashed().join(u',')));
        if (swap.startsWith(QLatin1String("parent")))
            QVERIFY(std::filesystem::exists(outsideTarget));
        else
            QVERIFY(std::filesystem::exists(std::filesystem::symlink_status(target)));
    }

    // The same confinement on every road: what the map shows of it is never offered, and
    // what is handed to the store anyway does not move.
    void confinement()
    {
        Fixture f;
        const ScopedEnvironment state("XDG_STATE_HOME", f.fake.bytes("State").c_str());
        const ScopedEnvironment data("XDG_DATA_HOME", f.fake.bytes("Data").c_str());
        f.fake.writeFile("State/Pelmo/moves/journal", 4096);
        f.fake.writeFile("Data/Trash/files/old.txt", 4096);
        f.fake.writeFile("Data/Trash/info/old.txt.trashinfo", 100);
        f.fake.writeFile("Documents/report.odt", 4096);
        f.fake.writeFile("Work/plan.txt", 4096);
        std::filesystem::create_directories(f.outside.toStdString());
        f.fake.writeFile("../outside/secret", 4096);
        f.make();

        f.map = std::make_unique<DiskMapModel>(*f.store);
        f.map->setRoot(f.fake.home());
        QVERIFY(f.loadMap());
        for (const char *tile : {"State", "Data", "Documents"})
            QVERIFY2(f.map->describe(f.fake.path(tile)).value(QStringLiteral("protected")).toBool(), tile);
        QVERIFY(!f.map->describe(f.fake.path("Work")).value(QStringLiteral("protected")).toBool());
        int batches = 0;
        TrashResult result;
        connect(f.store.get(), &CleanerStore::batchFinished, this, [&](const TrashResult &r) {
            ++batches;
            result = r;
        });
        f.map->moveToTrash(f.fake.path("State"));
        QCOMPARE(batches, 0);

        QList<CleanItem> items;
        for (const QString &path : {f.fake.home(), f.fake.path("State"), f.fake.path("State/Pelmo"),
                 f.fake.path("Data"), f.fake.path("Data/Trash"), f.fake.path("Documents"), f.outside + "/secret",
                 f.fake.path("Work/../../outside/secret")}) {
            CleanItem item;
            item.path = path;
            item.name = path.section(u'/', -1);
            item.identity = FileIdentity::of(path).value_or(FileIdentity {1, 1});
            items.append(item);
        }
        QVERIFY(f.clean(items));
        QCOMPARE(batches, 1);
        QCOMPARE(result.refused, items.size());
        QVERIFY(result.entries.isEmpty());
        QVERIFY(std::filesystem::exists(f.outside.toStdString() + "/secret"));
        QVERIFY(std::filesystem::exists(f.fake.bytes("State/Pelmo/moves/journal")));
    }

    // An edited history cannot send an item out of the home, from the window or the command.
    void restoreOutsideHome_data()
    {
        QTest::addColumn<QString>("original");
        QTest::newRow("outside") << QStringLiteral("%1/../outside/planted");
        QTest::newRow("climbing") << QStringLiteral("%1/Work/../../outside/planted");
    }

    void restoreOutsideHome()
    {
        QFETCH(QString, original);
        Fixture f;
        f.fake.writeFile("Work/plan.txt", 4096);
        std::filesystem::create_directories(f.outside.toStdString());
        f.make();
        CleanItem item {f.fake.path("Work/plan.txt"), QStringLiteral("plan.txt"), 4096, CleanCategory::largeFiles, {},
            false, *FileIdentity::of(f.fake.path("Work/plan.txt"))};
        QVERIFY(f.clean({item}));
        QCOMPARE(f.store->history().size(), 1);
        const HistoryEntry entry = f.store->history().first();
        f.store.reset();

        QSettings settings(f.fake.settingsFile(), QSettings::IniFormat);
        QByteArray stored = settings.value(QStringLiteral("cleanHistory")).toByteArray();
        const QString planted = original.arg(f.fake.home());
        QVERIFY(stored.contains(entry.originalPath.toUtf8()));
        stored.replace(entry.originalPath.toUtf8(), planted.toUtf8());
        settings.setValue(QStringLiteral("cleanHistory"), stored);
        settings.sync();

        f.make();
        QCOMPARE(f.store->history().size(), 1);
        QCOMPARE(f.store->history().first().originalPath, planted);
        QVERIFY(!f.store->canPutBack(f.store->history().first()));
        f.store.reset();
        const ProcessRun run = runPelmo({QStringLiteral("restore"), entry.id.toString(QUuid::WithoutBraces)});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("outside the home folder"), run.err.constData()); // LC_ALL=C: English
        QVERIFY(!std::filesystem::exists(f.outside.toStdString() + "/planted"));
        QVERIFY(std::filesystem::exists(entry.trashPath.toStdString()));
    }

    // Another Pelmo moves an item while this one empties the Trash: the item is deleted with
    // the rest, and its entry no longer says it can be put back.
    void emptyingRacesACleanup()
    {
        Fixture f;
        f.fake.writeFile(".cache/early/data", 200'000);
        f.fake.writeFile(".cache/late/data", 200'000);
        RacingTrash racing;
        std::atomic<int> otherStatus = -2;
        racing.beforeEmpty = [&] {
            otherStatus = runPelmo({QStringLiteral("clean"), QStringLiteral("--item"), f.fake.path(".cache/late"),
                                       QStringLiteral("--yes")})
                              .status;
        };
        f.system = std::make_unique<SystemServices>();
        StoreServices services = f.system->storeServices(&f.fakes.clock);
        services.trash = &racing;
        f.store = std::make_unique<CleanerStore>(services);
        QVERIFY(f.scan());
        const auto early = std::ranges::find(f.store->items(), f.fake.path(".cache/early"), &CleanItem::path);
        QVERIFY(early != f.store->items().end());
        QVERIFY(f.clean({*early}));

        QSignalSpy emptied(f.store.get(), &CleanerStore::trashEmptied);
        f.store->emptyTrash();
        QVERIFY(emptied.wait(20'000));
        QCOMPARE(otherStatus.load(), 0);
        QVERIFY(QTest::qWaitFor([&] { return f.store->history().size() == 2; }, 5000));
        for (const HistoryEntry &e : f.store->history())
            QVERIFY2(e.trashPath.isEmpty(), qPrintable(e.originalPath));
        QVERIFY(f.trashed().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRoadsToTrash)
#include "tst_roadstotrash.moc"
