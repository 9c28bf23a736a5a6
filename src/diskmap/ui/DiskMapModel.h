#pragma once

#include "diskmap/DiskNode.h"
#include "diskmap/ui/DiskNodeListModel.h"
#include "scan/Confinement.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

#include <atomic>
#include <memory>
#include <optional>

namespace pelmo {

class CleanerStore;

// The state of the disk map: the root (the home folder), the folders entered below it, the
// measured children of the one shown, the selection, the hover and the highlighted kind.
// One instance lives as long as the store, so the position and what was measured survive
// switching screens; the measured folders are kept in the store's disk-map cache, which the
// store empties after every clean-up. Main thread only; a measurement runs on worker threads
// and stops as soon as the folder it measures is no longer the one shown.
class DiskMapModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The application state makes the one disk map model.")
    Q_PROPERTY(QString root READ root NOTIFY rootChanged)
    Q_PROPERTY(QStringList path READ path NOTIFY pathChanged)
    Q_PROPERTY(QString current READ current NOTIFY currentChanged)
    Q_PROPERTY(QStringList crumbs READ crumbs NOTIFY pathChanged)
    Q_PROPERTY(int count READ count NOTIFY nodesChanged)
    Q_PROPERTY(QString countText READ countText NOTIFY nodesChanged)
    Q_PROPERTY(qint64 total READ total NOTIFY totalChanged)
    Q_PROPERTY(QString totalText READ totalText NOTIFY totalChanged)
    Q_PROPERTY(bool loading READ loading NOTIFY loadingChanged)
    Q_PROPERTY(QString selectedID READ selectedID WRITE setSelectedID NOTIFY selectedIDChanged)
    Q_PROPERTY(QString hoveredID READ hoveredID NOTIFY hoveredIDChanged)
    Q_PROPERTY(int highlightKind READ highlightKind WRITE setHighlightKind NOTIFY highlightKindChanged)
    Q_PROPERTY(pelmo::DiskNodeListModel *tiles READ tiles CONSTANT)
    Q_PROPERTY(pelmo::DiskNodeListModel *largest READ largest CONSTANT)
    Q_PROPERTY(QVariantList kinds READ kinds NOTIFY nodesChanged)
    Q_PROPERTY(QVariantMap focus READ focus NOTIFY focusChanged)
    Q_PROPERTY(bool trashEnabled READ trashEnabled NOTIFY trashEnabledChanged)

public:
    static constexpr qsizetype shownLimit = 120;
    static constexpr qsizetype largestLimit = 40;

    explicit DiskMapModel(CleanerStore &store, QObject *parent = nullptr);
    ~DiskMapModel() override;

    [[nodiscard]] QString root() const { return m_root; }
    [[nodiscard]] QStringList path() const { return m_path; }
    // The folder shown: the last entered one, else the root; empty without a root.
    [[nodiscard]] QString current() const;
    // "Domů" and the name of every entered folder.
    [[nodiscard]] QStringList crumbs() const;
    [[nodiscard]] const QList<DiskNode> &nodes() const { return m_nodes; }
    [[nodiscard]] int count() const { return static_cast<int>(m_nodes.size()); }
    [[nodiscard]] QString countText() const;
    [[nodiscard]] qint64 total() const { return m_total; }
    [[nodiscard]] QString totalText() const;
    [[nodiscard]] bool loading() const { return m_loading; }
    [[nodiscard]] QString selectedID() const { return m_selectedID; }
    void setSelectedID(const QString &id);
    [[nodiscard]] QString hoveredID() const { return m_hoveredID; }
    // A NodeKind as an integer; -1 for none.
    [[nodiscard]] int highlightKind() const { return m_highlightKind; }
    void setHighlightKind(int kind);
    [[nodiscard]] DiskNodeListModel *tiles() { return &m_tiles; }
    [[nodiscard]] DiskNodeListModel *largest() { return &m_largest; }
    // The nodes handed to the treemap: the largest 120.
    [[nodiscard]] QList<DiskNode> shown() const { return m_nodes.first(std::min(m_nodes.size(), shownLimit)); }
    [[nodiscard]] std::optional<DiskNode> node(const QString &id) const;
    // The hovered node, else the selected one.
    [[nodiscard]] std::optional<DiskNode> focusNode() const;
    [[nodiscard]] QList<KindTotal> kindTotals() const { return pelmo::kindTotals(m_nodes); }
    // Per kind, largest first: kind, title, sizeText, color.
    [[nodiscard]] QVariantList kinds() const;
    // The focus node described for the inspector; empty when there is none.
    [[nodiscard]] QVariantMap focus() const { return describe(m_hoveredID.isEmpty() ? m_selectedID : m_hoveredID); }
    // No batch is running.
    [[nodiscard]] bool trashEnabled() const;

    // A new root forgets the position and everything measured; the same root keeps them.
    Q_INVOKABLE void setRoot(const QString &root);
    // Opens a plain folder below the root; anything else is refused.
    void enter(const DiskNode &node);
    Q_INVOKABLE void enter(const QString &id);
    Q_INVOKABLE void back();
    // Keeps the first `depth` entered folders: 0 is the root.
    Q_INVOKABLE void goTo(int depth);
    // The pointer entered or left a tile; a late leave of another tile changes nothing.
    Q_INVOKABLE void setHover(const QString &id, bool inside);
    // Shows the current folder: from the cache, from the totals earlier walks learnt, or
    // measured. Any earlier measurement is stopped and its result dropped.
    Q_INVOKABLE void load();
    // Measures the current folder afresh.
    Q_INVOKABLE void reload();
    // Stops a running measurement (the screen was left); the next load() starts again.
    Q_INVOKABLE void cancel();
    // The treemap's size; the tiles are laid out for it.
    Q_INVOKABLE void setCanvasSize(double width, double height);
    // Everything the inspector and the confirmation show of a node; empty for none.
    Q_INVOKABLE QVariantMap describe(const QString &id) const;
    Q_INVOKABLE void reveal(const QString &id);
    // Moves the node to the Trash through the store's clean-up (history and toast), then
    // measures the folder again. Protected nodes are refused.
    Q_INVOKABLE void moveToTrash(const QString &id);

Q_SIGNALS:
    void rootChanged();
    void pathChanged();
    void currentChanged();
    void nodesChanged();
    void totalChanged();
    void loadingChanged();
    void selectedIDChanged();
    void hoveredIDChanged();
    void highlightKindChanged();
    void focusChanged();
    void trashEnabledChanged();
    // A measurement ended and its result is shown.
    void measured();

private:
    void setPath(QStringList path);
    void setLoading(bool loading);
    void setHoveredID(const QString &id);
    void apply(const QList<DiskNode> &nodes);
    void layOut();
    void measure(bool fresh);
    [[nodiscard]] bool isProtected(const QString &path) const;

    CleanerStore &m_store;
    QString m_root;
    std::optional<Confinement> m_confinement; // of the root; none without one
    QStringList m_path;
    QString m_shownCurrent; // current() as last announced
    QList<DiskNode> m_nodes;
    qint64 m_total = 0;
    bool m_loading = false;
    QString m_selectedID;
    QString m_hoveredID;
    int m_highlightKind = -1;
    DiskNodeListModel m_tiles;
    DiskNodeListModel m_largest;
    QSizeF m_canvas;
    // The running measurement's stop flag; every new load stops the one before.
    std::shared_ptr<std::atomic<bool>> m_stop;
    QString m_measuring; // the folder it measures
    quint64 m_generation = 0;
    bool m_awaitingBatch = false;
};

} // namespace pelmo
