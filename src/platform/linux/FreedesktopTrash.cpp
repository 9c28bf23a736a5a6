#include "FreedesktopTrash.h"

#include "core/DirectoryListing.h"
#include "core/PathBytes.h"
#include "core/PosixFile.h"
#include "platform/UserAccount.h"

#include "TrashInfo.h"

#include <QDateTime>

#include <cstdio>
#include <fstream>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pelmo {
namespace {

using PosixFile::UniqueFd;

constexpr size_t kNameMax = 255;
constexpr std::string_view kInfoSuffix = ".trashinfo";
constexpr int kMaxCandidates = 100'000;
constexpr size_t kMaxInfoSize = 64 * 1024;

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

MoveFailure failureOf(int error)
{
    switch (error) {
    case ENOENT:
        return MoveFailure::vanished;
    case ELOOP:
    case ENOTDIR:
        return MoveFailure::changed;
    case ENOSPC:
    case EDQUOT:
        return MoveFailure::noSpace;
    case EROFS:
        return MoveFailure::readOnly;
    case EIO:
        return MoveFailure::ioError;
    case EACCES:
    case EPERM:
        return MoveFailure::denied;
    default:
        return MoveFailure::other;
    }
}

MoveOutcome failedWith(MoveFailure failure)
{
    return {std::nullopt, failure, {}};
}

qint64 changeTimeOf(const struct stat &st)
{
    return FileIdentity::of(st).changeTime;
}

FileIdentity identityOf(const struct stat &st)
{
    return FileIdentity::of(st);
}

// Whether a recorded origin is the object now seen (its change time is checked apart: a
// move changes it).
bool matches(const FileIdentity &expected, const struct stat &st)
{
    return !expected.isKnown() || expected.sameObject(identityOf(st));
}

// The names in an open folder with what lstat says of each.
std::vector<std::pair<std::string, struct stat>> snapshot(int folderFd)
{
    std::vector<std::string> names;
    DirectoryListing::read(folderFd, [&](std::string_view name, unsigned char, ino_t) { names.emplace_back(name); });
    std::vector<std::pair<std::string, struct stat>> entries;
    for (std::string &name : names) {
        struct stat st
        {
        };
        if (::fstatat(folderFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0)
            entries.emplace_back(std::move(name), st);
    }
    return entries;
}

// An inode number is soon reused: the info file's date tells a later item of the same name
// and inode from the one that was moved. The date is a local time without its zone, written
// in whatever zone the move ran in: it matches when it is the moment of the move in some
// zone (offsets from -14 h to +14 h in quarter hours), so that a change of zone between
// moving and putting back refuses nothing.
bool sameMoment(const QDateTime &deleted, const QDateTime &movedAt)
{
    constexpr qint64 kToleranceSeconds = 120;
    constexpr qint64 kQuarterHour = 15 * 60;
    constexpr qint64 kWidestOffset = 14 * 3600;
    if (!movedAt.isValid())
        return true;
    if (!deleted.isValid())
        return false;
    const QDateTime wall(deleted.date(), deleted.time(), Qt::UTC);
    const qint64 apart = movedAt.toUTC().secsTo(wall); // the zone's offset, if the dates agree
    for (qint64 offset = -kWidestOffset; offset <= kWidestOffset; offset += kQuarterHour) {
        if (std::abs(apart - offset) <= kToleranceSeconds)
            return true;
    }
    return false;
}

std::string localDeletionDate()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")).toStdString();
}

// The mount table: /proc/self/mountinfo, or the file PELMO_MOUNTINFO names, so that the
// tests never list or empty the Trash folders of the machine's real disks.
std::vector<std::string> mountPointsFromProc()
{
    std::vector<std::string> points;
    const QByteArray table = qgetenv("PELMO_MOUNTINFO");
    std::ifstream mounts(table.isEmpty() ? std::string("/proc/self/mountinfo") : table.toStdString());
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
    const std::string homeFolder = PathBytes::toBytes(UserAccount::homeFolder());
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    env.dataHome = dataHome.startsWith('/') ? dataHome.toStdString() : homeFolder + "/.local/share";
    const QByteArray stateHome = qgetenv("XDG_STATE_HOME");
    env.journalFolder
        = (stateHome.startsWith('/') ? stateHome.toStdString() : homeFolder + "/.local/state") + "/Pelmo/moves";
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
    , m_journal(m_env.journalFolder)
{
    while (m_env.dataHome.size() > 1 && m_env.dataHome.back() == '/')
        m_env.dataHome.pop_back();
}

QString FreedesktopTrash::homeFilesFolder() const
{
    return PathBytes::fromBytes(homeTrash() + "/files");
}

QStringList FreedesktopTrash::filesFolders() const
{
    // A files folder that is a link leads out of the Trash: it is neither listed nor emptied.
    QStringList folders;
    for (const Folder &folder : existingFolders()) {
        struct stat st
        {
        };
        const std::string files = folder.path + "/files";
        if (!PosixFile::statNoFollow(files, st) || S_ISDIR(st.st_mode))
            folders.append(PathBytes::fromBytes(files));
    }
    return folders;
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

// The one test of a topdir Trash, for moving, listing and emptying alike: $topdir/.Trash
// a real folder (not a link) with the sticky bit and our $uid in it a real folder of ours,
// else $topdir/.Trash-$uid a real folder of ours.
std::optional<std::string> FreedesktopTrash::topdirTrash(const std::string &topdir, bool create) const
{
    const std::string uid = std::to_string(m_env.uid);
    const std::string shared = (topdir == "/" ? std::string() : topdir) + "/.Trash";
    struct stat st
    {
    };
    if (PosixFile::statNoFollow(shared, st) && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX)) {
        UniqueFd sharedFd = PosixFile::openPath(shared, O_PATH | O_DIRECTORY | O_NOFOLLOW);
        if (sharedFd && create)
            (void)privateFolder(sharedFd.get(), uid.c_str());
        if (sharedFd && isOwnFolder(shared + "/" + uid, m_env.uid))
            return shared + "/" + uid;
    }
    const std::string own = ".Trash-" + uid;
    if (create) {
        UniqueFd topFd = PosixFile::openPath(topdir, O_PATH | O_DIRECTORY);
        if (topFd)
            (void)privateFolder(topFd.get(), own.c_str());
    }
    if (isOwnFolder(shared + "-" + uid, m_env.uid))
        return shared + "-" + uid;
    return std::nullopt;
}

// The Trash folder for an item on `device`: the home Trash on the home Trash's file
// system, else a topdir Trash that is really ours.
std::optional<FreedesktopTrash::Folder> FreedesktopTrash::trashFor(dev_t device, const std::string &item) const
{
    UniqueFd dataHome = PosixFile::makeFolders(m_env.dataHome);
    if (!dataHome || !privateFolder(dataHome.get(), "Trash") || !isOwnFolder(homeTrash(), m_env.uid))
        return std::nullopt;
    if (m_env.deviceOf(homeTrash()) == device)
        return Folder {homeTrash(), {}};
    const std::string topdir = topdirOf(item, device);
    if (const std::optional<std::string> trash = topdirTrash(topdir, true))
        return Folder {*trash, topdir};
    return std::nullopt;
}

std::vector<FreedesktopTrash::Folder> FreedesktopTrash::existingFolders() const
{
    std::vector<Folder> folders;
    if (isOwnFolder(homeTrash(), m_env.uid))
        folders.push_back({homeTrash(), {}});
    for (const std::string &point : m_env.mountPoints()) {
        if (const std::optional<std::string> trash = topdirTrash(point, false)) {
            const bool known = std::ranges::any_of(folders, [&](const Folder &f) { return f.path == *trash; });
            if (!known)
                folders.push_back({*trash, point});
        }
    }
    return folders;
}

MoveOutcome FreedesktopTrash::moveToTrash(const QString &path, const FileIdentity &expected, const QString &anchor)
{
    std::string item = PathBytes::toBytes(path);
    while (item.size() > 1 && item.back() == '/')
        item.pop_back();
    const std::string base = lastComponent(item);
    const std::string trash = homeTrash();
    if (!item.starts_with('/') || base.empty() || base == "." || base == ".." || item == trash
        || item.starts_with(trash + "/"))
        return failedWith(MoveFailure::trashRefused); // not a movable item, or the Trash itself

    // The way from the anchor is opened without following a link and without leaving it,
    // and the item is checked through the very folder the move goes through.
    UniqueFd parentFd = anchor.isEmpty() ? PosixFile::openPath(parentOf(item), O_PATH | O_DIRECTORY)
                                         : PosixFile::openFolderBeneath(PathBytes::toBytes(anchor), parentOf(item));
    if (!parentFd)
        return failedWith(errno == EXDEV ? MoveFailure::changed : failureOf(errno));
    struct stat seen
    {
    };
    if (::fstatat(parentFd.get(), base.c_str(), &seen, AT_SYMLINK_NOFOLLOW) != 0)
        return failedWith(failureOf(errno));
    if (expected.isKnown() && !expected.stillListed(identityOf(seen)))
        return failedWith(MoveFailure::changed);

    const std::optional<dev_t> device = m_env.deviceOf(item);
    const std::optional<Folder> folder = device ? trashFor(*device, item) : std::nullopt;
    if (!folder)
        return failedWith(MoveFailure::trashRefused);
    UniqueFd trashFd = PosixFile::openPath(folder->path, O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
    UniqueFd filesFd = trashFd ? privateFolder(trashFd.get(), "files") : UniqueFd();
    UniqueFd infoFd = trashFd ? privateFolder(trashFd.get(), "info") : UniqueFd();
    if (!filesFd || !infoFd)
        return failedWith(MoveFailure::trashRefused);

    // In a topdir Trash the original path is relative to the topdir.
    const std::string &topdir = folder->topdir;
    const std::string recorded = topdir.empty() ? item : item.substr(topdir == "/" ? 1 : topdir.size() + 1);
    const std::string info = TrashInfo::compose(recorded, localDeletionDate());
    auto journal = std::make_shared<MoveJournal::Record>(m_journal.begin(folder->path, item));

    for (int n = 1; n <= kMaxCandidates; ++n) {
        const std::string name = candidateName(base, n);
        const std::string infoName = name + std::string(kInfoSuffix);
        journal->setName(name); // before the info file exists, so that no kill leaves it unnamed
        UniqueFd fd(
            ::openat(infoFd.get(), infoName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (!fd && errno == EEXIST)
            continue;
        if (!fd)
            return failedWith(failureOf(errno));
        const bool written = writeAll(fd.get(), info) && ::fsync(fd.get()) == 0;
        const int writeError = errno;
        fd.reset();
        if (!written) {
            ::unlinkat(infoFd.get(), infoName.c_str(), 0);
            return failedWith(failureOf(writeError));
        }
        if (::renameat2(parentFd.get(), base.c_str(), filesFd.get(), name.c_str(), RENAME_NOREPLACE) == 0) {
            struct stat moved
            {
            };
            const bool known = ::fstatat(filesFd.get(), name.c_str(), &moved, AT_SYMLINK_NOFOLLOW) == 0;
            // Something took the item's place between the check and the move: it goes back
            // where it was, with nothing left of it in the Trash.
            if (known && !identityOf(moved).sameObject(identityOf(seen))
                && ::renameat2(filesFd.get(), name.c_str(), parentFd.get(), base.c_str(), RENAME_NOREPLACE) == 0) {
                ::unlinkat(infoFd.get(), infoName.c_str(), 0);
                return failedWith(MoveFailure::changed);
            }
            const std::optional<std::string> resolved = PosixFile::pathOf(parentFd.get());
            return {PathBytes::fromBytes(folder->path + "/files/" + name), MoveFailure::none,
                identityOf(known ? moved : seen), resolved ? PathBytes::fromBytes(*resolved) : QString(),
                known ? changeTimeOf(moved) : 0, journal};
        }
        const int error = errno;
        ::unlinkat(infoFd.get(), infoName.c_str(), 0);
        if (error != EEXIST)
            return failedWith(failureOf(error)); // an orphan in files/ only moves us on to the next name
    }
    return failedWith(MoveFailure::other);
}

void FreedesktopTrash::recoverInterruptedMoves(const std::function<bool(const FinishedMove &)> &record)
{
    m_journal.recover([&](const MoveJournal::Finished &move) {
        // Only moves into the home Trash: its entries are the ones that can be put back.
        if (move.trashFolder != homeTrash())
            return true;
        const std::string item = move.trashFolder + "/files/" + move.name;
        struct stat st
        {
        };
        if (!PosixFile::statNoFollow(item, st))
            return true;
        const auto content = PosixFile::readSmallFile(
            move.trashFolder + "/info/" + move.name + std::string(kInfoSuffix), kMaxInfoSize, false);
        return record({PathBytes::fromBytes(move.original), PathBytes::fromBytes(item), identityOf(st),
            content ? TrashInfo::deletionDate(*content) : QDateTime()});
    });
}

std::optional<QString> FreedesktopTrash::findTrashed(const QString &originalPath, const FileIdentity &identity) const
{
    const std::string original = PathBytes::toBytes(originalPath);
    for (const Folder &folder : existingFolders()) {
        UniqueFd filesFd = PosixFile::openPath(folder.path + "/files", O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
        UniqueFd infoFd = PosixFile::openPath(folder.path + "/info", O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
        if (!filesFd || !infoFd)
            continue;
        std::vector<std::string> candidates;
        DirectoryListing::read(filesFd.get(), [&](std::string_view name, unsigned char, ino_t inode) {
            if (static_cast<quint64>(inode) == identity.inode)
                candidates.emplace_back(name);
        });
        for (const std::string &name : candidates) {
            struct stat st
            {
            };
            if (::fstatat(filesFd.get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0
                || !identityOf(st).sameObject(identity))
                continue;
            const auto content = PosixFile::readSmallFile(
                folder.path + "/info/" + name + std::string(kInfoSuffix), kMaxInfoSize, false);
            const auto recorded = content ? TrashInfo::recordedPath(*content) : std::nullopt;
            if (!recorded || recorded->empty())
                continue;
            const std::string absolute = recorded->starts_with('/') || folder.topdir.empty()
                ? *recorded
                : (folder.topdir == "/" ? std::string() : folder.topdir) + "/" + *recorded;
            if (absolute == original)
                return PathBytes::fromBytes(folder.path + "/files/" + name);
        }
    }
    return std::nullopt;
}

// The folder `folder` opened for putting an item back: missing folders are made, never
// through a link, and the way must lead to `resolved` (when known), as it did when the item
// left; without that record no folder below `anchor` may be a link.
UniqueFd FreedesktopTrash::wayBack(
    const std::string &folder, const std::string &resolved, const std::string &anchor, PutBackOutcome &refusal) const
{
    refusal = PutBackOutcome::failed;
    if (resolved.empty()) {
        UniqueFd fd = PosixFile::openFolderBelow(anchor, folder, true);
        if (!fd && (errno == ELOOP || errno == ENOTDIR))
            refusal = PutBackOutcome::unsafeDestination;
        return fd;
    }
    std::string existing = folder;
    std::vector<std::string> missing;
    UniqueFd fd;
    while (!(fd = PosixFile::openPath(existing, O_PATH | O_DIRECTORY))) {
        if (errno != ENOENT || existing == "/")
            return {};
        missing.push_back(lastComponent(existing));
        existing = parentOf(existing);
    }
    std::string leadsTo = PosixFile::pathOf(fd.get()).value_or(std::string());
    for (auto it = missing.rbegin(); it != missing.rend(); ++it)
        leadsTo += (leadsTo == "/" ? "" : "/") + *it;
    if (leadsTo != resolved) {
        refusal = PutBackOutcome::unsafeDestination;
        return {};
    }
    for (auto it = missing.rbegin(); fd && it != missing.rend(); ++it) {
        if (::mkdirat(fd.get(), it->c_str(), 0777) != 0 && errno != EEXIST)
            return {};
        fd = UniqueFd(::openat(fd.get(), it->c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    }
    return fd;
}

PutBackOutcome FreedesktopTrash::putBack(
    const QString &trashPath, const QString &originalPath, const Origin &origin, const QString &anchor)
{
    const std::string from = PathBytes::toBytes(trashPath);
    const std::string to = PathBytes::toBytes(originalPath);
    if (parentOf(from) != homeTrash() + "/files" || !to.starts_with('/') || lastComponent(to).empty())
        return PutBackOutcome::failed;
    const std::string name = lastComponent(from);
    const std::string infoName = name + std::string(kInfoSuffix);
    // Emptying holds the Trash folder's lock while it removes what it listed: an item put
    // back meanwhile could lose what is still inside it, so putting back waits for no one and
    // gives up instead.
    UniqueFd trashFd = PosixFile::openPath(homeTrash(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
    if (!trashFd || ::flock(trashFd.get(), LOCK_EX | LOCK_NB) != 0)
        return PutBackOutcome::failed;
    UniqueFd filesFd = PosixFile::openPath(homeTrash() + "/files", O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
    UniqueFd infoFd = PosixFile::openPath(homeTrash() + "/info", O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
    struct stat st
    {
    };
    if (!filesFd || ::fstatat(filesFd.get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return PutBackOutcome::notInTrash;
    // The name must still hold what was moved from there: another tool may have emptied
    // the Trash and a later item may have taken the name.
    const auto content = PosixFile::readSmallFile(homeTrash() + "/info/" + infoName, kMaxInfoSize, false);
    if (!matches(origin.identity, st) || (origin.changeTime != 0 && changeTimeOf(st) != origin.changeTime) || !content
        || TrashInfo::recordedPath(*content) != to || !sameMoment(TrashInfo::deletionDate(*content), origin.movedAt))
        return PutBackOutcome::replaced;
    if (PosixFile::statNoFollow(to, st))
        return PutBackOutcome::destinationTaken;
    PutBackOutcome refusal = PutBackOutcome::failed;
    UniqueFd parentFd = wayBack(parentOf(to), PathBytes::toBytes(origin.folder), PathBytes::toBytes(anchor), refusal);
    if (!parentFd)
        return refusal;
    if (::renameat2(filesFd.get(), name.c_str(), parentFd.get(), lastComponent(to).c_str(), RENAME_NOREPLACE) != 0)
        return errno == EEXIST ? PutBackOutcome::destinationTaken : PutBackOutcome::failed;
    ::unlinkat(infoFd.get(), infoName.c_str(), 0);
    return PutBackOutcome::restored;
}

EmptyOutcome FreedesktopTrash::empty(const std::function<bool()> &stopRequested)
{
    EmptyOutcome outcome;
    // A home Trash that is there but not a folder of ours (a link, say) is left alone, and
    // that is no success.
    struct stat home
    {
    };
    if (PosixFile::statNoFollow(homeTrash(), home) && !isOwnFolder(homeTrash(), m_env.uid))
        outcome.remaining.append(PathBytes::fromBytes(homeTrash()));
    for (const Folder &folder : existingFolders()) {
        UniqueFd trashFd = PosixFile::openPath(folder.path, O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
        if (trashFd)
            ::flock(trashFd.get(), LOCK_EX); // released when the folder is done
        UniqueFd filesFd(
            trashFd ? ::openat(trashFd.get(), "files", O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC) : -1);
        UniqueFd infoFd(
            trashFd ? ::openat(trashFd.get(), "info", O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC) : -1);
        if (!filesFd)
            continue; // nothing was ever moved there
        // What was there when emptying began, each removed by the name and identity it had
        // then; an info file goes only once its item is gone.
        for (const auto &[name, st] : snapshot(filesFd.get())) {
            if (stopRequested && stopRequested()) {
                outcome.interrupted = true;
                return outcome;
            }
            if (PosixFile::removeTree(filesFd.get(), name, &st)) {
                outcome.removed.append(PathBytes::fromBytes(folder.path + "/files/" + name));
                if (infoFd)
                    ::unlinkat(infoFd.get(), (name + std::string(kInfoSuffix)).c_str(), 0);
            } else {
                outcome.remaining.append(PathBytes::fromBytes(folder.path + "/files/" + name));
            }
        }
        ::unlinkat(trashFd.get(), "directorysizes", 0);
    }
    return outcome;
}

} // namespace pelmo
