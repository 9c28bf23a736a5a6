#include "updates/ui/AboutViewModel.h"

#include "core/Localization.h"
#include "updates/AppInfo.h"
#include "updates/UpdateChecker.h"

#include <QDesktopServices>

#include <array>

namespace pelmo {
namespace {

struct ReleaseNote
{
    const char *version;
    std::array<const char *, 6> items;
};

// Newest first.
constexpr std::array kReleaseNotes = {
    ReleaseNote {"1.0",
        {QT_TRANSLATE_NOOP("Pelmo", "Čištění cache, logů, vývojářského odpadu, zbytků a instalátorů"),
            QT_TRANSLATE_NOOP("Pelmo", "Hledání duplicit a velkých souborů"),
            QT_TRANSLATE_NOOP("Pelmo", "Odinstalace aplikací včetně zbytků v Knihovně"),
            QT_TRANSLATE_NOOP("Pelmo", "Mapa disku s barevnými dlaždicemi"),
            QT_TRANSLATE_NOOP("Pelmo", "Historie úklidu s možností vrátit položky zpět"),
            QT_TRANSLATE_NOOP("Pelmo", "Čeština a angličtina, ikona v horní liště, týdenní připomínka")}},
};

void open(const QUrl &url)
{
    if (!url.isEmpty())
        QDesktopServices::openUrl(url);
}

} // namespace

AboutViewModel::AboutViewModel(QObject *parent)
    : QObject(parent)
{
    setChecker(UpdateChecker::shared());
}

void AboutViewModel::setChecker(UpdateChecker *checker)
{
    if (m_checker)
        disconnect(m_checker, nullptr, this, nullptr);
    m_checker = checker;
    if (checker) {
        for (auto signal :
            {&UpdateChecker::availableChanged, &UpdateChecker::statusChanged, &UpdateChecker::autoCheckChanged})
            connect(checker, signal, this, &AboutViewModel::changed);
        connect(checker, &UpdateChecker::announcementDue, this, &AboutViewModel::announcement);
    }
    Q_EMIT changed();
}

QString AboutViewModel::versionText() const
{
    return Localization::format(Localization::tr("Verze %@ (%@)"), {AppInfo::version(), AppInfo::build()});
}

QVariantList AboutViewModel::releaseNotes() const
{
    QVariantList notes;
    for (const ReleaseNote &note : kReleaseNotes) {
        QStringList items;
        for (const char *item : note.items)
            items.append(Localization::tr(item));
        notes.append(
            QVariantMap {{QStringLiteral("version"),
                             Localization::format(Localization::tr("Verze %@"), {QString::fromLatin1(note.version)})},
                {QStringLiteral("items"), items}});
    }
    return notes;
}

QString AboutViewModel::updatesText() const
{
    const QString domain = AppInfo::webDomain();
    if (domain.isEmpty())
        return {};
    return Localization::format(
        Localization::tr("Nové verze jsou zdarma na %@. Pelmo se tam jednou denně podívá a nabídne ti je."), {domain});
}

bool AboutViewModel::autoCheck() const
{
    return m_checker && m_checker->autoCheck();
}

void AboutViewModel::setAutoCheck(bool on)
{
    if (m_checker)
        m_checker->setAutoCheck(on);
}

bool AboutViewModel::hasAvailable() const
{
    return m_checker && m_checker->available();
}

QString AboutViewModel::availableText() const
{
    if (!hasAvailable())
        return {};
    return Localization::format(Localization::tr("Je dostupná nová verze %@"), {m_checker->available()->version});
}

QString AboutViewModel::notes() const
{
    return m_checker ? m_checker->notes() : QString();
}

QString AboutViewModel::status() const
{
    switch (m_checker ? m_checker->status() : UpdateChecker::Status::idle) {
    case UpdateChecker::Status::idle:
        return QStringLiteral("idle");
    case UpdateChecker::Status::checking:
        return QStringLiteral("checking");
    case UpdateChecker::Status::upToDate:
        return QStringLiteral("upToDate");
    case UpdateChecker::Status::failed:
        return QStringLiteral("failed");
    }
    return {};
}

QString AboutViewModel::alertTitle() const
{
    if (!hasAvailable())
        return {};
    return Localization::format(
        Localization::tr("Je dostupná nová verze %@ %@"), {QStringLiteral("Pelmo"), m_checker->available()->version});
}

QString AboutViewModel::alertText() const
{
    if (!hasAvailable())
        return {};
    const QString notes = m_checker->notes();
    if (!notes.isEmpty())
        return notes;
    // The site the version comes from: the maker's, else the download page's own.
    QString domain = AppInfo::webDomain();
    if (domain.isEmpty())
        domain = m_checker->downloadUrl().host();
    return Localization::tr("Novou verzi si stáhneš zdarma z ") + domain + u'.';
}

bool AboutViewModel::hasSupport() const
{
    return !AppInfo::supportMail().isEmpty();
}

bool AboutViewModel::hasDonate() const
{
    return !AppInfo::donatePage().isEmpty();
}

bool AboutViewModel::hasWeb() const
{
    return !AppInfo::webPage().isEmpty();
}

void AboutViewModel::check()
{
    if (m_checker)
        m_checker->check(true);
}

void AboutViewModel::openDownload()
{
    if (m_checker)
        open(m_checker->downloadUrl());
}

void AboutViewModel::openSupport()
{
    open(AppInfo::supportMail());
}

void AboutViewModel::openDonate()
{
    open(AppInfo::donatePage());
}

void AboutViewModel::openWeb()
{
    open(AppInfo::webPage());
}

} // namespace pelmo
