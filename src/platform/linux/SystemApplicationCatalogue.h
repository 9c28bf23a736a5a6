#pragma once

#include "platform/ApplicationCatalogue.h"

#include <QSet>
#include <QStringList>

#include <mutex>

namespace pelmo {

// The installed applications as the system knows them: .app bundles (CFBundleIdentifier of
// Contents/Info.plist, XML or binary), desktop-entry IDs, Flatpak app IDs, and the programs
// of the search path and of desktop entries. Read once, on the first question, from
// whichever thread asks it. Names compare without regard to letter case, as bundle
// identifiers do on macOS.
class SystemApplicationCatalogue final : public ApplicationCatalogue
{
public:
    struct Sources
    {
        QStringList bundleFolders;            // holding *.app, directly or one folder down
        QStringList desktopEntryFolders;      // "applications" folders, searched recursively
        QStringList flatpakInstallations;     // whose app/ children are app IDs
        QStringList flatpakInstallationLists; // folders of *.conf files naming more installations
        QStringList programFolders;           // the search path
    };

    // The places of the running system, for a user whose home folder is `home`.
    [[nodiscard]] static Sources sourcesFor(const QString &home);

    explicit SystemApplicationCatalogue(Sources sources);
    [[nodiscard]] bool hasApplication(const QString &identifier) const override;
    [[nodiscard]] bool hasProgram(const QString &name) const override;

private:
    void load() const;
    void loadBundles() const;
    void loadDesktopEntries(const QString &folder) const;

    Sources m_sources;
    mutable std::once_flag m_loaded;
    mutable QSet<QString> m_identifiers;
    mutable QSet<QString> m_programs;
};

} // namespace pelmo
