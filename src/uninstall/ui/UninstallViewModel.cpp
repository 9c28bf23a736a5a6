#include "uninstall/ui/UninstallViewModel.h"

#include "uninstall/ui/AppTexts.h"

#include "access/AccessManager.h"
#include "core/FileIdentity.h"
#include "core/Icons.h"
#include "core/Localization.h"
#include "core/PathBytes.h"
#include "core/SizeText.h"
#include "model/ColorText.h"
#include "platform/FlatpakTool.h"
#include "store/CleanerStore.h"
#include "uninstall/AppUninstaller.h"
#include "uninstall/RelatedGroup.h"

#include <QFileInfo>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace pelmo {
namespace {

// Sizes reach the list in batches: one repaint per dozen rather than per application.
constexpr qsizetype kSizeBatch = 12;
constexpr std::chrono::seconds kWatchInterval {2};

// Whether the application is still there after a removal. A Flatpak's folder may outlive
// its removal; what counts is its deployed version.
bool stillInstalled(const InstalledApp &app)
{
    if (app.kind == InstalledApp::Kind::flatpak)
        return QFileInfo::exists(app.path + QStringLiteral("/current/active/metadata"));
    return FileIdentity::of(app.path).has_value();
}

} // namespace

UninstallViewModel::UninstallViewModel(QObject *parent)
    : StoreViewModel(parent)
{
    m_watch.setInterval(kWatchInterval);
    connect(&m_watch, &QTimer::timeout, this, &UninstallViewModel::pollRunning);
}

void UninstallViewModel::attach(CleanerStore &store)
{
    connect(&store, &CleanerStore::isCleaningChanged, this, &UninstallViewModel::changed);
    connect(&store, &CleanerStore::pendingAppChanged, this, &UninstallViewModel::handlePending);
    connect(store.access(), &AccessManager::homeUrlChanged, this, &UninstallViewModel::loadApps);
}

void UninstallViewModel::storeReplaced()
{
    if (m_store)
        m_sort = AppSorts::fromRawValue(m_store->uninstallSort()).value_or(AppSort::size);
    Q_EMIT sortChanged();
    loadApps();
    handlePending();
}

QString UninstallViewModel::home() const
{
    return m_store && m_store->access()->hasAccess() ? m_store->access()->homeUrl() : QString();
}

void UninstallViewModel::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    if (m_active) {
        pollRunning();
        m_watch.start();
    } else {
        m_watch.stop();
    }
    Q_EMIT activeChanged();
}

void UninstallViewModel::refresh()
{
    m_list.setApps(AppUninstaller::visible(m_apps, m_query, m_sort), m_running);
    Q_EMIT changed();
}

void UninstallViewModel::reload()
{
    loadApps();
}

void UninstallViewModel::loadApps()
{
    const QString home = this->home();
    const quint64 generation = ++m_loadGeneration;
    if (home.isEmpty()) {
        m_loading = false;
        m_measuring = false;
        refresh();
        return;
    }
    FlatpakTool *flatpak = m_store->flatpak();
    QtConcurrent::run([home, flatpak] {
        return AppUninstaller::installedApps(home, flatpak);
    }).then(this, [this, generation](const QList<InstalledApp> &fresh) {
        if (generation != m_loadGeneration)
            return;
        // Applications adopted from a drop outside the two folders stay, after the fresh ones.
        QList<InstalledApp> merged = fresh;
        for (const InstalledApp &old : std::as_const(m_apps)) {
            if (std::ranges::none_of(fresh, [&](const InstalledApp &app) { return app.path == old.path; }))
                merged.append(old);
        }
        m_apps = merged;
        m_loading = false;
        m_measuring = !fresh.isEmpty();
        m_sizesExpected = static_cast<int>(fresh.size());
        m_sizesReceived = 0;
        m_pendingSizes.clear();
        refresh();
        if (m_active)
            pollRunning();
        for (const InstalledApp &app : fresh) {
            QtConcurrent::run([app] {
                return AppUninstaller::measure(app);
            }).then(this, [this, generation, path = app.path](qint64 size) { receiveSize(generation, path, size); });
        }
    });
}

void UninstallViewModel::receiveSize(quint64 generation, const QString &path, qint64 size)
{
    if (generation != m_loadGeneration)
        return;
    m_pendingSizes.insert(path, size);
    ++m_sizesReceived;
    if (m_pendingSizes.size() >= kSizeBatch) {
        applySizes(m_pendingSizes);
        m_pendingSizes.clear();
    }
    if (m_sizesReceived == m_sizesExpected) {
        applySizes(m_pendingSizes);
        m_pendingSizes.clear();
        m_measuring = false;
        refresh();
    }
}

