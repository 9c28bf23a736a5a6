#include "DiskScanner.h"

#include "LinuxPlaces.h"
#include "ScanPaths.h"
#include "core/FileWalker.h"
#include "core/Localization.h"

namespace pelmo::DiskScanner {
namespace {

using NameFilter = bool (*)(std::string_view name);

// Every visible child of `folder` that passes `keep` and measures at least the minimum
// item size becomes one item; folders are reported whole.
void appendChildren(QList<CleanItem> &items, const std::string &folder, NameFilter keep, CleanCategory category,
    const QString &detail, bool isSafe)
{
    for (const std::string &name : FileWalker::listChildren(folder)) {
        if (!keep(name))
            continue;
        const std::string path = join(folder, name);
        const qint64 size = allocatedSizeOf(path);
        if (size >= minimumItemSize)
            items.append(itemAt(path, size, category, detail, isSafe));
    }
}

bool keepAll(std::string_view)
{
    return true;
}

std::string homeBytes(const QString &home)
{
    return PathBytes::toBytes(home);
}

} // namespace

QList<CleanItem> caches(const QString &home)
{
    const std::string root = homeBytes(home);
    const QString detail = Localization::tr("Aplikace si cache vytvoří znovu");
    QList<CleanItem> items;
    appendChildren(
        items, root + "/Library/Caches", [](std::string_view name) { return !name.starts_with("com.apple."); },
        CleanCategory::caches, detail, true);
    for (std::string_view folder : LinuxPlaces::cacheFolders) {
        appendChildren(
            items, join(root, folder), [](std::string_view name) { return name != LinuxPlaces::ownCacheName; },
            CleanCategory::caches, detail, true);
    }
    return items;
}

QList<CleanItem> logs(const QString &home)
{
    QList<CleanItem> items;
    appendChildren(items, homeBytes(home) + "/Library/Logs", keepAll, CleanCategory::logs,
        Localization::tr("Staré logy a hlášení o pádech"), true);
    return items;
}

QList<CleanItem> developer(const QString &home)
{
    const std::string root = homeBytes(home);
    QList<CleanItem> items;
    appendChildren(items, root + "/Library/Developer/Xcode/DerivedData", keepAll, CleanCategory::developer,
        Localization::tr("Xcode DerivedData – sestaví se znovu"), true);
    appendChildren(items, root + "/Library/Developer/Xcode/iOS DeviceSupport", keepAll, CleanCategory::developer,
        Localization::tr("Podpora zařízení – stáhne se při dalším připojení"), false);

    struct ToolCache
    {
        std::string_view folder;
        const char *name;
    };
    static constexpr std::array<ToolCache, 3> kMacToolCaches = {{
        {"Library/Developer/CoreSimulator/Caches", QT_TRANSLATE_NOOP("Pelmo", "Cache simulátorů")},
        {".npm/_cacache", QT_TRANSLATE_NOOP("Pelmo", "Cache npm")},
        {".gradle/caches", QT_TRANSLATE_NOOP("Pelmo", "Cache Gradle")},
    }};
    const QString detail = Localization::tr("Stáhne se znovu podle potřeby");
    auto appendToolCache = [&](std::string_view folder, const char *name) {
        const std::string path = join(root, folder);
        const qint64 size = allocatedSizeOf(path);
        if (size < minimumItemSize)
            return;
        CleanItem item = itemAt(path, size, CleanCategory::developer, detail, true);
        item.name = Localization::tr(name);
        items.append(item);
    };
    for (const ToolCache &cache : kMacToolCaches)
        appendToolCache(cache.folder, cache.name);
    for (const LinuxPlaces::ToolCache &cache : LinuxPlaces::toolCaches)
        appendToolCache(cache.folder, cache.name);
    return items;
}

QList<CleanItem> installers(const QString &home)
{
    const std::string root = homeBytes(home);
    const std::string downloads = LinuxPlaces::documentFolders(root).front().path;
    QList<CleanItem> items;
    appendChildren(items, downloads, isInstallerName, CleanCategory::installers,
        tildePath(PathBytes::fromBytes(downloads), home), false);
    return items;
}

} // namespace pelmo::DiskScanner
