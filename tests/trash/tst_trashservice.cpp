#include "FakeHome.h"
#include "FakeTrashServices.h"
#include "trash/FinderScripts.h"
#include "trash/TrashService.h"

#include <QtTest>

using namespace pelmo;
using pelmo::test::FakeBridge;
using pelmo::test::FakeHome;
using pelmo::test::FakeTrashCan;

namespace {

CleanItem item(const QString &path, qint64 size)
{
    return {path, path.section(u'/', -1), size, CleanCategory::caches, QString(), true};
}

} // namespace

class TestTrashService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void moveScriptEscapesBackslashesThenQuotes()
    {
        const QString script = FinderScripts::moveScript(QStringLiteral("/h/a \"b\" c\\d"));
        QCOMPARE(script,
            QStringLiteral("tell application \"Finder\"\n"
                           "    set trashed to delete (POSIX file \"/h/a \\\"b\\\" c\\\\d\" as alias)\n"
                           "    try\n"
                           "        return POSIX path of (trashed as alias)\n"
                           "    on error\n"
                           "        return \"\"\n"
                           "    end try\n"
                           "end tell"));
        QCOMPARE(FinderScripts::escape(QStringLiteral("\\\"")), QStringLiteral("\\\\\\\""));
        QVERIFY(!FinderScripts::emptyScript().endsWith(u'\n'));
    }

    // Per item: the desktop's move, else the file-manager route; every outcome counted.
    void batchRules()
    {
        FakeTrashCan can;
        FakeBridge bridge;
        const QList<CleanItem> items = {item("/h/ok", 10), item("/h/unknown-place", 20), item("/h/finder-path", 30),
            item("/h/finder-empty", 40), item("/h/finder-fails", 50), item("/h/finder-denied", 60)};
        can.answers.insert("/h/unknown-place", QString());
        for (const char *path : {"/h/finder-path", "/h/finder-empty", "/h/finder-fails", "/h/finder-denied"})
            can.answers.insert(path, std::nullopt);
        bridge.byScript.insert(FinderScripts::moveScript("/h/finder-path"), {"/trash/files/finder-path", {}});
        bridge.byScript.insert(FinderScripts::moveScript("/h/finder-empty"), {std::nullopt, std::nullopt});
        bridge.byScript.insert(FinderScripts::moveScript("/h/finder-denied"), {std::nullopt, -1743});

        const QDateTime when(QDate(2026, 5, 1), QTime(10, 0), Qt::UTC);
        const TrashResult result = TrashService::trash(items, can, bridge, [&] { return when; });
        QCOMPARE(bridge.scripts.size(), 4);
        QCOMPARE(result.cleaned, (QSet<QString> {"/h/ok", "/h/unknown-place", "/h/finder-path", "/h/finder-empty"}));
        QCOMPARE(result.freed, 100);
        QCOMPARE(result.failed, 2);
        QVERIFY(result.finderDenied);
        QCOMPARE(result.entries.size(), 4);
        QStringList trashPaths;
        for (const HistoryEntry &e : result.entries) {
            trashPaths.append(e.trashPath);
            QCOMPARE(e.date, when);
            QVERIFY(!e.id.isNull());
        }
        QCOMPARE(trashPaths, (QStringList {"/trash/files/ok", "", "/trash/files/finder-path", ""}));
        QCOMPARE(result.entries[2].originalPath, QStringLiteral("/h/finder-path"));
        QVERIFY(result.entries[0].id != result.entries[1].id);
    }

    void messages()
    {
        TrashResult result;
        QCOMPARE(TrashService::batchMessage(result),
            QStringLiteral("Do koše přesunuto 0 B. Místo se uvolní po vysypání koše."));
        result.failed = 3;
        result.freed = 1'500'000;
        QVERIFY(TrashService::batchMessage(result).endsWith(QStringLiteral("koše. Nepodařilo se přesunout: 3.")));
        result.finderDenied = true;
        QVERIFY(TrashService::batchMessage(result).startsWith(QStringLiteral("Pelmo nemá povolené")));
        QCOMPARE(TrashService::emptyMessage(std::nullopt), QStringLiteral("Koš je vysypaný."));
        QCOMPARE(TrashService::emptyMessage(-128), QStringLiteral("Vysypání koše bylo zrušeno."));
        QVERIFY(TrashService::emptyMessage(-1743).startsWith(QStringLiteral("Povol Pelmo")));
        QVERIFY(TrashService::emptyMessage(-1).startsWith(QStringLiteral("Koš se nepodařilo vysypat")));
        QCOMPARE(TrashService::openMessage(std::nullopt), std::nullopt);
        QVERIFY(TrashService::openMessage(-5)->startsWith(QStringLiteral("Koš se nepodařilo otevřít")));
        QCOMPARE(TrashService::restoreMessage(true, "a.txt"), QStringLiteral("Vráceno na původní místo: a.txt"));
    }

    void restoreOnlyFromDirectlyInsideTheHomeTrash_data()
    {
        QTest::addColumn<QString>("trashPath");
        QTest::addColumn<bool>("asked");
        QTest::newRow("empty trash path") << "" << false;
        QTest::newRow("another disk's trash") << "TRASHX/files/a" << false;
        QTest::newRow("nested in the trash") << "TRASH/files/dir/a" << false;
        QTest::newRow("the files folder itself") << "TRASH/files/" << false;
        QTest::newRow("missing from the trash") << "TRASH/files/gone" << false;
        QTest::newRow("present") << "TRASH/files/a" << true;
    }

    void restoreOnlyFromDirectlyInsideTheHomeTrash()
    {
        QFETCH(QString, trashPath);
        QFETCH(bool, asked);
        FakeHome fake;
        fake.writeFile("trash/files/a", 1);
        fake.writeFile("trash/files/dir/a", 1);
        fake.writeFile("trashX/files/a", 1);
        FakeTrashCan can;
        can.filesFolder = fake.path("trash/files");
        trashPath.replace("TRASHX", fake.path("trashX")).replace("TRASH", fake.path("trash"));
        const HistoryEntry entry {QUuid::createUuid(), {}, "a", 1, fake.path("Documents/a"), trashPath};
        QCOMPARE(TrashService::restore(entry, can), asked);
        QCOMPARE(can.putBackCalls.size(), asked ? 1 : 0);

        // A taken original place is refused before anything moves.
        fake.writeFile("Documents/a", 1);
        can.putBackCalls.clear();
        QVERIFY(!TrashService::restore(entry, can));
        QVERIFY(can.putBackCalls.isEmpty());
    }

    void listingTheTrash()
    {
        FakeHome fake;
        QCOMPARE(TrashService::list(fake.path("no-trash")), QList<TrashEntry>());
        fake.writeFile("a-file", 1);
        QCOMPARE(TrashService::list(fake.path("a-file")), std::nullopt);
        fake.writeFile("t/.hidden", 10);
        QCOMPARE(TrashService::list(fake.path("t")), QList<TrashEntry>());
        fake.writeFile("t/small", 10);
        fake.writeFile("t/folder/big", 50'000);
        const auto listed = TrashService::list(fake.path("t"));
        QVERIFY(listed);
        QCOMPARE(listed->size(), 2);
        QCOMPARE(listed->first().name(), QStringLiteral("folder"));
        QCOMPARE(listed->first().size, fake.allocated("t/folder"));
    }
};

QTEST_GUILESS_MAIN(TestTrashService)
#include "tst_trashservice.moc"
