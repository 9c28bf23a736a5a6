#pragma once

#include <QByteArray>
#include <QSet>
#include <QSettings>
#include <QString>

#include <memory>
#include <optional>

namespace pelmo {

// The per-user settings store: $XDG_CONFIG_HOME/Pelmo/Pelmo.conf (QSettings native format,
// ini syntax); the history in it is SharedHistory's. Values are read when needed; readers turn a missing or malformed
// value into the key's default. Writers go to disk at once and answer false when the file could not be written, so that
// no change is lost silently.
class Preferences
{
public:
    Preferences();

    // $XDG_CONFIG_HOME/Pelmo/Pelmo.conf, worked out afresh (QSettings would keep the first
    // XDG_CONFIG_HOME of the process).
    [[nodiscard]] static QString settingsFile();

    [[nodiscard]] QSet<QString> excludedPaths() const;
    bool setExcludedPaths(const QSet<QString> &paths); // stored sorted
    // "largeThresholdMB" in bytes of the decimal megabyte; 0 or missing means 200 MB.
    [[nodiscard]] qint64 largeThresholdBytes() const;
    [[nodiscard]] qint64 largeThresholdMB() const; // as stored, 0 when missing
    bool setLargeThresholdMB(qint64 megabytes);
    [[nodiscard]] QString appLanguage() const;
    // Writes "appLanguage" and, for "cs" or "en", "AppleLanguages" = [code]; removes the
    // latter for "system".
    bool setAppLanguage(const QString &raw);

    // The granted home folder, or empty when none is stored or it is no longer a folder.
    [[nodiscard]] QString grantedHomeFolder() const;
    bool setGrantedHomeFolder(const QString &path); // empty removes the grant

    // "uninstallSort" as stored; empty when missing.
    [[nodiscard]] QString uninstallSort() const;
    bool setUninstallSort(const QString &raw);

    [[nodiscard]] bool reminderEnabled() const;
    bool setReminderEnabled(bool enabled);
    // Seconds since 1970; 0 when never set.
    [[nodiscard]] double lastReminder() const;
    bool setLastReminder(double secondsSince1970);

    // False when the settings file is neither missing nor a regular file (a FIFO, say): then
    // every value reads as its default and nothing is written.
    [[nodiscard]] bool isUsable() const { return m_usable; }

private:
    [[nodiscard]] QVariant value(const QString &key, const QVariant &fallback = {}) const;
    bool write(const QString &key, const QVariant &value);

    QString m_file;
    bool m_usable;
    std::unique_ptr<QSettings> m_settings; // none when not usable
};

} // namespace pelmo
