#include "GioFileManagerBridge.h"

#include "Subprocess.h"
#include "core/PathBytes.h"
#include "platform/FinderScripts.h"
#include "platform/TrashCan.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>

namespace pelmo {
namespace {

constexpr auto kMoveTimeout = std::chrono::seconds(60);
constexpr int kDBusTimeoutMs = 3000;
constexpr auto kOpenerPatience = std::chrono::seconds(3);

// The path inside a move script, unescaped; nothing for any other text.
std::optional<QString> movedPath(const QString &script)
{
    const QString prefix = QStringLiteral("    set trashed to delete (POSIX file \"");
    const QString suffix = QStringLiteral("\" as alias)");
    const QStringList lines = script.split(QLatin1Char('\n'));
    if (lines.size() != 8 || !lines[1].startsWith(prefix) || !lines[1].endsWith(suffix)
        || FinderScripts::moveScript(QStringLiteral("x")).split(QLatin1Char('\n')).mid(2) != lines.mid(2))
        return std::nullopt;
    const QString escaped = lines[1].mid(prefix.size(), lines[1].size() - prefix.size() - suffix.size());
    QString path;
    for (qsizetype i = 0; i < escaped.size(); ++i) {
        if (escaped[i] == QLatin1Char('\\') && i + 1 < escaped.size())
            ++i;
        path += escaped[i];
    }
    return path;
}

bool showTrashInFileManager()
{
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.FileManager1"),
        QStringLiteral("/org/freedesktop/FileManager1"), QStringLiteral("org.freedesktop.FileManager1"),
        QStringLiteral("ShowFolders"));
    call << QStringList {QStringLiteral("trash:///")} << QString();
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, kDBusTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage;
}

} // namespace

GioFileManagerBridge::GioFileManagerBridge(TrashCan &trash)
    : m_trash(trash)
{ }

ScriptOutcome GioFileManagerBridge::run(const QString &script)
{
    const ScriptOutcome failed {std::nullopt, FinderScripts::otherError};
    if (const std::optional<QString> path = movedPath(script)) {
        const auto status = Subprocess::run({"gio", "trash", "--", PathBytes::toBytes(*path)}, kMoveTimeout);
        return status == 0 ? ScriptOutcome {QString(), std::nullopt} : failed;
    }
    if (script == FinderScripts::openScript()) {
        if (showTrashInFileManager()
            || Subprocess::launch({"xdg-open", PathBytes::toBytes(m_trash.homeFilesFolder())}, kOpenerPatience))
            return {QString(), std::nullopt};
        return failed;
    }
    return failed;
}

} // namespace pelmo
