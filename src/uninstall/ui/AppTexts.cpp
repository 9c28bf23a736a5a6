#include "uninstall/ui/AppTexts.h"

#include "core/Localization.h"

#include <QUrl>

namespace pelmo::AppTexts {

QString relativeDate(const QDateTime &date, const QDateTime &now)
{
    const qint64 days = date.toLocalTime().date().daysTo(now.toLocalTime().date());
    if (days <= 0)
        return Localization::tr("dnes");
    if (days == 1)
        return Localization::tr("včera");
    if (days < 31)
        return Localization::plural(QT_TRANSLATE_N_NOOP("Pelmo", "před %lld dny"), days);
    if (days < 365)
        return Localization::plural(QT_TRANSLATE_N_NOOP("Pelmo", "před %lld měsíci"), days / 30);
    return Localization::plural(QT_TRANSLATE_N_NOOP("Pelmo", "před %lld lety"), days / 365);
}

QString subtitle(const InstalledApp &app, const QDateTime &now)
{
    QStringList parts;
    if (app.version)
        parts.append(*app.version);
    parts.append(app.lastUsed ? Localization::format(Localization::tr("Použito %@"), {relativeDate(*app.lastUsed, now)})
                              : Localization::tr("Použití neznámé"));
    return parts.join(QStringLiteral(" · "));
}

QString metaLine(const InstalledApp &app, const QDateTime &now)
{
    QStringList parts;
    if (app.version)
        parts.append(Localization::format(Localization::tr("Verze %@"), {*app.version}));
    if (app.lastUsed)
        parts.append(Localization::format(Localization::tr("Použito %@"), {relativeDate(*app.lastUsed, now)}));
    return parts.join(QStringLiteral(" · "));
}

QString iconSource(const InstalledApp &app)
{
    const QString generic = QStringLiteral("application-x-executable");
    if (app.icon.startsWith(u'/'))
        return QUrl::fromLocalFile(app.icon).toString();
    if (!app.icon.isEmpty() && !app.icon.contains(u'/'))
        return QStringLiteral("image://theme/") + app.icon + u',' + generic;
    return QStringLiteral("image://theme/") + generic;
}

} // namespace pelmo::AppTexts
