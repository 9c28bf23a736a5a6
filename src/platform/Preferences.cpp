#include "platform/Preferences.h"

#include "SettingsFile.h"
#include "core/PathBytes.h"
#include "platform/UserAccount.h"

#include <QDir>
#include <QStringList>

#include <cmath>
#include <limits>

#include <sys/stat.h>

namespace pelmo {
namespace {

constexpr qint64 kDefaultThresholdMB = 200;
constexpr qint64 kBytesPerMB = 1'000'000;

} // namespace

QString Preferences::settingsFile()
{
    return UserAccount::configFolder() + QStringLiteral("/Pelmo/Pelmo.conf");
}

Preferences::Preferences()
    : m_file(settingsFile())
    , m_usable(SettingsFile::isUsable(m_file))
    // Not even made for a FIFO: QSettings reads its file as soon as it exists.
    , m_settings(m_usable ? std::make_unique<QSettings>(m_file, QSettings::NativeFormat) : nullptr)
{ }

QVariant Preferences::value(const QString &key, const QVariant &fallback) const
{
    return m_usable ? m_settings->value(key, fallback) : fallback;
}

QSet<QString> Preferences::excludedPaths() const
{
    // The ini format stores a one-element list as a plain string; anything else that is
    // not text reads as no exclusions.
    const QVariant stored = value(QStringLiteral("excludedPaths"));
    if (stored.typeId() == QMetaType::QStringList) {
        const QStringList list = stored.toStringList();
        return {list.begin(), list.end()};
    }
    if (stored.typeId() == QMetaType::QString && !stored.toString().isEmpty())
        return {stored.toString()};
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
    const qint64 mb = largeThresholdMB();
    return (mb > 0 ? mb : kDefaultThresholdMB) * kBytesPerMB;
}

qint64 Preferences::largeThresholdMB() const
{
    // A value whose bytes would not fit (or that is no number) reads as unset.
    bool ok = false;
    const qint64 mb = value(QStringLiteral("largeThresholdMB"), 0).toLongLong(&ok);
    return ok && mb >= 0 && mb <= std::numeric_limits<qint64>::max() / kBytesPerMB ? mb : 0;
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
    return value(QStringLiteral("appLanguage"), QStringLiteral("system")).toString();
}

QString Preferences::grantedHomeFolder() const
{
    // Without a sandbox the bookmark is the granted folder's path bytes.
    const QVariant stored = value(QStringLiteral("homeFolderBookmark"));
    if (!stored.isValid())
        return {};
    const QByteArray bytes = stored.toByteArray();
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
    const QVariant stored = value(QStringLiteral("uninstallSort"));
    return stored.typeId() == QMetaType::QString ? stored.toString() : QString();
}

bool Preferences::setUninstallSort(const QString &raw)
{
    return write(QStringLiteral("uninstallSort"), raw);
}

bool Preferences::reminderEnabled() const
{
    return value(QStringLiteral("reminderEnabled"), false).toBool();
}

bool Preferences::setReminderEnabled(bool enabled)
{
    return write(QStringLiteral("reminderEnabled"), enabled);
}

double Preferences::lastReminder() const
{
    const double seconds = value(QStringLiteral("lastReminder"), 0.0).toDouble();
    return std::isfinite(seconds) && seconds >= 0 ? seconds : 0.0;
}

bool Preferences::setLastReminder(double secondsSince1970)
{
    return write(QStringLiteral("lastReminder"), secondsSince1970);
}

bool Preferences::write(const QString &key, const QVariant &value)
{
    const qint64 growth = key.size() + value.toString().size() + value.toByteArray().size() + 64;
    if (!m_usable)
        return false;
    const bool written = SettingsFile::write(m_file, growth, [&](QSettings &settings) {
        if (value.isValid())
            settings.setValue(key, value);
        else
            settings.remove(key);
    });
    m_settings->sync(); // reads what is on disk now, whichever way the write went
    return written;
}

} // namespace pelmo