void UninstallViewModel::applySizes(const QHash<QString, qint64> &sizes)
{
    if (sizes.isEmpty())
        return;
    for (InstalledApp &app : m_apps) {
        const auto found = sizes.constFind(app.path);
        if (found != sizes.constEnd())
            app.size = *found;
    }
    refresh();
    Q_EMIT sizesApplied(static_cast<int>(sizes.size()));
}

void UninstallViewModel::handlePending()
{
    if (!m_store || m_handlingPending || m_store->pendingApp().isEmpty())
        return;
    const QString pending = m_store->pendingApp();
    const QString home = this->home();
    FlatpakTool *flatpak = m_store->flatpak();
    m_handlingPending = true;
    QtConcurrent::run([pending, home, flatpak]() -> std::optional<InstalledApp> {
        const std::optional<QString> path = AppUninstaller::droppedApplication(pending, home);
        return path ? AppUninstaller::describe(*path, home, flatpak, true) : std::nullopt;
    }).then(this, [this, pending](const std::optional<InstalledApp> &app) {
        m_handlingPending = false;
        if (!m_store)
            return;
        if (!app) {
            m_store->showToast(
                Localization::tr("Tuhle aplikaci nelze odinstalovat (je od Applu nebo nemá platný balíček)."));
        } else {
            if (std::ranges::none_of(m_apps, [&](const InstalledApp &known) { return known.path == app->path; }))
                m_apps.prepend(*app);
            refresh();
            select(app->path);
        }
        // A drop that came while this one was described is taken next.
        if (m_store->pendingApp() == pending)
            m_store->setPendingApp({});
        else
            handlePending();
    });
}

QString UninstallViewModel::countText() const
{
    return Localization::format(Localization::tr("Aplikací: %lld"), {QString::number(m_apps.size())});
}

QString UninstallViewModel::totalText() const
{
    if (m_measuring)
        return Localization::tr("Měřím velikosti…");
    qint64 total = 0;
    for (const InstalledApp &app : m_apps)
        total += app.size;
    return formatSize(total);
}

void UninstallViewModel::setQuery(const QString &query)
{
    if (query == m_query)
        return;
    m_query = query;
    Q_EMIT queryChanged();
    refresh();
}

void UninstallViewModel::setSortIndex(int index)
{
    if (index < 0 || index >= static_cast<int>(AppSorts::all.size()) || index == sortIndex())
        return;
    m_sort = AppSorts::all[static_cast<size_t>(index)];
    if (m_store)
        m_store->setUninstallSort(AppSorts::rawValue(m_sort));
    Q_EMIT sortChanged();
    refresh();
}

QStringList UninstallViewModel::sortOptions() const
{
    QStringList titles;
    for (const AppSort sort : AppSorts::all)
        titles.append(AppSorts::title(sort));
    return titles;
}

std::optional<InstalledApp> UninstallViewModel::selectedApp() const
{
    for (const InstalledApp &app : m_apps) {
        if (app.path == m_selectedID)
            return app;
    }
    return std::nullopt;
}

void UninstallViewModel::select(const QString &path)
{
    if (path == m_selectedID)
        return;
    m_selectedID = path;
    Q_EMIT selectionChanged();
    loadRelated();
}

int UninstallViewModel::step(int delta)
{
    const QList<InstalledApp> &shown = m_list.apps();
    if (shown.isEmpty())
        return -1;
    const auto current = std::ranges::find(shown, m_selectedID, &InstalledApp::path);
    const qsizetype row
        = current == shown.end() ? 0 : std::clamp<qsizetype>(current - shown.begin() + delta, 0, shown.size() - 1);
    select(shown[row].path);
    return static_cast<int>(row);
}

void UninstallViewModel::loadRelated()
{
    const quint64 generation = ++m_relatedGeneration;
    const std::optional<InstalledApp> app = selectedApp();
    const QString home = this->home();
    m_related.clear();
    m_checked.clear();
    if (!app || home.isEmpty()) {
        m_relatedLoading = false;
        refresh();
        return;
    }
    m_relatedLoading = true;
    refresh();
    const QList<InstalledApp> others = m_apps;
    const auto catalogueFor = m_store->catalogueFor();
    QtConcurrent::run([app = *app, home, others, catalogueFor] {
        return AppUninstaller::relatedFiles(app, home, others, catalogueFor(home).get());
    }).then(this, [this, generation, app = *app](const QList<CleanItem> &items) {
        if (generation != m_relatedGeneration)
            return; // the selection changed meanwhile
        m_related = items;
        m_checked.clear();
        // What only the display name points at may be another program's: offered unticked.
        for (const CleanItem &item : items) {
            if (!AppUninstaller::matchedByNameOnly(item, app))
                m_checked.insert(item.path);
        }
        m_includeApp = true;
        m_relatedLoading = false;
        refresh();
    });
}

