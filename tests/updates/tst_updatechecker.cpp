#include "FakeHome.h"
#include "FakeServices.h"
#include "core/Localization.h"
#include "updates/UpdateChecker.h"
#include "updates/ui/AboutViewModel.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

using namespace pelmo;
using namespace pelmo::test;
using namespace std::chrono_literals;

namespace {

// An HTTP endpoint on the loopback that answers every request with the response set last
// and keeps the requests' header blocks.
class Endpoint : public QObject
{
public:
    explicit Endpoint(const QByteArray &firstBody)
        : body(firstBody)
    {
        QVERIFY(m_server.listen(QHostAddress::LocalHost));
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    m_pending[socket] += socket->readAll();
                    if (!m_pending[socket].contains("\r\n\r\n"))
                        return;
                    requests.append(m_pending.take(socket));
                    socket->write("HTTP/1.1 " + status + "\r\nContent-Type: application/json\r\nContent-Length: "
                        + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
                    socket->disconnectFromHost();
                });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }

    [[nodiscard]] QUrl url() const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/pelmo.json").arg(m_server.serverPort()));
    }

    void answer(const QByteArray &newStatus, const QByteArray &newBody)
    {
        status = newStatus;
        body = newBody;
    }

    QByteArray status = "200 OK";
    QByteArray body;
    QList<QByteArray> requests;

private:
    QTcpServer m_server;
    QHash<QTcpSocket *, QByteArray> m_pending;
};

QByteArray release(const QByteArray &version, const QByteArray &extra = {})
{
    return R"({"version":")" + version + R"(","url":"https://example.org/pelmo")" + extra + "}";
}

// Runs one check to its end.
void checkAndWait(UpdateChecker &checker, bool manual)
{
    checker.check(manual);
    QCOMPARE(checker.status(), UpdateChecker::Status::checking);
    QTRY_VERIFY(checker.status() != UpdateChecker::Status::checking);
}

} // namespace

