#include "platform/UserAccount.h"

#include "core/PathBytes.h"

#include <QDir>

#include <vector>

#include <pwd.h>
#include <unistd.h>

namespace pelmo::UserAccount {

QString homeFolder()
{
    // $HOME first, as Qt and GLib take it, so that the settings, the Trash and the scanned
    // home never come from two different homes.
    const QByteArray home = qgetenv("HOME");
    if (home.startsWith('/')) {
        QString path = PathBytes::fromBytes(home.toStdString());
        while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
            path.chop(1);
        return path;
    }
    long bufferSize = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(static_cast<size_t>(bufferSize > 0 ? bufferSize : 16384));
    passwd entry {};
    passwd *found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir
        && found->pw_dir[0] == '/') {
        QString path = PathBytes::fromBytes(found->pw_dir);
        while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
            path.chop(1);
        return path;
    }
    return QDir::homePath();
}

QString configFolder()
{
    const QByteArray config = qgetenv("XDG_CONFIG_HOME");
    if (config.startsWith('/'))
        return PathBytes::fromBytes(config.toStdString());
    return homeFolder() + QStringLiteral("/.config");
}

} // namespace pelmo::UserAccount
