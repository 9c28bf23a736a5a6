#include "AppsCommand.h"

#include "CommandSupport.h"
#include "OptionParser.h"
#include "UninstallCommand.h"
#include "core/JsonText.h"
#include "core/Localization.h"
#include "core/PathBytes.h"
#include "core/SizeText.h"
#include "platform/linux/FlatpakCommand.h"
#include "platform/linux/SystemApplicationCatalogue.h"
#include "uninstall/AppUninstaller.h"
#include "uninstall/RelatedGroup.h"

#include <QtConcurrent/QtConcurrentMap>

namespace pelmo {
namespace {

QString kindName(InstalledApp::Kind kind)
{
    switch (kind) {
    case InstalledApp::Kind::bundle:
        return QStringLiteral("bundle");
    case InstalledApp::Kind::appImage:
        return QStringLiteral("appImage");
    case InstalledApp::Kind::flatpak:
        return QStringLiteral("flatpak");
    }
    return {};
}

QString groupName(RelatedGroup group)
{
    switch (group) {
    case RelatedGroup::data:
        return QStringLiteral("data");
    case RelatedGroup::caches:
        return QStringLiteral("caches");
    case RelatedGroup::settings:
        return QStringLiteral("settings");
    case RelatedGroup::state:
        return QStringLiteral("state");
    case RelatedGroup::background:
        return QStringLiteral("background");
    }
    return {};
}

QString optionalJson(const std::optional<QString> &text)
{
    return text ? JsonText::quoted(*text) : QStringLiteral("null");
}

QString appJson(const InstalledApp &app)
{
    return QStringLiteral("{\"id\": %1, \"name\": %2, \"kind\": %3, \"version\": %4, \"size\": %5, "
                          "\"lastUsed\": %6, \"path\": %7}")
        .arg(JsonText::quoted(app.bundleID), JsonText::quoted(app.name), JsonText::quoted(kindName(app.kind)),
            optionalJson(app.version), QString::number(app.size),
            optionalJson(app.lastUsed ? std::optional(app.lastUsed->toUTC().toString(Qt::ISODate)) : std::nullopt),
            JsonText::quoted(app.path));
}

int listApps(const QList<InstalledApp> &apps, bool json)
{
    qint64 total = 0;
    for (const InstalledApp &app : apps)
        total += app.size;
    if (json) {
        QStringList rows;
        for (const InstalledApp &app : apps)
            rows.append(appJson(app));
        CommandSupport::write(stdout,
            QStringLiteral("{\"apps\": [") + rows.join(QStringLiteral(", ")) + QStringLiteral("], \"total\": ")
                + QString::number(total) + QStringLiteral("}\n"));
        return 0;
    }
    QString text;
    for (const InstalledApp &app : apps) {
        text += QStringLiteral("%1  %2%3\n    %4  %5\n")
                    .arg(formatSize(app.size).rightJustified(9), PathBytes::display(app.name),
                        app.version ? QStringLiteral(" ") + *app.version : QString(), app.bundleID,
                        PathBytes::display(app.path));
    }
    text += Localization::format(Localization::tr("Aplikací: %lld"), {QString::number(apps.size())})
        + QStringLiteral(" · ") + formatSize(total) + u'\n';
    CommandSupport::write(stdout, text);
    return 0;
}

int listRelated(const InstalledApp &app, const QList<CleanItem> &items, bool json)
{
    const qint64 total = totalSize(items);
    if (json) {
        QStringList groups;
        for (const RelatedGroup group : RelatedGroups::all) {
            QStringList rows;
            for (const CleanItem &item : items) {
                if (RelatedGroups::of(item) == group)
                    rows.append(QStringLiteral("{\"name\": %1, \"path\": %2, \"detail\": %3, \"size\": %4}")
                                    .arg(JsonText::quoted(item.name), JsonText::quoted(item.path),
                                        JsonText::quoted(item.detail), QString::number(item.size)));
            }
            if (!rows.isEmpty())
                groups.append(QStringLiteral("{\"group\": %1, \"title\": %2, \"items\": [%3]}")
                                  .arg(JsonText::quoted(groupName(group)),
                                      JsonText::quoted(RelatedGroups::title(group)), rows.join(QStringLiteral(", "))));
        }
        CommandSupport::write(stdout,
            QStringLiteral("{\"app\": %1, \"groups\": [%2], \"total\": %3}\n")
                .arg(appJson(app), groups.join(QStringLiteral(", ")), QString::number(total)));
        return 0;
    }
    QString text = PathBytes::display(app.name) + QStringLiteral("  ") + formatSize(app.size) + QStringLiteral("  ")
        + PathBytes::display(app.path) + u'\n';
    for (const RelatedGroup group : RelatedGroups::all) {
        QString rows;
        qint64 sum = 0;
        for (const CleanItem &item : items) {
            if (RelatedGroups::of(item) != group)
                continue;
            sum += item.size;
            rows += QStringLiteral("  %1  %2\n")
                        .arg(formatSize(item.size).rightJustified(9), PathBytes::display(item.detail));
        }
        if (!rows.isEmpty())
            text += u'\n' + RelatedGroups::title(group) + QStringLiteral(" (") + formatSize(sum) + QStringLiteral(")\n")
                + rows;
    }
    if (items.isEmpty())
        text += Localization::tr("Po téhle aplikaci jsem v Knihovně nic nenašel.") + u'\n';
    text += u'\n'
        + Localization::format(
            Localization::tr("Zbytky celkem: %@ (položek: %lld)"), {formatSize(total), QString::number(items.size())})
        + u'\n';
    CommandSupport::write(stdout, text);
    return 0;
}

} // namespace

int runAppsCommand(const QStringList &arguments)
{
    OptionParser parser;
    parser.add(QStringLiteral("json"), OptionParser::Kind::flag);
    parser.add(QStringLiteral("related"), OptionParser::Kind::value);
    parser.add(QStringLiteral("uninstall"), OptionParser::Kind::value);
    parser.add(QStringLiteral("keep"), OptionParser::Kind::repeatedValue);
    parser.add(QStringLiteral("yes"), OptionParser::Kind::flag);
    QString problem;
    if (!parser.parse(arguments))
        problem = parser.error();
    else if (!parser.positional().isEmpty())
        problem = Localization::format(Localization::tr("Neočekávaný argument %@"), {parser.positional().first()});
    const bool uninstalling = parser.value(QStringLiteral("uninstall")).has_value();
    if (problem.isEmpty() && uninstalling && parser.isSet(QStringLiteral("related")))
        problem = Localization::tr("Zvol jen jedno z --related a --uninstall");
    else if (problem.isEmpty() && !uninstalling
        && (parser.isSet(QStringLiteral("yes")) || !parser.values(QStringLiteral("keep")).isEmpty()))
        problem = Localization::tr("Volby --keep a --yes patří k --uninstall");
    else if (problem.isEmpty() && uninstalling && !parser.isSet(QStringLiteral("yes")) && !CommandSupport::canAsk())
        problem = Localization::tr("Bez terminálu je potřeba potvrdit přesun volbou --yes");
    const QString home = problem.isEmpty() ? CommandSupport::homeFolder(std::nullopt, problem) : QString();
    if (!problem.isEmpty()) {
        CommandSupport::write(stderr, problem + u'\n');
        return CommandSupport::badInput;
    }

    FlatpakCommand flatpak;
    QList<InstalledApp> apps = AppUninstaller::installedApps(home, &flatpak);
    const bool json = parser.isSet(QStringLiteral("json"));
    const std::optional<QString> wanted
        = uninstalling ? parser.value(QStringLiteral("uninstall")) : parser.value(QStringLiteral("related"));
    if (!wanted) {
        const QList<qint64> sizes = QtConcurrent::blockingMapped<QList<qint64>>(apps, &AppUninstaller::measure);
        for (qsizetype i = 0; i < apps.size(); ++i)
            apps[i].size = sizes[i];
        return listApps(AppUninstaller::visible(apps, {}, AppSort::size), json);
    }

    // An identifier, or the path of one listed copy when the same one lies in two folders.
    const QString path = CommandSupport::absolutePath(*wanted);
    const auto found = std::ranges::find_if(
        apps, [&](const InstalledApp &app) { return app.bundleID == *wanted || app.path == path; });
    if (found == apps.end()) {
        CommandSupport::write(stderr,
            Localization::format(Localization::tr("Žádná aplikace k odinstalaci nemá ID %@"), {*wanted}) + u'\n');
        return CommandSupport::badInput;
    }
    const SystemApplicationCatalogue catalogue(SystemApplicationCatalogue::sourcesFor(home));
    if (uninstalling)
        return runUninstall(*found, apps, home, parser.values(QStringLiteral("keep")),
            parser.isSet(QStringLiteral("yes")), flatpak, catalogue);
    found->size = AppUninstaller::measure(*found); // only the one asked about
    return listRelated(*found, AppUninstaller::relatedFiles(*found, home, apps, &catalogue), json);
}

} // namespace pelmo
