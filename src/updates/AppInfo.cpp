#include "updates/AppInfo.h"

#include "core/Localization.h"

#include "core/BuildInfo.h"
#include "updates/AppInfoConfig.h"

#include <QUrlQuery>

namespace pelmo::AppInfo {
namespace {

QString configured(const char *value)
{
    return QString::fromUtf8(value).trimmed();
}

QUrl localized(const char *czech, const char *english)
{
    const QUrl en = webAddress(configured(english));
    return isEnglish() && !en.isEmpty() ? en : webAddress(configured(czech));
}

} // namespace

QString version()
{
    const QString value = configured(BuildInfo::version);
    return value.isEmpty() ? QStringLiteral("1.0") : value;
}

QString build()
{
    const QString value = configured(AppInfoConfig::buildNumber);
    return value.isEmpty() ? QStringLiteral("1") : value;
}

QUrl webPage()
{
    return localized(AppInfoConfig::webPageCs, AppInfoConfig::webPageEn);
}

QUrl donatePage()
{
    return localized(AppInfoConfig::donatePageCs, AppInfoConfig::donatePageEn);
}

QUrl supportMail()
{
    const QString address = configured(AppInfoConfig::supportEmail);
    // One address: anything that could add recipients or headers is no address.
    if (address.isEmpty() || address.count(u'@') != 1 || address.contains(u'?') || address.contains(u',')
        || address.contains(u' '))
        return {};
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(address);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), QStringLiteral("Pelmo"));
    url.setQuery(query);
    return url.isValid() ? url : QUrl();
}

QUrl updateFeed()
{
    return webAddress(configured(AppInfoConfig::updateUrl));
}

QString webDomain()
{
    QString host = webPage().host();
    if (host.isEmpty())
        host = updateFeed().host();
    if (host.startsWith(QLatin1StringView("www.")))
        host = host.mid(4);
    return host;
}

QUrl webAddress(const QString &text)
{
    const QUrl url(text, QUrl::StrictMode);
    const bool web = url.scheme() == QLatin1StringView("https") || url.scheme() == QLatin1StringView("http");
    return url.isValid() && web && !url.host().isEmpty() ? url : QUrl();
}

bool isEnglish()
{
    return Localization::installedCode() == QLatin1StringView("en");
}

} // namespace pelmo::AppInfo
