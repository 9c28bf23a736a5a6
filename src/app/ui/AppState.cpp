#include "app/ui/AppState.h"

#include "access/AccessManager.h"
#include "app/ui/DropRules.h"
#include "core/Icons.h"
#include "core/Localization.h"
#include "core/SizeText.h"
#include "model/ColorText.h"
#include "platform/linux/AutostartEntry.h"

namespace pelmo {

AppState::AppState(CleanerStore &store, bool scanAtOnce, QObject *parent)
    : QObject(parent)
    , m_store(store)
    , m_firstScanAllowed(scanAtOnce)
{
    m_categories.setStore(&m_store);
    connect(&m_store, &CleanerStore::diskChanged, this, &AppState::diskChanged);
    connect(&m_store, &CleanerStore::itemsChanged, this, &AppState::foundChanged);
    connect(&m_store, &CleanerStore::isScanningChanged, this, &AppState::scanEnabledChanged);
    connect(m_store.access(), &AccessManager::homeUrlChanged, this, &AppState::scanEnabledChanged);
    connect(m_store.access(), &AccessManager::homeUrlChanged, this, &AppState::scanOnceAccessExists);
    connect(&m_store, &CleanerStore::reminderEnabledChanged, this, &AppState::startAtLoginAsReminded);
    connect(&m_store, &CleanerStore::requestedSectionChanged, this, [this] {
        const std::optional<SidebarItem> section = m_store.requestedSection();
        if (!section)
            return;
        m_store.setRequestedSection(std::nullopt);
        if (section->section == SidebarItem::Section::uninstall)
            Q_EMIT sectionRequested(QStringLiteral("uninstall"));
    });
    scanOnceAccessExists();
}

void AppState::startAtLoginAsReminded()
{
    // The hourly check runs only while Pelmo runs, so the reminder has it started at login.
    const bool done = m_store.reminderEnabled() ? AutostartEntry::install(QCoreApplication::applicationFilePath())
                                                : AutostartEntry::remove();
    if (!done)
        m_store.showToast(Localization::tr(
            "Spuštění po přihlášení se nepodařilo nastavit, připomínka poběží jen se zapnutým Pelmem."));
}

namespace {

constexpr const char *kEngineProperty = "pelmoAppState";

} // namespace

void AppState::attachTo(QQmlEngine &engine)
{
    engine.setProperty(kEngineProperty, QVariant::fromValue(static_cast<QObject *>(this)));
}

AppState *AppState::create(QQmlEngine *engine, QJSEngine *)
{
    auto *state = qobject_cast<AppState *>(engine->property(kEngineProperty).value<QObject *>());
    QJSEngine::setObjectOwnership(state, QJSEngine::CppOwnership);
    return state;
}

void AppState::allowFirstScan()
{
    if (m_firstScanAllowed)
        return;
    m_firstScanAllowed = true;
    scanOnceAccessExists();
}

void AppState::scanOnceAccessExists()
{
    if (m_firstScanAllowed && m_store.access()->hasAccess() && !m_store.hasScanned())
        m_store.scan();
}

QString AppState::brand() const
{
    return colorText(brandColor);
}

double AppState::diskFraction() const
{
    const DiskInfo disk = m_store.disk();
    if (disk.total < 1)
        return 0;
    return static_cast<double>(std::max<qint64>(disk.total - disk.available, 0)) / static_cast<double>(disk.total);
}

QString AppState::diskText() const
{
    const DiskInfo disk = m_store.disk();
    return Localization::tr("Volno ") + formatSize(disk.available) + Localization::tr(" z ") + formatSize(disk.total);
}

QString AppState::diskColor() const
{
    const double used = diskFraction();
    if (used > 0.9)
        return QStringLiteral("#e53935");
    if (used > 0.75)
        return QStringLiteral("#fb8c00");
    return brand();
}

QString AppState::foundText() const
{
    const qint64 found = totalSize(m_store.items());
    return found > 0 ? Localization::tr("K úklidu nalezeno ") + formatSize(found) : QString();
}

bool AppState::scanEnabled() const
{
    return m_store.access()->hasAccess() && !m_store.isScanning();
}

bool AppState::drop(const QList<QUrl> &urls)
{
    const DropRules::Decision decision = DropRules::decide(m_store.access()->hasAccess(), urls);
    switch (decision.kind) {
    case DropRules::Kind::Refused:
        return false;
    case DropRules::Kind::Application:
        // The uninstaller tells whether it can remove it.
        m_store.setPendingApp(decision.path);
        m_store.setRequestedSection(SidebarItem {SidebarItem::Section::uninstall});
        return true;
    case DropRules::Kind::File:
        // A drop onto an open analysis starts a new one: the sheet analyses one item.
        closeDropAnalysis();
        m_droppedPath = decision.path;
        Q_EMIT droppedPathChanged();
        return true;
    }
    return false;
}

void AppState::closeDropAnalysis()
{
    if (!m_droppedPath.isEmpty()) {
        m_droppedPath.clear();
        Q_EMIT droppedPathChanged();
    }
}

QString AppState::icon(const QString &symbol) const
{
    return Icons::themeName(symbol);
}

QString AppState::tr(const QString &key) const
{
    return Localization::tr(key.toUtf8().constData());
}

} // namespace pelmo
