#include "DBusNotifier.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace pelmo {
namespace {

constexpr int kTimeoutMs = 3000;

QDBusMessage call(const QString &method)
{
    return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"), QStringLiteral("org.freedesktop.Notifications"), method);
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
    QDBusMessage message = call(QStringLiteral("Notify"));
    message << QStringLiteral("Pelmo") << 0u << QStringLiteral("pelmo") << title << body << QStringList()
            << QVariantMap {{QStringLiteral("urgency"), QVariant::fromValue<uchar>(1)}} << -1;
    // Errors are ignored: a failed reminder simply waits for the next week.
    auto *watcher = new QDBusPendingCallWatcher(bus().asyncCall(message, kTimeoutMs));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher, &QObject::deleteLater);
}

} // namespace pelmo
