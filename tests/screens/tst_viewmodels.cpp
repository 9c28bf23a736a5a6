#include "FakeCatalogue.h"
#include "FakeHome.h"
#include "FakeServices.h"
#include "FakeTrashServices.h"
#include "StoreFixture.h"
#include "access/AccessManager.h"
#include "app/ui/AppState.h"
#include "app/ui/CategoryListModel.h"
#include "app/ui/DropRules.h"
#include "app/ui/SettingsViewModel.h"
#include "core/Localization.h"
#include "core/SizeText.h"
#include "drop/ui/DropAnalysisViewModel.h"
#include "platform/FinderScripts.h"
#include "scan/ScanPaths.h"
#include "screens/ui/CategoryViewModel.h"
#include "screens/ui/OverviewViewModel.h"
#include "screens/ui/PreviewViewModel.h"
#include "store/CleanerStore.h"
#include "trash/ui/HistoryViewModel.h"
#include "trash/ui/TrashViewModel.h"

#include <QAbstractItemModelTester>
#include <QSemaphore>
#include <QSignalSpy>
#include <QtTest>

using namespace pelmo;
using namespace pelmo::test;

namespace {

struct Fixture : StoreFixture
{
    FakeClock &clock = fakes.clock;
    FakeTrashCan &trash = fakes.trash;
    FakeBridge &bridge = fakes.bridge;
    DiskInfo &disk = fakes.disk;

    Fixture()
        : StoreFixture("largeThresholdMB=1\n")
    {
        make();
    }

    static QStringList names(const ItemListModel &model)
    {
        QStringList out;
        for (int row = 0; row < model.rowCount(); ++row)
            out.append(model.data(model.index(row), ItemListModel::NameRole).toString());
        return out;
    }
};

} // namespace