QVariantMap UninstallViewModel::app() const
{
    const std::optional<InstalledApp> app = selectedApp();
    if (!app)
        return {};
    const QDateTime now = QDateTime::currentDateTime();
    return {{QStringLiteral("name"), PathBytes::display(app->name)},
        {QStringLiteral("path"), PathBytes::display(app->path)}, {QStringLiteral("bundleID"), app->bundleID},
        {QStringLiteral("metaLine"), AppTexts::metaLine(*app, now)},
        {QStringLiteral("sizeText"), app->size < 1 ? QStringLiteral("…") : formatSize(app->size)},
        {QStringLiteral("iconSource"), AppTexts::iconSource(*app)},
        {QStringLiteral("isFlatpak"), app->kind == InstalledApp::Kind::flatpak}};
}

bool UninstallViewModel::isRunning() const
{
    const std::optional<InstalledApp> app = selectedApp();
    return app && m_running.contains(app->path);
}

QVariantList UninstallViewModel::groups() const
{
    const std::optional<InstalledApp> app = selectedApp();
    QVariantList out;
    for (const RelatedGroup group : RelatedGroups::all) {
        QVariantList items;
        qint64 total = 0;
        for (const CleanItem &item : m_related) {
            if (RelatedGroups::of(item) != group)
                continue;
            total += item.size;
            items.append(QVariantMap {{QStringLiteral("path"), item.path},
                {QStringLiteral("name"), PathBytes::display(item.name)},
                {QStringLiteral("detail"),
                    PathBytes::display(item.detail)
                        + (app && AppUninstaller::matchedByNameOnly(item, *app)
                                ? QStringLiteral(" · ") + Localization::tr("jen podle názvu")
                                : QString())},
                {QStringLiteral("sizeText"), formatSize(item.size)},
                {QStringLiteral("checked"), m_checked.contains(item.path)}});
        }
        if (items.isEmpty())
            continue;
        out.append(QVariantMap {{QStringLiteral("title"), RelatedGroups::title(group)},
            {QStringLiteral("note"), RelatedGroups::note(group).value_or(QString())},
            {QStringLiteral("color"), colorText(RelatedGroups::color(group))},
            {QStringLiteral("iconName"), Icons::themeName(RelatedGroups::symbol(group))},
            {QStringLiteral("sizeText"), formatSize(total)}, {QStringLiteral("items"), items}});
    }
    return out;
}

QString UninstallViewModel::relatedTotalText() const
{
    return formatSize(totalSize(m_related));
}

void UninstallViewModel::setIncludeApp(bool include)
{
    if (include == m_includeApp)
        return;
    m_includeApp = include;
    Q_EMIT changed();
}

qint64 UninstallViewModel::freed() const
{
    const std::optional<InstalledApp> app = selectedApp();
    if (!app)
        return 0;
    qint64 sum = m_includeApp ? app->size : 0;
    for (const CleanItem &item : m_related) {
        if (m_checked.contains(item.path))
            sum += item.size;
    }
    return sum;
}

QString UninstallViewModel::freedText() const
{
    return formatSize(freed());
}

bool UninstallViewModel::allChecked() const
{
    return !m_related.isEmpty()
        && std::ranges::all_of(m_related, [this](const CleanItem &item) { return m_checked.contains(item.path); });
}

QString UninstallViewModel::toggleAllText() const
{
    return allChecked() ? Localization::tr("Zrušit výběr") : Localization::tr("Vybrat vše");
}

bool UninstallViewModel::uninstallEnabled() const
{
    return hasSelection() && !isRunning() && !m_removing && !m_relatedLoading && m_store && !m_store->isCleaning()
        && freed() > 0;
}

QString UninstallViewModel::confirmText() const
{
    return Localization::format(Localization::tr("Přesunout do koše (%@)"), {freedText()});
}

QVariantList UninstallViewModel::largest() const
{
    QList<InstalledApp> measured;
    std::ranges::copy_if(m_apps, std::back_inserter(measured), [](const InstalledApp &app) { return app.size >= 1; });
    std::ranges::stable_sort(measured, std::greater<>(), &InstalledApp::size);
    QVariantList out;
    for (const InstalledApp &app : measured.first(std::min<qsizetype>(measured.size(), 3))) {
        out.append(QVariantMap {{QStringLiteral("path"), app.path},
            {QStringLiteral("name"), PathBytes::display(app.name)}, {QStringLiteral("sizeText"), formatSize(app.size)},
            {QStringLiteral("iconSource"), AppTexts::iconSource(app)}});
    }
    return out;
}

