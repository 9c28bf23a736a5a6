#pragma once

#include "diskmap/DiskMapCache.h"
#include "model/CategoryTotal.h"
#include "model/CleanItem.h"
#include "model/SidebarItem.h"
#include "platform/Clock.h"
#include "platform/Preferences.h"
#include "platform/TrashCan.h"
#include "store/HistoryBook.h"
#include "store/StoreServices.h"
#include "store/Toast.h"
#include "store/WeeklyReminder.h"
#include "trash/CleaningHistory.h"
#include "trash/TrashResult.h"

#include <QFuture>
#include <QFutureWatcher>
#include <QObject>

#include <atomic>
#include <memory>
#include <optional>

namespace pelmo {

class AccessManager;

// The one application state object: the last scan, the selection, the exclusions, the
// history, the volume figures, the toast and the weekly reminder. Main thread only; scans
// and batches run on worker threads and come back through continuations. Every property
// notifies only when its value really changes. The store owns the work it starts: when it
// is destroyed, a running batch stops after the item in flight and an emptying or a
// file-manager call ends before the services they use can go. Each moved item is in the
// history as soon as it has moved; the history is shared with other Pelmo processes and
// followed as they change it.
class CleanerStore : public QObject
{
    Q_OBJECT
    Q_MOC_INCLUDE("access/AccessManager.h")
    Q_PROPERTY(pelmo::AccessManager *access READ access CONSTANT)
    Q_PROPERTY(QString toast READ toast NOTIFY toastChanged)
    Q_PROPERTY(bool hasCurrentCategory READ hasCurrentCategory NOTIFY currentCategoryChanged)

public:
    // Restores the home-folder grant, reads the settings and the history, the volume
    // figures, and starts the reminder loop.
    explicit CleanerStore(StoreServices services, QObject *parent = nullptr);
    ~CleanerStore() override;

    [[nodiscard]] AccessManager *access() const { return m_access; }
    [[nodiscard]] const QList<CleanItem> &items() const { return m_items; }
    [[nodiscard]] const QSet<QString> &selection() const { return m_selection; }
    [[nodiscard]] bool isScanning() const { return m_isScanning; }
    [[nodiscard]] bool isCleaning() const { return m_isCleaning; }
    [[nodiscard]] bool hasScanned() const { return m_hasScanned; }
    [[nodiscard]] DiskInfo disk() const { return m_disk; }
    [[nodiscard]] QString toast() const { return m_toast.text(); }
    [[nodiscard]] const QList<HistoryEntry> &history() const { return m_history.entries(); }
    [[nodiscard]] bool reminderEnabled() const { return m_reminder.isEnabled(); }
    [[nodiscard]] int confirmRequest() const { return m_confirmRequest; }
    [[nodiscard]] const QSet<QString> &excluded() const { return m_excluded; }
    [[nodiscard]] std::optional<CleanCategory> currentCategory() const { return m_currentCategory; }
    // The category commands of the menu act only while a category screen shows.
    [[nodiscard]] bool hasCurrentCategory() const { return m_currentCategory.has_value(); }
    // An application dropped on the window, waiting for the uninstaller; empty when none.
    [[nodiscard]] QString pendingApp() const { return m_pendingApp; }
    void setPendingApp(const QString &path);
    // A section another part asks the shell to show; the shell resets it.
    [[nodiscard]] std::optional<SidebarItem> requestedSection() const { return m_requestedSection; }
    void setRequestedSection(std::optional<SidebarItem> section);
    [[nodiscard]] bool historyWritable() const { return m_history.isWritable(); }
    // The settings the settings screen edits; false (with a toast) when not stored.
    [[nodiscard]] qint64 largeThresholdMB() const { return m_preferences.largeThresholdMB(); }
    bool setLargeThresholdMB(qint64 megabytes);
    [[nodiscard]] QString appLanguage() const { return m_preferences.appLanguage(); }
    bool setAppLanguage(const QString &raw);
    [[nodiscard]] FolderPicker *folderPicker() const { return m_services.picker; }
    [[nodiscard]] FlatpakTool *flatpak() const { return m_services.flatpak; }
    // What answers which applications and programs are installed, for a home; any thread.
    [[nodiscard]] const auto &catalogueFor() const { return m_services.catalogueFor; }
    // "uninstallSort": an AppSort raw value, empty when none is stored; false (with a toast)
    // when not stored.
    [[nodiscard]] QString uninstallSort() const { return m_preferences.uninstallSort(); }
    bool setUninstallSort(const QString &raw);
    // What the disk map has measured; emptied after every clean-up and every put-back.
    [[nodiscard]] DiskMapCache &diskMapCache() { return m_diskMapCache; }

