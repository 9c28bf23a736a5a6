#pragma once

#include <QtQml/qqmlregistration.h>

#include "uninstall/ui/AppListModel.h"

#include "model/CleanItem.h"
#include "store/ui/StoreViewModel.h"
#include "uninstall/AppSort.h"
#include "uninstall/InstalledApp.h"

#include <QHash>
#include <QSet>
#include <QTimer>
#include <QVariantList>

#include <optional>

namespace pelmo {

// The state of the uninstall section: the catalogue with its sizes arriving in batches of
// 12, the search and sort, the running applications (polled every 2 seconds while
// `active`), the selected application's leftovers and the choice among them, quitting and
// removal. Work runs on worker threads; results of work that a newer request replaced
// (another selection, a reload) are dropped. Removal goes through the store's clean, so
// history, toast and freed total behave as everywhere else.
class UninstallViewModel
    : public pelmo::StoreViewModel // qualified: the QML type registration reads the name as written
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool active READ active WRITE setActive NOTIFY activeChanged)
    Q_PROPERTY(pelmo::AppListModel *apps READ apps CONSTANT)
    Q_PROPERTY(bool loading READ loading NOTIFY changed)
    Q_PROPERTY(bool measuring READ measuring NOTIFY changed)
    Q_PROPERTY(QString countText READ countText NOTIFY changed)
    Q_PROPERTY(QString totalText READ totalText NOTIFY changed)
    Q_PROPERTY(bool listEmpty READ listEmpty NOTIFY changed)
    Q_PROPERTY(QString query READ query WRITE setQuery NOTIFY queryChanged)
    Q_PROPERTY(int sortIndex READ sortIndex WRITE setSortIndex NOTIFY sortChanged)
    Q_PROPERTY(QStringList sortOptions READ sortOptions CONSTANT)
    Q_PROPERTY(QString selectedPath READ selectedPath WRITE select NOTIFY selectionChanged)
    Q_PROPERTY(bool hasSelection READ hasSelection NOTIFY selectionChanged)
    Q_PROPERTY(QVariantMap app READ app NOTIFY changed)
    Q_PROPERTY(bool isRunning READ isRunning NOTIFY changed)
    Q_PROPERTY(bool relatedLoading READ relatedLoading NOTIFY changed)
    Q_PROPERTY(bool hasRelated READ hasRelated NOTIFY changed)
    Q_PROPERTY(QVariantList groups READ groups NOTIFY changed)
    Q_PROPERTY(QString relatedTotalText READ relatedTotalText NOTIFY changed)
    Q_PROPERTY(bool includeApp READ includeApp WRITE setIncludeApp NOTIFY changed)
    Q_PROPERTY(QString freedText READ freedText NOTIFY changed)
    Q_PROPERTY(QString toggleAllText READ toggleAllText NOTIFY changed)
    Q_PROPERTY(bool uninstallEnabled READ uninstallEnabled NOTIFY changed)
    Q_PROPERTY(QString confirmText READ confirmText NOTIFY changed)
    Q_PROPERTY(QVariantList largest READ largest NOTIFY changed)

