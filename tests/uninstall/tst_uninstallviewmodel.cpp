#include "AppFixtures.h"
#include "FakeFlatpak.h"
#include "FakeHome.h"
#include "FakeServices.h"
#include "Fields.h"
#include "ProcessRun.h"
#include "StoreFixture.h"
#include "store/CleanerStore.h"
#include "store/SystemServices.h"
#include "uninstall/ui/UninstallViewModel.h"

#include <QAbstractItemModelTester>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

using namespace pelmo;
using namespace pelmo::test;

namespace {

// A store on a fake home with the real Trash of that home (so that trash-list sees what
// moved), a fake clock and a fake `flatpak`.
struct Fixture : StoreFixture
{
    using StoreFixture::StoreFixture;
    FakeFlatpak flatpak;
    std::unique_ptr<SystemServices> system;
    ~Fixture() { store.reset(); } // before the services it uses

    CleanerStore &make()
    {
        system = std::make_unique<SystemServices>();
        StoreServices services = system->storeServices(&fakes.clock);
        services.flatpak = &flatpak;
        store = std::make_unique<CleanerStore>(services);
        return *store;
    }

    // A view-model whose catalogue and sizes are known.
    std::unique_ptr<UninstallViewModel> model()
    {
        auto vm = std::make_unique<UninstallViewModel>();
        vm->setStore(store.get());
        if (!QTest::qWaitFor([&] { return !vm->loading() && !vm->measuring(); }, 20'000))
            return nullptr;
        return vm;
    }
};

bool uninstall(UninstallViewModel &vm)
{
    QSignalSpy finished(&vm, &UninstallViewModel::uninstallFinished);
    vm.uninstall();
    return !finished.isEmpty() || finished.wait(20'000);
}

} // namespace

class TestUninstallViewModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void catalogueLoading()
    {
        Fixture f("uninstallSort=lastUsed\n");
        for (int i = 0; i < 30; ++i)
            makeBundle(f.fake, "Applications/App" + std::to_string(i) + ".app",
                {"com.example.app" + QByteArray::number(i), "App " + QByteArray::number(i), {}, {}}, 4096 * (i + 1));
        f.make();
        UninstallViewModel vm;
        QAbstractItemModelTester tester(vm.apps());
        QSignalSpy batches(&vm, &UninstallViewModel::sizesApplied);
        vm.setStore(f.store.get());
        QCOMPARE(vm.sort(), AppSort::lastUsed);
        QVERIFY(QTest::qWaitFor([&] { return !vm.measuring() && !vm.loading(); }, 20'000));
        QCOMPARE(QList<QVariantList>(batches), (QList<QVariantList> {{12}, {12}, {6}}));
        QVERIFY(std::ranges::all_of(vm.catalogue(), [](const InstalledApp &app) { return app.size > 4096; }));
        QCOMPARE(vm.countText(), QStringLiteral("Aplikací: 30"));
        QCOMPARE(vm.largest().size(), 3);
        QCOMPARE(vm.largest().first().toMap()[QStringLiteral("name")].toString(), QStringLiteral("App 29"));

        // The sort is stored and read back by the next screen.
        vm.setSortIndex(static_cast<int>(AppSort::size));
        QCOMPARE(f.store->uninstallSort(), QStringLiteral("size"));
        QCOMPARE(vm.apps()->data(vm.apps()->index(0), AppListModel::NameRole).toString(), QStringLiteral("App 29"));

        // The arrows walk the shown order and stop at its ends.
        QCOMPARE(vm.step(-1), 0);
        QCOMPARE(vm.step(1), 1);
        QCOMPARE(vm.selectedApp()->name, QStringLiteral("App 28"));

        // A search that matches nothing empties the list, not the count.
        vm.setQuery(QStringLiteral("nothing like it"));
        QVERIFY(vm.listEmpty());
        QCOMPARE(vm.countText(), QStringLiteral("Aplikací: 30"));
        vm.setQuery({});

        // A dropped bundle from elsewhere is adopted at the front, chosen, and kept after a reload.
        makeBundle(f.fake, "Downloads/Dropped.app", {"org.example.dropped", "Dropped", {}, {}});
        f.store->setPendingApp(f.fake.path("Downloads/Dropped.app"));
        QTRY_COMPARE(vm.selectedPath(), f.fake.path("Downloads/Dropped.app"));
        QCOMPARE(vm.catalogue().first().name, QStringLiteral("Dropped"));
        QVERIFY(vm.catalogue().first().size > 0);
        QVERIFY(f.store->pendingApp().isEmpty());
        vm.reload();
        QTRY_COMPARE(vm.catalogue().last().name, QStringLiteral("Dropped"));
        QCOMPARE(vm.catalogue().size(), 31);

        // Apple's own, or a desktop entry that starts nothing removable, is refused.
        makeBundle(f.fake, "Downloads/Finder.app", {"com.apple.finder", "Finder", {}, {}});
        makeDesktopEntry(f.fake, "editor.desktop", "Name=Editor\nExec=/usr/bin/editor %F\n");
        for (const char *refused : {"Downloads/Finder.app", ".local/share/applications/editor.desktop"}) {
            f.store->setPendingApp(f.fake.path(refused));
            QTRY_VERIFY(f.store->pendingApp().isEmpty());
            QVERIFY(f.store->toast().startsWith(QStringLiteral("Tuhle aplikaci nelze odinstalovat")));
            QCOMPARE(vm.catalogue().size(), 31);
            QCOMPARE(vm.selectedPath(), f.fake.path("Downloads/Dropped.app"));
        }
    }

    // Two bundles and two AppImages with leftovers: each is offered exactly its own, and a
    // removal moves the chosen ones with the application to the Trash and the history.
    void removal()
    {
        Fixture f;
        makeBundle(f.fake, "Applications/Writer.app", {"org.example.writer", "Writer", {}, "2.0"});
        makeBundle(f.fake, "Applications/Painter.app", {"org.example.painter", "Painter", {}, {}});
        f.fake.writeFile("Applications/Reader-3.1-x86_64.AppImage", 30000);
        f.fake.writeFile("Applications/Player.AppImage", 20000);
        makeDesktopEntry(f.fake, "org.example.reader.desktop",
            "Name=Reader\nExec=" + f.fake.path("Applications/Reader-3.1-x86_64.AppImage").toUtf8() + "\n");
        makeDesktopEntry(f.fake, "player.desktop",
            "Name=Player\nTryExec=" + f.fake.path("Applications/Player.AppImage").toUtf8() + "\nExec=player\n");
        for (const char *leftover : {".config/org.example.writer/settings.ini", ".cache/writer/blob",
                 ".local/share/Painter/brushes", ".config/org.example.reader/reader.conf", ".cache/reader/pages",
                 ".local/share/reader/library.db", ".config/player/player.conf"})
            f.fake.writeFile(leftover, 6000);
        f.make();
        const auto vm = f.model();
        QVERIFY(vm);
        QCOMPARE(names(vm->catalogue(), true), (QStringList {"Painter", "Player", "Reader", "Writer"}));

        const QHash<QString, QStringList> expected = {
            {"Writer", {"~/.cache/writer", "~/.config/org.example.writer"}},
            {"Painter", {"~/.local/share/Painter"}},
            {"Player", {"~/.config/player", "~/.local/share/applications/player.desktop"}},
            {"Reader",
                {"~/.cache/reader", "~/.config/org.example.reader",
                    "~/.local/share/applications/org.example.reader.desktop", "~/.local/share/reader"}},
        };
        for (const InstalledApp &app : vm->catalogue()) {
            vm->select(app.path);
            QTRY_VERIFY(!vm->relatedLoading());
            QCOMPARE(details(vm->related()), expected.value(app.name));
        }

        // A search that a new choice overtook is dropped, whichever ends first.
        for (const InstalledApp &app : vm->catalogue())
            vm->select(app.path);
        QTRY_VERIFY(!vm->relatedLoading());
        QTest::qWait(100);
        QCOMPARE(details(vm->related()), expected.value(vm->selectedApp()->name));

        // Reader, all but its cache; the application goes too.
        const InstalledApp reader = *std::ranges::find(vm->catalogue(), QStringLiteral("Reader"), &InstalledApp::name);
        vm->select(reader.path);
        QTRY_VERIFY(!vm->relatedLoading());
        // What only the display name points at is offered unticked, and says so.
        QVERIFY(!vm->allChecked());
        QVERIFY(vm->groups()
                    .first()
                    .toMap()[QStringLiteral("items")]
                    .toList()
                    .first()
                    .toMap()[QStringLiteral("detail")]
                    .toString()
                    .endsWith(QStringLiteral("jen podle názvu")));
        vm->toggleAll();
        QVERIFY(vm->allChecked());
        QCOMPARE(vm->freed(), reader.size + totalSize(vm->related()));
        const QString cache = f.fake.path(".cache/reader");
        vm->setChecked(cache, false);
        QVERIFY(!vm->allChecked());
        QCOMPARE(vm->groups().size(), 4); // data, caches, settings, background
        QVERIFY(uninstall(*vm));
        QVERIFY(!QFileInfo::exists(reader.path));
        QVERIFY(!QFileInfo::exists(f.fake.path(".config/org.example.reader")));
        QVERIFY(QFileInfo::exists(cache));
        QVERIFY(!vm->hasSelection());
        QCOMPARE(vm->catalogue().size(), 3);
        QCOMPARE(f.store->history().size(), 4);
        QCOMPARE(f.store->history().first().originalPath, reader.path); // the application first
        if (!QStandardPaths::findExecutable(QStringLiteral("trash-list")).isEmpty()) {
            const QByteArray listedTrash = runProgram(QStringLiteral("trash-list"), {}).out;
            QVERIFY(listedTrash.contains(reader.path.toUtf8()));
            QVERIFY(listedTrash.contains(f.fake.path(".local/share/reader").toUtf8()));
        }

        // Writer's leftovers only: the application stays chosen and what is left is shown.
        const InstalledApp writer = *std::ranges::find(vm->catalogue(), QStringLiteral("Writer"), &InstalledApp::name);
        vm->select(writer.path);
        QTRY_VERIFY(!vm->relatedLoading());
        vm->setChecked(f.fake.path(".cache/writer"), false);
        vm->setIncludeApp(false);
        QCOMPARE(vm->freed(), f.fake.allocated(".config/org.example.writer"));
        QVERIFY(uninstall(*vm));
        QTRY_VERIFY(!vm->relatedLoading());
        QCOMPARE(vm->selectedPath(), writer.path);
        QCOMPARE(details(vm->related()), QStringList {"~/.cache/writer"});
        QVERIFY(vm->includeApp());  // a fresh search chooses the application again
        QVERIFY(!vm->allChecked()); // but not what only its name points at
        vm->setIncludeApp(false);
        QVERIFY(!vm->uninstallEnabled()); // nothing to free
        QCOMPARE(vm->freed(), 0);
    }

    void flatpak()
    {
        Fixture f;
        makeFlatpak(f.fake, "org.example.Notes", "Notes", "1.7");
        f.fake.writeFile(".var/app/org.example.Notes/data/notes.db", 9000);
        f.make();
        const auto vm = f.model();
        QVERIFY(vm);
        QCOMPARE(names(vm->catalogue()), QStringList {"Notes"});
        vm->select(vm->catalogue().first().path);
        QTRY_VERIFY(!vm->relatedLoading());
        QCOMPARE(details(vm->related()), QStringList {"~/.var/app/org.example.Notes"});
        QVERIFY(vm->app()[QStringLiteral("isFlatpak")].toBool());

        // A refusal is shown and nothing moves.
        f.flatpak.uninstallAnswer = {false, QStringLiteral("error: org.example.Notes is in use")};
        QVERIFY(uninstall(*vm));
        QVERIFY(f.store->toast().contains(QStringLiteral("is in use")));
        QVERIFY(QFileInfo::exists(f.fake.path(".var/app/org.example.Notes")));
        QVERIFY(f.store->history().isEmpty());
        QVERIFY(vm->hasSelection());

        f.flatpak.uninstallAnswer = {true, {}};
        f.flatpak.onUninstall = [&](const QString &) {
            QFile::remove(f.fake.path(".local/share/flatpak/app/org.example.Notes/current"));
        };
        QVERIFY(uninstall(*vm));
        QCOMPARE(f.flatpak.uninstalled, (QStringList {"org.example.Notes", "org.example.Notes"}));
        QVERIFY(!QFileInfo::exists(f.fake.path(".var/app/org.example.Notes")));
        QCOMPARE(f.store->history().size(), 1);
        QVERIFY(vm->catalogue().isEmpty());
    }

    void runningApplication()
    {
        Fixture f;
        f.fake.writeFile("Applications/Napper.AppImage", 10);
        f.make();
        const auto vm = f.model();
        QVERIFY(vm);
        vm->select(vm->catalogue().first().path);
        QTRY_VERIFY(!vm->relatedLoading());
        QVERIFY(vm->uninstallEnabled());

        QProcess napper;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("APPIMAGE"), vm->selectedPath());
        napper.setProcessEnvironment(environment);
        napper.start(QStringLiteral("/bin/sleep"), {"60"});
        QVERIFY(napper.waitForStarted());
        vm->setActive(true);
        QTRY_VERIFY(vm->isRunning());
        QVERIFY(!vm->uninstallEnabled());
        QCOMPARE(vm->apps()->data(vm->apps()->index(0), AppListModel::RunningRole).toBool(), true);
        vm->quit();
        QVERIFY(napper.waitForFinished(5000));
        QTRY_VERIFY_WITH_TIMEOUT(!vm->isRunning(), 5000); // the watch polls every 2 seconds
        QVERIFY(vm->uninstallEnabled());

        // Quitting what does not run says so.
        vm->quit();
        QTRY_COMPARE(f.store->toast(), QStringLiteral("Aplikaci se nepodařilo ukončit. Ukonči ji ručně."));
    }
};

QTEST_GUILESS_MAIN(TestUninstallViewModel)
#include "tst_uninstallviewmodel.moc"
