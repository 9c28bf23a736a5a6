#include "FakeHome.h"
#include "Fields.h"
#include "scan/DiskScanner.h"

#include <QtTest>

#include <filesystem>

using namespace pelmo;
using pelmo::test::FakeHome;
using pelmo::test::names;

namespace {

const CleanItem *find(const QList<CleanItem> &items, const QString &name)
{
    return &*std::ranges::find(items, name, &CleanItem::name);
}

// Data sizes whose allocation lands on either side of the 100 000-byte minimum on any
// block size up to 4 KiB: 96 KiB of data takes 98 304 bytes, 100 KiB takes 102 400.
constexpr qint64 kBelowMinimum = 96 * 1024;
constexpr qint64 kAboveMinimum = 100 * 1024;

} // namespace

class TestLocationScanners : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cachesAndLogs()
    {
        FakeHome fake;
        fake.writeFile("Library/Caches/com.example.big/data", kAboveMinimum);
        fake.writeFile("Library/Caches/com.example.small/data", kBelowMinimum);
        fake.writeFile("Library/Caches/com.apple.Safari/data", kAboveMinimum * 3);
        fake.writeFile("Library/Caches/Com.Apple.X/data", kAboveMinimum);
        fake.writeFile("Library/Caches/.hidden/data", kAboveMinimum);
        fake.writeFile("Library/Caches/loose.bin", kAboveMinimum);
        fake.writeFile(".cache/mesa_shader_cache/a", kAboveMinimum);
        fake.writeFile(".cache/mesa_shader_cache/.deep/b", kAboveMinimum); // counted: measuring includes hidden
        fake.writeFile(".cache/Pelmo/thumbnails", kAboveMinimum * 2);
        fake.writeFile("Library/Logs/com.apple.CrashReporter/r.log", kAboveMinimum);
        fake.writeFile("Library/Logs/tiny.log", 10);

        const QList<CleanItem> caches = DiskScanner::caches(fake.home());
        QCOMPARE(
            names(caches, true), (QStringList {"Com.Apple.X", "com.example.big", "loose.bin", "mesa_shader_cache"}));
        const CleanItem *mesa = find(caches, QStringLiteral("mesa_shader_cache"));
        QCOMPARE(mesa->size, fake.allocated(".cache/mesa_shader_cache"));
        QCOMPARE(mesa->path, fake.path(".cache/mesa_shader_cache"));
        QCOMPARE(mesa->category, CleanCategory::caches);
        QCOMPARE(mesa->detail, QStringLiteral("Aplikace si cache vytvoří znovu"));
        QVERIFY(mesa->isSafe);
        // Library/Caches comes before the Linux cache folder.
        QCOMPARE(caches.last().name, QStringLiteral("mesa_shader_cache"));

        const QList<CleanItem> logs = DiskScanner::logs(fake.home());
        QCOMPARE(names(logs), QStringList {"com.apple.CrashReporter"});
        QCOMPARE(logs.first().detail, QStringLiteral("Staré logy a hlášení o pádech"));
        QVERIFY(logs.first().isSafe);
    }

    // A Linux home laid out as the programs lay theirs out: every cache, log and crash dump
    // is found in its category with its safe flag, and none of the live data beside it.
    void theJunkOfALinuxHome()
    {
        FakeHome fake;
        const qint64 size = kAboveMinimum;
        for (const char *live : {".var/app/org.example.Chat/data/messages.db", ".var/app/org.example.Chat/config/x",
                 "snap/editor/common/settings.json", "snap/editor/42/config/x", ".config/Slack/Local Storage/leveldb",
                 ".config/Slack/IndexedDB/db", ".config/Slack/Cookies", ".config/Code/User/settings.json",
                 ".config/Code/logs/20261201/main.log", ".local/share/xorg/notes.txt", "hs_err_pid12.txt",
                 ".mozilla/firefox/abc.default/places.sqlite", ".m2/settings.xml", "Downloads/tool.AppImage"})
            fake.writeFile(live, size);
        for (const char *junk :
            {".var/app/org.example.Chat/cache/fontconfig/x", "snap/editor/common/.cache/thumbs/x",
                "snap/editor/42/.cache/gpu/x", ".config/Slack/Cache/data", ".config/Slack/Code Cache/js",
                ".config/Slack/GPUCache/x", ".config/Slack/Service Worker/CacheStorage/x",
                ".var/app/org.example.Chat/config/Chat/GPUCache/x", ".xsession-errors", ".local/share/xorg/Xorg.0.log",
                ".config/Slack/Crashpad/completed/dump", ".mozilla/firefox/Crash Reports/pending/x", "hs_err_pid12.log",
                ".m2/repository/org/x.jar", ".gradle/wrapper/dists/gradle-8/x", ".cargo/git/checkouts/x",
                ".rustup/downloads/x", ".conda/pkgs/numpy/x", "Downloads/app.flatpak", "Downloads/tool.snap"})
            fake.writeFile(junk, size);

        QHash<QString, std::pair<CleanCategory, bool>> found; // path -> category, safe
        for (const auto &scanner :
            {&DiskScanner::caches, &DiskScanner::logs, &DiskScanner::developer, &DiskScanner::installers}) {
            for (const CleanItem &item : scanner(fake.home()))
                found.insert(item.path, {item.category, item.isSafe});
        }
        const QHash<QString, std::pair<CleanCategory, bool>> expected = {
            {".var/app/org.example.Chat/cache/fontconfig", {CleanCategory::caches, true}},
            {"snap/editor/common/.cache/thumbs", {CleanCategory::caches, true}},
            {"snap/editor/42/.cache/gpu", {CleanCategory::caches, true}},
            {".config/Slack/Cache", {CleanCategory::caches, true}},
            {".config/Slack/Code Cache", {CleanCategory::caches, true}},
            {".config/Slack/GPUCache", {CleanCategory::caches, true}},
            {".config/Slack/Service Worker/CacheStorage", {CleanCategory::caches, true}},
            {".var/app/org.example.Chat/config/Chat/GPUCache", {CleanCategory::caches, true}},
            {".xsession-errors", {CleanCategory::logs, true}},
            {".local/share/xorg/Xorg.0.log", {CleanCategory::logs, true}},
            {".config/Slack/Crashpad/completed", {CleanCategory::logs, true}},
            {".mozilla/firefox/Crash Reports/pending", {CleanCategory::logs, true}},
            {"hs_err_pid12.log", {CleanCategory::logs, false}},
            {".m2/repository", {CleanCategory::developer, false}},
            {".gradle/wrapper/dists", {CleanCategory::developer, true}},
            {".cargo/git/checkouts", {CleanCategory::developer, true}},
            {".rustup/downloads", {CleanCategory::developer, true}},
            {".conda/pkgs", {CleanCategory::developer, false}},
            {"Downloads/app.flatpak", {CleanCategory::installers, false}},
            {"Downloads/tool.snap", {CleanCategory::installers, false}},
        };
        for (auto it = expected.begin(); it != expected.end(); ++it) {
            const QString path = fake.path(it.key().toStdString());
            QVERIFY2(found.contains(path), qPrintable(it.key()));
            QVERIFY2(found.value(path) == it.value(), qPrintable(it.key()));
        }
        QCOMPARE(found.size(), expected.size()); // and nothing live
    }

    void developerFoldersAndToolCaches()
    {
        FakeHome fake;
        fake.writeFile("Library/Developer/Xcode/DerivedData/App-abc/Build", kAboveMinimum);
        fake.writeFile("Library/Developer/Xcode/iOS DeviceSupport/17.0/Symbols", kAboveMinimum);
        fake.writeFile("Library/Developer/CoreSimulator/Caches/dyld", kAboveMinimum);
        fake.writeFile(".npm/_cacache/index", kAboveMinimum);
        fake.writeFile(".cargo/registry/cache/crate", kAboveMinimum);
        fake.writeFile("go/pkg/mod/cache/download/mod", kAboveMinimum);
        fake.writeFile(".yarn/berry/cache/pkg.zip", kBelowMinimum); // too small
        // .gradle/caches is missing altogether.

        const QList<CleanItem> items = DiskScanner::developer(fake.home());
        QCOMPARE(names(items),
            (QStringList {"App-abc", "17.0", "Cache simulátorů", "Cache npm", "Cache Cargo", "Cache Go modulů"}));
        QCOMPARE(items[0].detail, QStringLiteral("Xcode DerivedData – sestaví se znovu"));
        QVERIFY(items[0].isSafe);
        QCOMPARE(items[1].detail, QStringLiteral("Podpora zařízení – stáhne se při dalším připojení"));
        QVERIFY(!items[1].isSafe);
        for (qsizetype i = 2; i < items.size(); ++i) {
            QCOMPARE(items[i].detail, QStringLiteral("Stáhne se znovu podle potřeby"));
            QVERIFY(items[i].isSafe);
        }
        QCOMPARE(items[4].path, fake.path(".cargo/registry/cache"));
        QCOMPARE(items[4].size, fake.allocated(".cargo/registry/cache"));
    }

    void installersAndLargeFilesShareNothing()
    {
        FakeHome fake;
        fake.writeFile("Downloads/Setup.DMG", kAboveMinimum);
        fake.writeFile("Downloads/tool.deb", kAboveMinimum);
        fake.writeFile("Downloads/archive.zip", kAboveMinimum);
        fake.writeFile("Downloads/small.pkg", kBelowMinimum);
        fake.writeFile("Downloads/inner/deep.iso", kAboveMinimum); // only direct children are installers

        const QList<CleanItem> installers = DiskScanner::installers(fake.home());
        QCOMPARE(names(installers, true), (QStringList {"Setup.DMG", "tool.deb"}));
        QCOMPARE(installers.first().detail, QStringLiteral("~/Downloads"));
        QVERIFY(!installers.first().isSafe);

        const QList<CleanItem> large = DiskScanner::largeFiles(fake.home(), 1);
        QCOMPARE(names(large, true), QStringList {"archive.zip"});
    }

    void largeFilesFollowTheRules()
    {
        FakeHome fake;
        fake.writeFile("Documents/Projects/video.mov", 300'000);
        fake.writeFile("Documents/top.bin", 300'000);
        fake.writeFile("Documents/small.txt", 1000);
        fake.writeFile("Documents/Final.app/Contents/big", 300'000);
        fake.writeFile("Documents/.secret/big", 300'000);
        fake.writeFile("Movies/film.mkv", 300'000);
        fake.writeFile("Pictures/photo.raw", 300'000); // not a large-file folder
        fake.writeFile("Desktop/empty", 0);

        const qint64 threshold = fake.allocated("Documents/top.bin");
        const QList<CleanItem> large = DiskScanner::largeFiles(fake.home(), threshold);
        QCOMPARE(names(large, true), (QStringList {"film.mkv", "top.bin", "video.mov"}));
        QCOMPARE(find(large, QStringLiteral("video.mov"))->detail, QStringLiteral("~/Documents/Projects"));
        QCOMPARE(find(large, QStringLiteral("top.bin"))->detail, QStringLiteral("~/Documents"));
        QCOMPARE(find(large, QStringLiteral("top.bin"))->size, threshold);
        QCOMPARE(find(large, QStringLiteral("top.bin"))->category, CleanCategory::largeFiles);

        // A threshold of 0 reports every regular file of the four folders, empty ones too.
        QCOMPARE(names(DiskScanner::largeFiles(fake.home(), 0), true),
            (QStringList {"empty", "film.mkv", "small.txt", "top.bin", "video.mov"}));
        QCOMPARE(DiskScanner::largeFiles(fake.home(), threshold + 1).size(), 0);
    }

    // The document folders come from user-dirs.dirs when it names places inside home.
    void userDirectoriesAreHonoured()
    {
        FakeHome fake;
        fake.writeBytes(".config/user-dirs.dirs",
            "# written by xdg-user-dirs-update\n"
            "XDG_DOWNLOAD_DIR=\"$HOME/Stažené\"\n"
            "XDG_DOCUMENTS_DIR=\"$HOME/Dokumenty\"\n"
            "XDG_DESKTOP_DIR=\"$HOME/\"\n"
            "XDG_VIDEOS_DIR=\"/etc\"\n"
            "XDG_MUSIC_DIR=\"$HOME/../elsewhere\"\n");
        fake.writeFile("Stažené/linux.iso", kAboveMinimum);
        fake.writeFile("Downloads/ignored.iso", kAboveMinimum);
        fake.writeFile("Dokumenty/report.pdf", 300'000);
        fake.writeFile("Documents/ignored.pdf", 300'000);
        fake.writeFile("Desktop/desk.bin", 300'000);  // home itself is refused: back to Desktop
        fake.writeFile("loose-in-home.bin", 300'000); // so home is never walked whole
        fake.writeFile("Videos/film.mkv", 300'000);   // a folder outside home is refused too

        const QList<CleanItem> installers = DiskScanner::installers(fake.home());
        QCOMPARE(names(installers), QStringList {"linux.iso"});
        QCOMPARE(installers.first().detail, QStringLiteral("~/Stažené"));
        QCOMPARE(
            names(DiskScanner::largeFiles(fake.home(), 1), true), (QStringList {"desk.bin", "film.mkv", "report.pdf"}));
    }

    // The walk runs on two threads, yet the list comes in the order of one depth-first
    // walk: folder by folder, each subtree whole, the same every time.
    void largeFilesComeInDepthFirstOrder()
    {
        FakeHome fake;
        for (const char *folder : {"Downloads", "Desktop", "Documents", "Movies"}) {
            for (int unit = 0; unit < 6; ++unit) {
                for (int file = 0; file < 3; ++file)
                    fake.writeFile(
                        std::string(folder) + "/u" + std::to_string(unit) + "/deep/f" + std::to_string(file), 20'000);
            }
        }
        const QList<CleanItem> first = DiskScanner::largeFiles(fake.home(), 1);
        QCOMPARE(first.size(), 4 * 6 * 3);
        QStringList subtrees; // "Folder/uN" in the order met
        for (const CleanItem &item : first) {
            const QString subtree = item.path.mid(fake.home().size() + 1).section(u'/', 0, 1);
            if (subtrees.isEmpty() || subtrees.last() != subtree) {
                QVERIFY2(!subtrees.contains(subtree), qPrintable(subtree + " split"));
                subtrees.append(subtree);
            }
        }
        QStringList folders;
        for (const QString &subtree : subtrees) {
            if (!folders.contains(subtree.section(u'/', 0, 0)))
                folders.append(subtree.section(u'/', 0, 0));
        }
        QCOMPARE(folders, (QStringList {"Downloads", "Desktop", "Documents", "Movies"}));
        for (int run = 0; run < 5; ++run)
            QCOMPARE(DiskScanner::largeFiles(fake.home(), 1), first);
    }

    // Without user-dirs.dirs the desktop's default names hold; a Mac-style Movies is looked
    // at too, and a Movies that is a link to Videos adds nothing.
    void videosAndMovies()
    {
        FakeHome fake;
        fake.writeFile("Videos/holiday.mkv", 300'000);
        fake.writeFile("Movies/old.mov", 300'000);
        QCOMPARE(names(DiskScanner::largeFiles(fake.home(), 1), true), (QStringList {"holiday.mkv", "old.mov"}));

        std::filesystem::remove_all(fake.bytes("Movies"));
        fake.symlink("Videos", "Movies");
        QCOMPARE(names(DiskScanner::largeFiles(fake.home(), 1)), QStringList {"holiday.mkv"});
    }

    // Folders that overlap through user-dirs.dirs are walked once.
    void overlappingDocumentFoldersCountOnce()
    {
        FakeHome fake;
        fake.writeBytes(".config/user-dirs.dirs",
            "XDG_DESKTOP_DIR=\"$HOME/Documents/Desktop\"\n"
            "XDG_DOWNLOAD_DIR=\"$HOME/Documents\"\n");
        fake.writeFile("Documents/Desktop/a.bin", 300'000);
        fake.writeFile("Documents/b.bin", 300'000);
        QCOMPARE(names(DiskScanner::largeFiles(fake.home(), 1), true), (QStringList {"a.bin", "b.bin"}));
    }
};

QTEST_GUILESS_MAIN(TestLocationScanners)
#include "tst_locationscanners.moc"