void UninstallViewModel::setChecked(const QString &path, bool checked)
{
    const bool changedNow = checked ? !m_checked.contains(path) : m_checked.remove(path);
    if (checked)
        m_checked.insert(path);
    if (changedNow)
        Q_EMIT changed();
}

void UninstallViewModel::toggleAll()
{
    const bool all = allChecked();
    for (const CleanItem &item : m_related) {
        if (all)
            m_checked.remove(item.path);
        else
            m_checked.insert(item.path);
    }
    Q_EMIT changed();
}

void UninstallViewModel::pollRunning()
{
    if (m_polling || !m_store)
        return;
    m_polling = true;
    const QList<InstalledApp> apps = m_apps;
    FlatpakTool *flatpak = m_store->flatpak();
    QtConcurrent::run([apps, flatpak] {
        return AppUninstaller::runningIdentifiers(apps, flatpak);
    }).then(this, [this](const QSet<QString> &running) {
        m_polling = false;
        setRunning(running);
    });
}

void UninstallViewModel::setRunning(const QSet<QString> &running)
{
    if (running == m_running)
        return;
    m_running = running;
    refresh();
}

void UninstallViewModel::quit()
{
    const std::optional<InstalledApp> app = selectedApp();
    if (!app || !m_store)
        return;
    FlatpakTool *flatpak = m_store->flatpak();
    QtConcurrent::run([app = *app, flatpak] {
        return AppUninstaller::quit(app, flatpak);
    }).then(this, [this](bool accepted) {
        if (!accepted && m_store)
            m_store->showToast(Localization::tr("Aplikaci se nepodařilo ukončit. Ukonči ji ručně."));
    });
}

void UninstallViewModel::uninstall()
{
    if (!uninstallEnabled())
        return;
    const InstalledApp app = *selectedApp();
    QList<CleanItem> batch;
    for (const CleanItem &item : std::as_const(m_related)) {
        if (m_checked.contains(item.path))
            batch.append(item);
    }
    const bool removeFlatpak = m_includeApp && app.kind == InstalledApp::Kind::flatpak;
    if (m_includeApp && !removeFlatpak)
        batch.prepend(AppUninstaller::bundleItem(app));
    m_removing = true;
    Q_EMIT changed();

    const bool withApp = m_includeApp && !removeFlatpak;
    const auto moveBatch = [this, app, batch, removeFlatpak, withApp] {
        if (!m_store || batch.isEmpty() || m_store->isCleaning()) {
            if (removeFlatpak && m_store && batch.isEmpty())
                m_store->showToast(Localization::format(Localization::tr("Aplikace %@ je odinstalovaná."), {app.name}));
            finishUninstall(app);
            return;
        }
        connect(
            m_store, &CleanerStore::batchFinished, this, [this, app] { finishUninstall(app); },
            Qt::SingleShotConnection);
        m_store->clean(batch, withApp); // the data never goes while the application stays
    };
    if (!removeFlatpak) {
        moveBatch();
        return;
    }
    FlatpakTool *flatpak = m_store->flatpak();
    QtConcurrent::run([flatpak, id = app.bundleID] {
        return flatpak ? flatpak->uninstall(id) : FlatpakTool::Outcome {false, QStringLiteral("flatpak")};
    }).then(this, [this, app, moveBatch](const FlatpakTool::Outcome &outcome) {
        if (outcome.ok) {
            moveBatch();
            return;
        }
        // Nothing moves when the package manager refused: the leftovers belong to an
        // application that is still installed.
        if (m_store)
            m_store->showToast(Localization::format(
                Localization::tr("Aplikaci %@ se nepodařilo odinstalovat: %@"), {app.name, outcome.error}));
        m_removing = false;
        refresh();
        Q_EMIT uninstallFinished();
    });
}

void UninstallViewModel::finishUninstall(const InstalledApp &app)
{
    m_removing = false;
    // The person may have chosen another application while this one was removed: only the
    // removed one's detail changes.
    const bool shown = m_selectedID == app.path;
    if (!stillInstalled(app)) {
        m_apps.removeIf([&](const InstalledApp &known) { return known.path == app.path; });
        if (shown) {
            ++m_relatedGeneration;
            m_related.clear();
            m_checked.clear();
            m_relatedLoading = false;
            m_selectedID.clear();
            Q_EMIT selectionChanged();
        }
        refresh();
    } else if (shown) {
        loadRelated();
    } else {
        refresh();
    }
    Q_EMIT uninstallFinished();
}

void UninstallViewModel::reveal(const QString &path)
{
    if (m_store)
        m_store->reveal(path);
}

} // namespace pelmo
