#include "store/CleanerStore.h"

#include "access/AccessManager.h"
#include "core/Localization.h"
#include "core/PathBytes.h"
#include "core/PosixFile.h"
#include "core/SizeText.h"
#include "platform/Interruption.h"
#include "platform/Notifier.h"
#include "platform/TrashCan.h"
#include "scan/DiskScanner.h"
#include "trash/TrashService.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QPromise>
#include <QtConcurrent>

#include <algorithm>

namespace pelmo {
namespace {

template<typename T, typename Signal> void assign(CleanerStore *store, T &field, T value, Signal changed)
{
    if (field == value)
        return;
    field = std::move(value);
    Q_EMIT(store->*changed)();
}

} // namespace

CleanerStore::CleanerStore(StoreServices services, QObject *parent)
    : QObject(parent)
    , m_services(std::move(services))
    , m_toast(*m_services.clock)
    , m_reminder(m_preferences, *m_services.notifier, *m_services.clock,
          {[this] { return m_access->hasAccess(); },
              [this] {
                  if (!m_isScanning)
                      scan();
              },
              [this](const QString &text) { showToast(text); }, [this](bool written) { return stored(written); }})
{
    m_access = new AccessManager(m_preferences, m_services.picker, m_services.realHome, this);
    m_excluded = m_preferences.excludedPaths();
    connect(&m_toast, &Toast::textChanged, this, &CleanerStore::toastChanged);
    connect(&m_history, &HistoryBook::entriesChanged, this, &CleanerStore::historyChanged);
    connect(&m_history, &HistoryBook::totalFreedChanged, this, &CleanerStore::totalFreedChanged);
    connect(&m_history, &HistoryBook::writeFailed, this, [this] { stored(false); });
    connect(&m_reminder, &WeeklyReminder::enabledChanged, this, &CleanerStore::reminderEnabledChanged);
    refreshDisk();
    m_reminder.start();
    recordFinishedMoves();
    forgetEmptiedEntries();
    if (!m_preferences.isUsable())
        showToast(Localization::format(Localization::tr("Soubor nastavení %@ není obyčejný soubor. Pelmo ho nečte ani "
                                                        "nepřepíše, takže se změny nastavení neuloží."),
            {Preferences::settingsFile()}));
}

CleanerStore::~CleanerStore()
{
    m_stopWork->store(true);
    for (QFuture<void> &work : m_work)
        work.waitForFinished();
}

namespace {

// How often a batch writes its entries: after this many, or after this long.
constexpr qsizetype kEntriesPerWrite = 200;
constexpr qint64 kWriteIntervalMs = 1000;

} // namespace

template<typename Result, typename Done> void CleanerStore::deliver(const QFuture<Result> &future, Done done)
{
    // A watcher, not a continuation: its result always arrives through the event loop, never
    // inside the call that started the work, and when the store goes its watchers go with it.
    auto *watcher = new QFutureWatcher<Result>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [watcher, done = std::move(done)] {
        done(watcher->result());
        watcher->deleteLater();
    });
    watcher->setFuture(future);
}

template<typename Work, typename Done> void CleanerStore::own(Work work, Done done)
{
    const QFuture<std::invoke_result_t<Work>> future = QtConcurrent::run(std::move(work));
    m_work.removeIf([](const QFuture<void> &f) { return f.isFinished(); });
    m_work.append(QFuture<void>(future));
    deliver(future, std::move(done));
}

QString CleanerStore::home() const
{
    if (!m_scannedHome.isEmpty())
        return m_scannedHome;
    return m_access->hasAccess() ? m_access->homeUrl() : m_services.realHome();
}

QList<CleanItem> CleanerStore::itemsIn(CleanCategory category) const
{
    QList<CleanItem> out;
    std::ranges::copy_if(m_items, std::back_inserter(out), [&](const CleanItem &i) { return i.category == category; });
    return out;
}

QList<CleanItem> CleanerStore::selectedItemsIn(CleanCategory category) const
{
    QList<CleanItem> out = itemsIn(category);
    out.removeIf([this](const CleanItem &i) { return !m_selection.contains(i.id()); });
    return out;
}

qint64 CleanerStore::total(CleanCategory category) const
{
    return totalSize(itemsIn(category));
}

QList<CleanItem> CleanerStore::safeItems() const
{
    QList<CleanItem> out;
    std::ranges::copy_if(m_items, std::back_inserter(out), &CleanItem::isSafe);
    return out;
}

qint64 CleanerStore::safeTotal() const
{
    return totalSize(safeItems());
}

