#pragma once

#include "model/CleanItem.h"
#include "uninstall/AppSort.h"
#include "uninstall/InstalledApp.h"

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

namespace pelmo {
class ApplicationCatalogue;
class FlatpakTool;
} // namespace pelmo

// Finds, describes and measures the applications a user may remove, what each left in the
// home folder, which of them run, and asks them to quit. Stateless; everything here reads
// the file system (or runs `flatpak`) on the calling thread, so callers keep it off the UI
// thread. Unreadable places contribute nothing and are never reported.
namespace pelmo::AppUninstaller {

// "/Applications" and <home>/Applications, in that order.
[[nodiscard]] QStringList applicationFolders(const QString &home);

// The .app bundles (extension exactly "app") and AppImages (".AppImage" in any case)
// directly in `folders`, in listing order, then the user's Flatpak applications when the
// `flatpak` program is there (`flatpak` may be null: none). Sizes are 0: measuring is
// separate.
[[nodiscard]] QList<InstalledApp> installedApps(
    const QString &home, const FlatpakTool *flatpak, const QStringList &folders);
[[nodiscard]] inline QList<InstalledApp> installedApps(const QString &home, const FlatpakTool *flatpak)
{
    return installedApps(home, flatpak, applicationFolders(home));
}

// The application at `path` (a bundle, an AppImage or a Flatpak's folder), or nothing when
// it may not be uninstalled: no bundle identifier, one of Apple's own ("com.apple."),
// a Flatpak without the program. With `measure` its size is measured at once.
[[nodiscard]] std::optional<InstalledApp> describe(
    const QString &path, const QString &home, const FlatpakTool *flatpak, bool measure);

// What a dropped item stands for: itself, or for a desktop entry the application it
// starts; nothing when a desktop entry starts no application the catalogue knows.
[[nodiscard]] std::optional<QString> droppedApplication(const QString &path, const QString &home);

[[nodiscard]] qint64 measure(const InstalledApp &app);

// `apps` with `query` applied to the names only (case-insensitive) and ordered by `sort`,
// stably: size largest first with unmeasured last, name in the locale's order, last use
// oldest first with unknown use first.
[[nodiscard]] QList<InstalledApp> visible(const QList<InstalledApp> &apps, const QString &query, AppSort sort);

// Whether the text may stand as one path component: not empty, no leading ".", no "..",
// only letters, marks, digits, "-", "_", "." and space.
[[nodiscard]] bool isSafeComponent(const QString &text);

// What the application left in the home folder, largest first: the Library places by its
// identifier and name, and the same rules on the XDG folders (.config, .cache,
// .local/share, .local/state, .var/app, the autostart entry and the user's desktop entry).
// Never anything outside the home, the home's document folders or their contents, the
// Trash, Pelmo's own data, nor what the same rules give for one of `others` (the other
// listed applications; a copy with the same identifier is the same application).
// A Flatpak's are only its own folder in ~/.var/app and its launchers. A folder named after
// the display name (not the identifier) is offered only when nothing that `catalogue` knows
// answers to that name (none without a catalogue): it may be another program's.
[[nodiscard]] QList<CleanItem> relatedFiles(const InstalledApp &app, const QString &home,
    const QList<InstalledApp> &others = {}, const ApplicationCatalogue *catalogue = nullptr);

// Whether `item` of `app` was found by the display name alone: offered unticked.
[[nodiscard]] bool matchedByNameOnly(const CleanItem &item, const InstalledApp &app);

// The item that moves the application itself to the Trash.
[[nodiscard]] CleanItem bundleItem(const InstalledApp &app);

// A process of the user, as far as it tells which application it belongs to.
struct RunningProcess
{
    qint64 pid = 0;
    QString executable;
    QString appImage;
};

// The paths (ids) of the `apps` that run: a process's program lies inside the bundle, it
// was started from the AppImage, or `flatpakRunning` names the Flatpak.
[[nodiscard]] QSet<QString> runningIdentifiers(
    const QList<InstalledApp> &apps, const QList<RunningProcess> &processes, const QStringList &flatpakRunning);
// The same from the system's process table and `flatpak ps`.
[[nodiscard]] QSet<QString> runningIdentifiers(const QList<InstalledApp> &apps, const FlatpakTool *flatpak);

// Asks every running instance to end (SIGTERM; `flatpak kill` for a Flatpak); false when
// none ran or no request was taken.
[[nodiscard]] bool quit(const InstalledApp &app, FlatpakTool *flatpak);

} // namespace pelmo::AppUninstaller
