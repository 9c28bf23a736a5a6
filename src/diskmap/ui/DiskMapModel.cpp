#include "diskmap/ui/DiskMapModel.h"

#include "core/Localization.h"
#include "core/PathBytes.h"
#include "core/SizeText.h"
#include "diskmap/DiskMapper.h"
#include "diskmap/TreemapLayout.h"
#include "model/ColorText.h"
#include "scan/ScanPaths.h"
#include "screens/ui/FileIcon.h"
#include "store/CleanerStore.h"

#include <QFutureWatcher>
#include <QtConcurrent>

namespace pelmo {

DiskMapModel::DiskMapModel(CleanerStore &store, QObject *parent)
    : QObject(parent)
    , m_store(store)
{
    connect(&m_store, &CleanerStore::isCleaningChanged, this, &DiskMapModel::trashEnabledChanged);
    connect(&m_store, &CleanerStore::batchFinished, this, [this] {
        if (!std::exchange(m_awaitingBatch, false))
            return;
        setSelectedID({});
        reload();
    });
}

DiskMapModel::~DiskMapModel()
{
    // A stopped walk ends within a few hundred entries; the application may be quitting.
    cancel();
    DiskMapper::pool().waitForDone(2000);
}

QString DiskMapModel::current() const
{
    return m_path.isEmpty() ? m_root : m_path.last();
}

QStringList DiskMapModel::crumbs() const
{
    QStringList out {Localization::tr("Domů")};
    for (const QString &folder : m_path)
        out.append(PathBytes::display(folder.sliced(folder.lastIndexOf(u'/') + 1)));
    return out;
}

QString DiskMapModel::countText() const
{
    return Localization::tr("Položek: ") + QString::number(m_nodes.size());
}

QString DiskMapModel::totalText() const
{
    return formatSize(m_total);
}

void DiskMapModel::setSelectedID(const QString &id)
{
    if (m_selectedID == id)
        return;
    m_selectedID = id;
    Q_EMIT selectedIDChanged();
    Q_EMIT focusChanged();
}

void DiskMapModel::setHoveredID(const QString &id)
{
    if (m_hoveredID == id)
        return;
    m_hoveredID = id;
    Q_EMIT hoveredIDChanged();
    Q_EMIT focusChanged();
}

void DiskMapModel::setHighlightKind(int kind)
{
    if (kind < -1 || kind >= static_cast<int>(allNodeKinds.size()))
        kind = -1;
    if (m_highlightKind == kind)
        return;
    m_highlightKind = kind;
    Q_EMIT highlightKindChanged();
}

std::optional<DiskNode> DiskMapModel::node(const QString &id) const
{
    if (id.isEmpty())
        return std::nullopt;
    for (const DiskNode &n : m_nodes) {
        if (n.id() == id)
            return n;
    }
    return std::nullopt;
}

std::optional<DiskNode> DiskMapModel::focusNode() const
{
    if (std::optional<DiskNode> hovered = node(m_hoveredID))
        return hovered;
    return node(m_selectedID);
}

QVariantList DiskMapModel::kinds() const
{
    QVariantList out;
    for (const KindTotal &total : kindTotals()) {
        out.append(QVariantMap {{QStringLiteral("kind"), static_cast<int>(total.kind)},
            {QStringLiteral("title"), Kind::title(total.kind)}, {QStringLiteral("sizeText"), formatSize(total.size)},
            {QStringLiteral("color"), colorText(Kind::color(total.kind, 0, 0))}});
    }
    return out;
}

bool DiskMapModel::trashEnabled() const
{
    return !m_store.isCleaning();
}

bool DiskMapModel::isProtected(const QString &path) const
{
    return !m_confinement || DiskMapper::isProtected(path, *m_confinement);
}

QVariantMap DiskMapModel::describe(const QString &id) const
{
    // The focus falls back to the selection when the hovered id is not a node any more.
    std::optional<DiskNode> found = node(id);
    if (!found && id == m_hoveredID)
        found = node(m_selectedID);
    if (!found)
        return {};
    const DiskNode &n = *found;
    const double share = m_total >= 1 ? static_cast<double>(n.size) / static_cast<double>(m_total) : 0.0;
    const QString name = PathBytes::display(n.name());
    const QString shown = PathBytes::display(m_root.isEmpty() ? n.path : DiskScanner::tildePath(n.path, m_root));
    return {
        {QStringLiteral("id"), n.id()},
        {QStringLiteral("name"), name},
        {QStringLiteral("path"), shown},
        {QStringLiteral("sizeText"), formatSize(n.size)},
        {QStringLiteral("share"), share},
        {QStringLiteral("percentText"),
            m_total >= 1 ? percentString(share) + Localization::tr(" obsahu této složky") : QString()},
        {QStringLiteral("kindTitle"), Kind::title(n.kind)},
        {QStringLiteral("color"), colorText(Kind::color(n.kind, n.variant(), 0))},
        {QStringLiteral("iconName"), FileIcon::forPath(n.path)},
        {QStringLiteral("enterable"), n.isEnterable()},
        {QStringLiteral("protected"), isProtected(n.path)},
        {QStringLiteral("trashTitle"), Localization::format(Localization::tr("Přesunout „%@“ do koše?"), {name})},
        {QStringLiteral("trashButton"), Localization::tr("Přesunout do koše (") + formatSize(n.size) + u')'},
    };
}

void DiskMapModel::setPath(QStringList path)
{
    const QString before = current();
    if (path != m_path) {
        m_path = std::move(path);
        Q_EMIT pathChanged();
    }
    if (current() != before) {
        // Whatever was being measured is no longer wanted.
        cancel();
        Q_EMIT currentChanged();
    }
}

void DiskMapModel::setRoot(const QString &root)
{
    if (root == m_root)
        return;
    m_root = root;
    m_confinement.reset();
    if (!root.isEmpty())
        m_confinement.emplace(root);
    Q_EMIT rootChanged();
    m_store.diskMapCache().clear();
    apply({});
    setSelectedID({});
    setHoveredID({});
    const QString before = m_path.isEmpty() ? QString() : m_path.last();
    setPath({});
    if (before.isEmpty()) {
        // The path was already empty: the root alone changed what is shown.
        cancel();
        Q_EMIT currentChanged();
    }
}

void DiskMapModel::enter(const DiskNode &node)
{
    // Below the root as a folder, not as text: "/home/ann" is no root of "/home/anna/x".
    const QString inside = m_root.endsWith(u'/') ? m_root : m_root + u'/';
    if (!node.isEnterable() || m_root.isEmpty() || !node.path.startsWith(inside))
        return;
    setSelectedID({});
    setHoveredID({});
    setPath(m_path + QStringList {node.path});
}

void DiskMapModel::enter(const QString &id)
{
    if (const std::optional<DiskNode> found = node(id))
        enter(*found);
}

void DiskMapModel::back()
{
    if (m_path.isEmpty())
        return;
    setSelectedID({});
    setHoveredID({});
    setPath(m_path.first(m_path.size() - 1));
}

void DiskMapModel::goTo(int depth)
{
    if (depth >= m_path.size())
        return;
    setSelectedID({});
    setHoveredID({});
    setPath(m_path.first(std::max(depth, 0)));
}

void DiskMapModel::setHover(const QString &id, bool inside)
{
    if (inside)
        setHoveredID(id);
    else if (m_hoveredID == id)
        setHoveredID({});
}

void DiskMapModel::cancel()
{
    if (m_stop)
        m_stop->store(true);
    m_stop.reset();
    m_measuring.clear();
    ++m_generation;
}

void DiskMapModel::load()
{
    const QString folder = current();
    if (m_stop && m_measuring == folder)
        return; // already on its way
    cancel();
    if (folder.isEmpty())
        return;
    DiskMapCache &cache = m_store.diskMapCache();
    if (const std::optional<QList<DiskNode>> cached = cache.folder(folder)) {
        apply(*cached);
        setLoading(false);
        return;
    }
    // A folder inside one already walked needs no walk of its own.
    if (const std::optional<QList<DiskNode>> known = DiskMapper::knownChildren(folder, *cache.totals())) {
        cache.setFolder(folder, *known);
        apply(*known);
        setLoading(false);
        Q_EMIT measured();
        return;
    }
    measure(false);
}

void DiskMapModel::reload()
{
    cancel();
    const QString folder = current();
    if (folder.isEmpty())
        return;
    m_store.diskMapCache().forgetFolder(folder);
    measure(true);
}

void DiskMapModel::measure(bool fresh)
{
    setLoading(true);
    m_stop = std::make_shared<std::atomic<bool>>(false);
    const quint64 generation = m_generation;
    const QString folder = current();
    m_measuring = folder;
    DiskMapCache &cache = m_store.diskMapCache();
    const quint64 epoch = cache.epoch();
    const QFuture<QList<DiskNode>> future
        = QtConcurrent::run(&DiskMapper::pool(), [folder, totals = cache.totals(), stop = m_stop, fresh] {
              DiskMapper::Measure measure;
              measure.totals = totals.get();
              measure.useTotals = !fresh;
              measure.stop = stop.get();
              measure.background = true;
              return DiskMapper::children(folder, measure);
          });
    // A watcher, not a continuation: the result always arrives through the event loop, never
    // inside the call that asked for it.
    auto *watcher = new QFutureWatcher<QList<DiskNode>>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, generation, epoch, folder] {
        watcher->deleteLater();
        if (generation != m_generation)
            return; // left behind: the folder shown now is another, or it is measured again
        DiskMapCache &cache = m_store.diskMapCache();
        if (epoch != cache.epoch()) {
            measure(true); // a clean-up ran meanwhile: what was walked may have moved
            return;
        }
        const QList<DiskNode> nodes = watcher->result();
        m_stop.reset();
        m_measuring.clear();
        cache.setFolder(folder, nodes);
        apply(nodes);
        setLoading(false);
        Q_EMIT measured();
    });
    watcher->setFuture(future);
}

