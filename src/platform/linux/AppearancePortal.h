#pragma once

#include <QDBusConnection>
#include <QDBusVariant>
#include <QObject>

namespace pelmo {

// The desktop's colour preference from the freedesktop settings portal
// (org.freedesktop.appearance color-scheme), read once asynchronously and then followed
// through its change signal. No bus, no portal or no answer leaves `noPreference`.
class AppearancePortal : public QObject
{
    Q_OBJECT

public:
    // The portal's values: 0 no preference, 1 prefer dark, 2 prefer light.
    enum class Scheme { noPreference = 0, dark = 1, light = 2 };

    explicit AppearancePortal(const QDBusConnection &bus, QObject *parent = nullptr);

    [[nodiscard]] Scheme scheme() const { return m_scheme; }

Q_SIGNALS:
    void schemeChanged();

private Q_SLOTS:
    void onSettingChanged(const QString &group, const QString &key, const QDBusVariant &value);

private:
    void read(const QString &method);
    void setScheme(const QVariant &value);

    QDBusConnection m_bus;
    Scheme m_scheme = Scheme::noPreference;
};

} // namespace pelmo
