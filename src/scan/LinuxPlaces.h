#pragma once

#include <QtGlobal>

#include <array>
#include <string>
#include <string_view>
#include <vector>

// Where Linux keeps the kinds of data that the scanners look for in a Mac home. These add
// to the Mac places; they never replace them.
namespace pelmo::LinuxPlaces {

// Children of these folders are cache items like those of Library/Caches.
inline constexpr std::array<std::string_view, 1> cacheFolders = {".cache"};
// The child of a cache folder that holds Pelmo's own cache, never offered.
inline constexpr std::string_view ownCacheName = "Pelmo";

// Where each Flatpak keeps its cache: the children of ~/.var/app/<id>/<this> (never its
// data or config beside it).
inline constexpr std::string_view flatpakCacheFolder = "cache";
// Where a Snap keeps its caches: ~/snap/<name>/<this> and ~/snap/<name>/<revision>/.cache.
inline constexpr std::string_view snapCommonCache = "common/.cache";

// The caches of a Chromium-based application (a chat client, an editor) inside its folder
// of ~/.config (or of a Flatpak's config folder); the folders beside them (Local Storage,
// IndexedDB, Cookies, Session Storage, User, databases, blob_storage, extensions) are its data.
inline constexpr std::array<std::string_view, 6> chromiumCaches
    = {"Cache", "Code Cache", "GPUCache", "DawnCache", "Service Worker/CacheStorage", "CachedData"};
// Crash dumps such an application, or a browser of the Mozilla family, keeps in its folder.
inline constexpr std::array<std::string_view, 5> crashReportFolders = {"Crashpad/completed", "Crash Reports/completed",
    "Crash Reports/pending", "Crash Reports/submitted", "crashes/completed"};
// Logs of the graphical session, under home.
inline constexpr std::array<std::string_view, 2> sessionLogs = {".xsession-errors", ".xsession-errors.old"};
inline constexpr std::string_view xorgLogFolder = ".local/share/xorg";
// Where the Mozilla family keeps its profiles, whose "Crash Reports" are looked at.
inline constexpr std::array<std::string_view, 2> mozillaFolders = {".mozilla/firefox", ".thunderbird"};

struct ToolCache
{
    std::string_view folder; // under home
    const char *name;        // localisation key
    // Whether moving it costs nothing but a download: not when a build without a network
    // needs it (then it is offered unticked, and its detail says so).
    bool isSafe = true;
};
inline constexpr std::array<ToolCache, 18> toolCaches = {{
    {".cargo/registry/cache", QT_TRANSLATE_NOOP("Pelmo", "Cache Cargo")},
    {"go/pkg/mod/cache/download", QT_TRANSLATE_NOOP("Pelmo", "Cache Go modulů")},
    {".yarn/berry/cache", QT_TRANSLATE_NOOP("Pelmo", "Cache Yarn")},
    {".m2/repository", QT_TRANSLATE_NOOP("Pelmo", "Repozitář Maven"), false},
    {".gradle/wrapper/dists", QT_TRANSLATE_NOOP("Pelmo", "Distribuce Gradle Wrapper")},
    {".local/share/pnpm/store", QT_TRANSLATE_NOOP("Pelmo", "Úložiště pnpm"), false},
    {".pnpm-store", QT_TRANSLATE_NOOP("Pelmo", "Úložiště pnpm"), false},
    {".conda/pkgs", QT_TRANSLATE_NOOP("Pelmo", "Balíčky conda"), false},
    {"miniconda3/pkgs", QT_TRANSLATE_NOOP("Pelmo", "Balíčky conda"), false},
    {"anaconda3/pkgs", QT_TRANSLATE_NOOP("Pelmo", "Balíčky conda"), false},
    {"miniforge3/pkgs", QT_TRANSLATE_NOOP("Pelmo", "Balíčky conda"), false},
    {".nuget/packages", QT_TRANSLATE_NOOP("Pelmo", "Balíčky NuGet"), false},
    {".cargo/registry/src", QT_TRANSLATE_NOOP("Pelmo", "Rozbalené zdroje Cargo")},
    {".cargo/git/checkouts", QT_TRANSLATE_NOOP("Pelmo", "Git checkouty Cargo")},
    {".rustup/downloads", QT_TRANSLATE_NOOP("Pelmo", "Stažené soubory rustup")},
    {".rustup/tmp", QT_TRANSLATE_NOOP("Pelmo", "Dočasné soubory rustup")},
    {".pub-cache", QT_TRANSLATE_NOOP("Pelmo", "Cache Pub (Dart)"), false},
    {".android/cache", QT_TRANSLATE_NOOP("Pelmo", "Cache Androidu")},
}};

struct LeftoverFolder
{
    std::string_view folder; // under home
    const char *label;       // localisation key naming the kind of data
    // Programs keep live data under their identifier here whether or not the desktop knows
    // them, so a missing application proves little: only identifier-named folders that
    // nothing touched for a long time are offered.
    bool needsLongDisuse;
};
inline constexpr std::array<LeftoverFolder, 3> leftoverFolders = {{
    {".var/app", QT_TRANSLATE_NOOP("Pelmo", "Data aplikace Flatpak"), false},
    {".config", QT_TRANSLATE_NOOP("Pelmo", "Nastavení aplikace"), true},
    {".local/share", QT_TRANSLATE_NOOP("Pelmo", "Data aplikace"), true},
}};
// How long data in a needsLongDisuse folder must have stayed unchanged.
inline constexpr qint64 disuseDays = 90;

// An AppImage in Downloads is no installer: people run them from there.
inline constexpr std::array<std::string_view, 5> installerExtensions = {"deb", "rpm", "flatpak", "flatpakref", "snap"};

struct DocumentFolder
{
    std::string path;
    bool hasLargeFiles; // searched by the large-file scanner too
};

// The document folders in scanning order: Downloads, Desktop, Documents, Videos, Movies,
// Pictures, Music. Each is the folder that <home>/.config/user-dirs.dirs names for it (a
// Czech desktop calls them Stažené, Plocha, ...) or else the desktop's default English
// name under home; Movies is a Mac-style home's video folder, looked at beside the
// desktop's own. A setting that names home itself or a place outside home is ignored: it
// would turn a document-folder walk into a walk of everything. Folders may be missing,
// repeat one another or lie inside one another.
[[nodiscard]] std::vector<DocumentFolder> documentFolders(const std::string &home);

} // namespace pelmo::LinuxPlaces
