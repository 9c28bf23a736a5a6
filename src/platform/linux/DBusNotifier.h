#pragma once

#include "platform/Notifier.h"

#include <QDBusConnection>
#include <QObject>
#include <QSet>

#include <functional>
#include <optional>

namespace pelmo {

// org.freedesktop.Notifications on the session bus, asynchronously with a short timeout.
// Permission means that a notification server answers; no bus or no server is a refusal.
// Notifications name Pelmo's desktop entry and icon; clicking one runs the activation.
class DBusNotifier final : public QObject, public Notifier
{
    Q_OBJECT

public:
    // The bus is reached at the first notification, not before: a process that never
    // notifies (a headless command) never waits on a bus that does not answer.
    explicit DBusNotifier(std::function<QDBusConnection()> bus = &QDBusConnection::sessionBus);
    void requestPermission(std::function<void(bool granted)> answer) override;
    void post(const QString &title, const QString &body) override;
    // What the default action of a posted notification (a click on it) does.
    void setActivated(std::function<void()> activated) { m_activated = std::move(activated); }

private Q_SLOTS:
    void actionInvoked(uint id, const QString &action);
    void closed(uint id);

private:
    QDBusConnection &bus();

    std::function<QDBusConnection()> m_connect;
    std::optional<QDBusConnection> m_bus;
    std::function<void()> m_activated;
    QSet<uint> m_posted; // the server's ids of ours still shown
    bool m_listening = false;
};

} // namespace pelmo