class TestViewModels : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Selecting, sorting and searching a category. Each category starts unfiltered in size
    // order; counting, confirming and moving take only the selected items the list shows,
    // and the footer tells the hidden ones.
    void categoryScreen()
    {
        Fixture f;
        f.fake.writeFile("Library/Logs/B.log", 300'000);
        f.fake.writeFile("Library/Logs/a.log", 200'000);
        f.fake.writeFile(".npm/_cacache/x", 150'000);
        f.fake.writeFile("go/pkg/mod/cache/download/y", 400'000);
        f.fake.writeFile("Library/Developer/Xcode/DerivedData/App/z", 500'000);
        f.fake.writeFile("Library/Caches/stays/data", 400'000);
        f.fake.writeFile("Library/Caches/goes/data", 150'000);
        CategoryViewModel vm;
        QAbstractItemModelTester tester(vm.items(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        vm.setStore(f.store.get());
        vm.setCategory(QStringLiteral("logs"));
        QVERIFY(!vm.hasItems());
        QCOMPARE(vm.footerText(), QStringLiteral("Nic nevybráno"));
        QVERIFY(!vm.moveEnabled());
        QVERIFY(f.scan());

        // Logs are safe: all preselected.
        QCOMPARE(vm.toggleAllText(), QStringLiteral("Zrušit výběr"));
        QVERIFY(vm.moveEnabled());
        vm.setSelected(f.fake.path("Library/Logs/a.log"), false);
        QCOMPARE(vm.toggleAllText(), QStringLiteral("Vybrat vše"));
        QVERIFY(vm.footerText().startsWith(QStringLiteral("Vybráno 1 · ")));
        vm.toggleAll();
        QCOMPARE(vm.toggleAllText(), QStringLiteral("Zrušit výběr"));
        vm.toggleAll();
        QCOMPARE(vm.footerText(), QStringLiteral("Nic nevybráno"));
        QVERIFY(!vm.moveEnabled());

        // The menu command opens the confirmation only with something selected.
        QSignalSpy confirm(&vm, &CategoryViewModel::confirmRequested);
        f.store->setCurrentCategory(CleanCategory::logs);
        f.store->requestTrashSelected();
        QCOMPARE(confirm.size(), 0);

        QCOMPARE(Fixture::names(*vm.items()), (QStringList {"B.log", "a.log"}));
        vm.setSortOrder(CategoryViewModel::ByName);
        QCOMPARE(Fixture::names(*vm.items()), (QStringList {"a.log", "B.log"}));

        // Search matches names and details, whatever the case.
        vm.setCategory(QStringLiteral("developer"));
        vm.setQuery(QStringLiteral("CACHE"));
        QCOMPARE(Fixture::names(*vm.items()), (QStringList {"Cache Go modulů", "Cache npm"}));
        vm.setQuery(QStringLiteral("sestaví"));
        QCOMPARE(Fixture::names(*vm.items()), QStringList {"App"});
        vm.setQuery(QStringLiteral("nothing like it"));
        QCOMPARE(vm.items()->rowCount(), 0);
        QVERIFY(vm.hasItems()); // a search without matches is not the empty state

        // Reselect all, then show one of the two.
        vm.setCategory(QStringLiteral("logs"));
        vm.toggleAll();
        const QString aSize = formatSize(f.store->itemsIn(CleanCategory::logs).last().size);
        vm.setSortOrder(CategoryViewModel::ByName);
        vm.setQuery(QStringLiteral("a.log"));
        QCOMPARE(vm.footerText(), QStringLiteral("Vybráno 1 · %1 · vybráno mimo hledání: 1").arg(aSize));
        QCOMPARE(vm.confirmText(), QStringLiteral("Přesunout do koše (%1)").arg(aSize));

        QSignalSpy queryReset(&vm, &CategoryViewModel::queryChanged);
        QSignalSpy sortReset(&vm, &CategoryViewModel::sortOrderChanged);
        vm.setCategory(QStringLiteral("caches"));
        QCOMPARE(vm.query(), QString());
        QCOMPARE(vm.sortOrder(), int(CategoryViewModel::BySize));
        QCOMPARE(queryReset.size(), 1);
        QCOMPARE(sortReset.size(), 1);
        QCOMPARE(Fixture::names(*vm.items()), (QStringList {"stays", "goes"}));

        // A search that hides the whole selection leaves nothing to move.
        vm.setQuery(QStringLiteral("nothing like it"));
        QCOMPARE(vm.footerText(), QStringLiteral("Nic nevybráno · vybráno mimo hledání: 2"));
        QVERIFY(!vm.moveEnabled());
        f.store->setCurrentCategory(CleanCategory::caches);
        f.store->requestTrashSelected();
        QCOMPARE(confirm.size(), 0);

        vm.setQuery(QStringLiteral("GOES"));
        QVERIFY(vm.moveEnabled());
        f.store->requestTrashSelected();
        QCOMPARE(confirm.size(), 1);
        QSignalSpy done(f.store.get(), &CleanerStore::batchFinished);
        vm.moveSelected();
        QVERIFY(!done.isEmpty() || done.wait());
        QCOMPARE(f.trash.moved, QStringList {f.fake.path("Library/Caches/goes")});
        vm.setQuery(QString());
        QCOMPARE(Fixture::names(*vm.items()), QStringList {"stays"});
        QCOMPARE(
            vm.footerText(), QStringLiteral("Vybráno 1 · %1").arg(formatSize(f.store->total(CleanCategory::caches))));

        // Excluding the only item empties the category.
        vm.setCategory(QStringLiteral("logs"));
        vm.exclude(f.fake.path("Library/Logs"));
        QVERIFY(!vm.hasItems());
    }

    void overviewRing_data()
    {
        QTest::addColumn<qint64>("available");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<QString>("firstColour");
        QTest::newRow("0.95 used") << qint64(50) << "95 %"
                                   << "#f24d4d";
        QTest::newRow("0.8 used") << qint64(200) << "80 %"
                                  << "#f29926";
        QTest::newRow("0.999 used") << qint64(1) << "99 %"
                                    << "#f24d4d";
        QTest::newRow("0.5 used") << qint64(500) << "50 %"
                                  << "#0d9e8f";
        QTest::newRow("more free than total") << qint64(2000) << "0 %"
                                              << "#0d9e8f";
        QTest::newRow("exactly 0.9 used") << qint64(100) << "90 %"
                                          << "#f29926";
        QTest::newRow("exactly 0.75 used") << qint64(250) << "75 %"
                                           << "#0d9e8f";
    }

    void overviewRing()
    {
        QFETCH(qint64, available);
        QFETCH(QString, percent);
        QFETCH(QString, firstColour);
        Fixture f;
        f.disk = {1000, available};
        f.store->refreshDisk();
        OverviewViewModel vm;
        vm.setStore(f.store.get());
        QCOMPARE(vm.percentText(), percent);
        QCOMPARE(vm.ringColors().first(), firstColour);
    }

    void overviewStates()
    {
        Fixture f;
        OverviewViewModel vm;
        vm.setStore(f.store.get());
        QCOMPARE(vm.state(), QStringLiteral("notScanned"));
        QVERIFY(!vm.safeEnabled());
        QVERIFY(f.scan());
        QCOMPARE(vm.state(), QStringLiteral("empty"));
        f.fake.writeFile("Library/Caches/c/data", 300'000);
        QVERIFY(f.scan());
        QCOMPARE(vm.state(), QStringLiteral("results"));
        QVERIFY(vm.safeEnabled());
        QCOMPARE(vm.breakdown().size(), 1);
        QSemaphore release;
        f.trash.beforeMove = [&release] { release.acquire(); };
        QSignalSpy done(f.store.get(), &CleanerStore::batchFinished);
        const qint64 safe = f.store->safeTotal();
        f.store->clean(f.store->safeItems()); // while cleaning both hero buttons are off
        QVERIFY(!vm.safeEnabled() && !vm.rescanEnabled());
        // What a bound label shows: the text at each change.
        QStringList shown;
        connect(&vm, &OverviewViewModel::changed, this, [&] { shown.append(vm.freedText()); });
        release.release();
        QVERIFY(done.wait());
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown.last(), formatSize(safe));
    }

    void trashAndHistory()
    {
        Fixture f;
        const QString files = f.fake.path(".local/share/Trash/files");
        f.trash.filesFolder = files;
        f.fake.writeFile(".local/share/Trash/files/moved-by-pelmo", 10);
        f.fake.writeFile(".local/share/Trash/files/moved-by-someone", 10);
        const HistoryEntry entry {QUuid::createUuid(), f.clock.now().toUTC(), "moved-by-pelmo", 1'500'000'000,
            f.fake.path("Documents/x"), files + "/moved-by-pelmo", {}};
        {
            QSettings settings(f.fake.settingsFile(), QSettings::NativeFormat);
            settings.setValue(QStringLiteral("cleanHistory"), CleaningHistory::encode({entry}));
        }
        f.make();

        TrashViewModel trash;
        trash.setStore(f.store.get());
        QTRY_COMPARE(trash.state(), QStringLiteral("list"));
        QMap<QString, bool> restorable;
        for (const QVariantMap &row : trash.entries()->records())
            restorable.insert(row[QStringLiteral("name")].toString(), row[QStringLiteral("restorable")].toBool());
        QCOMPARE(restorable, (QMap<QString, bool> {{"moved-by-pelmo", true}, {"moved-by-someone", false}}));

        HistoryViewModel history;
        history.setStore(f.store.get());
        QCOMPARE(history.bars().size(), 1);
        QCOMPARE(history.bars().first().toMap()[QStringLiteral("gigabytes")].toDouble(), 1.5);
        QCOMPARE(history.bars().first().toMap()[QStringLiteral("daysAgo")].toLongLong(), 0); // today's slot
        QVERIFY(history.rows()->records().first()[QStringLiteral("restorable")].toBool());
        // The chart's 30 slots end today, where the 1.5 GB stand on an axis of 0.5, 1 and 1.5.
        const QVariantList days = history.days();
        QCOMPARE(days.size(), 30);
        QCOMPARE(days.last().toMap()[QStringLiteral("gigabytes")].toDouble(), 1.5);
        QCOMPARE(days.last().toMap()[QStringLiteral("dateText")].toString(),
            QLocale().toString(f.clock.now().toLocalTime().date(), QLocale::ShortFormat));
        const qsizetype weeks = std::ranges::count_if(
            days, [](const QVariant &d) { return d.toMap()[QStringLiteral("weekStart")].toBool(); });
        QVERIFY(weeks == 4 || weeks == 5);
        QCOMPARE(history.axisTop(), 1.5);
        QCOMPARE(history.axis().first().toMap()[QStringLiteral("label")].toString(), QLocale().toString(0.5, 'f', 1));

        // Emptying keeps the entries and the chart but no longer offers putting back what
        // is gone (the fake Trash removes nothing itself).
        QVERIFY(QFile::remove(files + "/moved-by-pelmo"));
        f.trash.emptied.removed = QStringList {files + "/moved-by-pelmo"};
        trash.emptyTrash();
        QTRY_VERIFY(!history.rows()->records().first()[QStringLiteral("restorable")].toBool());
        QCOMPARE(history.bars().size(), 1);

        history.clear();
        QVERIFY(history.isEmpty());
    }

    // Two or three round steps, the last at or just above the tallest bar.
    void chartAxis_data()
    {
        QTest::addColumn<double>("top");
        QTest::addColumn<QList<double>>("steps");
        QTest::newRow("1.5 GB") << 1.5 << QList<double> {0.5, 1.0, 1.5};
        QTest::newRow("1 GB") << 1.0 << QList<double> {0.5, 1.0};
        QTest::newRow("116 MB") << 0.116 << QList<double> {0.05, 0.1, 0.15};
        QTest::newRow("2.3 MB") << 0.0023 << QList<double> {0.001, 0.002, 0.003};
        QTest::newRow("7 GB") << 7.0 << QList<double> {2.5, 5.0, 7.5};
        QTest::newRow("40 GB") << 40.0 << QList<double> {20.0, 40.0};
        QTest::newRow("nothing") << 0.0 << QList<double> {};
    }
    void chartAxis()
    {
        QFETCH(double, top);
        QFETCH(QList<double>, steps);
        const QList<double> got = HistoryViewModel::axisSteps(top);
        QCOMPARE(got.size(), steps.size());
        for (qsizetype i = 0; i < got.size(); ++i)
            QVERIFY2(qFuzzyCompare(got[i], steps[i]), qPrintable(QString::number(got[i])));
    }

    void dropRules()
    {
        const auto file = [](const char *path) { return QUrl::fromLocalFile(QString::fromUtf8(path)); };
        using DropRules::Kind;
        QCOMPARE(DropRules::decide(false, {file("/h/a.txt")}).kind, Kind::Refused);
        QCOMPARE(DropRules::decide(true, {}).kind, Kind::Refused);
        QCOMPARE(DropRules::decide(true, {QUrl(QStringLiteral("https://example.org/a.app"))}).kind, Kind::Refused);

        const DropRules::Decision three = DropRules::decide(true, {file("/h/1.txt"), file("/h/2.app"), file("/h/3")});
        QCOMPARE(three.kind, Kind::File);
        QCOMPARE(three.path, QStringLiteral("/h/1.txt"));
        QCOMPARE(DropRules::decide(true, {file("/Apps/Big.APP")}).kind, Kind::Application);
        QCOMPARE(DropRules::decide(true, {file("/Apps/Big.app/")}).path, QStringLiteral("/Apps/Big.app"));
        QCOMPARE(DropRules::decide(true, {file("/h/notes.app.txt")}).kind, Kind::File);
        QCOMPARE(DropRules::decide(true, {file("/h/x.app/inside")}).kind, Kind::File);
        QCOMPARE(DropRules::decide(true, {file("/h/Applications/Tool-1.2.appimage")}).kind, Kind::Application);
        QCOMPARE(DropRules::decide(true, {file("/h/.local/share/applications/tool.desktop")}).kind, Kind::Application);
    }

    void droppingOnTheWindow()
    {
        Fixture f;
        AppState state(*f.store);
        QTRY_VERIFY(f.store->hasScanned());
        f.fake.writeFile("Downloads/a.bin", 10);
        QVERIFY(state.drop({QUrl::fromLocalFile(f.fake.path("Downloads/a.bin"))}));
        QCOMPARE(state.droppedPath(), f.fake.path("Downloads/a.bin"));
        state.closeDropAnalysis();
        QVERIFY(state.droppedPath().isEmpty());

        // An application waits for the uninstaller, which the window is asked to show.
        QSignalSpy section(&state, &AppState::sectionRequested);
        QVERIFY(state.drop({QUrl::fromLocalFile(QStringLiteral("/Applications/Tool.APP"))}));
        QVERIFY(state.droppedPath().isEmpty());
        QCOMPARE(f.store->pendingApp(), QStringLiteral("/Applications/Tool.APP"));
        QCOMPARE(section.size(), 1);
        QCOMPARE(section.first().first().toString(), QStringLiteral("uninstall"));
        QVERIFY(!f.store->requestedSection());

        f.store->access()->revoke();
        QVERIFY(!state.drop({QUrl::fromLocalFile(f.fake.path("Downloads/a.bin"))}));
        QVERIFY(state.droppedPath().isEmpty());
    }

    void dropAnalysis()
    {
        Fixture f;
        for (const char *name : {"Downloads/song.mp3", "Desktop/song.mp3", "Documents/song.mp3", "Music/song.mp3"})
            f.fake.writeFile(name, 4000, 's');
        DropAnalysisViewModel vm;
        QCOMPARE(vm.sizeText(), QStringLiteral("Počítám…"));
        vm.setPath(f.fake.path("Downloads/song.mp3"));
        QVERIFY(vm.searching()); // no store yet, so no search
        vm.setStore(f.store.get());
        QTRY_VERIFY(!vm.searching());
        QCOMPARE(vm.name(), QStringLiteral("song.mp3"));
        QCOMPARE(vm.sizeText(), formatSize(f.fake.allocated("Downloads/song.mp3")));
        QCOMPARE(vm.copies()->rowCount(), 3);
        QCOMPARE(vm.trashText(), QStringLiteral("Kopie do koše (3)"));
        const QString desktop = f.fake.path("Desktop/song.mp3");
        const QString documents = f.fake.path("Documents/song.mp3");
        const QString music = f.fake.path("Music/song.mp3");
        for (const QString &copy : {desktop, documents, music})
            vm.toggle(copy);
        QVERIFY(!vm.trashEnabled());
        QCOMPARE(vm.trashText(), QStringLiteral("Kopie do koše (0)"));
        vm.toggle(music);
        QVERIFY(vm.trashEnabled());
        QCOMPARE(vm.copies()->data(vm.copies()->index(2), ItemListModel::SelectedRole).toBool(), true);

        QSemaphore release;
        f.trash.beforeMove = [&release] { release.acquire(); };
        QSignalSpy finished(&vm, &DropAnalysisViewModel::finished);
        vm.trash();
        QVERIFY(!vm.trashEnabled()); // a batch runs
        release.release();
        QVERIFY(!finished.isEmpty() || finished.wait());
        QCOMPARE(f.trash.moved, QStringList(music));
        QCOMPARE(f.store->history().size(), 1);

        // A batch started elsewhere is not this sheet's: it stays open.
        DropAnalysisViewModel other;
        other.setStore(f.store.get());
        other.setPath(f.fake.path("Desktop/song.mp3"));
        QTRY_VERIFY(!other.searching());
        QSignalSpy otherFinished(&other, &DropAnalysisViewModel::finished);
        f.trash.beforeMove = {};
        QVERIFY(f.clean({DiskScanner::itemAt(
            PathBytes::toBytes(documents), 4096, CleanCategory::duplicates, QStringLiteral("~"), false)}));
        QVERIFY(otherFinished.isEmpty());
    }

    // The tray menu's texts and the disk gauge.
    void applicationState()
    {
        Fixture f;
        f.disk = {1000, 50};
        f.store->refreshDisk();
        AppState state(*f.store); // starts the first scan: access exists
        QCOMPARE(state.diskColor(), QStringLiteral("#e53935"));
        // A scan of this nearly empty home may be over already: its result can come back
        // before the store waits for it.
        QCOMPARE(state.scanEnabled(), !f.store->isScanning());
        QTRY_VERIFY(f.store->hasScanned());
        QVERIFY(state.scanEnabled());
        QCOMPARE(state.foundText(), QString()); // nothing found: no line
        f.fake.writeFile("Library/Caches/c/data", 300'000);
        QVERIFY(f.scan());
        QVERIFY(state.foundText().startsWith(QStringLiteral("K úklidu nalezeno ")));
        f.disk = {1000, 200};
        f.store->refreshDisk();
        QCOMPARE(state.diskColor(), QStringLiteral("#fb8c00"));
        f.disk = {1000, 100}; // exactly 0.9 used: not yet red
        f.store->refreshDisk();
        QCOMPARE(state.diskColor(), QStringLiteral("#fb8c00"));
        f.disk = {1000, 250}; // exactly 0.75 used: not yet orange
        f.store->refreshDisk();
        QCOMPARE(state.diskColor(), state.brand());
    }

    void settings()
    {
        Fixture f;
        QVERIFY(f.scan());
        SettingsViewModel vm;
        vm.setStore(f.store.get());
        QCOMPARE(vm.thresholdIndex(), 1); // "largeThresholdMB" = 1 is not a choice: 200 MB shows
        vm.setThresholdIndex(3);
        QSettings settings(f.fake.settingsFile(), QSettings::NativeFormat);
        QCOMPARE(settings.value(QStringLiteral("largeThresholdMB")).toInt(), 1000);

        QSignalSpy restart(&vm, &SettingsViewModel::restartWanted);
        vm.setLanguageIndex(2);
        settings.sync();
        QCOMPARE(settings.value(QStringLiteral("appLanguage")).toString(), QStringLiteral("en"));
        QCOMPARE(settings.value(QStringLiteral("AppleLanguages")).toStringList(), QStringList {"en"});
        vm.setLanguageIndex(0);
        settings.sync();
        QCOMPARE(settings.value(QStringLiteral("appLanguage")).toString(), QStringLiteral("system"));
        QVERIFY(!settings.contains(QStringLiteral("AppleLanguages")));
        QCOMPARE(restart.size(), 2);

        f.store->exclude(QStringLiteral("/b"));
        f.store->exclude(QStringLiteral("/a"));
        QCOMPARE(vm.excluded(), (QStringList {"/a", "/b"}));

        vm.revokeAccess(); // the welcome screen returns, and a new grant scans again
        QVERIFY(!f.store->access()->hasAccess());
        QVERIFY(!f.store->hasScanned());
        QCOMPARE(vm.grantedFolder(), QStringLiteral("Žádná"));
    }

    void previewKinds_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("kind");
        QTest::newRow("text") << "notes.txt" << QByteArray("hello\nworld") << "text";
        QTest::newRow("image") << "photo.png" << QByteArray("\x89PNG") << "image";
        QTest::newRow("pdf") << "paper.pdf" << QByteArray("%PDF-1.4") << "pdf";
        QTest::newRow("other") << "archive.zip" << QByteArray("PK") << "other";
        QTest::newRow("vanished") << "" << QByteArray() << "other";
    }

    void previewKinds()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, kind);
        FakeHome fake;
        if (!name.isEmpty())
            fake.writeBytes(name.toStdString(), content);
        PreviewViewModel vm;
        vm.setPath(fake.path(name.isEmpty() ? "gone" : name.toStdString()));
        QTRY_VERIFY(!vm.loading());
        QCOMPARE(vm.kind(), kind);
        if (kind == QStringLiteral("text"))
            QCOMPARE(vm.text(), QStringLiteral("hello\nworld"));
        QCOMPARE(vm.imageUrl().isEmpty(), kind != QStringLiteral("image") && kind != QStringLiteral("pdf"));
    }

    void categoryList()
    {
        Fixture f;
        f.fake.writeFile("Library/Caches/c/data", 300'000);
        f.fake.writeFile("Library/Logs/l/data", 100'000 * 3);
        CategoryListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setStore(f.store.get());
        QCOMPARE(model.rowCount(), 7);
        QCOMPARE(
            model.data(model.index(0), CategoryListModel::CountTextRole).toString(), QStringLiteral("Nic k uklizení"));
        QVERIFY(f.scan());
        QCOMPARE(model.data(model.index(0), CategoryListModel::CountTextRole).toString(), QStringLiteral("Položek: 1"));
        const double shares = model.data(model.index(0), CategoryListModel::ShareRole).toDouble()
            + model.data(model.index(1), CategoryListModel::ShareRole).toDouble();
        QCOMPARE(shares, 1.0);
        QCOMPARE(model.data(model.index(6), CategoryListModel::ShareRole).toDouble(), 0.0);
    }

    // A file whose name reads like one of Pelmo's texts keeps its name in English too.
    void fileNamesAreNeverTranslated()
    {
        Fixture f;
        f.fake.writeFile("Library/Logs/Zkontroluj/data", 300'000);
        Localization::install(QStringLiteral("en"));
        QVERIFY(f.scan());
        CategoryViewModel vm;
        vm.setStore(f.store.get());
        vm.setCategory(QStringLiteral("logs"));
        const QStringList shown = Fixture::names(*vm.items());
        Localization::install(QStringLiteral("cs"));
        QCOMPARE(shown, QStringList {"Zkontroluj"});
    }
};

QTEST_GUILESS_MAIN(TestViewModels)
#include "tst_viewmodels.moc"
