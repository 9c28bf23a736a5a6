#include "FreedesktopTrash.h"

#include "fs/DirectoryListing.h"
#include "fs/PathBytes.h"
#include "fs/PosixFile.h"
#include "platform/UserAccount.h"

#include <QDateTime>

#include <cstdio>
#include <fstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pelmo {
namespace {

using PosixFile::UniqueFd;

constexpr size_t kNameMax = 255;
constexpr std::string_view kInfoSuffix = ".trashinfo";
constexpr int kMaxCandidates = 100'000;

std::string parentOf(const std::string &path)
{
    const size_t slash = path.rfind('/');
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string lastComponent(const std::string &path)
{
    return path.substr(path.rfind('/') + 1);
}

// The n-th name to try in files/: the base name, then "base.2", "base.3", ..., shortened
// (never inside a UTF-8 sequence) so that the name and ".trashinfo" fit in 255 bytes.
std::string candidateName(const std::string &base, int n)
{
    const std::string suffix = n == 1 ? std::string() : "." + std::to_string(n);
    size_t keep = std::min(base.size(), kNameMax - kInfoSuffix.size() - suffix.size());
    while (keep > 0 && keep < base.size() && (static_cast<unsigned char>(base[keep]) & 0xC0) == 0x80)
        --keep;
    return base.substr(0, keep) + suffix;
}

// Opens (creating with 0700 when missing) a folder inside `parentFd`; refuses links.
UniqueFd privateFolder(int parentFd, const char *name)
{
    if (::mkdirat(parentFd, name, 0700) != 0 && errno != EEXIST)
        return {};
    return UniqueFd(::openat(parentFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

bool writeAll(int fd, std::string_view data)
{
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

bool isOwnFolder(const std::string &path, uid_t uid)
{
    struct stat st
    {
    };
    return PosixFile::statNoFollow(path, st) && S_ISDIR(st.st_mode) && st.st_uid == uid;
}

bool isEmptyFolder(int parentFd, const char *name)
{
    UniqueFd fd(::openat(parentFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!fd)
        return errno == ENOENT;
    bool empty = true;
    const bool read = DirectoryListing::read(fd.get(), [&](std::string_view, unsigned char, ino_t) { empty = false; });
    return read && empty;
}

std::vector<std::string> mountPointsFromProc()
{
    std::vector<std::string> points;
    std::ifstream mounts("/proc/self/mountinfo");
    std::string line;
    while (std::getline(mounts, line)) {
        // Field 5 is the mount point, with space, tab, newline and backslash as \ooo.
        size_t start = 0;
        for (int field = 0; field < 4 && start != std::string::npos; ++field)
            start = line.find(' ', start) + 1;
        const std::string escaped = line.substr(start, line.find(' ', start) - start);
        std::string point;
        for (size_t i = 0; i < escaped.size(); ++i) {
            if (escaped[i] == '\\' && i + 3 < escaped.size()) {
                point.push_back(static_cast<char>(std::stoi(escaped.substr(i + 1, 3), nullptr, 8)));
                i += 3;
            } else {
                point.push_back(escaped[i]);
            }
        }
        points.push_back(point);
    }
    return points;
}

} // namespace

FreedesktopTrash::Environment FreedesktopTrash::systemEnvironment()
{
    Environment env;
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    if (dataHome.startsWith('/')) {
        env.dataHome = dataHome.toStdString();
    } else {
        const QByteArray home = qgetenv("HOME");
        env.dataHome = (home.startsWith('/') ? home.toStdString() : PathBytes::toBytes(UserAccount::homeFolder()))
            + "/.local/share";
    }
    env.uid = ::getuid();
    env.deviceOf = [](const std::string &path) -> std::optional<dev_t> {
        struct stat st
        {
        };
        if (!PosixFile::statNoFollow(path, st))
            return std::nullopt;
        return st.st_dev;
    };
    env.mountPoints = mountPointsFromProc;
    return env;
}

FreedesktopTrash::FreedesktopTrash(Environment environment)
    : m_env(std::move(environment))
{
    while (m_env.dataHome.size() > 1 && m_env.dataHome.back() == '/')
        m_env.dataHome.pop_back();
}

QString FreedesktopTrash::homeFilesFolder() const
{
    return PathBytes::fromBytes(homeTrash() + "/files");
}

std::string FreedesktopTrash::topdirOf(const std::string &item, dev_t device) const
{
    std::string top = parentOf(item);
    while (top != "/") {
        const std::string up = parentOf(top);
        if (m_env.deviceOf(up) != device)
            break;
        top = up;
    }
    return top;
}

// The Trash folder for `item`: the home Trash on the home Trash's file system, else a
// topdir Trash that is really ours. `topdir` is set for the latter.
std::optional<std::string> FreedesktopTrash::trashFor(const std::string &item, std::string &topdir) const
{
    const std::optional<dev_t> itemDevice = m_env.deviceOf(item);
    if (!itemDevice)
        return std::nullopt;
    UniqueFd dataHome = PosixFile::makeFolders(m_env.dataHome);
    if (!dataHome || !privateFolder(dataHome.get(), "Trash"))
        return std::nullopt;
    if (m_env.deviceOf(homeTrash()) == itemDevice) {
        topdir.clear();
        return homeTrash();
    }
    topdir = topdirOf(item, *itemDevice);
    const std::string uid = std::to_string(m_env.uid);
    const std::string shared = (topdir == "/" ? std::string() : topdir) + "/.Trash";
    struct stat st
    {
    };
    if (PosixFile::statNoFollow(shared, st) && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX)) {
        UniqueFd sharedFd = PosixFile::openPath(shared, O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
        if (sharedFd && privateFolder(sharedFd.get(), uid.c_str()) && isOwnFolder(shared + "/" + uid, m_env.uid))
            return shared + "/" + uid;
    }
    UniqueFd topFd = PosixFile::openPath(topdir, O_RDONLY | O_DIRECTORY);
    const std::string own = ".Trash-" + uid;
    if (topFd && privateFolder(topFd.get(), own.c_str()) && isOwnFolder(shared + "-" + uid, m_env.uid))
        return shared + "-" + uid;
    return std::nullopt;
}

std::optional<QString> FreedesktopTrash::moveToTrash(const QString &path)
{
    std::string item = PathBytes::toBytes(path);
    while (item.size() > 1 && item.back() == '/')
        item.pop_back();
    const std::string base = lastComponent(item);
    const std::string trash = homeTrash();
    if (!item.starts_with('/') || base.empty() || base == "." || base == ".." || item == trash
        || item.starts_with(trash + "/"))
        return std::nullopt; // not a movable item, or the Trash itself

    std::string topdir;
    const std::optional<std::string> trashFolder = trashFor(item, topdir);
    if (!trashFolder)
        return std::nullopt;
    UniqueFd trashFd = PosixFile::openPath(*trashFolder, O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
    UniqueFd filesFd = trashFd ? privateFolder(trashFd.get(), "files") : UniqueFd();
    UniqueFd infoFd = trashFd ? privateFolder(trashFd.get(), "info") : UniqueFd();
    UniqueFd parentFd = PosixFile::openPath(parentOf(item), O_RDONLY | O_DIRECTORY);
    if (!filesFd || !infoFd || !parentFd)
        return std::nullopt;

    // In a topdir Trash the original path is relative to the topdir.
    const std::string recorded = topdir.empty() ? item : item.substr(topdir == "/" ? 1 : topdir.size() + 1);
    const std::string info = "[Trash Info]\nPath=" + PathBytes::percentEncoded(recorded) + "\nDeletionDate="
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")).toStdString() + "\n";

    for (int n = 1; n <= kMaxCandidates; ++n) {
        const std::string name = candidateName(base, n);
        const std::string infoName = name + std::string(kInfoSuffix);
        UniqueFd fd(
            ::openat(infoFd.get(), infoName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (!fd && errno == EEXIST)
            continue;
        if (!fd)
            return std::nullopt;
        const bool written = writeAll(fd.get(), info) && ::fsync(fd.get()) == 0;
        fd.reset();
        if (!written) {
            ::unlinkat(infoFd.get(), infoName.c_str(), 0);
            return std::nullopt;
        }
        if (::renameat2(parentFd.get(), base.c_str(), filesFd.get(), name.c_str(), RENAME_NOREPLACE) == 0)
            return PathBytes::fromBytes(*trashFolder + "/files/" + name);
        const int error = errno;
        ::unlinkat(infoFd.get(), infoName.c_str(), 0);
        if (error != EEXIST)
            return std::nullopt; // an orphan in files/ only moves us on to the next name
    }
    return std::nullopt;
}

bool FreedesktopTrash::putBack(const QString &trashPath, const QString &originalPath)
{
    const std::string from = PathBytes::toBytes(trashPath);
    const std::string to = PathBytes::toBytes(originalPath);
    if (parentOf(from) != homeTrash() + "/files" || !to.starts_with('/') || lastComponent(to).empty())
        return false;
    UniqueFd filesFd = PosixFile::openPath(homeTrash() + "/files", O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
    UniqueFd parentFd = PosixFile::makeFolders(parentOf(to));
    const std::string name = lastComponent(from);
    if (!filesFd || !parentFd
        || ::renameat2(filesFd.get(), name.c_str(), parentFd.get(), lastComponent(to).c_str(), RENAME_NOREPLACE) != 0)
        return false;
    UniqueFd infoFd = PosixFile::openPath(homeTrash() + "/info", O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
    if (infoFd)
        ::unlinkat(infoFd.get(), (name + std::string(kInfoSuffix)).c_str(), 0);
    return true;
}

bool FreedesktopTrash::empty()
{
    std::vector<std::string> folders = {homeTrash()};
    const std::string uid = std::to_string(m_env.uid);
    for (const std::string &point : m_env.mountPoints()) {
        const std::string top = point == "/" ? std::string() : point;
        for (const std::string &candidate : {top + "/.Trash/" + uid, top + "/.Trash-" + uid}) {
            if (isOwnFolder(candidate, m_env.uid) && candidate != homeTrash())
                folders.push_back(candidate);
        }
    }
    bool complete = true;
    for (const std::string &folder : folders) {
        UniqueFd trashFd = PosixFile::openPath(folder, O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
        if (!trashFd) {
            complete = complete && errno == ENOENT;
            continue;
        }
        for (const char *part : {"files", "info"}) {
            UniqueFd partFd(::openat(trashFd.get(), part, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
            if (partFd)
                PosixFile::removeContents(partFd.get());
        }
        ::unlinkat(trashFd.get(), "directorysizes", 0);
        // What is left, whatever the reason, makes this a failure, never a success.
        complete = complete && isEmptyFolder(trashFd.get(), "files") && isEmptyFolder(trashFd.get(), "info");
    }
    return complete;
}

} // namespace pelmo
