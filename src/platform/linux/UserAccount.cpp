#include "platform/UserAccount.h"

#include "fs/PathBytes.h"

#include <QDir>

#include <vector>

#include <pwd.h>
#include <unistd.h>

namespace pelmo::UserAccount {

QString homeFolder()
{
    long bufferSize = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(static_cast<size_t>(bufferSize > 0 ? bufferSize : 16384));
    passwd entry {};
    passwd *found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir
        && found->pw_dir[0] == '/') {
        QString home = PathBytes::fromBytes(found->pw_dir);
        while (home.size() > 1 && home.endsWith(QLatin1Char('/')))
            home.chop(1);
        return home;
    }
    return QDir::homePath();
}

} // namespace pelmo::UserAccount
