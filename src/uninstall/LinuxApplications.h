#pragma once

#include "uninstall/InstalledApp.h"

#include <QHash>
#include <QString>

#include <optional>

// The kinds of application a Linux user installs and removes without administrator
// rights, beside .app bundles: AppImages and per-user Flatpaks. Nothing here executes,
// mounts or unpacks an application to read it.
namespace pelmo::LinuxApplications {

// What a desktop entry says about the application it starts.
struct DesktopEntry
{
    QString path;
    QString id; // the desktop-file ID: the path below its applications folder, "/" as "-"
    QString name;
    QString icon;
    QString version;    // X-AppImage-Version, if any
    QString target;     // the file its Exec (or else TryExec) starts, as written
    QString flatpakApp; // X-Flatpak, if any
};

[[nodiscard]] std::optional<DesktopEntry> readDesktopEntry(const QString &path, const QString &id = {});

// <home>/.local/share/applications, where the user's own desktop entries live.
[[nodiscard]] QString userEntryFolder(const QString &home);
// The user's desktop entries by the absolute file they start.
[[nodiscard]] QHash<QString, DesktopEntry> userEntriesByTarget(const QString &home);

// Whether a file name ends in ".AppImage", in any letter case.
[[nodiscard]] bool isAppImageName(const QString &name);
// An AppImage's name and version from its file name: the extension, an architecture and a
// trailing version dropped ("Krita-5.2.0-x86_64.AppImage" is Krita 5.2.0).
struct NameAndVersion
{
    QString name;
    QString version;
};
[[nodiscard]] NameAndVersion appImageName(const QString &fileName);

// An AppImage file, described from the desktop entry that starts it when there is one.
[[nodiscard]] InstalledApp describeAppImage(const QString &path, const std::optional<DesktopEntry> &entry);

// <home>/.local/share/flatpak: the user's Flatpak installation.
[[nodiscard]] QString flatpakInstallation(const QString &home);
// A folder of <installation>/app that holds an installed application; nothing otherwise.
[[nodiscard]] std::optional<InstalledApp> describeFlatpak(const QString &appFolder, const QString &home);

// The application a desktop entry starts, as a path the catalogue describes (an AppImage
// or a Flatpak's folder); nothing when it starts no such application.
[[nodiscard]] std::optional<QString> applicationOfEntry(const QString &entryPath, const QString &home);

// The access time of a file (its last use), none when unknown or never.
[[nodiscard]] std::optional<QDateTime> accessTime(const QString &path);

} // namespace pelmo::LinuxApplications
