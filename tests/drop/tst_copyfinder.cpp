#include "FakeHome.h"
#include "Fields.h"
#include "drop/CopyFinder.h"

#include <QtTest>

#include <unistd.h>

using namespace pelmo;
using pelmo::test::FakeHome;
using pelmo::test::relativePaths;

class TestCopyFinder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findsOnlyIdenticalFilesInTheDocumentFolders()
    {
        FakeHome fake;
        const QByteArray content("the same seven words, byte for byte");
        fake.writeBytes("Downloads/report.pdf", content);
        fake.writeBytes("Documents/report copy.pdf", content);
        fake.writeBytes("Music/deep/er/again.pdf", content);
        QByteArray sameLength = content;
        sameLength[3] = '!';
        fake.writeBytes("Documents/impostor.pdf", sameLength);
        fake.writeBytes("Documents/longer.pdf", content + 'x');
        fake.writeBytes("Documents/.hidden/copy.pdf", content);
        fake.writeBytes("Documents/Thing.app/copy.pdf", content);
        fake.writeBytes("Library/copy.pdf", content);
        fake.writeBytes(".cache/copy.pdf", content);

        const CopyFinder::Result result = CopyFinder::copies(fake.path("Downloads/report.pdf"), fake.home());
        QCOMPARE(result.size, fake.allocated("Downloads/report.pdf"));
        // Folder order first (Documents before Music), the dropped file itself never.
        QCOMPARE(relativePaths(result.copies, fake),
            QStringList({QStringLiteral("Documents/report copy.pdf"), QStringLiteral("Music/deep/er/again.pdf")}));
        const CleanItem &first = result.copies.first();
        QCOMPARE(first.name, QStringLiteral("report copy.pdf"));
        QCOMPARE(first.detail, QStringLiteral("~/Documents"));
        QCOMPARE(first.category, CleanCategory::duplicates);
        QVERIFY(!first.isSafe);
        QVERIFY(first.size > 0);
    }

    void aFileFromOutsideHomeFindsItsCopies()
    {
        FakeHome fake;
        QTemporaryDir elsewhere;
        const QByteArray content(5000, 'q');
        QFile outside(elsewhere.filePath(QStringLiteral("x.bin")));
        QVERIFY(outside.open(QIODevice::WriteOnly));
        outside.write(content);
        outside.close();
        fake.writeBytes("Pictures/x.bin", content);
        const CopyFinder::Result result = CopyFinder::copies(outside.fileName(), fake.home());
        QCOMPARE(relativePaths(result.copies, fake), QStringList(QStringLiteral("Pictures/x.bin")));
    }

    // Moving "a copy" that is the dropped file under another name would take the original.
    void theDroppedFileIsNeverItsOwnCopy()
    {
        FakeHome fake;
        fake.writeFile("Documents/one.txt", 300);
        fake.makeFolder("Desktop");
        QCOMPARE(::link(fake.bytes("Documents/one.txt").c_str(), fake.bytes("Desktop/hardlink.txt").c_str()), 0);
        fake.writeFile("Music/real copy.txt", 300);
        const QString roundabout = fake.home() + QStringLiteral("/Documents/../Documents/./one.txt");
        const CopyFinder::Result result = CopyFinder::copies(roundabout, fake.home());
        QCOMPARE(relativePaths(result.copies, fake), QStringList(QStringLiteral("Music/real copy.txt")));
    }

    void foldersLinksAndEmptyFilesHaveNoCopies()
    {
        FakeHome fake;
        fake.writeFile("Documents/folder/a", 4096);
        fake.writeFile("Documents/folder/b", 8192);
        fake.writeFile("Downloads/a", 4096);
        fake.writeFile("Documents/empty", 0);
        fake.writeFile("Downloads/empty too", 0);
        fake.symlink("a", "Downloads/link to a");

        const CopyFinder::Result folder = CopyFinder::copies(fake.path("Documents/folder"), fake.home());
        QCOMPARE(folder.size, fake.allocated("Documents/folder"));
        QVERIFY(folder.copies.isEmpty());
        QVERIFY(CopyFinder::copies(fake.path("Documents/empty"), fake.home()).copies.isEmpty());
        QVERIFY(CopyFinder::copies(fake.path("Downloads/link to a"), fake.home()).copies.isEmpty());
        const CopyFinder::Result missing = CopyFinder::copies(fake.path("Downloads/gone"), fake.home());
        QCOMPARE(missing.size, 0);
        QVERIFY(missing.copies.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCopyFinder)
#include "tst_copyfinder.moc"
