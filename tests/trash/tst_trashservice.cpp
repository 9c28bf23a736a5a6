#include "FakeHome.h"
#include "FakeTrashServices.h"
#include "platform/FinderScripts.h"
#include "trash/TrashService.h"

#include <QtTest>

using namespace pelmo;
using pelmo::test::FakeBridge;
using pelmo::test::FakeHome;
using pelmo::test::FakeTrashCan;

namespace {

CleanItem item(const QString &path, qint64 size)
{
    return {path, path.section(u'/', -1), size, CleanCategory::caches, QString(), true, {1, quint64(size)}};
}

} // namespace

class TestTrashService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void moveScriptEscapesBackslashesThenQuotes()
    {
        const QString script = FinderScripts::moveScript(QStringLiteral("/h/a \"b\" c\\d"));
        QVERIFY2(
            script.contains(QStringLiteral("(POSIX file \"/h/a \\\"b\\\" c\\\\d\" as alias)")), qPrintable(script));
        QCOMPARE(FinderScripts::escape(QStringLiteral("\\\"")), QStringLiteral("\\\\\\\""));
    }

    // Per item: the desktop's move, else the file-manager route, but only for a failure it
    // might get past and only when the item then lies in a Trash that knows its origin.
    void batchRules()
    {
        FakeHome fake;
        const auto p = [&](const char *name) { return fake.path(name); };
        FakeTrashCan can;
        FakeBridge bridge;
        const QList<CleanItem> items
            = {item(p("ok"), 10), item(p("finder-found"), 20), item(p("finder-lost"), 30), item(p("finder-fails"), 40),
                item(p("finder-denied"), 50), item(p("disk-full"), 60), item(p("changed"), 70), item(p("refused"), 80)};
        for (const QString &path : {p("finder-found"), p("finder-lost"), p("finder-fails"), p("finder-denied")})
            can.answers.insert(path, {std::nullopt, MoveFailure::other, {}});
        can.answers.insert(p("disk-full"), {std::nullopt, MoveFailure::noSpace, {}});
        can.answers.insert(p("changed"), {std::nullopt, MoveFailure::changed, {}});
        can.answers.insert(p("refused"), {std::nullopt, MoveFailure::trashRefused, {}});
        can.foundInTrash.insert(p("finder-found"), "/trash/files/finder-found");
        for (const QString &path : {p("finder-found"), p("finder-lost"), p("disk-full"), p("changed"), p("refused")})
            bridge.byScript.insert(FinderScripts::moveScript(path), {QString(), {}});
        bridge.byScript.insert(FinderScripts::moveScript(p("finder-denied")), {std::nullopt, -1743});

        QStringList recorded;
        TrashService::BatchControl control {Confinement(fake.home()), {}, {}};
        control.record = [&](const HistoryEntry &e, std::shared_ptr<void>) {
            recorded.append(e.originalPath);
            return true;
        };
        const QDateTime when(QDate(2026, 5, 1), QTime(10, 0), Qt::UTC);
        const TrashResult result = TrashService::trash(items, can, bridge, control, [&] { return when; });
        // No file-manager route for a full disk, a changed item or a refused Trash.
        QCOMPARE(bridge.scripts.size(), 4);
        QCOMPARE(result.cleaned, (QSet<QString> {p("ok"), p("finder-found")}));
        QCOMPARE(result.freed, 30);
        QCOMPARE(result.failed, 6);
        QCOMPARE(result.changed, 1);
        QVERIFY(result.finderDenied);
        QVERIFY(!result.historyUnsaved);
        QCOMPARE(result.entries.size(), 2);
        QCOMPARE(recorded, (QStringList {p("ok"), p("finder-found")}));
        QCOMPARE(result.entries[0].trashPath, QStringLiteral("/trash/files/ok"));
        QCOMPARE(result.entries[1].trashPath, QStringLiteral("/trash/files/finder-found"));
        QCOMPARE(result.entries[0].date, when);
        QVERIFY(result.entries[0].id != result.entries[1].id);
    }

    // A batch stops between items when asked, and as soon as the history cannot hold a move:
    // no item moves that could only be put back by hand.
    void aBatchStopsWhenAskedOrWhenTheHistoryFails()
    {
        FakeHome fake;
        const auto p = [&](const char *name) { return fake.path(name); };
        FakeTrashCan can;
        FakeBridge bridge;
        int asked = 0;
        TrashService::BatchControl control {Confinement(fake.home()), {}, {}};
        control.stopRequested = [&] { return ++asked > 2; };
        TrashResult result
            = TrashService::trash({item(p("a"), 1), item(p("b"), 2), item(p("c"), 3)}, can, bridge, control);
        QCOMPARE(can.moved, (QStringList {p("a"), p("b")}));
        QVERIFY(result.stopped);
        QVERIFY(!result.historyUnsaved);

        can.moved.clear();
        int stored = 0;
        control.stopRequested = {};
        control.record = [&](const HistoryEntry &, std::shared_ptr<void>) { return ++stored < 2; };
        result = TrashService::trash(
            {item(p("a"), 1), item(p("b"), 2), item(p("c"), 3), item(p("d"), 4)}, can, bridge, control);
        QCOMPARE(can.moved, (QStringList {p("a"), p("b")}));
        QVERIFY(result.stopped);
        QVERIFY(result.historyUnsaved);
        QCOMPARE(result.failed, 2);
        const QString message = TrashService::batchMessage(result);
        QVERIFY(message.contains(QStringLiteral("historii se nepodařilo uložit")));
        QVERIFY(message.endsWith(QStringLiteral("Nepodařilo se přesunout: 2.")));
    }

    void restoreOnlyFromDirectlyInsideTheHomeTrash_data()
    {
        QTest::addColumn<QString>("trashPath");
        QTest::addColumn<bool>("asked");
        QTest::newRow("empty trash path") << "" << false;
        QTest::newRow("another disk's trash") << "/trashX/files/a" << false;
        QTest::newRow("nested in the trash") << "/trash/files/dir/a" << false;
        QTest::newRow("the files folder itself") << "/trash/files/" << false;
        QTest::newRow("directly inside") << "/trash/files/a" << true;
    }

    void restoreOnlyFromDirectlyInsideTheHomeTrash()
    {
        QFETCH(QString, trashPath);
        QFETCH(bool, asked);
        FakeTrashCan can;
        const HistoryEntry entry {QUuid::createUuid(), {}, "a", 1, "/h/Documents/a", trashPath, {}};
        QCOMPARE(TrashService::restore(entry, can, "/h") == PutBackOutcome::restored, asked);
        QCOMPARE(can.putBackCalls.size(), asked ? 1 : 0);
    }

    void listingTheTrash()
    {
        FakeHome fake;
        QCOMPARE(TrashService::list({fake.path("no-trash")}), QList<TrashEntry>());
        fake.writeFile("a-file", 1);
        QCOMPARE(TrashService::list({fake.path("a-file")}), std::nullopt);
        fake.writeFile("t/.hidden", 10);
        QCOMPARE(TrashService::list({fake.path("t")}), QList<TrashEntry>());
        fake.writeFile("t/small", 10);
        fake.writeFile("t/folder/big", 50'000);
        fake.writeFile("other-disk/middle", 20'000);
        // Every Trash folder, merged by size; an unreadable second one costs only its items.
        const auto listed = TrashService::list({fake.path("t"), fake.path("other-disk"), fake.path("a-file")});
        QVERIFY(listed);
        QCOMPARE(listed->size(), 3);
        QCOMPARE(listed->first().name(), QStringLiteral("folder"));
        QCOMPARE(listed->first().size, fake.allocated("t/folder"));
        QCOMPARE(listed->at(1).name(), QStringLiteral("middle"));
    }
};

QTEST_GUILESS_MAIN(TestTrashService)
#include "tst_trashservice.moc"
