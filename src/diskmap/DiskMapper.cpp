#include "DiskMapper.h"

#include "FolderTotals.h"
#include "core/DirectoryListing.h"
#include "core/FileWalker.h"
#include "core/PathBytes.h"
#include "core/PosixFile.h"
#include "scan/Confinement.h"

#include <QDir>
#include <QThreadPool>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace pelmo::DiskMapper {
namespace {

// Threads that may walk for the disk map at once, across all measurements.
int threadBound()
{
    return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 2, 8);
}

} // namespace

QThreadPool &pool()
{
    static QThreadPool *threads = [] {
        auto *p = new QThreadPool; // outlives every measurement: never destroyed
        // The walkers of one measurement and the thread that waits for them.
        p->setMaxThreadCount(threadBound() + 1);
        p->setExpiryTimeout(10'000);
        return p;
    }();
    return *threads;
}

namespace {

// The walk of many folders by a few threads. Each thread walks a folder with FileWalker;
// while another thread waits for work it hands it the next sub-folder it meets instead of
// entering it, so that one large child keeps every thread busy. Every folder met
// becomes a node whose own bytes are added to its ancestors at the end: the totals of all
// folders below the measured one come out of the same walk.
class ParallelWalk
{
public:
    struct Job
    {
        std::string path;
        int node;
        dev_t device;
        ino_t inode;
    };

    ParallelWalk(const std::atomic<bool> *stop, int threads, bool background)
        : m_stop(stop)
        , m_threads(threads)
        , m_background(background)
    { }

    int addRoot(const std::string &path, const struct stat &st)
    {
        const int node = m_nextNode++;
        m_roots.push_back({node, -1, FolderTotals::folderOf(st, 0)});
        m_queue.push_back({path, node, st.st_dev, st.st_ino});
        return node;
    }

    // Runs to the end (or until stopped) on the calling thread and the pool's.
    void run(const std::shared_ptr<ParallelWalk> &self)
    {
        const int helpers = std::min<int>(m_threads - 1, static_cast<int>(m_queue.size()) + 1);
        for (int i = 0; i < helpers; ++i)
            pool().start([self] { self->work(); });
        work();
        std::unique_lock lock(m_mutex);
        m_finished.wait(lock, [this] { return m_working == 0 && m_queue.empty(); });
        m_closed = true;
    }

    [[nodiscard]] bool stopped() const { return m_stop && m_stop->load(std::memory_order_relaxed); }

    // Each node's total, and the folders for the totals' cache (shallow ones first).
    [[nodiscard]] std::vector<qint64> totals(std::vector<FolderTotals::Folder> *folders) const
    {
        const auto count = static_cast<size_t>(m_nextNode.load());
        std::vector<qint64> total(count, 0);
        std::vector<int> parent(count, -1);
        std::vector<const FolderTotals::Folder *> stamps(count, nullptr);
        for (const Node &node : m_roots)
            stamps[static_cast<size_t>(node.id)] = &node.folder;
        for (const Local &local : m_locals) {
            for (const Node &node : local.nodes) {
                parent[static_cast<size_t>(node.id)] = node.parent;
                stamps[static_cast<size_t>(node.id)] = &node.folder;
            }
            for (const auto &[id, bytes] : local.own)
                total[static_cast<size_t>(id)] += bytes;
        }
        // A node is numbered after its parent, so one pass from the end adds up every subtree.
        for (size_t id = count; id-- > 0;) {
            if (parent[id] >= 0)
                total[static_cast<size_t>(parent[id])] += total[id];
        }
        if (folders) {
            folders->reserve(count);
            for (size_t id = 0; id < count; ++id) {
                if (stamps[id]) {
                    folders->push_back(*stamps[id]);
                    folders->back().total = total[id];
                }
            }
        }
        return total;
    }

private:
    struct Node
    {
        int id;
        int parent;
        FolderTotals::Folder folder;
    };
    // What one job learnt; merged after the walk.
    struct Local
    {
        std::vector<Node> nodes;
        std::vector<std::pair<int, qint64>> own;
    };

    void work()
    {
        if (m_background)
            yieldToOthers();
        for (;;) {
            Job job;
            {
                std::unique_lock lock(m_mutex);
                m_idle.fetch_add(1, std::memory_order_relaxed);
                m_available.wait(lock, [this] { return m_closed || !m_queue.empty() || m_working == 0; });
                m_idle.fetch_sub(1, std::memory_order_relaxed);
                if (m_closed || m_queue.empty())
                    return;
                job = std::move(m_queue.front());
                m_queue.pop_front();
                m_queued.store(static_cast<int>(m_queue.size()), std::memory_order_relaxed);
                ++m_working;
            }
            Local local;
            if (!stopped())
                walk(job, local);
            const std::lock_guard lock(m_mutex);
            m_locals.push_back(std::move(local));
            if (--m_working == 0 && m_queue.empty()) {
                m_available.notify_all();
                m_finished.notify_all();
            }
        }
    }

    void walk(const Job &job, Local &local)
    {
        struct Frame
        {
            int depth;
            int node;
            qint64 own;
        };
        std::vector<Frame> open {{0, job.node, 0}};
        unsigned visited = 0;
        bool halted = false;
        struct stat root
        {
        };
        root.st_dev = job.device;
        root.st_ino = job.inode;
        FileWalker::Options options;
        options.statFolders = true;
        options.expectedRoot = &root;
        FileWalker::walk(job.path, options, [&](const FileWalker::Entry &entry) {
            if (halted || ((++visited & 0xFF) == 0 && (halted = stopped())))
                return FileWalker::Action::SkipChildren;
            while (open.back().depth >= entry.depth) {
                local.own.emplace_back(open.back().node, open.back().own);
                open.pop_back();
            }
            if (entry.type == FileWalker::EntryType::RegularFile) {
                open.back().own += static_cast<qint64>(entry.stat->st_blocks) * 512;
                return FileWalker::Action::Continue;
            }
            if (entry.type != FileWalker::EntryType::Directory)
                return FileWalker::Action::Continue;
            const int node = m_nextNode++;
            local.nodes.push_back({node, open.back().node, FolderTotals::folderOf(*entry.stat, 0)});
            // Handing a folder over costs a wake-up and a path lookup: only for a thread that
            // has nothing to do.
            if (m_idle.load(std::memory_order_relaxed) > m_queued.load(std::memory_order_relaxed)) {
                const std::lock_guard lock(m_mutex);
                m_queue.push_back({entry.path, node, entry.stat->st_dev, entry.stat->st_ino});
                m_queued.store(static_cast<int>(m_queue.size()), std::memory_order_relaxed);
                m_available.notify_one();
                return FileWalker::Action::SkipChildren;
            }
            open.push_back({entry.depth, node, 0});
            return FileWalker::Action::Continue;
        });
        for (const Frame &frame : open)
            local.own.emplace_back(frame.node, frame.own);
    }

    // Five steps of niceness: the window's thread gets the processor first when it needs it.
    static void yieldToOthers()
    {
        thread_local bool done = false;
        if (!std::exchange(done, true))
            ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), ::getpriority(PRIO_PROCESS, 0) + 5);
    }

    const std::atomic<bool> *m_stop;
    const int m_threads;
    const bool m_background;
    std::atomic<int> m_nextNode {0};
    std::atomic<int> m_queued {0};
    std::atomic<int> m_idle {0}; // threads waiting for a folder
    std::vector<Node> m_roots;
    std::mutex m_mutex;
    std::condition_variable m_available;
    std::condition_variable m_finished;
    std::deque<Job> m_queue;
    int m_working = 0;
    bool m_closed = false;
    std::vector<Local> m_locals;
};

