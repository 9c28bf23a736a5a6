#pragma once

#include "DiskNode.h"

#include <QList>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <optional>

namespace pelmo {
class Confinement;

class FolderTotals;

// Measures one folder's direct children for the disk map, and tells which folders of the
// home must not go to the Trash. No state of its own; safe on any thread.
namespace DiskMapper {

struct Measure
{
    // Folder totals learnt by earlier walks, and the place to keep what this one learns;
    // none: every child folder is walked.
    FolderTotals *totals = nullptr;
    // False measures afresh (every child folder walked) but still keeps what it learns.
    bool useTotals = true;
    // When it becomes true the measurement gives up soon and answers nothing.
    const std::atomic<bool> *stop = nullptr;
    // Threads that walk at once, the calling one included; 0: the machine's cores.
    int threads = 0;
    // The walking threads yield to the others of the machine (the window's above all): for
    // a measurement that a window waits for. A thread stays so for the rest of its life.
    bool background = false;
};

// The threads the map measures on: a pool of its own, so that a long measurement never
// holds up work queued on the application's shared pool (Qt's software rendering included).
// Callers run children() on it too.
[[nodiscard]] QThreadPool &pool();

// The visible children of `folder` (hidden names and symbolic links left out) that occupy
// at least one byte, largest first (equal sizes by name). A file's size is its allocated
// size; a folder's (packages included) is that of every regular file below it at any depth,
// hidden ones too, links not followed, unreadable places skipped: DiskScanner's size rule.
// The child folders are walked in parallel; an unreadable folder gives an empty list.
[[nodiscard]] QList<DiskNode> children(const QString &folder, const Measure &measure = {});

// The same without any walk, when `totals` knows every child folder and the folder has at
// most `maxEntries` visible entries; nothing otherwise. Quick enough for the UI thread.
[[nodiscard]] std::optional<QList<DiskNode>> knownChildren(
    const QString &folder, const FolderTotals &totals, size_t maxEntries = 2000);

// What the map never offers for the Trash: whatever the confinement of its home refuses
// (the home, its document folders, the Trash, Pelmo's own folders, anything outside), and
// the home's direct children that the desktop relies on (the Mac folders).
[[nodiscard]] bool isProtected(const QString &path, const Confinement &confinement);

} // namespace DiskMapper
} // namespace pelmo
