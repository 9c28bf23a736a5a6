#pragma once

#include "NodeKind.h"
#include "core/FileIdentity.h"

#include <QHashFunctions>
#include <QList>
#include <QLocale>
#include <QString>

namespace pelmo {

// One direct child of a measured folder.
struct DiskNode
{
    QString path;    // path bytes as text (PathBytes); the node's identity
    qint64 size = 0; // allocated bytes of the entry, or of every regular file below it
    bool isDirectory = false;
    NodeKind kind = NodeKind::other;
    FileIdentity identity; // what the measurement saw at `path`; moving checks it is still there

    [[nodiscard]] const QString &id() const { return path; }
    [[nodiscard]] QString name() const { return path.sliced(path.lastIndexOf(u'/') + 1); }
    // Which of the kind's three shades the node wears; depends on its name alone.
    [[nodiscard]] int variant() const
    {
        unsigned accumulator = 0;
        for (const char32_t scalar : name().toUcs4())
            accumulator = (accumulator * 31 + scalar) & 0xFFFF;
        return static_cast<int>(accumulator % 3);
    }
    // Only plain folders can be entered; packages are shown whole.
    [[nodiscard]] bool isEnterable() const { return isDirectory && kind == NodeKind::folder; }

    friend bool operator==(const DiskNode &, const DiskNode &) = default;
};

inline size_t qHash(const DiskNode &node, size_t seed = 0)
{
    return qHashMulti(seed, node.path, node.size, node.isDirectory, static_cast<int>(node.kind));
}

// One kind's share of a folder, for the legend.
struct KindTotal
{
    NodeKind kind = NodeKind::other;
    qint64 size = 0;

    friend bool operator==(const KindTotal &, const KindTotal &) = default;
};

// The sizes added up per kind present, largest first (ties in kind order).
[[nodiscard]] QList<KindTotal> kindTotals(const QList<DiskNode> &nodes);

[[nodiscard]] qint64 totalSize(const QList<DiskNode> &nodes);

// A node's share of its folder as a percentage in `locale`: one decimal below 0.1, none
// from there (Czech 3,4 % and 25 %; English 3.4% and 25%).
[[nodiscard]] QString percentString(double share, const QLocale &locale = QLocale());

} // namespace pelmo
