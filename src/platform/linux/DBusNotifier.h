#pragma once

#include "platform/Notifier.h"

#include <QDBusConnection>

#include <functional>
#include <optional>

namespace pelmo {

// org.freedesktop.Notifications on the session bus, asynchronously with a short timeout.
// Permission means that a notification server answers; no bus or no server is a refusal.
class DBusNotifier final : public Notifier
{
public:
    // The bus is reached at the first notification, not before: a process that never
    // notifies (a headless command) never waits on a bus that does not answer.
    explicit DBusNotifier(std::function<QDBusConnection()> bus = &QDBusConnection::sessionBus);
    void requestPermission(std::function<void(bool granted)> answer) override;
    void post(const QString &title, const QString &body) override;

private:
    QDBusConnection &bus();

    std::function<QDBusConnection()> m_connect;
    std::optional<QDBusConnection> m_bus;
};

} // namespace pelmo
