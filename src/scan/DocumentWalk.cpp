#include "DocumentWalk.h"

#include "LinuxPlaces.h"
#include "ScanPaths.h"
#include "core/FileWalker.h"
#include "core/PosixFile.h"

#include <algorithm>
#include <atomic>
#include <span>
#include <thread>

namespace pelmo::DiskScanner {
namespace {

constexpr size_t kLargeFileFolders = 4; // Downloads, Desktop, Documents, Movies

bool isSameOrInside(const std::string &path, const std::string &folder)
{
    return path.starts_with(folder) && (path.size() == folder.size() || path[folder.size()] == '/');
}

// A direct child of a document folder, walked as a whole by one thread. Units are listed
// in walk order, so (unit, position within the unit's walk) is the walk order of the
// single depth-first walk, whichever thread took the unit.
struct Unit
{
    std::string path;
    std::span<const std::string> earlierFolders; // pruned wherever they appear
    bool wantLarge = false;
};

std::vector<Unit> unitsOf(const std::vector<std::string> &folders, size_t count, bool wantLarge)
{
    std::vector<Unit> units;
    for (size_t index = 0; index < count; ++index) {
        const std::string &folder = folders[index];
        // Folders that user-dirs.dirs lets overlap are walked once: a folder inside an
        // earlier one was walked with it, and an earlier one inside this one is pruned.
        const auto earlier = std::span(folders).first(index);
        if (std::ranges::any_of(earlier, [&](const std::string &e) { return isSameOrInside(folder, e); }))
            continue;
        for (const std::string &name : FileWalker::listChildren(folder)) {
            std::string path = join(folder, name);
            if (std::ranges::find(earlier, path) == earlier.end())
                units.push_back({std::move(path), earlier, wantLarge && index < kLargeFileFolders});
        }
    }
    return units;
}

class UnitWalk
{
public:
    UnitWalk(const QString &home, const DocumentWalkRequest &request, const Unit &unit, quint64 unitIndex)
        : m_home(home)
        , m_request(request)
        , m_unit(unit)
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
        else if (S_ISDIR(st.st_mode) && !FileWalker::isPackageName(name))
            FileWalker::walk(m_unit.path, {.skipHidden = true, .skipPackages = true},
                [this](const FileWalker::Entry &entry) { return visit(entry); });
        return m_largeFiles;
    }

private:
    FileWalker::Action visit(const FileWalker::Entry &entry)
    {
        if (entry.type == FileWalker::EntryType::Directory) {
            const bool walkedAlready
                = std::ranges::find(m_unit.earlierFolders, entry.path) != m_unit.earlierFolders.end();
            return walkedAlready ? FileWalker::Action::SkipChildren : FileWalker::Action::Continue;
        }
        if (entry.stat)
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
    quint64 m_order;
    QList<CleanItem> m_largeFiles;
};

} // namespace

QList<CleanItem> walkDocumentFolders(const QString &home, const DocumentWalkRequest &request)
{
    const std::vector<std::string> folders = LinuxPlaces::documentFolders(PathBytes::toBytes(home));
    const size_t count = request.onDuplicateCandidate ? folders.size() : kLargeFileFolders;
    const std::vector<Unit> units = unitsOf(folders, count, request.largeThreshold.has_value());

    // Walking is mostly system-call latency: two threads share the units.
    std::vector<QList<CleanItem>> largeFiles(units.size());
    std::atomic<size_t> next = 0;
    auto work = [&] {
        for (size_t u = next++; u < units.size(); u = next++)
            largeFiles[u] = UnitWalk(home, request, units[u], u).run();
    };
    std::thread helper(work);
    work();
    helper.join();

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
