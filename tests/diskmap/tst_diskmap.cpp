#include "FakeHome.h"
#include "ProcessRun.h"
#include "Unprivileged.h"
#include "core/FileWalker.h"
#include "core/PathBytes.h"
#include "core/PosixFile.h"
#include "diskmap/DiskMapper.h"
#include "diskmap/FolderTotals.h"
#include "diskmap/TreemapLayout.h"
#include "scan/Confinement.h"

#include <QRandomGenerator>
#include <QtTest>

#include <filesystem>

#include <sys/stat.h>

using namespace pelmo;
using namespace pelmo::test;

Q_DECLARE_METATYPE(pelmo::NodeKind)

namespace {

QList<DiskNode> nodesOfSizes(const QList<qint64> &sizes)
{
    QList<DiskNode> nodes;
    for (qsizetype i = 0; i < sizes.size(); ++i)
        nodes.append({QStringLiteral("/h/n%1").arg(i), sizes[i], false, NodeKind::other});
    return nodes;
}

QList<QRectF> rectsOf(const QList<TreemapTile> &tiles)
{
    QList<QRectF> rects;
    for (const TreemapTile &tile : tiles)
        rects.append(tile.rect);
    return rects;
}

// What du counts besides regular files below `path`, the folder itself included: the
// blocks of folders and links.
qint64 nonRegularBlocks(const std::string &path)
{
    auto blocks = [](const std::filesystem::path &p) {
        struct stat st
        {
        };
        return ::lstat(p.c_str(), &st) == 0 && !S_ISREG(st.st_mode) ? qint64(st.st_blocks) * 512 : 0;
    };
    qint64 total = blocks(path);
    for (const auto &entry : std::filesystem::recursive_directory_iterator(path))
        total += blocks(entry.path());
    return total;
}

qint64 duBytes(const std::string &path)
{
    const ProcessRun du = runProgram(QStringLiteral("/usr/bin/du"),
        {QStringLiteral("-s"), QStringLiteral("-l"), QStringLiteral("-B1"), QString::fromStdString(path)});
    return du.status == 0 ? du.out.split('\t').first().toLongLong() : -1;
}

// A home with what a walk meets: hidden files inside visible folders, a hidden folder, links
// (to a large file and to a folder), a package, an empty file and an empty folder.
void makeVarietyHome(const FakeHome &fake)
{
    fake.writeFile("Projects/src/main.cpp", 40'000);
    fake.writeFile("Projects/.git/objects/pack", 300'000);
    fake.writeFile("Projects/deep/a/b/c/d/e/f.bin", 70'000);
    for (int i = 0; i < 30; ++i)
        fake.writeFile("Projects/many/d" + std::to_string(i) + "/x/y.dat", 5'000 + i * 1'000);
    fake.writeFile("Old.app/Contents/MacOS/Old", 120'000);
    fake.writeFile(".cache/big", 900'000);
    fake.writeFile("Movies/clip.MOV", 250'000);
    fake.writeFile("notes.log", 9'000);
    fake.writeFile("empty.txt", 0);
    fake.makeFolder("Nothing");
    fake.symlink(fake.bytes(".cache/big"), "Projects/link-to-big");
    fake.symlink(fake.bytes("Movies"), "MoviesLink");
}

} // namespace

class TestDiskMap : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layoutWorkedExamples_data()
    {
        QTest::addColumn<QList<qint64>>("sizes");
        QTest::addColumn<QRectF>("rect");
        QTest::addColumn<QList<QRectF>>("expected");
        QTest::newRow("one node covers all")
            << QList<qint64> {5} << QRectF(0, 0, 200, 100) << QList<QRectF> {{0, 0, 200, 100}};
        QTest::newRow("3 and 1: the second would worsen the column")
            << QList<qint64> {3, 1} << QRectF(0, 0, 400, 100) << QList<QRectF> {{0, 0, 300, 100}, {300, 0, 100, 100}};
        // Alone or together the worst ratio is 2: an equal ratio joins, in a left column.
        QTest::newRow("square is wide, a tie joins")
            << QList<qint64> {1, 1} << QRectF(0, 0, 100, 100) << QList<QRectF> {{0, 0, 100, 50}, {0, 50, 100, 50}};
        QTest::newRow("tall rectangle: rows along the top")
            << QList<qint64> {1} << QRectF(10, 20, 50, 300) << QList<QRectF> {{10, 20, 50, 300}};
        QTest::newRow("zero sizes at the end get no tile") << QList<qint64> {3, 1, 0, 0} << QRectF(0, 0, 400, 100)
                                                           << QList<QRectF> {{0, 0, 300, 100}, {300, 0, 100, 100}};
        QTest::newRow("1 x 500 shows nothing") << QList<qint64> {3, 1} << QRectF(0, 0, 1, 500) << QList<QRectF> {};
        QTest::newRow("all sizes zero") << QList<qint64> {0, 0} << QRectF(0, 0, 100, 100) << QList<QRectF> {};
        QTest::newRow("no nodes") << QList<qint64> {} << QRectF(0, 0, 100, 100) << QList<QRectF> {};
    }

    void layoutWorkedExamples()
    {
        QFETCH(QList<qint64>, sizes);
        QFETCH(QRectF, rect);
        QFETCH(QList<QRectF>, expected);
        const QList<TreemapTile> tiles = TreemapLayout::layout(nodesOfSizes(sizes), rect);
        QCOMPARE(rectsOf(tiles), expected);
    }

    // Any input: one tile per node in input order, inside the rectangle, areas proportional
    // to the sizes and adding up to the whole, no two overlapping.
    void layoutInvariants_data()
    {
        QTest::addColumn<QRectF>("rect");
        QTest::addColumn<int>("count");
        QTest::newRow("120 in a wide canvas") << QRectF(0, 0, 900, 560) << 120;
        QTest::newRow("40 in a tall canvas") << QRectF(5, 7, 300, 900) << 40;
        QTest::newRow("1.5 x 500") << QRectF(0, 0, 1.5, 500) << 7;
    }

    void layoutInvariants()
    {
        QFETCH(QRectF, rect);
        QFETCH(int, count);
        QRandomGenerator random(count);
        QList<qint64> sizes;
        for (int i = 0; i < count; ++i)
            sizes.append(1 + random.bounded(1'000'000) * (i < 5 ? 50 : 1));
        std::ranges::sort(sizes, std::greater<>());
        const QList<DiskNode> nodes = nodesOfSizes(sizes);
        const QList<TreemapTile> tiles = TreemapLayout::layout(nodes, rect);
        QCOMPARE(tiles.size(), nodes.size());
        const double whole = rect.width() * rect.height();
        const double total = std::accumulate(sizes.begin(), sizes.end(), 0.0);
        double covered = 0;
        for (qsizetype i = 0; i < tiles.size(); ++i) {
            const QRectF r = tiles[i].rect;
            QCOMPARE(tiles[i].node, nodes[i]);
            QVERIFY(r.left() >= rect.left() - 1e-9 && r.top() >= rect.top() - 1e-9);
            QVERIFY(r.right() <= rect.right() + 1e-9 && r.bottom() <= rect.bottom() + 1e-9);
            QVERIFY(std::abs(r.width() * r.height() - whole * sizes[i] / total) < 1e-6 * whole);
            covered += r.width() * r.height();
            for (qsizetype j = 0; j < i; ++j) {
                const QRectF overlap = r.intersected(tiles[j].rect);
                QVERIFY2(overlap.width() * overlap.height() < 1e-9 * whole, qPrintable(QString::number(i)));
            }
        }
        QVERIFY(std::abs(covered - whole) < 1e-9 * whole);
    }

    void kinds_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("isDirectory");
        QTest::addColumn<NodeKind>("kind");
        QTest::newRow("photo library folder") << "Photos.photoslibrary" << true << NodeKind::image;
        QTest::newRow("application folder") << "Old.app" << true << NodeKind::app;
        QTest::newRow("application file") << "Tool.APP" << false << NodeKind::app;
        QTest::newRow("document package is a folder") << "Report.pages" << true << NodeKind::folder;
        QTest::newRow("folder named like an archive") << "backup.zip" << true << NodeKind::folder;
        QTest::newRow("logic project") << "Song.logicx" << true << NodeKind::audio;
        QTest::newRow("upper-case extension") << "A.JPG" << false << NodeKind::image;
        QTest::newRow("no extension") << "Makefile" << false << NodeKind::other;
        QTest::newRow("log is code") << "notes.log" << false << NodeKind::code;
        QTest::newRow("last extension counts") << "x.tar.gz" << false << NodeKind::archive;
        QTest::newRow("pages file is a document") << "Report.pages" << false << NodeKind::document;
        QTest::newRow("video") << "clip.mkv" << false << NodeKind::video;
        QTest::newRow("trailing dot") << "odd." << false << NodeKind::other;
    }

    void kinds()
    {
        QFETCH(QString, name);
        QFETCH(bool, isDirectory);
        QFETCH(NodeKind, kind);
        QCOMPARE(Kind::of(name.toStdString(), isDirectory), kind);
    }

    void shadesSharesAndTotals()
    {
        // "abc": 97, 3105, 96354 -> low 16 bits 30818, which is 2 modulo 3.
        QCOMPARE((DiskNode {QStringLiteral("/h/abc"), 1, false, NodeKind::other}.variant()), 2);
        QCOMPARE((DiskNode {QStringLiteral("/h/a"), 1, false, NodeKind::other}.variant()), 97 % 3);
        // Shade 2 of audio lifted by 0.1 would pass full brightness: clamped.
        const SrgbColor audio = Kind::color(NodeKind::audio, 2, 0.1);
        QCOMPARE(std::max({audio.red, audio.green, audio.blue}), 1.0);
        const SrgbColor dark = Kind::color(NodeKind::folder, 0, -2);
        QCOMPARE(std::max({dark.red, dark.green, dark.blue}), 0.0);

        const QLocale czech(QLocale::Czech);
        QCOMPARE(percentString(0.034, czech), QStringLiteral("3,4\u00a0%"));
        QCOMPARE(percentString(0.25, czech), QStringLiteral("25\u00a0%"));
        QCOMPARE(percentString(0.05, QLocale(QLocale::English)), QStringLiteral("5.0%"));

        const QList<DiskNode> nodes = {{QStringLiteral("/h/a.png"), 5, false, NodeKind::image},
            {QStringLiteral("/h/b"), 7, true, NodeKind::folder},
            {QStringLiteral("/h/c.jpg"), 4, false, NodeKind::image}};
        QCOMPARE(kindTotals(nodes), (QList<KindTotal> {{NodeKind::image, 9}, {NodeKind::folder, 7}}));
    }

    void protection()
    {
        FakeHome fake;
        // A Czech desktop's download and picture folders, one written with a trailing slash.
        fake.writeBytes(".config/user-dirs.dirs",
            "XDG_DOWNLOAD_DIR=\"$HOME/Sta\xc5\xbe\x65n\xc3\xa9\"\nXDG_PICTURES_DIR=\"$HOME/Obr\xc3\xa1zky/\"\n");
        const QString home = fake.home();
        const Confinement confinement(home);
        for (const QString &relative : {"", "/.", "/Documents", "/Stažené", "/Obrázky", "/Downloads", "/x/../Library"})
            QVERIFY2(DiskMapper::isProtected(home + relative, confinement), qPrintable(relative));
        for (const QString &relative : {"/Documents/Taxes", "/Stažené/film.mkv", "/Projects", "/documents"})
            QVERIFY2(!DiskMapper::isProtected(home + relative, confinement), qPrintable(relative));
        QVERIFY(DiskMapper::isProtected(QStringLiteral("/elsewhere/Projects"), confinement));
    }

    // Each child's size is the allocated bytes of the regular files below it, as an
    // independent walk counts them and as du does less the blocks of folders and links;
    // hidden entries, links and empty ones get no node. Walked by several threads at once.
    void measurementAgreesWithDu()
    {
        FakeHome fake;
        makeVarietyHome(fake);
        DiskMapper::Measure measure;
        measure.threads = 4;
        const QList<DiskNode> nodes = DiskMapper::children(fake.home(), measure);
        QStringList names;
        for (const DiskNode &node : nodes) {
            names.append(node.name());
            const std::string relative = node.name().toStdString();
            QCOMPARE(node.size, fake.allocated(relative));
            if (node.isDirectory)
                QCOMPARE(node.size, duBytes(fake.bytes(relative)) - nonRegularBlocks(fake.bytes(relative)));
        }
        QCOMPARE(names,
            (QStringList {QStringLiteral("Projects"), QStringLiteral("Movies"), QStringLiteral("Old.app"),
                QStringLiteral("notes.log")}));
        QCOMPARE(nodes[2].kind, NodeKind::app);
        QCOMPARE(nodes[1].kind, NodeKind::folder);
        QVERIFY(DiskMapper::children(fake.path("no-such-folder")).isEmpty());
    }

    // An unreadable folder inside a child is skipped without stopping the walk.
    void unreadableFolderIsSkipped()
    {
        FakeHome fake;
        fake.writeFile("Work/open/a.bin", 50'000);
        fake.writeFile("Work/locked/secret.bin", 80'000);
        QCOMPARE(::chmod(fake.bytes("Work/locked").c_str(), 0), 0);
        makeReachable(fake.homeBytes());
        const std::string measured = asUnprivilegedUser([&] {
            const QList<DiskNode> nodes = DiskMapper::children(fake.home());
            return nodes.size() == 1 ? std::to_string(nodes.first().size)
                                     : std::string("nodes: ") + std::to_string(nodes.size());
        });
        ::chmod(fake.bytes("Work/locked").c_str(), 0700);
        QCOMPARE(measured, std::to_string(fake.allocated("Work/open")));
    }

    // After the home was measured, its children's children come from what that walk learnt,
    // equal to a fresh measurement; a folder changed since is walked again, never shown stale.
    void learntTotals()
    {
        FakeHome fake;
        makeVarietyHome(fake);
        FolderTotals totals;
        DiskMapper::Measure measure;
        measure.totals = &totals;
        measure.threads = 3;
        QVERIFY(!DiskMapper::knownChildren(fake.path("Projects"), totals));
        (void)DiskMapper::children(fake.home(), measure);
        QVERIFY(totals.size() > 40);
        QVERIFY(totals.memoryBytes() >= totals.size() * sizeof(FolderTotals::Folder));

        for (const char *folder : {"Projects", "Projects/many", "Projects/deep/a"}) {
            const std::optional<QList<DiskNode>> known = DiskMapper::knownChildren(fake.path(folder), totals);
            QVERIFY2(known, folder);
            QCOMPARE(*known, DiskMapper::children(fake.path(folder)));
        }
        fake.writeFile("Projects/many/d3/new.bin", 40'000);
        QVERIFY(!DiskMapper::knownChildren(fake.path("Projects/many"), totals));
        QVERIFY(DiskMapper::knownChildren(fake.path("Projects/deep"), totals));

        // Bounded: a walk beyond the capacity keeps its shallow folders; a clear empties it
        // and a walk begun before the clear adds nothing.
        FolderTotals small(5);
        measure.totals = &small;
        (void)DiskMapper::children(fake.home(), measure);
        QCOMPARE(small.size(), size_t {5});
        const quint64 before = small.epoch();
        small.clear();
        small.add({FolderTotals::Folder {1, 2, 3, 4, 5}}, before);
        QCOMPARE(small.size(), size_t {0});

        // A stopped measurement answers nothing and teaches nothing.
        const std::atomic<bool> stop = true;
        measure.stop = &stop;
        QVERIFY(DiskMapper::children(fake.home(), measure).isEmpty());
        QCOMPARE(small.size(), size_t {0});
    }

    // Names that are not UTF-8 keep their bytes through the node's path.
    void oddNames()
    {
        FakeHome fake;
        fake.writeFile("odd\xff name/inner\xfe.bin", 30'000);
        fake.writeFile("line\nbreak.txt", 10'000);
        const QList<DiskNode> nodes = DiskMapper::children(fake.home());
        QCOMPARE(nodes.size(), 2);
        QCOMPARE(PathBytes::toBytes(nodes[0].path), fake.bytes("odd\xff name"));
        QCOMPARE(nodes[0].size, fake.allocated("odd\xff name"));
        QCOMPARE(nodes[1].kind, NodeKind::document);
    }

    // A folder handed to a walk by path is walked only while it is the folder that was seen:
    // swapped for a link meanwhile, the walk refuses it rather than measure the link's target.
    void swappedFolderIsNotFollowed()
    {
        FakeHome fake;
        fake.writeFile("A/a.bin", 10'000);
        fake.writeFile("Elsewhere/big.bin", 90'000);
        struct stat seen
        {
        };
        QVERIFY(PosixFile::statNoFollow(fake.bytes("A"), seen));
        QCOMPARE(::rename(fake.bytes("A").c_str(), fake.bytes("A-old").c_str()), 0);
        fake.symlink(fake.bytes("Elsewhere"), "A");
        int visited = 0;
        FileWalker::Options options;
        options.expectedRoot = &seen;
        QVERIFY(!FileWalker::walk(fake.bytes("A"), options, [&](const FileWalker::Entry &) {
            ++visited;
            return FileWalker::Action::Continue;
        }));
        QCOMPARE(visited, 0);
        options.expectedRoot = nullptr;
        QVERIFY(FileWalker::walk(
            fake.bytes("A-old"), options, [](const FileWalker::Entry &) { return FileWalker::Action::Continue; }));
    }
};

QTEST_GUILESS_MAIN(TestDiskMap)
#include "tst_diskmap.moc"
