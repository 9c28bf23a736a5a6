#include "DBusNotifier.h"

#include "core/BuildInfo.h"
#include "core/Localization.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace pelmo {
namespace {

constexpr int kTimeoutMs = 3000;
const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

QDBusMessage call(const QString &method)
{
    return QDBusMessage::createMethodCall(kService, kPath, kService, method);
}

} // namespace

DBusNotifier::DBusNotifier(std::function<QDBusConnection()> bus)
    : m_connect(std::move(bus))
{ }

QDBusConnection &DBusNotifier::bus()
{
    if (!m_bus)
        m_bus = m_connect();
    return *m_bus;
}

void DBusNotifier::requestPermission(std::function<void(bool granted)> answer)
{
    if (!bus().isConnected()) {
        answer(false);
        return;
    }
    auto *watcher
        = new QDBusPendingCallWatcher(bus().asyncCall(call(QStringLiteral("GetServerInformation")), kTimeoutMs));
    QObject::connect(
        watcher, &QDBusPendingCallWatcher::finished, watcher, [answer = std::move(answer)](QDBusPendingCallWatcher *w) {
            answer(!w->isError());
            w->deleteLater();
        });
}

void DBusNotifier::post(const QString &title, const QString &body)
{
    if (!bus().isConnected())
        return;
    if (!m_listening) {
        // The QtDBus signal API takes slot names; the slots are this class's own.
        bus().connect(kService, kPath, kService, QStringLiteral("ActionInvoked"), this,
            SLOT(actionInvoked(uint, QString))); // NOLINT
        bus().connect(kService, kPath, kService, QStringLiteral("NotificationClosed"), this,
            SLOT(closed(uint))); // NOLINT
        m_listening = true;
    }
    const QString appId = QString::fromLatin1(BuildInfo::applicationId);
    QDBusMessage message = call(QStringLiteral("Notify"));
    message << QStringLiteral("Pelmo") << 0u << appId << title << body
            << QStringList {QStringLiteral("default"), Localization::tr("Otevřít Pelmo")}
            << QVariantMap {{QStringLiteral("urgency"), QVariant::fromValue<uchar>(1)},
                   {QStringLiteral("desktop-entry"), appId}}
            << -1;
    // Errors are ignored: a failed reminder simply waits for the next week.
    auto *watcher = new QDBusPendingCallWatcher(bus().asyncCall(message, kTimeoutMs));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *w) {
        const QDBusPendingReply<uint> reply = *w;
        if (!reply.isError())
            m_posted.insert(reply.value());
        w->deleteLater();
    });
}

void DBusNotifier::actionInvoked(uint id, const QString &action)
{
    // Other programs' notifications share the signal.
    if (m_posted.contains(id) && action == QLatin1StringView("default") && m_activated)
        m_activated();
}

void DBusNotifier::closed(uint id)
{
    m_posted.remove(id);
}

} // namespace pelmo
