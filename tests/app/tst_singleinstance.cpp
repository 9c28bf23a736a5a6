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
    void initTestCase()
    {
        if (!QDBusConnection::sessionBus().isConnected())
            QSKIP("no session bus");
    }

    // A second Pelmo window asks the running one to show itself and ends at once.
    void aSecondWindowRaisesTheFirst()
    {
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

    // A start at login for the reminder never shows a window: beside a running Pelmo, or
    // with the reminder switched off since, it ends at once.
    void aBackgroundStartStaysQuiet_data()
    {
        QTest::addColumn<bool>("reminder");
        QTest::addColumn<bool>("running");
        QTest::newRow("beside a running Pelmo") << true << true;
        QTest::newRow("reminder off") << false << false;
    }

    void aBackgroundStartStaysQuiet()
    {
        QFETCH(bool, reminder);
        QFETCH(bool, running);
        FakeHome fake;
        fake.writeBytes(".config/Pelmo/Pelmo.conf", reminder ? "[General]\nreminderEnabled=true\n" : "");
        SingleInstance first;
        if (running)
            QVERIFY(first.claim());
        QSignalSpy activated(&first, &SingleInstance::activated);
        QProcess background;
        background.setStandardInputFile(QProcess::nullDevice());
        background.start(QStringLiteral(PELMO_EXECUTABLE), {"--background"});
        QTRY_COMPARE_WITH_TIMEOUT(background.state(), QProcess::NotRunning, 20'000);
        QCOMPARE(background.exitStatus(), QProcess::NormalExit);
        QCOMPARE(background.exitCode(), 0);
        QTest::qWait(100);
        QCOMPARE(activated.size(), 0);
    }

    // Once the first has gone, the name is free for the next.
    void theNameIsReleased()
    {
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
