#include "MoveJournal.h"

#include "TrashInfo.h"
#include "core/DirectoryListing.h"
#include "core/PathBytes.h"

#include <QUuid>

#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace pelmo {
namespace {

constexpr std::string_view kSuffix = ".move";
constexpr size_t kMaxFileSize = 64 * 1024;

bool writeLine(int fd, std::string_view bytes)
{
    // Percent-encoded, so that any name stays on its one line.
    const std::string line = PathBytes::percentEncoded(bytes) + "\n";
    return ::write(fd, line.data(), line.size()) == static_cast<ssize_t>(line.size());
}

// Whether the info file is the one this move made: still empty, or naming `original`
// (relative to a topdir in a topdir Trash).
bool isOurs(const std::string &info, const std::string &original)
{
    const std::optional<std::string> content = PosixFile::readSmallFile(info, kMaxFileSize, false);
    if (!content)
        return false;
    if (content->empty())
        return true;
    const std::optional<std::string> recorded = TrashInfo::recordedPath(*content);
    if (!recorded || recorded->empty())
        return false;
    return recorded->starts_with('/') ? *recorded == original : original.ends_with("/" + *recorded);
}

} // namespace

MoveJournal::MoveJournal(std::string folder)
    : m_folder(std::move(folder))
{ }

MoveJournal::Record::~Record()
{
    if (m_fd)
        ::unlink(m_path.c_str());
}

void MoveJournal::Record::setName(const std::string &name)
{
    if (m_fd)
        writeLine(m_fd.get(), name);
}

MoveJournal::Record MoveJournal::begin(const std::string &trashFolder, const std::string &original) const
{
    Record record;
    if (m_folder.empty() || !PosixFile::makeFolders(m_folder))
        return record;
    const std::string path
        = m_folder + "/" + QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString() + std::string(kSuffix);
    PosixFile::UniqueFd fd(::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!fd || ::flock(fd.get(), LOCK_EX) != 0 || !writeLine(fd.get(), trashFolder) || !writeLine(fd.get(), original)) {
        ::unlink(path.c_str());
        return record;
    }
    record.m_fd = std::move(fd);
    record.m_path = path;
    return record;
}

void MoveJournal::recover(const std::function<bool(const Finished &)> &finished) const
{
    PosixFile::UniqueFd folder = PosixFile::openPath(m_folder, O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
    if (!folder)
        return;
    std::vector<std::string> names;
    DirectoryListing::read(folder.get(), [&](std::string_view name, unsigned char, ino_t) {
        if (name.ends_with(kSuffix))
            names.emplace_back(name);
    });
    for (const std::string &name : names) {
        PosixFile::UniqueFd fd(::openat(folder.get(), name.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
        if (!fd || ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0)
            continue; // its move is still running
        const std::optional<std::string> content = PosixFile::readSmallFile(m_folder + "/" + name, kMaxFileSize, false);
        std::vector<std::string> lines;
        for (size_t start = 0; content && start < content->size();) {
            const size_t end = content->find('\n', start);
            if (end == std::string::npos)
                break;
            lines.push_back(TrashInfo::percentDecoded(std::string_view(*content).substr(start, end - start)));
            start = end + 1;
        }
        if (lines.size() >= 3 && !lines.back().empty()) {
            const std::string &trash = lines[0];
            const std::string &original = lines[1];
            const std::string info = trash + "/info/" + lines.back() + ".trashinfo";
            struct stat st
            {
            };
            const bool inTrash = PosixFile::statNoFollow(trash + "/files/" + lines.back(), st);
            const bool itemMoved = inTrash || errno != ENOENT;
            if (!itemMoved && PosixFile::statNoFollow(original, st) && isOurs(info, original))
                ::unlink(info.c_str());
            const std::optional<std::string> content = PosixFile::readSmallFile(info, kMaxFileSize, false);
            const bool named = content && !content->empty() && isOurs(info, original);
            if (inTrash && named && !PosixFile::statNoFollow(original, st)
                && !finished({trash, lines.back(), original}))
                continue; // kept for the next start
        }
        ::unlinkat(folder.get(), name.c_str(), 0);
    }
}

} // namespace pelmo
