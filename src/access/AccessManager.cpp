#include "AccessManager.h"

#include "core/Localization.h"
#include "platform/FolderPicker.h"
#include "platform/Preferences.h"

#include <QDir>
#include <QPointer>

namespace pelmo {
namespace {

QString standardized(const QString &path)
{
    return QDir::cleanPath(path);
}

} // namespace

AccessManager::AccessManager(
    Preferences &preferences, FolderPicker *picker, std::function<QString()> realHome, QObject *parent)
    : QObject(parent)
    , m_preferences(preferences)
    , m_picker(picker)
    , m_realHome(std::move(realHome))
{
    m_homeUrl = m_preferences.grantedHomeFolder();
}

void AccessManager::requestAccess()
{
    setErrorMessage({});
    if (!m_picker)
        return;
    m_picker->pickFolder(m_realHome(), Localization::tr("Povolit přístup"),
        Localization::tr("Vyber svou domovskou složku (ta s tvým jménem) a potvrď tlačítkem „Povolit přístup“."),
        [self = QPointer(this)](std::optional<QString> chosen) {
            if (self && chosen && !chosen->isEmpty())
                self->accept(*chosen);
        });
}

void AccessManager::accept(const QString &chosen)
{
    const QString folder = standardized(chosen);
    if (folder != standardized(m_realHome())) {
        setErrorMessage(Localization::tr("Vybraná složka není tvoje domovská složka. Zkus to prosím znovu."));
        return;
    }
    // An unsaved grant would vanish at the next start: report it instead of granting.
    if (!m_preferences.setGrantedHomeFolder(folder)) {
        setErrorMessage(Localization::tr("Přístup se nepodařilo získat."));
        return;
    }
    setHomeUrl(folder);
}

void AccessManager::revoke()
{
    setHomeUrl({});
    (void)m_preferences.setGrantedHomeFolder({});
}

void AccessManager::setHomeUrl(const QString &url)
{
    if (m_homeUrl == url)
        return;
    m_homeUrl = url;
    Q_EMIT homeUrlChanged();
}

void AccessManager::setErrorMessage(const QString &message)
{
    if (m_errorMessage == message)
        return;
    m_errorMessage = message;
    Q_EMIT errorMessageChanged();
}

} // namespace pelmo