struct Listed
{
    std::string name;
    struct stat stat;
};

// The visible entries of a folder with their lstat, links and vanished entries left out;
// nothing when it cannot be opened or has more than `limit` visible names.
std::optional<std::vector<Listed>> listing(const std::string &folder, size_t limit)
{
    std::vector<Listed> entries;
    const PosixFile::UniqueFd fd = PosixFile::openPath(folder, O_RDONLY | O_DIRECTORY);
    if (!fd)
        return entries;
    size_t visible = 0;
    DirectoryListing::read(fd.get(), [&](std::string_view name, unsigned char, ino_t) {
        if (name.front() == '.' || ++visible > limit)
            return;
        Listed entry {std::string(name), {}};
        if (::fstatat(fd.get(), entry.name.c_str(), &entry.stat, AT_SYMLINK_NOFOLLOW) != 0
            || S_ISLNK(entry.stat.st_mode))
            return;
        entries.push_back(std::move(entry));
    });
    if (visible > limit)
        return std::nullopt;
    return entries;
}

std::string withoutTrailingSlash(const QString &folder)
{
    std::string base = PathBytes::toBytes(folder);
    while (base.size() > 1 && base.back() == '/')
        base.pop_back();
    return base;
}

std::string prefixOf(const std::string &base)
{
    return base == "/" ? base : base + '/';
}

