#include "platform/linux/AppearancePortal.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace pelmo {

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString kGroup = QStringLiteral("org.freedesktop.appearance");
const QString kKey = QStringLiteral("color-scheme");
constexpr int kTimeoutMs = 3000;

// Read answers the value wrapped in one more variant than ReadOne; either way, the number.
QVariant unwrap(QVariant value)
{
    while (value.canConvert<QDBusVariant>() && value.userType() == qMetaTypeId<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    return value;
}

} // namespace

AppearancePortal::AppearancePortal(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_bus(bus)
{
    if (!m_bus.isConnected())
        return;
    // QtDBus takes a signal's receiver only as a slot signature.
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("SettingChanged"), this,
        SLOT(onSettingChanged(QString, QString, QDBusVariant)));
    read(QStringLiteral("ReadOne"));
}

void AppearancePortal::read(const QString &method)
{
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
    call << kGroup << kKey;
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, kTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, method](QDBusPendingCallWatcher *done) {
        done->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *done;
        if (!reply.isError())
            setScheme(reply.argumentAt(0));
        else if (method == QLatin1StringView("ReadOne")) // portals before version 2 have only Read
            read(QStringLiteral("Read"));
    });
}

void AppearancePortal::onSettingChanged(const QString &group, const QString &key, const QDBusVariant &value)
{
    if (group == kGroup && key == kKey)
        setScheme(value.variant());
}

void AppearancePortal::setScheme(const QVariant &value)
{
    bool ok = false;
    const uint raw = unwrap(value).toUInt(&ok);
    const Scheme scheme = ok && raw <= 2 ? static_cast<Scheme>(raw) : Scheme::noPreference;
    if (scheme == m_scheme)
        return;
    m_scheme = scheme;
    Q_EMIT schemeChanged();
}

} // namespace pelmo
