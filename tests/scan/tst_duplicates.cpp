#include "FakeHome.h"
#include "Fields.h"
#include "scan/DiskScanner.h"

#include <QtTest>

#include <unistd.h>

using namespace pelmo;
using pelmo::test::FakeHome;
using pelmo::test::relativePaths;

namespace {

constexpr qint64 kMB = 1'000'000;

QByteArray pattern(qint64 size, int seed)
{
    QByteArray data(size, '\0');
    for (qint64 i = 0; i < size; ++i)
        data[i] = static_cast<char>((i * 31 + seed) & 0xFF);
    return data;
}

QDateTime year(int y)
{
    return QDateTime(QDate(y, 6, 1), QTime(12, 0), Qt::UTC);
}

} // namespace

class TestDuplicates : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void minimumSizeIsOneMillionBytes()
    {
        FakeHome fake;
        fake.writeBytes("Documents/a-999999", pattern(kMB - 1, 1));
        fake.writeBytes("Downloads/b-999999", pattern(kMB - 1, 1));
        fake.writeBytes("Documents/a-1000000", pattern(kMB, 2));
        fake.writeBytes("Downloads/b-1000000", pattern(kMB, 2));
        const QList<CleanItem> items = DiskScanner::duplicates(fake.home());
        QCOMPARE(items.size(), 1);
        QVERIFY(items.first().name.endsWith(QStringLiteral("-1000000")));
        QCOMPARE(items.first().size, kMB);
        QCOMPARE(items.first().category, CleanCategory::duplicates);
        QVERIFY(!items.first().isSafe);
    }

    void oldestCopyIsKept()
    {
        FakeHome fake;
        const QByteArray data = pattern(2 * kMB, 7);
        fake.writeBytes("Music/c2022.bin", data);
        fake.writeBytes("Documents/Old/c2020.bin", data);
        fake.writeBytes("Downloads/c2021.bin", data);
        fake.setModified("Music/c2022.bin", year(2022));
        fake.setModified("Documents/Old/c2020.bin", year(2020));
        fake.setModified("Downloads/c2021.bin", year(2021));

        const QList<CleanItem> items = DiskScanner::duplicates(fake.home());
        QCOMPARE(relativePaths(items, fake, true), (QStringList {"Downloads/c2021.bin", "Music/c2022.bin"}));
        for (const CleanItem &item : items) {
            const QString folder
                = item.name == QStringLiteral("c2021.bin") ? QStringLiteral("~/Downloads") : QStringLiteral("~/Music");
            QCOMPARE(item.detail, QStringLiteral("Kopie souboru „c2020.bin“ · ") + folder);
        }
    }

    // Only content decides, and only visible files of the six folders count.
    void contentDecidesNotSizeOrHead()
    {
        FakeHome fake;
        QByteArray first = pattern(3 * kMB, 3);
        QByteArray second = first;
        second[2 * kMB] = '!'; // same size, same first 64 KiB, different later
        fake.writeBytes("Documents/one.bin", first);
        fake.writeBytes("Documents/two.bin", second);
        QByteArray third = first;
        third[10] = '!'; // differs inside the head
        fake.writeBytes("Documents/three.bin", third);
        const QByteArray data = pattern(kMB + 5, 9);
        fake.writeBytes("Documents/.hidden/x.bin", data);
        fake.writeBytes("Documents/Tool.app/Contents/x.bin", data);
        fake.writeBytes("Projects/x.bin", data);
        fake.writeBytes("Desktop/x.bin", data);
        QVERIFY(DiskScanner::duplicates(fake.home()).isEmpty());

        fake.writeBytes("Pictures/one-again.bin", first);
        QCOMPARE(DiskScanner::duplicates(fake.home()).size(), 1);
    }

    // Hard links are two names of one file: one of them is offered, with its length.
    void hardLinksAndLogicalLength()
    {
        FakeHome fake;
        fake.writeBytes("Downloads/original.bin", pattern(kMB + 1, 4));
        fake.makeFolder("Desktop");
        QCOMPARE(::link(fake.bytes("Downloads/original.bin").c_str(), fake.bytes("Desktop/link.bin").c_str()), 0);
        const QList<CleanItem> items = DiskScanner::duplicates(fake.home());
        QCOMPARE(items.size(), 1);
        QCOMPARE(items.first().size, kMB + 1);
        QVERIFY(items.first().size != fake.allocated("Desktop/link.bin"));
    }

    // A document folder reached under a second name (a link to another one or into one,
    // a setting naming it twice) is walked once: no file is offered as a copy of itself
    // or listed twice as a large file. Home itself is never walked as a document folder.
    void foldersReachedTwiceAreWalkedOnce_data()
    {
        QTest::addColumn<QStringList>("links"); // "link=target", relative to home
        QTest::addColumn<QByteArray>("userDirs");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("large");
        QTest::newRow("Desktop links to Documents") << QStringList {"Desktop=Documents"} << QByteArray()
                                                    << QStringList {"Documents/a.bin"} << QStringList {"Desktop/a.bin"};
        QTest::newRow("Pictures links into Documents")
            << QStringList {"Pictures=Documents/Pics"} << QByteArray() << QStringList {"Documents/Pics/p.bin"}
            << QStringList {"Documents/Pics/p.bin"};
        QTest::newRow("Downloads links into Music")
            << QStringList {"Downloads=Music/dl"} << QByteArray() << QStringList {"Music/dl/d.bin", "Music/m.bin"}
            << QStringList {"Downloads/d.bin"};
        QTest::newRow("a link to a link") << QStringList {"Desktop=Documents", "Pictures=Desktop"} << QByteArray()
                                          << QStringList {"Documents/a.bin"} << QStringList {"Desktop/a.bin"};
        QTest::newRow("settings name Documents twice")
            << QStringList {} << QByteArray("XDG_DESKTOP_DIR=\"$HOME/Documents\"\n") << QStringList {"Documents/a.bin"}
            << QStringList {"Documents/a.bin"};
        QTest::newRow("Videos links into a hidden folder")
            << QStringList {"Videos=Documents/.clips"} << QByteArray() << QStringList {"Documents/.clips/c.bin"}
            << QStringList {"Videos/c.bin"};
        QTest::newRow("Desktop links to home")
            << QStringList {"Desktop=."} << QByteArray() << QStringList {"loose.bin", "Documents/a.bin"}
            << QStringList {"Documents/a.bin"};
    }

    void foldersReachedTwiceAreWalkedOnce()
    {
        QFETCH(QStringList, links);
        QFETCH(QByteArray, userDirs);
        QFETCH(QStringList, files);
        QFETCH(QStringList, large);
        FakeHome fake;
        for (qsizetype i = 0; i < files.size(); ++i)
            fake.writeBytes(files[i].toStdString(), pattern(kMB + 1, static_cast<int>(i)));
        for (const QString &link : links)
            fake.symlink(link.section(u'=', 1).toStdString(), link.section(u'=', 0, 0).toStdString());
        if (!userDirs.isEmpty())
            fake.writeBytes(".config/user-dirs.dirs", userDirs);

        QCOMPARE(relativePaths(DiskScanner::largeFiles(fake.home(), 1), fake, true), large);
        QCOMPARE(relativePaths(DiskScanner::duplicates(fake.home()), fake, true), QStringList());
    }

    // Through a linked folder, a real copy and a hard link are still offered, each once.
    void copiesBehindALinkedFolder()
    {
        FakeHome fake;
        const QByteArray data = pattern(2 * kMB, 6);
        fake.writeBytes("Downloads/original.bin", data);
        fake.writeBytes("Documents/copy.bin", data);
        QCOMPARE(::link(fake.bytes("Documents/copy.bin").c_str(), fake.bytes("Documents/second name.bin").c_str()), 0);
        fake.setModified("Downloads/original.bin", year(2020));
        fake.setModified("Documents/copy.bin", year(2021));
        fake.symlink("Documents", "Desktop");
        fake.symlink("Documents", "Pictures");

        const QList<CleanItem> items = DiskScanner::duplicates(fake.home());
        QCOMPARE(relativePaths(items, fake, true), (QStringList {"Desktop/copy.bin", "Desktop/second name.bin"}));
        for (const CleanItem &item : items)
            QCOMPARE(item.detail, QStringLiteral("Kopie souboru „original.bin“ · ~/Desktop"));
    }

    // With equal dates the copy met first in the walk stays, however the two walking
    // threads happen to share the folders.
    void equalDatesKeepTheFirstInWalkOrder()
    {
        FakeHome fake;
        const QByteArray data = pattern(kMB, 5);
        // The first copy lies deep in a slow subtree, so the other thread meets the later
        // copies first.
        for (int i = 0; i < 300; ++i)
            fake.writeFile("Downloads/sub/a/pad" + std::to_string(i), 10);
        const char *copies[] = {"Music/z.bin", "Pictures/y.bin", "Downloads/sub/a/w.bin", "Movies/v.bin"};
        for (const char *copy : copies) {
            fake.writeBytes(copy, data);
            fake.setModified(copy, year(2020));
        }
        for (int run = 0; run < 5; ++run) {
            const QList<CleanItem> items = DiskScanner::duplicates(fake.home());
            QCOMPARE(items.size(), 3);
            for (const CleanItem &item : items)
                QVERIFY(item.detail.startsWith(QStringLiteral("Kopie souboru „w.bin“")));
            QCOMPARE(items.last().name, QStringLiteral("z.bin")); // Movies, Pictures, Music
        }
    }

    // Equal dates keep the walk order; groups of several sizes are all found.
    void severalGroups()
    {
        FakeHome fake;
        for (int group = 0; group < 3; ++group) {
            const QByteArray data = pattern(kMB + group * 1000, group);
            for (int copy = 0; copy < 3; ++copy) {
                const std::string name = "Documents/g" + std::to_string(group) + "-" + std::to_string(copy);
                fake.writeBytes(name, data);
                fake.setModified(name, year(2021));
            }
        }
        const QList<CleanItem> items = DiskScanner::duplicates(fake.home());
        QCOMPARE(items.size(), 6);
        for (const CleanItem &item : items) {
            const QString kept = item.detail.section(QStringLiteral("„"), 1).section(QStringLiteral("“"), 0, 0);
            QCOMPARE(kept.left(3), item.name.left(3));
            QVERIFY(kept != item.name);
        }
    }
};

QTEST_GUILESS_MAIN(TestDuplicates)
#include "tst_duplicates.moc"