QList<CategoryTotal> CleanerStore::categoryTotals() const
{
    QList<CategoryTotal> totals;
    for (const CleanCategory category : allCategories) {
        if (const qint64 size = total(category); size > 0)
            totals.append({category, size});
    }
    return totals;
}

QList<CleaningHistory::DailyFreed> CleanerStore::dailyFreed() const
{
    return CleaningHistory::dailyFreed(m_history.entries(), m_services.clock->now());
}

QStringList CleanerStore::trashFilesFolders() const
{
    return m_services.trash->filesFolders();
}

void CleanerStore::scan()
{
    if (m_access->hasAccess())
        scanFolder(m_access->homeUrl());
}

void CleanerStore::scanFolder(const QString &home)
{
    if (m_isScanning || home.isEmpty())
        return;
    m_scannedHome = home;
    assign(this, m_isScanning, true, &CleanerStore::isScanningChanged);
    const qint64 threshold = m_preferences.largeThresholdBytes();
    const QSet<QString> excluded = m_excluded;
    const auto catalogueFor = m_services.catalogueFor;
    const QFuture<QList<CleanItem>> future = QtConcurrent::run([home, threshold, excluded, catalogueFor] {
        QList<CleanItem> items = DiskScanner::scanAll(home, threshold, excluded, *catalogueFor(home));
        // What each item is now, so that a move can tell when it has changed since.
        for (CleanItem &item : items)
            item.identity = FileIdentity::of(item.path).value_or(FileIdentity());
        return items;
    });
    // A scan is not awaited when the store goes: it uses none of the store's services.
    deliver(future, [this](const QList<CleanItem> &items) { applyScan(items); });
}

void CleanerStore::applyScan(const QList<CleanItem> &items)
{
    setItems(items);
    QSet<QString> safe;
    for (const CleanItem &item : items) {
        if (item.isSafe)
            safe.insert(item.id());
    }
    setSelection(safe);
    assign(this, m_hasScanned, true, &CleanerStore::hasScannedChanged);
    assign(this, m_isScanning, false, &CleanerStore::isScanningChanged);
    refreshDisk();
    Q_EMIT scanFinished();
    m_reminder.scanFinished(totalSize(m_items));
}

void CleanerStore::clean(const QList<CleanItem> &items, bool firstRequired)
{
    if (items.isEmpty() || m_isCleaning)
        return;
    assign(this, m_isCleaning, true, &CleanerStore::isCleaningChanged);
    TrashCan *trash = m_services.trash;
    FileManagerBridge *bridge = m_services.bridge;
    const std::shared_ptr<SharedHistory> history = m_history.shared();
    const std::shared_ptr<std::atomic<bool>> stop = m_stopWork;
    const QString home = this->home();
    // The worker only posts progress to the store: the store outlives the work it owns, and
    // Qt drops what is still posted when the store goes.
    CleanerStore *const progressReceiver = this;
    own(
        [items, trash, bridge, history, stop, home, progressReceiver, firstRequired] {
            // Entries the history has not taken yet, with their moves' receipts: a write costs
            // a rewrite of the whole history, so entries go in groups (the receipts keep every
            // move recoverable meanwhile), and after a failed write each one offers them again.
            QList<HistoryEntry> pending;
            std::vector<std::shared_ptr<void>> receipts;
            QSet<QUuid> recorded; // of this batch, so that its entries stand in the order of the moves
            QElapsedTimer sinceWrite;
            sinceWrite.start();
            int moved = 0;
            qint64 bytes = 0;
            const auto write = [&] {
                if (pending.isEmpty())
                    return true;
                if (history->record(pending, recorded).status != SharedHistory::Status::written)
                    return false;
                for (const HistoryEntry &e : std::as_const(pending))
                    recorded.insert(e.id);
                pending.clear();
                receipts.clear();
                sinceWrite.restart();
                return true;
            };
            TrashService::BatchControl control {Confinement(home), {}, {}, {}, firstRequired};
            control.stopRequested = [stop] { return stop->load() || Interruption::requested(); };
            control.record = [&](const HistoryEntry &entry, std::shared_ptr<void> receipt) {
                ++moved;
                bytes += entry.size;
                QMetaObject::invokeMethod(
                    progressReceiver,
                    [progressReceiver, moved, bytes] { Q_EMIT progressReceiver->batchProgress(moved, bytes); },
                    Qt::QueuedConnection);
                // A stored history this version cannot read is never written; the moves go on,
                // shown for this run only, and the batch's end says so.
                if (!history)
                    return true;
                pending.append(entry);
                receipts.push_back(std::move(receipt));
                const bool due = pending.size() >= kEntriesPerWrite || sinceWrite.elapsed() >= kWriteIntervalMs;
                return !due || write();
            };
            control.flush = [&] { return !history || write(); };
            return TrashService::trash(items, *trash, *bridge, control);
        },
        [this](const TrashResult &result) { applyBatch(result); });
}