class TestUpdateChecker : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { Localization::install(QStringLiteral("cs")); }

    void versions_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QByteArray>("offered");
        QTest::addColumn<bool>("newer");
        QTest::newRow("1.4 vs 1.4.0") << "1.4" << QByteArray("1.4.0") << false;
        QTest::newRow("1.9 vs 1.10") << "1.9" << QByteArray("1.10") << true;
        QTest::newRow("older") << "2.0" << QByteArray("1.99.9") << false;
        QTest::newRow("letters count as 0") << "1.2" << QByteArray("1.2.0b") << false;
        QTest::newRow("letters after digits") << "1.2" << QByteArray("1.3b.1") << false;
        QTest::newRow("empty pieces") << "1..2" << QByteArray("1.2.1") << true;
    }

    // What a check finds, and how it asks.
    void versions()
    {
        QFETCH(QString, current);
        QFETCH(QByteArray, offered);
        QFETCH(bool, newer);
        FakeHome home;
        FakeClock clock;
        Endpoint endpoint(release(offered));
        UpdateChecker checker(endpoint.url(), current, clock, [] { return true; });
        checkAndWait(checker, true);
        QCOMPARE(checker.status(), newer ? UpdateChecker::Status::idle : UpdateChecker::Status::upToDate);
        QCOMPARE(checker.available().has_value(), newer);
        QCOMPARE(checker.lastCheck(), std::optional(clock.now()));
        QCOMPARE(endpoint.requests.size(), 1);
        QVERIFY2(endpoint.requests[0].contains("\r\nUser-Agent: Pelmo/" + current.toUtf8() + "\r\n"),
            endpoint.requests[0].constData());
    }

    // Failures leave the release found before and the time of the last good check.
    void failuresKeepTheEarlierRelease_data()
    {
        QTest::addColumn<QByteArray>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("304") << QByteArray("304 Not Modified") << QByteArray();
        QTest::newRow("500") << QByteArray("500 Internal Server Error") << release("3.0");
        QTest::newRow("bad JSON") << QByteArray("200 OK") << QByteArray(R"({"version":"3.0","url":)");
        QTest::newRow("no url") << QByteArray("200 OK") << QByteArray(R"({"version":"3.0"})");
        QTest::newRow("number for text") << QByteArray("200 OK") << QByteArray(R"({"version":3,"url":"x"})");
        QTest::newRow("notes not text") << QByteArray("200 OK") << release("3.0", R"(,"notes_cs":[])");
        QTest::newRow("a list") << QByteArray("200 OK") << QByteArray("[]");
        QTest::newRow("no web page") << QByteArray("200 OK")
                                     << QByteArray("{\"version\":\"3.0\",\"url\":\"file:///etc\"}");
        QTest::newRow("oversized") << QByteArray("200 OK")
                                   << release("3.0", ",\"x\":\"" + QByteArray(2 << 20, 'x') + '"');
    }

    void failuresKeepTheEarlierRelease()
    {
        QFETCH(QByteArray, status);
        QFETCH(QByteArray, body);
        FakeHome home;
        FakeClock clock;
        Endpoint endpoint(release("2.0", R"(,"notes_cs":"Rychlejší","unknown":1)"));
        UpdateChecker checker(endpoint.url(), QStringLiteral("1.0"), clock, [] { return true; });
        checkAndWait(checker, true);
        QCOMPARE(checker.available()->version, QStringLiteral("2.0"));
        const auto firstCheck = checker.lastCheck();

        clock.advance(1h);
        endpoint.answer(status, body);
        checkAndWait(checker, true);
        QCOMPARE(checker.status(), UpdateChecker::Status::failed);
        QCOMPARE(checker.available()->version, QStringLiteral("2.0"));
        QCOMPARE(checker.notes(), QStringLiteral("Rychlejší"));
        QCOMPARE(checker.lastCheck(), firstCheck);
    }

    // The timer looks 20 s after start and every 6 hours, but asks only when the last good
    // check is 20 hours old by the wall clock.
    void twentyHourRule()
    {
        FakeHome home;
        FakeClock clock;
        Endpoint endpoint(release("1.0"));
        const auto checker = [&](Clock &on) {
            return std::make_unique<UpdateChecker>(endpoint.url(), QStringLiteral("1.0"), on, [] { return true; });
        };
        checkAndWait(*checker(clock), true);
        clock.advance(19h - 20s);
        const auto early = checker(clock);
        early->start();
        early->start();
        clock.advance(20s); // 19 hours after the last check: skipped
        QTest::qWait(100);
        QCOMPARE(endpoint.requests.size(), 1);
        QCOMPARE(early->status(), UpdateChecker::Status::idle);

        clock.advance(2h - 20s);
        const auto late = checker(clock);
        late->start();
        clock.advance(20s); // 21 hours after: asks
        QTRY_COMPARE(late->status(), UpdateChecker::Status::upToDate);
        QCOMPARE(endpoint.requests.size(), 2);
        // The early one fires at 25, 31, 37 and 43 hours; only the last is 20 hours after.
        clock.advance(22h - 1s);
        QTest::qWait(100);
        QCOMPARE(endpoint.requests.size(), 2);
        clock.advance(1s);
        QTRY_COMPARE(endpoint.requests.size(), 3);
        QTRY_COMPARE(early->status(), UpdateChecker::Status::upToDate);

        early->setAutoCheck(false);
        clock.advance(48h);
        QTest::qWait(100);
        QCOMPARE(endpoint.requests.size(), 3);

        // A last check in the future (the clock was set back) does not stop the checks.
        early->setAutoCheck(true);
        FakeClock setBack(clock.now().addDays(-30));
        const auto afterReset = checker(setBack);
        afterReset->start();
        setBack.advance(20s);
        QTRY_COMPARE(endpoint.requests.size(), 4);
    }

    // A version is announced once, ever: only by an automatic check, only while Pelmo is in
    // front, and not again after a restart.
    void announcedOncePerVersion()
    {
        FakeHome home;
        FakeClock clock;
        Endpoint endpoint(release("1.10"));
        bool active = false;
        {
            UpdateChecker checker(endpoint.url(), QStringLiteral("1.9"), clock, [&] { return active; });
            QSignalSpy announced(&checker, &UpdateChecker::announcementDue);
            checkAndWait(checker, true); // manual: never announced
            checkAndWait(checker, false);
            QCOMPARE(announced.size(), 0); // waits for the program to be in front
            active = true;
            checker.activated();
            QCOMPARE(announced.size(), 1);
            checker.activated();
            checkAndWait(checker, false);
            QCOMPARE(announced.size(), 1);
        }
        UpdateChecker restarted(endpoint.url(), QStringLiteral("1.9"), clock, [] { return true; });
        QSignalSpy announced(&restarted, &UpdateChecker::announcementDue);
        checkAndWait(restarted, false);
        QCOMPARE(announced.size(), 0);
        endpoint.answer("200 OK", release("1.11"));
        checkAndWait(restarted, false);
        QCOMPARE(announced.size(), 1);
    }

    void notesLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QByteArray>("notes");
        QTest::addColumn<QString>("alert");
        const QByteArray both = R"(,"notes_cs":"Česky","notes_en":"English")";
        QTest::newRow("cs, both") << "cs" << both << "Česky";
        QTest::newRow("en, both") << "en" << both << "English";
        QTest::newRow("en, Czech only") << "en" << QByteArray(R"(,"notes_cs":"Česky")") << "Česky";
        QTest::newRow("cs, English only")
            << "cs" << QByteArray(R"(,"notes_en":"English","notes_cs":null)") << "English";
        QTest::newRow("en, English empty") << "en" << QByteArray(R"(,"notes_cs":"Česky","notes_en":"")")
                                           << "Download the new version for free from example.org.";
        QTest::newRow("cs, none") << "cs" << QByteArray() << "Novou verzi si stáhneš zdarma z example.org.";
    }

    // The alert's text: the notes in the interface language (whatever the format locale),
    // the other one's, else where to download.
    void notesLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QByteArray, notes);
        QFETCH(QString, alert);
        Localization::install(language);
        QLocale::setDefault(QLocale(QLocale::Czech, QLocale::Czechia)); // a Czech desktop's formats
        FakeHome home;
        FakeClock clock;
        Endpoint endpoint(release("2.0", notes));
        UpdateChecker checker(endpoint.url(), QStringLiteral("1.0"), clock, [] { return true; });
        AboutViewModel about;
        about.setChecker(&checker);
        checkAndWait(checker, true);
        QCOMPARE(about.alertText(), alert);
    }

    // Without an endpoint nothing goes online and a manual check changes nothing.
    void noEndpoint()
    {
        FakeHome home;
        FakeClock clock;
        UpdateChecker checker(QUrl(), QStringLiteral("1.0"), clock, [] { return true; });
        AboutViewModel about;
        about.setChecker(&checker);
        QSignalSpy changed(&about, &AboutViewModel::changed);
        checker.start();
        clock.advance(48h);
        about.check();
        QCOMPARE(about.status(), QStringLiteral("idle"));
        QCOMPARE(changed.size(), 0);
        QVERIFY(!checker.lastCheck());
    }
};

QTEST_GUILESS_MAIN(TestUpdateChecker)
#include "tst_updatechecker.moc"
