#include "FakeCatalogue.h"
#include "FakeHome.h"
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
