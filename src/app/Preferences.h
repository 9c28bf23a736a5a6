#pragma once

#include <QSet>
#include <QSettings>
#include <QString>

#include <memory>

namespace pelmo {

// The per-user settings store: $XDG_CONFIG_HOME/Pelmo/Pelmo.conf (QSettings native format, ini syntax). Values are read
// when needed; readers turn a missing or malformed value into the key's default.
class Preferences
{
public:
    Preferences();

    [[nodiscard]] QSet<QString> excludedPaths() const;
    // "largeThresholdMB" in bytes of the decimal megabyte; 0 or missing means 200 MB.
    [[nodiscard]] qint64 largeThresholdBytes() const;
    [[nodiscard]] QString appLanguage() const;
    // The granted home folder, or empty when none is stored or it is no longer a folder.
    [[nodiscard]] QString grantedHomeFolder() const;

    [[nodiscard]] QSettings &settings() { return *m_settings; }

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace pelmo
