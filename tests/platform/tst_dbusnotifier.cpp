#include "platform/linux/DBusNotifier.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QVariantMap>
#include <QtTest>

using namespace pelmo;

namespace {

// A notification server on its own connection to the private session bus. When wedged it
// takes calls and never answers them.
class NotificationServer : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    bool wedged = false;
    QStringList received;

public Q_SLOTS:
    QString GetServerInformation(const QDBusMessage &message, QString &vendor, QString &version, QString &spec)
    {
        if (wedged)
            message.setDelayedReply(true);
        vendor = QStringLiteral("tests");
        version = QStringLiteral("1");
        spec = QStringLiteral("1.2");
        return QStringLiteral("test server");
    }

    uint Notify(const QString &, uint, const QString &icon, const QString &summary, const QString &body,
        const QStringList &actions, const QVariantMap &hints, int)
    {
        received.append(summary + u'|' + body);
        named = {icon, hints.value(QStringLiteral("desktop-entry")).toString()};
        defaultAction = actions.size() >= 2 && actions[0] == QLatin1StringView("default");
        return ++lastId;
    }

public:
    QStringList named;
    bool defaultAction = false;
    uint lastId = 40;
};

} // namespace

class TestDBusNotifier : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
            QSKIP("needs a private session bus: run under dbus-run-session");
    }

    void permissionAndPosting()
    {
        QDBusConnection serverBus
            = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("server"));
        NotificationServer server;
        QVERIFY(serverBus.registerObject(
            QStringLiteral("/org/freedesktop/Notifications"), &server, QDBusConnection::ExportAllSlots));
        QVERIFY(serverBus.registerService(QStringLiteral("org.freedesktop.Notifications")));

        DBusNotifier notifier;
        std::optional<bool> answer;
        notifier.requestPermission([&](bool granted) { answer = granted; });
        QTRY_COMPARE(answer, std::optional(true));
        notifier.post(QStringLiteral("Čas na úklid"), QStringLiteral("Našel jsem 2 GB"));
        QTRY_COMPARE(server.received, QStringList {QStringLiteral("Čas na úklid|Našel jsem 2 GB")});
        // It names the desktop entry and its icon, and a click on it opens Pelmo; clicks on
        // other programs' notifications do not.
        QCOMPARE(server.named, QStringList(2, QStringLiteral(PELMO_APP_ID)));
        QVERIFY(server.defaultAction);
        int activations = 0;
        notifier.setActivated([&] { ++activations; });
        const auto click = [&](uint id) {
            QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/Notifications"),
                QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("ActionInvoked"));
            signal << id << QStringLiteral("default");
            QVERIFY(serverBus.send(signal));
        };
        click(server.lastId + 7);
        click(server.lastId);
        QTRY_COMPARE(activations, 1);
        QTest::qWait(100);
        QCOMPARE(activations, 1);

        // A server that takes the call and never answers is a refusal, and waiting for it
        // never blocks the caller.
        server.wedged = true;
        answer.reset();
        QElapsedTimer clock;
        clock.start();
        notifier.requestPermission([&](bool granted) { answer = granted; });
        QVERIFY(clock.elapsed() < 500);
        QTRY_COMPARE_WITH_TIMEOUT(answer, std::optional(false), 10'000);

        serverBus.unregisterService(QStringLiteral("org.freedesktop.Notifications"));
        QDBusConnection::disconnectFromBus(QStringLiteral("server"));
    }

    // No notification server, or no bus at all (answered at once): a refusal.
    void noServerOrBusIsARefusal()
    {
        DBusNotifier notifier;
        std::optional<bool> answer;
        notifier.requestPermission([&](bool granted) { answer = granted; });
        QTRY_COMPARE(answer, std::optional(false));
        answer.reset();
        DBusNotifier([] {
            return QDBusConnection(QStringLiteral("never-connected"));
        }).requestPermission([&](bool granted) { answer = granted; });
        QCOMPARE(answer, std::optional(false));
    }
};

QTEST_GUILESS_MAIN(TestDBusNotifier)
#include "tst_dbusnotifier.moc"
