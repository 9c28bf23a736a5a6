#include "DocumentWalk.h"

#include "LinuxPlaces.h"
#include "ScanPaths.h"
#include "core/FileWalker.h"
#include "core/PosixFile.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <thread>

#include <sys/stat.h>

namespace pelmo::DiskScanner {
namespace {

bool isSameOrInside(const std::string &path, const std::string &folder)
{
    return path.starts_with(folder) && (path.size() == folder.size() || path[folder.size()] == '/');
}

// Whether a walk of `root` reaches `path`: it is the root or lies below it with no hidden
// folder or package on the way.
bool isReachedFrom(const std::string &path, const std::string &root)
{
    if (!isSameOrInside(path, root))
        return false;
    std::string_view rest = std::string_view(path).substr(root.size());
    while (!rest.empty()) {
        rest.remove_prefix(1); // the slash
        const std::string_view name = rest.substr(0, rest.find('/'));
        if (name.starts_with('.') || FileWalker::isPackageName(name))
            return false;
        rest.remove_prefix(name.size());
    }
    return true;
}

std::optional<std::string> resolved(const std::string &path)
{
    const std::unique_ptr<char, void (*)(void *)> real(::realpath(path.c_str(), nullptr), std::free);
    return real ? std::optional<std::string>(real.get()) : std::nullopt;
}

// Every folder is walked once, however many names reach it: a document folder that is a
// link to or a bind mount of another, or lies inside another, would otherwise show each of
// its files twice, and offer one as a copy of itself. Folders are told apart by device
// and inode, which links and bind mounts share; both walking threads claim here.
class WalkedFolders
{
public:
    // True for the first claim of the folder that `st` describes.
    bool claim(const struct stat &st)
    {
        const std::scoped_lock lock(m_mutex);
        return m_claimed.emplace(st.st_dev, st.st_ino).second;
    }

private:
    std::mutex m_mutex;
    std::set<std::pair<dev_t, ino_t>> m_claimed;
};

// A direct child of a document folder, walked as a whole by one thread. Units are listed
// in walk order, so (unit, position within the unit's walk) is the walk order of the
// single depth-first walk, whichever thread took the unit.
struct Unit
{
    std::string path;
    bool wantLarge = false;
};

struct Root
{
    LinuxPlaces::DocumentFolder folder;
    struct stat st; // of the folder the name leads to
};

// The document folders worth walking: a folder that is, or resolves to a place that the
// walk of an earlier one reaches, is walked with it; one that is home or holds it would be
// a walk of everything. The rest keep the names they were given, so items keep the paths
// the user knows.
std::vector<Root> rootsOf(const std::string &home, const DocumentWalkRequest &request)
{
    const std::string realHome = resolved(home).value_or(home);
    std::vector<std::string> realRoots;
    std::vector<Root> roots;
    for (const LinuxPlaces::DocumentFolder &folder : LinuxPlaces::documentFolders(home)) {
        if (!request.onDuplicateCandidate && !folder.hasLargeFiles)
            continue;
        const std::optional<std::string> real = resolved(folder.path);
        struct stat st
        {
        };
        if (!real || ::stat(real->c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || isSameOrInside(realHome, *real))
            continue;
        if (std::ranges::any_of(realRoots, [&](const std::string &root) { return isReachedFrom(*real, root); }))
            continue;
        realRoots.push_back(*real);
        roots.push_back({folder, st});
    }
    return roots;
}

class UnitWalk
{
public:
    UnitWalk(const QString &home, const DocumentWalkRequest &request, const Unit &unit, quint64 unitIndex,
        WalkedFolders &walked)
        : m_home(home)
        , m_request(request)
        , m_unit(unit)
        , m_walked(walked)
        , m_order(unitIndex << 32)
    { }

    QList<CleanItem> run()
    {
        struct stat st
        {
        };
        if (!PosixFile::statNoFollow(m_unit.path, st))
            return {};
        const size_t slash = m_unit.path.rfind('/');
        const std::string_view name = std::string_view(m_unit.path).substr(slash + 1);
        if (S_ISREG(st.st_mode))
            file(m_unit.path, name, st);
        else if (S_ISDIR(st.st_mode) && !FileWalker::isPackageName(name) && m_walked.claim(st))
            FileWalker::walk(m_unit.path, {.skipHidden = true, .skipPackages = true, .statFolders = true},
                [this](const FileWalker::Entry &entry) { return visit(entry); });
        return m_largeFiles;
    }

private:
    FileWalker::Action visit(const FileWalker::Entry &entry)
    {
        if (entry.type == FileWalker::EntryType::Directory)
            return m_walked.claim(*entry.stat) ? FileWalker::Action::Continue : FileWalker::Action::SkipChildren;
        if (entry.type == FileWalker::EntryType::RegularFile)
            file(entry.path, entry.name, *entry.stat);
        return FileWalker::Action::Continue;
    }

    void file(const std::string &path, std::string_view name, const struct stat &st)
    {
        const quint64 order = m_order++;
        if (m_unit.wantLarge && !isInstallerName(name)) {
            const qint64 size = static_cast<qint64>(st.st_blocks) * 512;
            if (size >= *m_request.largeThreshold)
                m_largeFiles.append(
                    itemAt(path, size, CleanCategory::largeFiles, tildePath(parentOf(path), m_home), false));
        }
        if (m_request.onDuplicateCandidate && st.st_size >= m_request.candidateMinimum) {
            const qint64 modified = static_cast<qint64>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
            m_request.onDuplicateCandidate({path, st.st_size, modified, order});
        }
    }

    const QString &m_home;
    const DocumentWalkRequest &m_request;
    const Unit &m_unit;
    WalkedFolders &m_walked;
    quint64 m_order;
    QList<CleanItem> m_largeFiles;
};

} // namespace

QList<CleanItem> walkDocumentFolders(const QString &home, const DocumentWalkRequest &request)
{
    WalkedFolders walked;
    const std::vector<Root> roots = rootsOf(PathBytes::toBytes(home), request);
    std::vector<QList<CleanItem>> largeFiles; // per unit

    // The folders that hold large files are all claimed before any walk, and walked first;
    // the others after them, so that a folder mounted inside a large-file folder as well is
    // walked as part of it, whichever thread gets there first.
    for (const bool holdsLargeFiles : {true, false}) {
        std::vector<Unit> units;
        for (const Root &root : roots) {
            if (root.folder.hasLargeFiles != holdsLargeFiles || !walked.claim(root.st))
                continue;
            for (const std::string &name : FileWalker::listChildren(root.folder.path))
                units.push_back({join(root.folder.path, name), holdsLargeFiles && request.largeThreshold.has_value()});
        }
        // Walking is mostly system-call latency: two threads share the units.
        const size_t first = largeFiles.size();
        largeFiles.resize(first + units.size());
        std::atomic<size_t> next = 0;
        auto work = [&] {
            for (size_t u = next++; u < units.size(); u = next++)
                largeFiles[first + u] = UnitWalk(home, request, units[u], first + u, walked).run();
        };
        std::thread helper(work);
        work();
        helper.join();
    }

    QList<CleanItem> result;
    for (const QList<CleanItem> &part : largeFiles)
        result += part;
    return result;
}

QList<CleanItem> largeFiles(const QString &home, qint64 threshold)
{
    return walkDocumentFolders(home, {.largeThreshold = threshold, .onDuplicateCandidate = {}});
}

} // namespace pelmo::DiskScanner
