#include "updates/Release.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace pelmo {
namespace {

// Absent for a missing key or null; false in `ok` for any other type than text.
std::optional<QString> optionalText(const QJsonObject &object, QLatin1StringView key, bool &ok)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
        return std::nullopt;
    if (!value.isString())
        ok = false;
    return value.toString();
}

} // namespace

std::optional<Release> Release::fromJson(const QByteArray &json)
{
    QJsonParseError error {};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    bool ok = true;
    Release release;
    const auto version = optionalText(object, QLatin1StringView("version"), ok);
    const auto url = optionalText(object, QLatin1StringView("url"), ok);
    release.notesCs = optionalText(object, QLatin1StringView("notes_cs"), ok);
    release.notesEn = optionalText(object, QLatin1StringView("notes_en"), ok);
    if (!ok || !version || !url)
        return std::nullopt;
    release.version = *version;
    release.url = *url;
    return release;
}

} // namespace pelmo
