#include "Fields.h"
#include "ProcessRun.h"
#include "StoreFixture.h"
#include "diskmap/ui/DiskMapModel.h"

#include <QAbstractItemModelTester>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <filesystem>
#include <thread>

using namespace pelmo;
using namespace pelmo::test;

namespace {

struct Fixture : StoreFixture
{
    std::unique_ptr<DiskMapModel> model;

    Fixture()
    {
        make();
        model = std::make_unique<DiskMapModel>(*store);
    }

    // Loads the current folder and waits until it is shown.
    bool load()
    {
        QSignalSpy measured(model.get(), &DiskMapModel::measured);
        model->load();
        return !model->loading() || measured.wait(20'000);
    }

    QStringList names() const { return fieldOf(model->nodes(), &DiskNode::name); }
};

} // namespace

class TestDiskMapModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void navigation()
    {
        Fixture f;
        f.fake.writeFile("A/B/C/file.bin", 30'000);
        f.fake.writeFile("A/B/other.bin", 20'000);
        f.fake.writeFile("A/Tool.app/Contents/x", 10'000);
        f.fake.writeFile("A/picture.png", 10'000);
        QSignalSpy current(f.model.get(), &DiskMapModel::currentChanged);
        f.model->setRoot(f.fake.home());
        QCOMPARE(current.size(), 1);
        QVERIFY(f.load());
        QCOMPARE(f.names(), QStringList {QStringLiteral("A")});

        f.model->enter(f.fake.path("A"));
        QVERIFY(f.load());
        // Files, packages and folders outside the root cannot be entered.
        f.model->enter(f.fake.path("A/Tool.app"));
        f.model->enter(f.fake.path("A/picture.png"));
        f.model->enter(DiskNode {QStringLiteral("/elsewhere/X"), 5, true, NodeKind::folder});
        f.model->enter(DiskNode {f.fake.home() + QStringLiteral("-beside/X"), 5, true, NodeKind::folder});
        QCOMPARE(f.model->path().size(), 1);
        f.model->enter(f.fake.path("A/B"));
        QVERIFY(f.load());
        f.model->setSelectedID(f.fake.path("A/B/C"));
        f.model->enter(f.fake.path("A/B/C"));
        QVERIFY(f.load());
        QCOMPARE(f.model->crumbs().size(), 4);
        QVERIFY(f.model->selectedID().isEmpty());

        f.model->goTo(3); // the level shown: nothing
        QCOMPARE(f.model->path().size(), 3);
        f.model->goTo(2);
        QCOMPARE(f.model->current(), f.fake.path("A/B"));
        f.model->back();
        QCOMPARE(f.model->current(), f.fake.path("A"));
        f.model->goTo(0);
        QCOMPARE(f.model->current(), f.fake.home());
        QVERIFY(f.load());

        // The same root keeps the position; another forgets it and what was measured.
        f.model->enter(f.fake.path("A"));
        f.model->setRoot(f.fake.home());
        QCOMPARE(f.model->path().size(), 1);
        QVERIFY(f.store->diskMapCache().folder(f.fake.home()));
        f.model->setRoot(f.fake.path("A"));
        QVERIFY(f.model->path().isEmpty());
        QVERIFY(f.model->nodes().isEmpty());
        QVERIFY(!f.store->diskMapCache().folder(f.fake.home()));

        // A late "left" of the tile the pointer has already passed changes nothing.
        f.model->setHover(QStringLiteral("a"), true);
        f.model->setHover(QStringLiteral("b"), true);
        f.model->setHover(QStringLiteral("a"), false);
        QCOMPARE(f.model->hoveredID(), QStringLiteral("b"));
    }

    // 500 children: 120 tiles and 40 in the list, while the total and kinds cover all.
    void limitsAndLists()
    {
        Fixture f;
        for (int i = 0; i < 500; ++i)
            f.fake.writeFile("Big/f" + std::to_string(i) + (i % 2 ? ".png" : ".txt"), 4096 * (1 + i % 7));
        QAbstractItemModelTester tiles(f.model->tiles(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QAbstractItemModelTester largest(f.model->largest(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        f.model->setRoot(f.fake.path("Big"));
        f.model->setCanvasSize(800, 500);
        QVERIFY(f.load());
        QCOMPARE(f.model->count(), 500);
        QCOMPARE(f.model->tiles()->rowCount(), 120);
        QCOMPARE(f.model->largest()->rowCount(), 40);
        QCOMPARE(f.model->total(), f.fake.allocated("Big"));
        qint64 kinds = 0;
        for (const KindTotal &kind : f.model->kindTotals())
            kinds += kind.size;
        QCOMPARE(kinds, f.model->total());
        const QModelIndex first = f.model->tiles()->index(0);
        const double share = first.data(DiskNodeListModel::ShareRole).toDouble();
        QCOMPARE(share, double(f.model->nodes().first().size) / double(f.model->total()));
        // A resize moves the tiles without replacing them.
        QSignalSpy reset(f.model->tiles(), &QAbstractItemModel::modelReset);
        f.model->setCanvasSize(400, 500);
        QCOMPARE(reset.size(), 0);
        QVERIFY(first.data(DiskNodeListModel::WidthRole).toDouble() <= 400);
    }

    // A folder is measured once: going back and in again, or into a child of a measured
    // folder, needs no measurement; reload measures afresh and leaves the parent cached.
    void cacheAndReload()
    {
        Fixture f;
        f.fake.writeFile("A/B/one.bin", 30'000);
        f.fake.writeFile("A/two.bin", 20'000);
        f.model->setRoot(f.fake.home());
        QVERIFY(f.load());
        QSignalSpy loading(f.model.get(), &DiskMapModel::loadingChanged);
        f.model->enter(f.fake.path("A"));
        f.model->load(); // from what the home's walk learnt: at once
        QVERIFY(!f.model->loading());
        QCOMPARE(f.names(), (QStringList {QStringLiteral("B"), QStringLiteral("two.bin")}));
        f.model->back();
        f.model->load();
        f.model->enter(f.fake.path("A"));
        f.model->load();
        QCOMPARE(loading.size(), 0);

        const qint64 homeTotal = f.model->total();
        f.fake.writeFile("A/three.bin", 50'000);
        QSignalSpy measured(f.model.get(), &DiskMapModel::measured);
        f.model->reload();
        QVERIFY(f.model->loading());
        QVERIFY(measured.wait(20'000));
        QCOMPARE(f.model->count(), 3);
        f.model->back();
        f.model->load();
        QCOMPARE(f.model->total(), homeTotal); // the parent keeps its earlier sizes
    }

    // Leaving a folder while it is measured: its result never replaces the folder now shown.
    void lateResultDiscarded()
    {
        Fixture f;
        for (int i = 0; i < 200; ++i)
            f.fake.writeFile("Slow/d" + std::to_string(i) + "/f", 8'000);
        f.fake.writeFile("Fast/x.bin", 4'000);
        f.model->setRoot(f.fake.home());
        f.store->diskMapCache().setFolder(f.fake.home(),
            {{f.fake.path("Slow"), 1, true, NodeKind::folder}, {f.fake.path("Fast"), 1, true, NodeKind::folder}});
        QVERIFY(f.load());
        f.model->enter(f.fake.path("Slow"));
        f.model->load();
        QVERIFY(f.model->loading());
        f.model->back();
        f.model->enter(f.fake.path("Fast"));
        QVERIFY(f.load());
        QTest::qWait(300);
        QCOMPARE(f.names(), QStringList {QStringLiteral("x.bin")});
        QVERIFY(!f.store->diskMapCache().folder(f.fake.path("Slow")));
    }

    // The Trash goes through the store: one history entry, the cache emptied, the folder
    // measured again. Protected folders are refused.
    void moveToTrash()
    {
        Fixture f;
        f.fake.writeFile("Documents/a.pdf", 10'000);
        f.fake.writeFile("Old/junk.bin", 40'000);
        f.model->setRoot(f.fake.home());
        QVERIFY(f.load());
        QVERIFY(f.model->describe(f.fake.path("Documents")).value(QStringLiteral("protected")).toBool());
        f.model->moveToTrash(f.fake.path("Documents"));
        QVERIFY(f.fakes.trash.moved.isEmpty());

        f.model->setSelectedID(f.fake.path("Old"));
        QSignalSpy measured(f.model.get(), &DiskMapModel::measured);
        f.model->moveToTrash(f.fake.path("Old"));
        QVERIFY(measured.wait(20'000));
        QCOMPARE(f.fakes.trash.moved, QStringList {f.fake.path("Old")});
        QCOMPARE(f.store->history().size(), 1);
        QCOMPARE(f.store->history().first().size, f.fake.allocated("Old"));
        QVERIFY(f.model->selectedID().isEmpty());
        QVERIFY(!f.store->toast().isEmpty());
    }

    // A clean-up while a folder is measured: what the walk saw may have moved, so the
    // folder is measured again before anything is shown or kept.
    void cleanUpDuringMeasurement()
    {
        Fixture f;
        for (int i = 0; i < 300; ++i)
            f.fake.writeFile("Big/d" + std::to_string(i) + "/f", 4'000);
        f.model->setRoot(f.fake.path("Big"));
        QSignalSpy measured(f.model.get(), &DiskMapModel::measured);
        f.model->load();
        QVERIFY(f.model->loading());
        // The walk ends meanwhile (its result waits for the event loop), having seen d7.
        std::this_thread::sleep_for(std::chrono::seconds(1));
        std::filesystem::remove_all(f.fake.bytes("Big/d7"));
        f.store->diskMapCache().clear();
        QVERIFY(measured.wait(20'000));
        QCOMPARE(f.model->count(), 299);
        QCOMPARE(f.model->total(), f.fake.allocated("Big"));
        QVERIFY(f.store->diskMapCache().folder(f.fake.path("Big")));
    }

    void command()
    {
        FakeHome fake;
        fake.writeFile("Music/song.flac", 60'000);
        fake.writeFile("Music/.hidden", 20'000);
        fake.writeFile("report.pdf", 30'000);
        fake.writeFile(".local/x", 10'000);
        const ProcessRun run = runPelmo({"map", "--home", fake.home(), "--json"});
        QCOMPARE(run.status, 0);
        const QJsonObject json = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(json.value(QStringLiteral("folder")).toString(), fake.home());
        const QJsonArray items = json.value(QStringLiteral("items")).toArray();
        QCOMPARE(items.size(), 2);
        QCOMPARE(items[0].toObject().value(QStringLiteral("path")).toString(), fake.path("Music"));
        QCOMPARE(items[0].toObject().value(QStringLiteral("size")).toInteger(), fake.allocated("Music"));
        QCOMPARE(items[0].toObject().value(QStringLiteral("kind")).toString(), QStringLiteral("folder"));
        QCOMPARE(items[1].toObject().value(QStringLiteral("kind")).toString(), QStringLiteral("document"));
        QCOMPARE(
            json.value(QStringLiteral("total")).toInteger(), fake.allocated("Music") + fake.allocated("report.pdf"));
        QCOMPARE(json.value(QStringLiteral("kinds")).toArray().size(), 2);

        const ProcessRun inside = runPelmo({"map", "--home", fake.home(), fake.path("Music")});
        QCOMPARE(inside.status, 0);
        QVERIFY(inside.out.contains("song.flac"));
        // A link inside home is judged where it leads.
        fake.symlink("/usr", "usr-link");
        for (const QString &bad : {QStringLiteral("/"), fake.path("nowhere"), fake.path("usr-link")}) {
            const ProcessRun refused = runPelmo({"map", "--home", fake.home(), bad});
            QCOMPARE(refused.status, 2);
            QVERIFY(refused.out.isEmpty());
        }
    }
};

QTEST_MAIN(TestDiskMapModel)
#include "tst_diskmapmodel.moc"
