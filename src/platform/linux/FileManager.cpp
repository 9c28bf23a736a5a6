#include "FileManager.h"

#include "Subprocess.h"
#include "core/PathBytes.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>

namespace pelmo::FileManager {

bool reveal(const QString &path)
{
    const std::string bytes = PathBytes::toBytes(path);
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.FileManager1"),
        QStringLiteral("/org/freedesktop/FileManager1"), QStringLiteral("org.freedesktop.FileManager1"),
        QStringLiteral("ShowItems"));
    call << QStringList {PathBytes::toFileUrl(path).toString(QUrl::FullyEncoded)} << QString();
    constexpr int kTimeoutMs = 3000;
    if (QDBusConnection::sessionBus().call(call, QDBus::Block, kTimeoutMs).type() == QDBusMessage::ReplyMessage)
        return true;
    const size_t slash = bytes.rfind('/');
    constexpr auto kOpenerPatience = std::chrono::seconds(3);
    return Subprocess::launch({"xdg-open", slash == 0 ? std::string("/") : bytes.substr(0, slash)}, kOpenerPatience);
}

} // namespace pelmo::FileManager
