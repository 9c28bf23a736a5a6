#include "FakeHome.h"
#include "app/SingleInstance.h"

#include <QDBusConnection>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

using namespace pelmo;
using pelmo::test::FakeHome;

// Runs on a private session bus of its own (dbus-run-session).
class TestSingleInstance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A second Pelmo window asks the running one to show itself and ends at once.
    void aSecondWindowRaisesTheFirst()
    {
        if (!QDBusConnection::sessionBus().isConnected())
            QSKIP("no session bus");
        FakeHome fake;
        SingleInstance first;
        QVERIFY(first.claim());
        QSignalSpy activated(&first, &SingleInstance::activated);

        QProcess second;
        second.setStandardInputFile(QProcess::nullDevice());
        second.start(QStringLiteral(PELMO_EXECUTABLE), {});
        QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, 20'000);
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(activated.size(), 1);
        // It showed nothing and touched nothing of its own.
        QVERIFY(!QFile::exists(fake.settingsFile()));
    }

    // Once the first has gone, the name is free for the next.
    void theNameIsReleased()
    {
        if (!QDBusConnection::sessionBus().isConnected())
            QSKIP("no session bus");
        {
            SingleInstance first;
            QVERIFY(first.claim());
        }
        SingleInstance next;
        QVERIFY(next.claim());
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