QList<DiskNode> nodesOf(const std::string &prefix, const std::vector<Listed> &entries, const std::vector<qint64> &sizes)
{
    QList<DiskNode> nodes;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (sizes[i] < 1)
            continue;
        const bool isDirectory = S_ISDIR(entries[i].stat.st_mode);
        nodes.append({PathBytes::fromBytes(prefix + entries[i].name), sizes[i], isDirectory,
            Kind::of(entries[i].name, isDirectory), FileIdentity::of(entries[i].stat)});
    }
    std::ranges::sort(nodes,
        [](const DiskNode &a, const DiskNode &b) { return a.size != b.size ? a.size > b.size : a.path < b.path; });
    return nodes;
}

} // namespace

QList<DiskNode> children(const QString &folder, const Measure &measure)
{
    const std::string base = withoutTrailingSlash(folder);
    const std::vector<Listed> entries = listing(base, SIZE_MAX).value_or(std::vector<Listed>());
    const std::string prefix = prefixOf(base);

    const quint64 epoch = measure.totals ? measure.totals->epoch() : 0;
    const int threads = measure.threads > 0 ? measure.threads : threadBound();
    auto walk = std::make_shared<ParallelWalk>(measure.stop, threads, measure.background);
    std::vector<qint64> sizes(entries.size(), 0);
    std::vector<int> walked(entries.size(), -1);
    for (size_t i = 0; i < entries.size(); ++i) {
        const struct stat &st = entries[i].stat;
        if (!S_ISDIR(st.st_mode)) {
            sizes[i] = static_cast<qint64>(st.st_blocks) * 512;
            continue;
        }
        if (measure.totals && measure.useTotals) {
            if (const std::optional<qint64> known = measure.totals->find(st)) {
                sizes[i] = *known;
                continue;
            }
        }
        walked[i] = walk->addRoot(prefix + entries[i].name, st);
    }
    if (std::ranges::any_of(walked, [](int node) { return node >= 0; })) {
        walk->run(walk);
        if (walk->stopped())
            return {};
        std::vector<FolderTotals::Folder> learnt;
        const std::vector<qint64> totals = walk->totals(measure.totals ? &learnt : nullptr);
        for (size_t i = 0; i < entries.size(); ++i) {
            if (walked[i] >= 0)
                sizes[i] = totals[static_cast<size_t>(walked[i])];
        }
        if (measure.totals)
            measure.totals->add(std::move(learnt), epoch);
    }
    return nodesOf(prefix, entries, sizes);
}

std::optional<QList<DiskNode>> knownChildren(const QString &folder, const FolderTotals &totals, size_t maxEntries)
{
    const std::string base = withoutTrailingSlash(folder);
    const std::optional<std::vector<Listed>> entries = listing(base, maxEntries);
    if (!entries)
        return std::nullopt;
    std::vector<qint64> sizes(entries->size(), 0);
    for (size_t i = 0; i < entries->size(); ++i) {
        const struct stat &st = (*entries)[i].stat;
        if (!S_ISDIR(st.st_mode)) {
            sizes[i] = static_cast<qint64>(st.st_blocks) * 512;
            continue;
        }
        const std::optional<qint64> known = totals.find(st);
        if (!known)
            return std::nullopt;
        sizes[i] = *known;
    }
    return nodesOf(prefixOf(base), *entries, sizes);
}

bool isProtected(const QString &path, const Confinement &confinement)
{
    static const QStringList kFixed = {QStringLiteral("Library"), QStringLiteral("Documents"),
        QStringLiteral("Desktop"), QStringLiteral("Downloads"), QStringLiteral("Pictures"), QStringLiteral("Movies"),
        QStringLiteral("Music"), QStringLiteral("Applications"), QStringLiteral("Public"), QStringLiteral("Sites")};
    if (!confinement.allows(path))
        return true;
    const qsizetype slash = path.lastIndexOf(u'/');
    return path.first(slash) == QDir::cleanPath(confinement.home()) && kFixed.contains(path.sliced(slash + 1));
}

} // namespace pelmo::DiskMapper