void CleanerStore::applyBatch(TrashResult result)
{
    QList<CleanItem> items = m_items;
    items.removeIf([&](const CleanItem &i) { return result.cleaned.contains(i.id()); });
    setItems(items);
    setSelection(m_selection - result.cleaned);
    assign(this, m_isCleaning, false, &CleanerStore::isCleaningChanged);
    m_diskMapCache.clear();
    refreshDisk();
    result.historyUnsaved = !m_history.completeBatch(result.entries, result.historyUnsaved);
    showToast(TrashService::batchMessage(result));
    Q_EMIT batchFinished(result);
}

void CleanerStore::exclude(const QString &path)
{
    QSet<QString> excluded = m_excluded;
    excluded.insert(path);
    assign(this, m_excluded, excluded, &CleanerStore::excludedChanged);
    stored(m_preferences.setExcludedPaths(m_excluded));
    QList<CleanItem> items = m_items;
    QSet<QString> selection = m_selection;
    items.removeIf([&](const CleanItem &i) {
        const bool hidden = i.path.startsWith(path);
        if (hidden)
            selection.remove(i.id());
        return hidden;
    });
    setItems(items);
    setSelection(selection);
}

void CleanerStore::unexclude(const QString &path)
{
    QSet<QString> excluded = m_excluded;
    excluded.remove(path);
    assign(this, m_excluded, excluded, &CleanerStore::excludedChanged);
    stored(m_preferences.setExcludedPaths(m_excluded));
}

void CleanerStore::setSelected(const QString &id, bool selected)
{
    QSet<QString> selection = m_selection;
    if (selected)
        selection.insert(id);
    else
        selection.remove(id);
    setSelection(selection);
}

void CleanerStore::setSelected(const QSet<QString> &ids, bool selected)
{
    setSelection(selected ? m_selection + ids : m_selection - ids);
}

void CleanerStore::setCurrentCategory(std::optional<CleanCategory> category)
{
    assign(this, m_currentCategory, category, &CleanerStore::currentCategoryChanged);
}

void CleanerStore::setPendingApp(const QString &path)
{
    assign(this, m_pendingApp, path, &CleanerStore::pendingAppChanged);
}

void CleanerStore::setRequestedSection(std::optional<SidebarItem> section)
{
    assign(this, m_requestedSection, section, &CleanerStore::requestedSectionChanged);
}

void CleanerStore::toggleSelectionInCurrentCategory()
{
    if (!m_currentCategory)
        return;
    QSet<QString> ids;
    for (const CleanItem &item : itemsIn(*m_currentCategory))
        ids.insert(item.id());
    setSelection(m_selection.contains(ids) ? m_selection - ids : m_selection + ids);
}

void CleanerStore::requestTrashSelected()
{
    if (m_currentCategory && !selectedItemsIn(*m_currentCategory).isEmpty())
        assign(this, m_confirmRequest, m_confirmRequest + 1, &CleanerStore::confirmRequestChanged);
}

void CleanerStore::openTrash()
{
    // The file manager may take seconds to answer, or never: off the main thread.
    FileManagerBridge *bridge = m_services.bridge;
    own([bridge] { return TrashService::openWithFinder(*bridge); },
        [this](std::optional<int> error) {
            if (const std::optional<QString> message = TrashService::openMessage(error))
                showToast(*message);
            Q_EMIT trashOpened(!error);
        });
}

void CleanerStore::reveal(const QString &path)
{
    own([reveal = m_services.reveal, path] { return reveal && reveal(path); },
        [this](bool shown) {
            if (!shown)
                showToast(Localization::tr("Správce souborů se nepodařilo otevřít."));
        });
}

void CleanerStore::emptyTrash()
{
    if (m_isEmptying)
        return;
    m_isEmptying = true;
    TrashCan *trash = m_services.trash;
    own([trash] { return trash->empty(&Interruption::requested); },
        [this](const EmptyOutcome &outcome) { applyEmpty(outcome); });
}

void CleanerStore::applyEmpty(const EmptyOutcome &outcome)
{
    m_isEmptying = false;
    // Exactly the entries whose items were removed can no longer be put back, also those a
    // batch recorded while the Trash was being emptied; items that stayed keep their way back.
    const QSet<QString> gone(outcome.removed.begin(), outcome.removed.end());
    const bool saved = gone.isEmpty() || m_history.forgetTrashPaths(gone);
    if (saved)
        showToast(TrashService::emptyMessage(outcome));
    refreshDisk();
    Q_EMIT trashEmptied(outcome.complete(), outcome.remaining);
}

