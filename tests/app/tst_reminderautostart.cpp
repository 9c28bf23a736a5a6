#include "StoreFixture.h"
#include "app/ui/AppState.h"
#include "app/ui/SettingsViewModel.h"
#include "platform/linux/AutostartEntry.h"
#include "platform/linux/DesktopEntryFile.h"

#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

using namespace pelmo;
using namespace pelmo::test;

namespace {

QString execOf(const QString &file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    QString exec;
    DesktopEntryFile::forEachKey(in.readAll().toStdString(), [&](auto group, auto key, const std::string &value) {
        if (group == "Desktop Entry" && key == "Exec")
            exec = QString::fromStdString(value);
    });
    return exec;
}

// Whether desktop-file-validate accepts `file` (true when it is not installed), and why not.
bool validated(const QString &file, QByteArray &verdict)
{
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        return true;
    QProcess run;
    run.start(validator, {file});
    run.waitForFinished();
    verdict = run.readAllStandardOutput();
    return run.exitCode() == 0;
}

} // namespace

// The weekly reminder on the desktop: switching it on has Pelmo started at login (the
// autostart entry), switching it off removes the entry; days asleep count.
class TestReminderAutostart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void switchingWritesAndRemovesTheEntry()
    {
        StoreFixture fixture;
        CleanerStore &store = fixture.make();
        AppState state(store, false);
        SettingsViewModel settings;
        settings.setStore(&store);
        const QString entry = AutostartEntry::path();
        QVERIFY(entry.startsWith(fixture.fake.path(".config/autostart/")));

        fixture.fakes.notifier.grant = false; // no notifications: no reminder, no entry
        settings.setReminderEnabled(true);
        QVERIFY(!settings.reminderEnabled());
        QVERIFY(!QFile::exists(entry));

        fixture.fakes.notifier.grant = true;
        settings.setReminderEnabled(true);
        QVERIFY(settings.reminderEnabled());
        QCOMPARE(execOf(entry), u'"' + QCoreApplication::applicationFilePath() + QStringLiteral("\" --background"));
        QByteArray verdict;
        QVERIFY2(validated(entry, verdict), verdict.constData());

        store.setReminder(false); // the tray's switch does the same
        QVERIFY(!settings.reminderEnabled());
        QVERIFY(!QFile::exists(entry));
    }

    // Days the machine sleeps count towards the week: the check comes soon after waking,
    // not an hour of waking time later.
    void daysAsleepCount()
    {
        using namespace std::chrono_literals;
        StoreFixture fixture;
        CleanerStore &store = fixture.make();
        store.setReminder(true);
        fixture.fakes.clock.advance(90min);
        QSignalSpy scans(&store, &CleanerStore::scanFinished);
        fixture.fakes.clock.sleep(7 * 24h);
        fixture.fakes.clock.advance(5min);
        QTRY_COMPARE(scans.size(), 1);
    }

    // Program paths the desktop must read back as they are, or none.
    void oddProgramNames_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("exec"); // as a desktop-entry reader sees it, empty: refused
        QTest::newRow("space") << QStringLiteral("/opt/my apps/pelmo") << QStringLiteral("\"/opt/my apps/pelmo\"");
        QTest::newRow("shell characters") << "/opt/a\"b`c$d\\e/pelmo"
                                          << "\"/opt/a\\\"b\\`c\\$d\\\\e/pelmo\"";
        QTest::newRow("percent") << QStringLiteral("/opt/100%/pelmo") << QStringLiteral("\"/opt/100%%/pelmo\"");
        QTest::newRow("newline") << QStringLiteral("/opt/a\nb/pelmo") << QStringLiteral("");
        QTest::newRow("relative") << QStringLiteral("build/pelmo") << QStringLiteral("");
    }

    void oddProgramNames()
    {
        QFETCH(QString, program);
        QFETCH(QString, exec);
        FakeHome fake;
        QCOMPARE(AutostartEntry::install(program), !exec.isEmpty());
        QCOMPARE(execOf(AutostartEntry::path()), exec.isEmpty() ? QString() : exec + QStringLiteral(" --background"));
        QByteArray verdict;
        QVERIFY2(exec.isEmpty() || validated(AutostartEntry::path(), verdict), verdict.constData());
        QVERIFY(AutostartEntry::remove());
        QVERIFY(AutostartEntry::remove()); // nothing left is success too
    }
};

QTEST_MAIN(TestReminderAutostart)
#include "tst_reminderautostart.moc"
