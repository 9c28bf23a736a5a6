#include "Preferences.h"

#include "fs/PathBytes.h"

#include <QStringList>

#include <sys/stat.h>

namespace pelmo {
namespace {

constexpr qint64 kDefaultThresholdMB = 200;
constexpr qint64 kBytesPerMB = 1'000'000;

} // namespace

Preferences::Preferences()
    : m_settings(std::make_unique<QSettings>(
        QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Pelmo"), QStringLiteral("Pelmo")))
{ }

QSet<QString> Preferences::excludedPaths() const
{
    // The ini format stores a one-element list as a plain string; anything else that is
    // not text reads as no exclusions.
    const QVariant value = m_settings->value(QStringLiteral("excludedPaths"));
    if (value.typeId() == QMetaType::QStringList) {
        const QStringList list = value.toStringList();
        return {list.begin(), list.end()};
    }
    if (value.typeId() == QMetaType::QString && !value.toString().isEmpty())
        return {value.toString()};
    return {};
}

qint64 Preferences::largeThresholdBytes() const
{
    bool ok = false;
    const qint64 mb = m_settings->value(QStringLiteral("largeThresholdMB")).toLongLong(&ok);
    return (ok && mb > 0 ? mb : kDefaultThresholdMB) * kBytesPerMB;
}

QString Preferences::appLanguage() const
{
    return m_settings->value(QStringLiteral("appLanguage"), QStringLiteral("system")).toString();
}

QString Preferences::grantedHomeFolder() const
{
    // Without a sandbox the bookmark is the granted folder's path bytes.
    const QVariant value = m_settings->value(QStringLiteral("homeFolderBookmark"));
    if (!value.isValid())
        return {};
    const QByteArray bytes = value.toByteArray();
    struct stat st
    {
    };
    if (bytes.isEmpty() || ::stat(bytes.constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return {};
    return PathBytes::fromBytes(bytes.toStdString());
}

} // namespace pelmo