public:
    explicit UninstallViewModel(QObject *parent = nullptr);

    [[nodiscard]] bool active() const { return m_active; }
    // True while the section shows: the running watch polls only then.
    void setActive(bool active);
    [[nodiscard]] AppListModel *apps() { return &m_list; }

    [[nodiscard]] const QList<InstalledApp> &catalogue() const { return m_apps; }
    [[nodiscard]] bool loading() const { return m_loading; }
    [[nodiscard]] bool measuring() const { return m_measuring; }
    [[nodiscard]] QString countText() const;
    [[nodiscard]] QString totalText() const;
    [[nodiscard]] bool listEmpty() const { return !m_loading && m_list.apps().isEmpty(); }
    [[nodiscard]] QString query() const { return m_query; }
    void setQuery(const QString &query);
    [[nodiscard]] int sortIndex() const { return static_cast<int>(m_sort); }
    void setSortIndex(int index);
    [[nodiscard]] AppSort sort() const { return m_sort; }
    [[nodiscard]] QStringList sortOptions() const;
    [[nodiscard]] QString selectedPath() const { return m_selectedID; }
    [[nodiscard]] bool hasSelection() const { return selectedApp().has_value(); }
    [[nodiscard]] std::optional<InstalledApp> selectedApp() const;
    // The selected application's texts: name, path, bundleID, metaLine, sizeText,
    // iconSource, isFlatpak; empty without a selection.
    [[nodiscard]] QVariantMap app() const;
    [[nodiscard]] const QSet<QString> &running() const { return m_running; }
    [[nodiscard]] bool isRunning() const;
    [[nodiscard]] bool relatedLoading() const { return m_relatedLoading; }
    [[nodiscard]] const QList<CleanItem> &related() const { return m_related; }
    [[nodiscard]] bool hasRelated() const { return !m_related.isEmpty(); }
    // One {title, note, color, iconName, sizeText, items: [{path, name, detail, sizeText,
    // checked}]} per group with items, in group order.
    [[nodiscard]] QVariantList groups() const;
    [[nodiscard]] QString relatedTotalText() const;
    [[nodiscard]] bool includeApp() const { return m_includeApp; }
    void setIncludeApp(bool include);
    // The chosen related files plus the application when it is included.
    [[nodiscard]] qint64 freed() const;
    [[nodiscard]] QString freedText() const;
    [[nodiscard]] bool allChecked() const;
    [[nodiscard]] QString toggleAllText() const;
    [[nodiscard]] bool uninstallEnabled() const;
    [[nodiscard]] QString confirmText() const;
    // Up to three measured applications, largest first: {path, name, sizeText, iconSource}.
    [[nodiscard]] QVariantList largest() const;

    Q_INVOKABLE void select(const QString &path);
    // Chooses the shown application `delta` rows from the chosen one (the first without one);
    // answers its row, -1 when the list is empty.
    Q_INVOKABLE int step(int delta);
    Q_INVOKABLE void setChecked(const QString &path, bool checked);
    Q_INVOKABLE void toggleAll();
    Q_INVOKABLE void reload();
    Q_INVOKABLE void quit();
    // Removes the selected application as chosen; the screen asks first.
    Q_INVOKABLE void uninstall();
    Q_INVOKABLE void reveal(const QString &path);

Q_SIGNALS:
    void activeChanged();
    void queryChanged();
    void sortChanged();
    void selectionChanged();
    // After each batch of sizes reached the catalogue, with how many it held.
    void sizesApplied(int count);
    // A removal has run to its end (also when it failed).
    void uninstallFinished();

private:
    void attach(CleanerStore &store) override;
    void storeReplaced() override;
    [[nodiscard]] QString home() const;
    void refresh();
    void loadApps();
    void receiveSize(quint64 generation, const QString &path, qint64 size);
    void applySizes(const QHash<QString, qint64> &sizes);
    void handlePending();
    void loadRelated();
    void pollRunning();
    void finishUninstall(const InstalledApp &app);
    void setRunning(const QSet<QString> &running);

    bool m_active = false;
    AppListModel m_list;
    QList<InstalledApp> m_apps;
    bool m_loading = true;
    bool m_measuring = false;
    quint64 m_loadGeneration = 0;
    int m_sizesExpected = 0;
    int m_sizesReceived = 0;
    QHash<QString, qint64> m_pendingSizes;
    QString m_selectedID;
    QString m_query;
    AppSort m_sort = AppSort::size;
    QSet<QString> m_running;
    QTimer m_watch;
    bool m_polling = false;
    QList<CleanItem> m_related;
    bool m_relatedLoading = false;
    quint64 m_relatedGeneration = 0;
    QSet<QString> m_checked;
    bool m_includeApp = true;
    bool m_removing = false;
    bool m_handlingPending = false;
};

} // namespace pelmo
