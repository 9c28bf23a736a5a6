#pragma once

#include "DocumentWalk.h"

#include <QList>

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

namespace pelmo::DiskScanner {

// Groups candidates with identical contents as they arrive: files of one length, then of
// one SHA-256 of the first 64 KiB, then of the whole file. A file is hashed only once a
// second file of its length (or head) has appeared, so the files hashed, and how much of
// each, are exactly those of grouping the complete list at the end.
class DuplicateGrouper
{
public:
    DuplicateGrouper();
    ~DuplicateGrouper();
    DuplicateGrouper(const DuplicateGrouper &) = delete;
    DuplicateGrouper &operator=(const DuplicateGrouper &) = delete;

    void add(FileEntry file);
    // Groups of two or more, each in walk order; groups by length, then walk order.
    [[nodiscard]] std::vector<std::vector<FileEntry>> groups() const;

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// Runs a DuplicateGrouper on a thread of its own while the caller's walk goes on, so that
// hashing (one file at a time) overlaps the walk's metadata work.
class DuplicateStream
{
public:
    DuplicateStream();
    ~DuplicateStream();
    DuplicateStream(const DuplicateStream &) = delete;
    DuplicateStream &operator=(const DuplicateStream &) = delete;

    void add(FileEntry file);
    // Waits for the hashing to end; call once, after the last add().
    [[nodiscard]] std::vector<std::vector<FileEntry>> finish();

private:
    void run();

    DuplicateGrouper m_grouper;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<FileEntry> m_queue;
    bool m_closed = false;
    std::thread m_thread;
};

// Every copy but the oldest of each group (ties keep walk order), as duplicate items
// whose detail names the kept file and the copy's folder.
[[nodiscard]] QList<CleanItem> duplicateItems(std::vector<std::vector<FileEntry>> groups, const QString &home);

} // namespace pelmo::DiskScanner
