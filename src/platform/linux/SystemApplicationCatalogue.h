#pragma once

#include "platform/ApplicationCatalogue.h"

#include <QSet>
#include <QStringList>

#include <mutex>

namespace pelmo {

// The installed applications as the system knows them: .app bundles (CFBundleIdentifier of
// Contents/Info.plist, XML or binary), desktop-entry IDs and Flatpak app IDs. Read once, on
// the first question, from whichever thread asks it. Identifiers compare without regard to
// letter case, as bundle identifiers do on macOS.
class SystemApplicationCatalogue final : public ApplicationCatalogue
{
public:
    struct Sources
    {
        QStringList bundleFolders;       // holding *.app, directly or one folder down
        QStringList desktopEntryFolders; // "applications" folders, searched recursively
        QStringList flatpakFolders;      // whose child folders are app IDs
    };

    // The system's places for a user whose home folder is `home`.
    [[nodiscard]] static Sources sourcesFor(const QString &home);

    explicit SystemApplicationCatalogue(Sources sources);
    [[nodiscard]] bool hasApplication(const QString &identifier) const override;

private:
    void load() const;

    Sources m_sources;
    mutable std::once_flag m_loaded;
    mutable QSet<QString> m_identifiers;
};

} // namespace pelmo