void DiskMapModel::setLoading(bool loading)
{
    if (m_loading == loading)
        return;
    m_loading = loading;
    Q_EMIT loadingChanged();
}

void DiskMapModel::apply(const QList<DiskNode> &nodes)
{
    const qint64 total = totalSize(nodes);
    if (nodes != m_nodes) {
        m_nodes = nodes;
        m_largest.setNodes(m_nodes.first(std::min(m_nodes.size(), largestLimit)), total);
        layOut();
        Q_EMIT nodesChanged();
        Q_EMIT focusChanged();
    }
    if (total != m_total) {
        m_total = total;
        Q_EMIT totalChanged();
    }
}

void DiskMapModel::setCanvasSize(double width, double height)
{
    const QSizeF size(width, height);
    if (size == m_canvas)
        return;
    m_canvas = size;
    layOut();
}

void DiskMapModel::layOut()
{
    const QList<TreemapTile> laid = TreemapLayout::layout(shown(), QRectF(QPointF(0, 0), m_canvas));
    QList<DiskNode> nodes;
    QList<QRectF> rects;
    nodes.reserve(laid.size());
    rects.reserve(laid.size());
    for (const TreemapTile &tile : laid) {
        nodes.append(tile.node);
        rects.append(tile.rect);
    }
    m_tiles.setNodes(nodes, totalSize(m_nodes), rects);
}

void DiskMapModel::reveal(const QString &id)
{
    if (const std::optional<DiskNode> found = id.isEmpty() ? std::nullopt : node(id))
        m_store.reveal(found->path);
    else if (id.isEmpty() && !current().isEmpty())
        m_store.reveal(current());
}

void DiskMapModel::moveToTrash(const QString &id)
{
    const std::optional<DiskNode> found = node(id);
    if (!found || isProtected(found->path) || m_store.isCleaning())
        return;
    CleanItem item;
    item.path = found->path;
    item.name = found->name();
    item.size = found->size;
    item.category = CleanCategory::largeFiles;
    item.detail = m_root.isEmpty() ? found->path : DiskScanner::tildePath(found->path, m_root);
    item.isSafe = false;
    item.identity = found->identity;
    m_awaitingBatch = true;
    m_store.clean({item});
}

} // namespace pelmo
