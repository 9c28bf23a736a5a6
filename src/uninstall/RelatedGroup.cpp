#include "uninstall/RelatedGroup.h"

#include "core/Localization.h"

namespace pelmo::RelatedGroups {
namespace {

struct LinuxFolder
{
    QLatin1StringView prefix;
    RelatedGroup group;
};

// The most specific prefix first.
constexpr std::array<LinuxFolder, 5> kLinuxFolders = {{
    {QLatin1StringView("~/.config/autostart/"), RelatedGroup::background},
    {QLatin1StringView("~/.local/share/applications/"), RelatedGroup::background},
    {QLatin1StringView("~/.cache/"), RelatedGroup::caches},
    {QLatin1StringView("~/.config/"), RelatedGroup::settings},
    {QLatin1StringView("~/.local/state/"), RelatedGroup::state},
}};

} // namespace

RelatedGroup of(const CleanItem &item)
{
    for (const LinuxFolder &folder : kLinuxFolders) {
        if (item.detail.startsWith(folder.prefix))
            return folder.group;
    }
    QString rest = item.detail;
    rest.remove(QLatin1StringView("~/Library/"));
    const QString first = rest.split(u'/', Qt::SkipEmptyParts).value(0);
    if (first == QLatin1StringView("Caches"))
        return RelatedGroup::caches;
    if (first == QLatin1StringView("Preferences") || first == QLatin1StringView("Cookies"))
        return RelatedGroup::settings;
    if (first == QLatin1StringView("Saved Application State") || first == QLatin1StringView("Logs"))
        return RelatedGroup::state;
    if (first == QLatin1StringView("LaunchAgents") || first == QLatin1StringView("Application Scripts"))
        return RelatedGroup::background;
    return RelatedGroup::data;
}

QString title(RelatedGroup group)
{
    switch (group) {
    case RelatedGroup::data:
        return Localization::tr("Data aplikace");
    case RelatedGroup::caches:
        return Localization::tr("Dočasná data (cache)");
    case RelatedGroup::settings:
        return Localization::tr("Nastavení a cookies");
    case RelatedGroup::state:
        return Localization::tr("Stav a logy");
    case RelatedGroup::background:
        return Localization::tr("Spouštěče a skripty");
    }
    return {};
}

SrgbColor color(RelatedGroup group)
{
    switch (group) {
    case RelatedGroup::data:
        return {0.2, 0.52, 0.95};
    case RelatedGroup::caches:
        return {0.12, 0.68, 0.78};
    case RelatedGroup::settings:
        return {0.62, 0.4, 0.92};
    case RelatedGroup::state:
        return {0.95, 0.6, 0.15};
    case RelatedGroup::background:
        return {0.92, 0.35, 0.55};
    }
    return {};
}

std::optional<QString> note(RelatedGroup group)
{
    if (group != RelatedGroup::data)
        return std::nullopt;
    return Localization::tr("Mohou obsahovat tvoje vlastní data, třeba uložené hry nebo knihovny.");
}

QString symbol(RelatedGroup group)
{
    switch (group) {
    case RelatedGroup::data:
        return QStringLiteral("externaldrive.fill");
    case RelatedGroup::caches:
        return QStringLiteral("clock.arrow.circlepath");
    case RelatedGroup::settings:
        return QStringLiteral("gearshape.fill");
    case RelatedGroup::state:
        return QStringLiteral("doc.text.fill");
    case RelatedGroup::background:
        return QStringLiteral("bolt.fill");
    }
    return {};
}

} // namespace pelmo::RelatedGroups