    [[nodiscard]] QList<CleanItem> itemsIn(CleanCategory category) const;
    [[nodiscard]] QList<CleanItem> selectedItemsIn(CleanCategory category) const;
    [[nodiscard]] qint64 total(CleanCategory category) const;
    [[nodiscard]] QList<CleanItem> safeItems() const;
    [[nodiscard]] qint64 safeTotal() const;
    [[nodiscard]] QList<CategoryTotal> categoryTotals() const;
    [[nodiscard]] QList<CleaningHistory::DailyFreed> dailyFreed() const;
    [[nodiscard]] qint64 totalFreed() const { return m_history.totalFreed(); }
    // The folders the Trash screen lists, the home Trash's first.
    [[nodiscard]] QStringList trashFilesFolders() const;

    // A full scan of the granted home; nothing without a grant or while one runs.
    Q_INVOKABLE void scan();
    // The same on a given folder (the headless commands' --home).
    void scanFolder(const QString &home);
    // Moves the items to the Trash; nothing when empty or while a batch runs. With
    // `firstRequired`, the others move only when the first did (an application first).
    void clean(const QList<CleanItem> &items, bool firstRequired = false);
    void exclude(const QString &path);
    void unexclude(const QString &path);
    void setSelected(const QString &id, bool selected);
    void setSelected(const QSet<QString> &ids, bool selected);
    void setCurrentCategory(std::optional<CleanCategory> category);
    // The same from the window: a category's raw value, or empty for none.
    Q_INVOKABLE void setCurrentCategoryRaw(const QString &raw) { setCurrentCategory(Category::fromRawValue(raw)); }
    Q_INVOKABLE void toggleSelectionInCurrentCategory();
    Q_INVOKABLE void requestTrashSelected();
    Q_INVOKABLE void openTrash();
    // Shows the item in the file manager.
    Q_INVOKABLE void reveal(const QString &path);
    void emptyTrash();
    // Whether putting the entry back is offered: it knows where in the Trash its item is,
    // and its original place lies inside the home.
    [[nodiscard]] bool canPutBack(const HistoryEntry &entry) const;
    // Takes the entry by value: callers hand in entries of `history`, which this replaces.
    // True when the item is back and the history no longer lists it.
    bool restore(HistoryEntry entry);
    void clearHistory();
    void setReminder(bool on);
    void showToast(const QString &text);
    void refreshDisk();
    // Forgets the last scan (when the folder access is revoked).
    void forgetScan();

Q_SIGNALS:
    void itemsChanged();
    void selectionChanged();
    void isScanningChanged();
    void isCleaningChanged();
    void hasScannedChanged();
    void diskChanged();
    void toastChanged();
    void historyChanged();
    void totalFreedChanged();
    void reminderEnabledChanged();
    void confirmRequestChanged();
    void excludedChanged();
    void currentCategoryChanged();
    void pendingAppChanged();
    void requestedSectionChanged();
    void scanFinished();
    // During a batch, after each item that went to the Trash: how many items and bytes
    // (the items' sizes) have moved so far. Always before the batch's batchFinished.
    void batchProgress(int moved, qint64 bytes);
    void batchFinished(const pelmo::TrashResult &result);
    void trashEmptied(bool success, const QStringList &remaining);
    void trashOpened(bool success);

private:
    void applyScan(const QList<CleanItem> &items);
    void applyBatch(TrashResult result);
    void applyEmpty(const EmptyOutcome &outcome);
    // Writes the entries of moves that finished in a process killed before it could.
    void recordFinishedMoves();
    // Clears the way back of entries whose items are no longer in the Trash.
    void forgetEmptiedEntries();
    // Runs `done` with the future's result on the main thread, from the event loop.
    template<typename Result, typename Done> void deliver(const QFuture<Result> &future, Done done);
    // Runs `work` on a worker thread and `done` with its result on the main thread; the
    // store waits for `work` before it goes.
    template<typename Work, typename Done> void own(Work work, Done done);
    // The home the items were listed in: the move's confinement and the way back's anchor.
    [[nodiscard]] QString home() const;
    void setItems(QList<CleanItem> items);
    void setSelection(QSet<QString> selection);
    bool stored(bool written);

    StoreServices m_services;
    Preferences m_preferences;
    Toast m_toast;
    HistoryBook m_history;
    WeeklyReminder m_reminder;
    std::shared_ptr<std::atomic<bool>> m_stopWork = std::make_shared<std::atomic<bool>>(false);
    QList<QFuture<void>> m_work;
    QString m_scannedHome;
    bool m_isEmptying = false;
    AccessManager *m_access = nullptr;
    QList<CleanItem> m_items;
    QSet<QString> m_selection;
    bool m_isScanning = false;
    bool m_isCleaning = false;
    bool m_hasScanned = false;
    DiskInfo m_disk;
    int m_confirmRequest = 0;
    QSet<QString> m_excluded;
    std::optional<CleanCategory> m_currentCategory;
    QString m_pendingApp;
    std::optional<SidebarItem> m_requestedSection;
    DiskMapCache m_diskMapCache;
};

} // namespace pelmo
