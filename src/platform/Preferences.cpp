#include "platform/Preferences.h"

#include "SettingsFile.h"
#include "core/PathBytes.h"

#include <QDir>
#include <QStringList>

#include <sys/stat.h>

namespace pelmo {
namespace {

constexpr qint64 kDefaultThresholdMB = 200;
constexpr qint64 kBytesPerMB = 1'000'000;

} // namespace

QString Preferences::settingsFile()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!config.startsWith(QLatin1Char('/')))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/Pelmo/Pelmo.conf");
}

Preferences::Preferences()
    : m_settings(std::make_unique<QSettings>(settingsFile(), QSettings::NativeFormat))
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

bool Preferences::setExcludedPaths(const QSet<QString> &paths)
{
    QStringList sorted(paths.begin(), paths.end());
    sorted.sort();
    return write(QStringLiteral("excludedPaths"), sorted);
}

qint64 Preferences::largeThresholdBytes() const
{
    bool ok = false;
    const qint64 mb = m_settings->value(QStringLiteral("largeThresholdMB")).toLongLong(&ok);
    return (ok && mb > 0 ? mb : kDefaultThresholdMB) * kBytesPerMB;
}

qint64 Preferences::largeThresholdMB() const
{
    return m_settings->value(QStringLiteral("largeThresholdMB"), 0).toLongLong();
}

bool Preferences::setLargeThresholdMB(qint64 megabytes)
{
    return write(QStringLiteral("largeThresholdMB"), megabytes);
}

bool Preferences::setAppLanguage(const QString &raw)
{
    const bool system = raw != QLatin1StringView("cs") && raw != QLatin1StringView("en");
    return write(QStringLiteral("appLanguage"), system ? QStringLiteral("system") : raw)
        && write(QStringLiteral("AppleLanguages"), system ? QVariant() : QVariant(QStringList {raw}));
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

bool Preferences::setGrantedHomeFolder(const QString &path)
{
    if (path.isEmpty())
        return write(QStringLiteral("homeFolderBookmark"), {});
    return write(QStringLiteral("homeFolderBookmark"), QByteArray::fromStdString(PathBytes::toBytes(path)));
}

QString Preferences::uninstallSort() const
{
    const QVariant value = m_settings->value(QStringLiteral("uninstallSort"));
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

bool Preferences::setUninstallSort(const QString &raw)
{
    return write(QStringLiteral("uninstallSort"), raw);
}

bool Preferences::reminderEnabled() const
{
    return m_settings->value(QStringLiteral("reminderEnabled"), false).toBool();
}

bool Preferences::setReminderEnabled(bool enabled)
{
    return write(QStringLiteral("reminderEnabled"), enabled);
}

double Preferences::lastReminder() const
{
    return m_settings->value(QStringLiteral("lastReminder"), 0.0).toDouble();
}

bool Preferences::setLastReminder(double secondsSince1970)
{
    return write(QStringLiteral("lastReminder"), secondsSince1970);
}

bool Preferences::write(const QString &key, const QVariant &value)
{
    const qint64 growth = key.size() + value.toString().size() + value.toByteArray().size() + 64;
    const bool written = SettingsFile::write(m_settings->fileName(), growth, [&](QSettings &settings) {
        if (value.isValid())
            settings.setValue(key, value);
        else
            settings.remove(key);
    });
    m_settings->sync(); // reads what is on disk now, whichever way the write went
    return written;
}

} // namespace pelmo
