#include "SingleInstance.h"

#include "core/BuildInfo.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace pelmo {
namespace {

constexpr int kActivateTimeoutMs = 3000;

QString objectPath()
{
    // The freedesktop rule: the application ID with "." as "/".
    return u'/' + QString::fromLatin1(BuildInfo::applicationId).replace(u'.', u'/');
}

} // namespace

SingleInstance::~SingleInstance()
{
    // Released before a relaunched Pelmo starts, so that the new one owns the name.
    if (m_owner)
        QDBusConnection::sessionBus().unregisterService(QString::fromLatin1(BuildInfo::applicationId));
}

bool SingleInstance::claim(bool activateRunning)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return true;
    const QString name = QString::fromLatin1(BuildInfo::applicationId);
    bus.registerObject(objectPath(), this, QDBusConnection::ExportAllSlots);
    if (bus.interface()->registerService(
            name, QDBusConnectionInterface::DontQueueService, QDBusConnectionInterface::DontAllowReplacement)
        == QDBusConnectionInterface::ServiceRegistered) {
        m_owner = true;
        return true;
    }
    bus.unregisterObject(objectPath());
    if (!activateRunning)
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(
        name, objectPath(), QStringLiteral("org.freedesktop.Application"), QStringLiteral("Activate"));
    call << QVariantMap();
    // A running Pelmo that does not answer is no reason to leave the user without a window.
    return bus.call(call, QDBus::Block, kActivateTimeoutMs).type() != QDBusMessage::ReplyMessage;
}

void SingleInstance::Activate(const QVariantMap &)
{
    Q_EMIT activated();
}

} // namespace pelmo
