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

struct ToolCache
{
    std::string_view folder; // under home
    const char *name;        // localisation key
};
inline constexpr std::array<ToolCache, 3> toolCaches = {{
    {".cargo/registry/cache", QT_TRANSLATE_NOOP("Pelmo", "Cache Cargo")},
    {"go/pkg/mod/cache/download", QT_TRANSLATE_NOOP("Pelmo", "Cache Go modulů")},
    {".yarn/berry/cache", QT_TRANSLATE_NOOP("Pelmo", "Cache Yarn")},
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

inline constexpr std::array<std::string_view, 2> installerExtensions = {"deb", "rpm"};

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
