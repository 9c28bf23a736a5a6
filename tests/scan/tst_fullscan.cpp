#include "FakeCatalogue.h"
#include "FakeHome.h"
#include "platform/linux/SystemApplicationCatalogue.h"
#include "scan/DiskScanner.h"

#include <QtTest>

using namespace pelmo;
using pelmo::test::FakeCatalogue;
using pelmo::test::FakeHome;

namespace {

constexpr qint64 kMB = 1'000'000;

// The same number of blocks wherever it lands, so equal sizes stay equal.
constexpr qint64 kTwoMB = 2 * 1024 * 1024;

void populate(const FakeHome &fake)
{
    fake.writeFile("Library/Caches/com.example.a/data", kTwoMB);
    fake.writeFile("Library/Logs/app/log", kTwoMB);
    fake.writeFile("Library/Caches/com.example.b/data", 300'000);
    fake.writeFile("Library/Application Support/com.example.Gone/data", 500'000);
    fake.writeFile("Downloads/Setup.dmg", 400'000);
    const QByteArray data(3 * kMB, 'd');
    fake.writeBytes("Documents/film.mov", data);
    fake.writeBytes("Movies/Older film.mov", data);
    fake.setModified("Documents/film.mov", QDateTime(QDate(2019, 1, 1), QTime(), Qt::UTC));
}

// What a desktop keeps in a home used for a year: nothing of it is junk. Every entry is
// big enough to be offered and untouched for 200 days, so only the rules keep it back.
const QStringList kGnomeHome = {".config/git/config", ".config/autostart/org.gnome.Evolution-alarm-notify.desktop",
    ".config/dconf/user", ".config/gtk-3.0/bookmarks", ".config/goa-1.0/accounts.conf", ".config/monitors.xml",
    ".config/user-dirs.locale", ".config/org.gnome.Maps/state", ".config/evolution/sources/x",
    ".local/share/keyrings/login.keyring", ".local/share/Trash/files/old.txt",
    ".local/share/Trash/info/old.txt.trashinfo", ".local/share/applications/userapp-Tool.desktop",
    ".local/share/fonts/Inter.ttf", ".local/share/recently-used.xbel", ".local/share/recently-used.xbel.ABC123",
    ".local/share/gnome-shell/x", ".local/share/gvfs-metadata/home", ".local/share/tracker3/files/meta.db",
    ".local/share/org.gnome.Maps/cache", ".local/share/com.example.tauriapp/db",
    ".local/share/node-v18.17.1-linux-x64/bin/node", ".local/share/io.github.example.Notes/state"};
const QStringList kKdeHome = {".config/kdeglobals", ".config/kwinrc", ".config/plasma-org.kde.plasma.desktop-appletsrc",
    ".config/plasmashellrc", ".config/kdedefaults/kdeglobals", ".config/autostart/org.kde.yakuake.desktop",
    ".config/session/dolphin_x", ".config/kdeconnect/config", ".config/git/ignore", ".config/org.kde.dolphin/state",
    ".local/share/kactivitymanagerd/resources/database", ".local/share/baloo/index",
    ".local/share/kwalletd/kdewallet.kwl", ".local/share/plasma/look-and-feel/x",
    ".local/share/dolphin/view_properties/x", ".local/share/kxmlgui5/x.rc", ".local/share/keyrings/login.keyring",
    ".local/share/fonts/Noto.ttf", ".local/share/Trash/files/x", ".local/share/applications/org.kde.kate-1.desktop",
    ".local/share/recently-used.xbel", ".local/share/org.kde.kdeconnect.app/x",
    ".local/share/org.kde.syndication/feeds"};

QStringList describe(const QList<CleanItem> &items)
{
    QStringList out;
    for (const CleanItem &item : items)
        out.append(Category::rawValue(item.category) + u':' + item.name);
    return out;
}

} // namespace

class TestFullScan : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void orderSizesAndDuplicatesThatAreAlsoLarge()
    {
        FakeHome fake;
        populate(fake);
        const FakeCatalogue catalogue;
        const QList<CleanItem> items = DiskScanner::scanAll(fake.home(), 1 * kMB, {}, catalogue);
        // Largest first; the two 2 MiB folders keep category order; the copy is listed
        // twice, as a duplicate (its length) and as a large file (its allocation).
        QCOMPARE(describe(items),
            (QStringList {"largeFiles:film.mov", "largeFiles:Older film.mov", "duplicates:Older film.mov",
                "caches:com.example.a", "logs:app", "leftovers:com.example.Gone", "installers:Setup.dmg",
                "caches:com.example.b"}));
        QCOMPARE(items[2].size, 3 * kMB);
        QCOMPARE(items[1].id(), items[2].id());
        for (qsizetype i = 1; i < items.size(); ++i)
            QVERIFY(items[i - 1].size >= items[i].size);
    }

    void exclusionsArePlainTextPrefixes_data()
    {
        QTest::addColumn<QStringList>("excluded");
        QTest::addColumn<QStringList>("gone");
        QTest::newRow("none") << QStringList {} << QStringList {};
        QTest::newRow("parent folder") << QStringList {"Library"}
                                       << QStringList {"caches:com.example.a", "logs:app", "caches:com.example.b",
                                              "leftovers:com.example.Gone"};
        QTest::newRow("text prefix of a sibling")
            << QStringList {"Movies/Old"} << QStringList {"largeFiles:Older film.mov", "duplicates:Older film.mov"};
        QTest::newRow("one item") << QStringList {"Downloads/Setup.dmg"} << QStringList {"installers:Setup.dmg"};
    }

    void exclusionsArePlainTextPrefixes()
    {
        QFETCH(QStringList, excluded);
        QFETCH(QStringList, gone);
        FakeHome fake;
        populate(fake);
        const FakeCatalogue catalogue;
        QSet<QString> prefixes;
        for (const QString &relative : excluded)
            prefixes.insert(fake.home() + u'/' + relative);
        const QStringList all = describe(DiskScanner::scanAll(fake.home(), kMB, {}, catalogue));
        const QStringList kept = describe(DiskScanner::scanAll(fake.home(), kMB, prefixes, catalogue));
        QStringList expected = all;
        for (const QString &item : gone)
            QVERIFY(expected.removeOne(item));
        QCOMPARE(kept, expected);
    }

    // On realistic homes nothing of ~/.config or ~/.local/share is offered, however old,
    // while an old Flatpak leftover of an app that no installation has and a real copy
    // still are, and no file is offered as a copy of itself.
    void realisticHomes_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::newRow("GNOME") << kGnomeHome;
        QTest::newRow("KDE") << kKdeHome;
    }

    void realisticHomes()
    {
        QFETCH(QStringList, files);
        FakeHome fake;
        for (const QString &file : files)
            fake.writeFile(file.toStdString(), 120'000);
        fake.makeFolder(".local/share/flatpak/app/org.gnome.Boxes");
        fake.writeFile(".var/app/org.gnome.Boxes/data/x", 300'000);
        fake.writeFile(".var/app/org.example.Gone/data/x", 300'000);
        const QByteArray report(2 * kMB, 'r');
        fake.writeBytes("Documents/report.pdf", report);
        fake.writeBytes("Downloads/report (1).pdf", report);
        fake.setModified("Documents/report.pdf", QDateTime(QDate(2023, 3, 1), QTime(), Qt::UTC));
        fake.writeFile("Documents/Pics/photo.jpg", 3 * kMB);
        fake.symlink("Documents", "Desktop");
        fake.symlink("Documents/Pics", "Pictures");
        for (const char *folder : {".config", ".local/share", ".var/app"})
            fake.setModifiedTree(folder, QDateTime::currentDateTimeUtc().addDays(-200));
        // The system: entries that are links and in sub-folders, programs and window classes
        // of entries, a program on the path, a Flatpak.
        fake.writeBytes("nix/store/abc/org.gnome.Maps.desktop", "[Desktop Entry]\nExec=gnome-maps\n");
        fake.symlink(fake.bytes("nix/store/abc/org.gnome.Maps.desktop"), "system/applications/org.gnome.Maps.desktop");
        fake.writeBytes("system/applications/kde/org.kde.dolphin.desktop", "[Desktop Entry]\nExec=dolphin %u\n");
        fake.writeBytes("system/applications/org.kde.kdeconnect.app.desktop", "[Desktop Entry]\nExec=kdeconnect-app\n");
        fake.writeBytes("system/applications/syndication-reader.desktop",
            "[Desktop Entry]\nExec=akregator\nStartupWMClass=syndication\n");
        fake.writeBytes(".local/share/applications/appimagekit_1a2b-Notes.desktop",
            "[Desktop Entry]\nExec=/home/u/Applications/Notes-x86_64.AppImage %U\nStartupWMClass=Notes\n");
        fake.writeFile("system/bin/tauriapp", 10);
        const SystemApplicationCatalogue catalogue({.bundleFolders = {},
            .desktopEntryFolders = {fake.path(".local/share/applications"), fake.path("system/applications")},
            .flatpakInstallations = {fake.path(".local/share/flatpak")},
            .flatpakInstallationLists = {},
            .programFolders = {fake.path("system/bin")}});

        const QList<CleanItem> items = DiskScanner::scanAll(fake.home(), kMB, {}, catalogue);
        QStringList offered;
        QStringList large;
        for (const CleanItem &item : items) {
            const QString relative = item.path.mid(fake.home().size() + 1);
            if (item.category == CleanCategory::leftovers || item.category == CleanCategory::duplicates)
                offered.append(Category::rawValue(item.category) + u':' + relative);
            else if (item.category == CleanCategory::largeFiles)
                large.append(relative);
        }
        offered.sort();
        large.sort();
        QCOMPARE(offered, (QStringList {"duplicates:Downloads/report (1).pdf", "leftovers:.var/app/org.example.Gone"}));
        QCOMPARE(large, (QStringList {"Desktop/Pics/photo.jpg", "Desktop/report.pdf", "Downloads/report (1).pdf"}));
    }

    // One shared walk gives exactly what each scanner gives alone.
    void scanAllAgreesWithTheSingleScanners()
    {
        FakeHome fake;
        populate(fake);
        fake.writeFile("Music/song.flac", 2 * kMB);
        fake.writeFile("Desktop/big.iso", 2 * kMB);
        const FakeCatalogue catalogue;
        QList<CleanCategory> progress;
        const QList<CleanItem> all
            = DiskScanner::scanAll(fake.home(), kMB, {}, catalogue, [&](CleanCategory c) { progress.append(c); });
        QCOMPARE(progress, QList<CleanCategory>(allCategories.begin(), allCategories.end()));

        QList<CleanItem> separate = DiskScanner::caches(fake.home()) + DiskScanner::logs(fake.home())
            + DiskScanner::developer(fake.home()) + DiskScanner::leftovers(fake.home(), catalogue)
            + DiskScanner::installers(fake.home()) + DiskScanner::duplicates(fake.home())
            + DiskScanner::largeFiles(fake.home(), kMB);
        std::ranges::stable_sort(separate, std::greater<>(), &CleanItem::size);
        QCOMPARE(all, separate);
    }
};

QTEST_GUILESS_MAIN(TestFullScan)
#include "tst_fullscan.moc"
