#include "ScopedEnvironment.h"
#include "core/PathBytes.h"
#include "trash/CleaningHistory.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <ctime>

using namespace pelmo;

namespace {

HistoryEntry entry(int n, const QDateTime &date = QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5, 600), Qt::UTC))
{
    return {QUuid::createUuid(), date, QStringLiteral("item%1").arg(n), 1000 + n, QStringLiteral("/h/item%1").arg(n),
        QStringLiteral("/h/.local/share/Trash/files/item%1").arg(n)};
}

} // namespace

class TestCleaningHistory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void storedFormRoundTrips()
    {
        HistoryEntry odd = entry(1);
        odd.name = PathBytes::fromBytes("caf\xE9 \"quoted\"\nline");
        odd.originalPath = PathBytes::fromBytes("/h/caf\xE9 \"quoted\"\nline");
        odd.trashPath.clear();
        const QList<HistoryEntry> history = {odd, entry(2)};
        const QByteArray stored = CleaningHistory::encode(history);
        QCOMPARE(CleaningHistory::decode(stored), std::optional(history));

        QVERIFY(!stored.contains('\n') && !stored.contains("  "));
        const QJsonObject first = QJsonDocument::fromJson(stored).array().first().toObject();
        QCOMPARE(first.keys(), (QStringList {"date", "id", "name", "originalPath", "size", "trashPath"}));
        QCOMPARE(first["id"].toString(), odd.id.toString(QUuid::WithoutBraces).toUpper());
        // 2026-01-02 03:04:05.6 UTC in seconds since 2001-01-01.
        QCOMPARE(first["date"].toDouble(), 789'015'845.6);
    }

    void unreadableValues_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("readable");
        const QByteArray good = R"({"id":"0F9A3B52-1C6E-4C58-9A57-2E3A9A8B7C6D","date":1.5,"name":"n","size":3,)"
                                R"("originalPath":"/o","trashPath":"/t")";
        QTest::newRow("well formed") << QByteArray("[" + good + "}]") << true;
        QTest::newRow("extra key") << QByteArray("[" + good + R"(,"colour":"red"}])") << true;
        QTest::newRow("empty list") << QByteArray("[]") << true;
        QTest::newRow("missing trashPath") << QByteArray(
            R"([{"id":"0F9A3B52-1C6E-4C58-9A57-2E3A9A8B7C6D","date":1,"name":"n","size":3,"originalPath":"/o"}])")
                                           << false;
        QTest::newRow("size as text") << QByteArray("[" + QByteArray(good).replace("\"size\":3", "\"size\":\"3\"")
            + "}]") << false;
        QTest::newRow("fractional size") << QByteArray("[" + QByteArray(good).replace("\"size\":3", "\"size\":3.5")
            + "}]") << false;
        QTest::newRow("not a UUID") << QByteArray("[" + QByteArray(good).replace("0F9A3B52", "nonsense") + "}]")
                                    << false;
        QTest::newRow("malformed JSON") << QByteArray("[{") << false;
        QTest::newRow("an object, not a list") << QByteArray("{}") << false;
    }

    void unreadableValues()
    {
        QFETCH(QByteArray, stored);
        QFETCH(bool, readable);
        QCOMPARE(CleaningHistory::decode(stored).has_value(), readable);
    }

    void limitKeepsTheNewest()
    {
        QList<HistoryEntry> history;
        for (int i = 0; i < 1000; ++i)
            history.append(entry(i));
        const QList<HistoryEntry> batch = {entry(-1), entry(-2), entry(-3), entry(-4), entry(-5)};
        const QList<HistoryEntry> after = CleaningHistory::withBatch(history, batch);
        QCOMPARE(after.size(), 1000);
        QCOMPARE(after.mid(0, 5), batch);
        QCOMPARE(after.last(), history[994]);

        QList<HistoryEntry> huge;
        for (int i = 0; i < 1200; ++i)
            huge.append(entry(i));
        QCOMPARE(CleaningHistory::withBatch(history, huge), huge.mid(0, 1000));
    }

    void dailySumsInTheLocalCalendar()
    {
        const QDateTime now = QDateTime(QDate(2026, 3, 20), QTime(12, 0));
        const QList<HistoryEntry> history = {entry(1, QDateTime(QDate(2026, 3, 10), QTime(23, 59))),
            entry(2, QDateTime(QDate(2026, 3, 11), QTime(0, 1))), entry(3, QDateTime(QDate(2026, 3, 11), QTime(9, 0))),
            entry(4, QDateTime(QDate(2026, 2, 18), QTime(23, 59))),
            entry(5, QDateTime(QDate(2026, 2, 19), QTime(0, 0))), entry(6, QDateTime(QDate(2026, 3, 22), QTime(8, 0)))};
        const QList<CleaningHistory::DailyFreed> days = CleaningHistory::dailyFreed(history, now);
        const QList<CleaningHistory::DailyFreed> expected = {{QDate(2026, 2, 19), 1005, 29},
            {QDate(2026, 3, 10), 1001, 10}, {QDate(2026, 3, 11), 2005, 9}, {QDate(2026, 3, 22), 1006, -2}};
        QCOMPARE(days, expected);
    }

    // Early and late moves of today are today's, however far the time zone is from UTC.
    void todayInEveryTimeZone_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::newRow("UTC-12") << QByteArray("Etc/GMT+12");
        QTest::newRow("UTC+1") << QByteArray("Europe/Prague");
        QTest::newRow("UTC+14") << QByteArray("Pacific/Kiritimati");
    }

    void todayInEveryTimeZone()
    {
        QFETCH(QByteArray, zone);
        const QDate today(2026, 7, 1);
        QList<CleaningHistory::DailyFreed> days;
        {
            const pelmo::test::ScopedEnvironment timeZone("TZ", zone);
            ::tzset();
            const QList<HistoryEntry> history
                = {entry(1, QDateTime(today, QTime(0, 30)).toUTC()), entry(2, QDateTime(today, QTime(23, 30)).toUTC()),
                    entry(3, QDateTime(today.addDays(-1), QTime(23, 30)).toUTC())};
            days = CleaningHistory::dailyFreed(history, QDateTime(today, QTime(12, 0)).toUTC());
        }
        ::tzset();
        const QList<CleaningHistory::DailyFreed> expected = {{today.addDays(-1), 1003, 1}, {today, 1001 + 1002, 0}};
        QCOMPARE(days, expected);
    }
};

QTEST_GUILESS_MAIN(TestCleaningHistory)
#include "tst_cleaninghistory.moc"