void CleanerStore::recordFinishedMoves()
{
    // Moves whose process was killed before it wrote their entries: they get them now, so
    // that a kill at any moment loses no way back.
    const std::shared_ptr<SharedHistory> history = m_history.shared();
    m_services.trash->recoverInterruptedMoves([&](const FinishedMove &move) {
        if (!history)
            return false; // kept until a history that can be read takes it
        if (std::ranges::any_of(
                m_history.entries(), [&](const HistoryEntry &e) { return e.trashPath == move.trashPath; }))
            return true; // the entry was written just before the kill
        const QString name = move.originalPath.section(u'/', -1);
        const HistoryEntry entry {QUuid::createUuid(),
            move.movedAt.isValid() ? move.movedAt.toUTC() : m_services.clock->now().toUTC(), name,
            DiskScanner::allocatedSize(move.trashPath), move.originalPath, move.trashPath,
            {move.identity.device, move.identity.inode}, {}, move.identity.changeTime};
        return history->record({entry}).status == SharedHistory::Status::written;
    });
    m_history.reload();
}

void CleanerStore::forgetEmptiedEntries()
{
    // An emptying that was killed, or another program's, removed items without a word to the
    // history: their entries must not claim a way back.
    QSet<QString> gone;
    for (const HistoryEntry &entry : m_history.entries()) {
        struct stat st
        {
        };
        if (!entry.trashPath.isEmpty() && !PosixFile::statNoFollow(PathBytes::toBytes(entry.trashPath), st)
            && errno == ENOENT)
            gone.insert(entry.trashPath);
    }
    if (!gone.isEmpty())
        m_history.forgetTrashPaths(gone);
}

bool CleanerStore::canPutBack(const HistoryEntry &entry) const
{
    return !entry.trashPath.isEmpty() && TrashService::returnsInside(entry, home());
}

bool CleanerStore::restore(HistoryEntry entry)
{
    const PutBackOutcome outcome = TrashService::restore(entry, *m_services.trash, home());
    bool saved = true;
    if (outcome == PutBackOutcome::restored) {
        saved = m_history.forget(entry);
        m_diskMapCache.clear();
        refreshDisk();
    } else if (outcome == PutBackOutcome::notInTrash) {
        // What the entry pointed at is gone from the Trash: it can never be put back. A
        // refusal for any other reason keeps the way back (the item may still be there).
        saved = m_history.forgetTrashPaths({entry.trashPath});
    }
    if (outcome == PutBackOutcome::restored && !saved) {
        showToast(Localization::format(
            Localization::tr("Vráceno na původní místo: %@. Historii se ale nepodařilo uložit, položka v ní zůstává."),
            {entry.name}));
        return false;
    }
    if (saved)
        showToast(TrashService::restoreMessage(
            outcome, outcome == PutBackOutcome::outsideHome ? entry.originalPath : entry.name));
    return outcome == PutBackOutcome::restored;
}

void CleanerStore::clearHistory()
{
    m_history.clear();
}

bool CleanerStore::setLargeThresholdMB(qint64 megabytes)
{
    return stored(m_preferences.setLargeThresholdMB(megabytes));
}

bool CleanerStore::setUninstallSort(const QString &raw)
{
    return stored(m_preferences.setUninstallSort(raw));
}

bool CleanerStore::setAppLanguage(const QString &raw)
{
    return stored(m_preferences.setAppLanguage(raw));
}

void CleanerStore::setReminder(bool on)
{
    m_reminder.setEnabled(on);
}

void CleanerStore::showToast(const QString &text)
{
    m_toast.show(text);
}

void CleanerStore::refreshDisk()
{
    assign(this, m_disk, m_services.volume(), &CleanerStore::diskChanged);
}

void CleanerStore::forgetScan()
{
    setItems({});
    setSelection({});
    assign(this, m_hasScanned, false, &CleanerStore::hasScannedChanged);
}

void CleanerStore::setItems(QList<CleanItem> items)
{
    assign(this, m_items, std::move(items), &CleanerStore::itemsChanged);
}

void CleanerStore::setSelection(QSet<QString> selection)
{
    assign(this, m_selection, std::move(selection), &CleanerStore::selectionChanged);
}

bool CleanerStore::stored(bool written)
{
    if (!written)
        showToast(Localization::tr("Nastavení se nepodařilo uložit. Zkontroluj, zda je na disku místo."));
    return written;
}

} // namespace pelmo
