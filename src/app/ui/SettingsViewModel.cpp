#include "app/ui/SettingsViewModel.h"

#include "access/AccessManager.h"
#include "core/Localization.h"
#include "core/PathBytes.h"
#include "platform/FolderPicker.h"
#include "store/CleanerStore.h"

#include <QCoreApplication>

#include <array>

namespace pelmo {
namespace {

constexpr std::array<qint64, 4> kThresholds = {100, 200, 500, 1000};
constexpr std::array<const char *, 3> kLanguages = {"system", "cs", "en"};

} // namespace

void SettingsViewModel::attach(CleanerStore &store)
{
    connect(&store, &CleanerStore::excludedChanged, this, &SettingsViewModel::changed);
    connect(store.access(), &AccessManager::homeUrlChanged, this, &SettingsViewModel::changed);
    connect(&store, &CleanerStore::reminderEnabledChanged, this, &SettingsViewModel::changed);
}

bool SettingsViewModel::reminderEnabled() const
{
    return m_store && m_store->reminderEnabled();
}

void SettingsViewModel::setReminderEnabled(bool on)
{
    if (m_store && on != reminderEnabled())
        m_store->setReminder(on);
}

QString SettingsViewModel::grantedFolder() const
{
    const QString home = m_store ? m_store->access()->homeUrl() : QString();
    return home.isEmpty() ? Localization::tr("Žádná") : PathBytes::display(home);
}

QStringList SettingsViewModel::thresholdOptions() const
{
    return {QStringLiteral("100 MB"), QStringLiteral("200 MB"), QStringLiteral("500 MB"), QStringLiteral("1 GB")};
}

int SettingsViewModel::thresholdIndex() const
{
    const qint64 stored = m_store ? m_store->largeThresholdMB() : 0;
    const auto found = std::ranges::find(kThresholds, stored);
    return found == kThresholds.end() ? 1 : static_cast<int>(found - kThresholds.begin());
}

void SettingsViewModel::setThresholdIndex(int index)
{
    if (!m_store || index < 0 || index >= static_cast<int>(kThresholds.size()) || index == thresholdIndex())
        return;
    m_store->setLargeThresholdMB(kThresholds[static_cast<size_t>(index)]); // a failure shows its toast
    Q_EMIT changed();
}

QStringList SettingsViewModel::languageOptions() const
{
    return {Localization::tr("Jazyk systému"), QStringLiteral("Čeština"), QStringLiteral("English")};
}

int SettingsViewModel::languageIndex() const
{
    const QString stored = m_store ? m_store->appLanguage() : QString();
    for (size_t i = 0; i < kLanguages.size(); ++i) {
        if (stored == QLatin1StringView(kLanguages[i]))
            return static_cast<int>(i);
    }
    return 0;
}

void SettingsViewModel::setLanguageIndex(int index)
{
    if (!m_store || index < 0 || index >= static_cast<int>(kLanguages.size()) || index == languageIndex())
        return;
    m_store->setAppLanguage(QLatin1StringView(kLanguages[static_cast<size_t>(index)])); // a failure shows its toast
    Q_EMIT changed();
    Q_EMIT restartWanted();
}

QStringList SettingsViewModel::excluded() const
{
    QStringList paths = m_store ? QStringList(m_store->excluded().begin(), m_store->excluded().end()) : QStringList();
    paths.sort();
    return paths;
}

void SettingsViewModel::changeAccess()
{
    if (m_store)
        m_store->access()->requestAccess();
}

void SettingsViewModel::revokeAccess()
{
    if (!m_store)
        return;
    m_store->access()->revoke();
    m_store->forgetScan();
}

void SettingsViewModel::unexclude(const QString &path)
{
    if (m_store)
        m_store->unexclude(path);
}

void SettingsViewModel::excludeFolder()
{
    if (!m_store || !m_store->folderPicker())
        return;
    m_store->folderPicker()->pickFolder(m_store->access()->homeUrl(), Localization::tr("Vyloučit"),
        Localization::tr("Vyloučit složku…"), [store = QPointer(m_store)](std::optional<QString> chosen) {
            if (store && chosen && !chosen->isEmpty())
                store->exclude(*chosen);
        });
}

void SettingsViewModel::relaunch()
{
    // The new Pelmo starts once this one has finished its work and left the session bus.
    qApp->setProperty(relaunchProperty, true);
    QCoreApplication::quit();
}

} // namespace pelmo
