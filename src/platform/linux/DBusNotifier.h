#pragma once

#include "platform/Notifier.h"

#include <QDBusConnection>

namespace pelmo {

// org.freedesktop.Notifications on the session bus, asynchronously with a short timeout.
// Permission means that a notification server answers; no bus or no server is a refusal.
class DBusNotifier final : public Notifier
{
public:
    explicit DBusNotifier(QDBusConnection bus = QDBusConnection::sessionBus());
    void requestPermission(std::function<void(bool granted)> answer) override;
    void post(const QString &title, const QString &body) override;

private:
    QDBusConnection m_bus;
};

} // namespace pelmo
