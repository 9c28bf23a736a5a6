#include "SharedHistory.h"

#include "CleaningHistory.h"
#include "core/PathBytes.h"
#include "platform/SettingsFile.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>

#include <fcntl.h>
#include <sys/stat.h>

namespace pelmo {
namespace {

constexpr int kLockWaitMs = 10'000;
const QString kHistoryKey = QStringLiteral("cleanHistory");
const QString kTotalKey = QStringLiteral("totalFreed");

SharedHistory::State stateOf(const QSettings &settings)
{
    SharedHistory::State state;
    const QVariant stored = settings.value(kHistoryKey);
    state.entries = stored.isValid() ? CleaningHistory::decode(stored.toByteArray()) : QList<HistoryEntry>();
    state.totalFreed = settings.value(kTotalKey, 0).toLongLong();
    return state;
}

std::optional<qint64> modifiedMs(const QString &file)
{
    struct stat st
    {
    };
    if (::stat(PathBytes::toBytes(file).c_str(), &st) != 0)
        return std::nullopt;
    return qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1'000'000;
}

// QSettings takes a file whose size and modification time (in milliseconds) it has seen
// for unchanged. Two writes within one millisecond that leave the same size would hide the
// second from the other processes, so every write of the history gets a later stamp than
// the one it replaced.
void stampAfter(const QString &file, std::optional<qint64> previousMs)
{
    const std::optional<qint64> nowMs = modifiedMs(file);
    if (!previousMs || !nowMs || *nowMs > *previousMs)
        return;
    const qint64 ms = *previousMs + 1;
    const timespec times[2] = {{0, UTIME_OMIT}, {ms / 1000, (ms % 1000) * 1'000'000}};
    ::utimensat(AT_FDCWD, PathBytes::toBytes(file).c_str(), times, 0);
}

} // namespace

SharedHistory::SharedHistory(QString settingsFile)
    : m_file(std::move(settingsFile))
{ }

SharedHistory::State SharedHistory::read() const
{
    // A new QSettings looks at the file again; a long-lived one would not. A settings file
    // that cannot be read as one (a folder in its place, text of another format) holds no
    // history that could be trusted, nor may it be overwritten.
    if (!SettingsFile::isUsable(m_file))
        return {std::nullopt, 0}; // a FIFO is never opened: a read could block forever
    const QSettings settings(m_file, QSettings::NativeFormat);
    if (settings.status() != QSettings::NoError)
        return {std::nullopt, 0};
    return stateOf(settings);
}

SharedHistory::Result SharedHistory::change(
    const std::function<void(QList<HistoryEntry> &, qint64 &)> &apply, bool totalOnly)
{
    if (!SettingsFile::isUsable(m_file))
        return {Status::unreadable, {std::nullopt, 0}};
    QDir().mkpath(QFileInfo(m_file).absolutePath());
    QLockFile lock(m_file + QStringLiteral(".history-lock"));
    lock.setStaleLockTime(0); // a lock is stale only when its process is gone
    if (!lock.tryLock(kLockWaitMs))
        return {Status::failed, read()};
    const std::optional<qint64> before = modifiedMs(m_file);
    State state = read();
    if (totalOnly) {
        // The list is left as it is, readable or not: only the total changes.
        QList<HistoryEntry> none;
        apply(none, state.totalFreed);
        const bool written = SettingsFile::write(
            m_file, 32, [&](QSettings &settings) { settings.setValue(kTotalKey, state.totalFreed); });
        if (!written)
            return {Status::failed, read()};
        stampAfter(m_file, before);
        return {Status::written, state};
    }
    if (!state.entries)
        return {Status::unreadable, state}; // what another version wrote stays untouched
    apply(*state.entries, state.totalFreed);
    if (state.entries->size() > CleaningHistory::limit)
        state.entries->resize(CleaningHistory::limit);
    const QByteArray encoded = CleaningHistory::encode(*state.entries);
    const bool written = SettingsFile::write(m_file, encoded.size(), [&](QSettings &settings) {
        settings.setValue(kHistoryKey, encoded);
        settings.setValue(kTotalKey, state.totalFreed);
    });
    if (!written)
        return {Status::failed, read()};
    stampAfter(m_file, before);
    return {Status::written, state};
}

SharedHistory::Result SharedHistory::record(const QList<HistoryEntry> &entries, const QSet<QUuid> &batch)
{
    return change([&](QList<HistoryEntry> &history, qint64 &total) {
        QSet<QUuid> stored;
        qsizetype after = 0; // just behind the batch's last stored entry
        for (qsizetype i = 0; i < history.size(); ++i) {
            stored.insert(history[i].id);
            if (batch.contains(history[i].id))
                after = i + 1;
        }
        QList<HistoryEntry> fresh;
        for (const HistoryEntry &e : entries) {
            if (!stored.contains(e.id)) {
                fresh.append(e);
                total += e.size;
            }
        }
        history = history.first(after) + fresh + history.mid(after); // the limit is kept by change()
    });
}

SharedHistory::Result SharedHistory::addToTotal(qint64 bytes)
{
    return change([&](QList<HistoryEntry> &, qint64 &total) { total += std::max<qint64>(bytes, 0); }, true);
}

SharedHistory::Result SharedHistory::forget(const QUuid &id, qint64 size)
{
    return change([&](QList<HistoryEntry> &history, qint64 &total) {
        history.removeIf([&](const HistoryEntry &e) { return e.id == id; });
        total = std::max<qint64>(0, total - size);
    });
}

SharedHistory::Result SharedHistory::clearTrashPaths(const QSet<QString> &trashPaths)
{
    return change([&](QList<HistoryEntry> &history, qint64 &) {
        for (HistoryEntry &e : history) {
            if (trashPaths.contains(e.trashPath))
                e.trashPath.clear();
        }
    });
}

SharedHistory::Result SharedHistory::clear(const QSet<QUuid> &ids)
{
    return change([&](QList<HistoryEntry> &history, qint64 &) {
        history.removeIf([&](const HistoryEntry &e) { return ids.contains(e.id); });
    });
}

} // namespace pelmo
