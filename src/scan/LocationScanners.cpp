#include "DiskScanner.h"

#include "LinuxPlaces.h"
#include "ScanPaths.h"
#include "core/BuildInfo.h"
#include "core/FileWalker.h"
#include "core/Localization.h"
#include "core/PathBytes.h"
#include "core/PosixFile.h"

#include <algorithm>

#include <sys/stat.h>

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

bool isRealFolder(const std::string &path)
{
    struct stat st
    {
    };
    return PosixFile::statNoFollow(path, st) && S_ISDIR(st.st_mode);
}

// The folder itself as one item when it is a real folder (no link) that measures enough.
void appendFolder(QList<CleanItem> &items, const std::string &path, const QString &name, CleanCategory category,
    const QString &detail, bool isSafe)
{
    if (!isRealFolder(path))
        return;
    const qint64 size = allocatedSizeOf(path);
    if (size < minimumItemSize)
        return;
    CleanItem item = itemAt(path, size, category, detail, isSafe);
    item.name = name;
    items.append(item);
}

// The application folders of ~/.config and of every Flatpak's config folder, where
// Chromium-based applications keep their caches and crash dumps beside their data.
std::vector<std::pair<std::string, std::string>> applicationConfigFolders(const std::string &root)
{
    std::vector<std::pair<std::string, std::string>> folders; // path, application name
    const auto addChildren = [&](const std::string &config) {
        for (const std::string &name : FileWalker::listChildren(config)) {
            if (isRealFolder(join(config, name)))
                folders.emplace_back(join(config, name), name);
        }
    };
    addChildren(root + "/.config");
    const std::string flatpaks = root + "/.var/app";
    for (const std::string &id : FileWalker::listChildren(flatpaks))
        addChildren(join(flatpaks, id) + "/config");
    return folders;
}

QString labelled(const std::string &application, std::string_view what)
{
    return PathBytes::fromBytes(application) + QStringLiteral(" – ") + PathBytes::fromBytes(std::string(what));
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
    // Every Flatpak's own cache, every Snap's, and the caches of Chromium-based applications.
    const std::string flatpaks = root + "/.var/app";
    for (const std::string &id : FileWalker::listChildren(flatpaks)) {
        if (id != BuildInfo::applicationId)
            appendChildren(items, join(join(flatpaks, id), LinuxPlaces::flatpakCacheFolder), keepAll,
                CleanCategory::caches, detail, true);
    }
    const std::string snaps = root + "/snap";
    for (const std::string &snap : FileWalker::listChildren(snaps)) {
        const std::string folder = join(snaps, snap);
        appendChildren(items, join(folder, LinuxPlaces::snapCommonCache), keepAll, CleanCategory::caches, detail, true);
        for (const std::string &revision : FileWalker::listChildren(folder)) {
            if (!revision.empty() && std::ranges::all_of(revision, [](char c) { return c >= '0' && c <= '9'; }))
                appendChildren(items, join(folder, revision) + "/.cache", keepAll, CleanCategory::caches, detail, true);
        }
    }
    for (const auto &[folder, application] : applicationConfigFolders(root)) {
        for (const std::string_view cache : LinuxPlaces::chromiumCaches)
            appendFolder(items, folder + "/" + std::string(cache), labelled(application, cache), CleanCategory::caches,
                detail, true);
    }
    return items;
}

QList<CleanItem> logs(const QString &home)
{
    const std::string root = homeBytes(home);
    const QString detail = Localization::tr("Staré logy a hlášení o pádech");
    QList<CleanItem> items;
    appendChildren(items, root + "/Library/Logs", keepAll, CleanCategory::logs, detail, true);
    // Logs of the graphical session and of the X server.
    const auto appendFile = [&](const std::string &path, bool isSafe, const QString &text) {
        struct stat st
        {
        };
        if (PosixFile::statNoFollow(path, st) && S_ISREG(st.st_mode)
            && static_cast<qint64>(st.st_blocks) * 512 >= minimumItemSize)
            items.append(itemAt(path, static_cast<qint64>(st.st_blocks) * 512, CleanCategory::logs, text, isSafe));
    };
    for (const std::string_view log : LinuxPlaces::sessionLogs)
        appendFile(join(root, log), true, detail);
    const std::string xorg = join(root, LinuxPlaces::xorgLogFolder);
    for (const std::string &name : FileWalker::listChildren(xorg)) {
        if (name.ends_with(".log") || name.ends_with(".log.old"))
            appendFile(join(xorg, name), true, detail);
    }
    // Crash dumps of Chromium-based applications and of the Mozilla family.
    for (const auto &[folder, application] : applicationConfigFolders(root)) {
        for (const std::string_view crashes : LinuxPlaces::crashReportFolders)
            appendFolder(items, folder + "/" + std::string(crashes), labelled(application, crashes),
                CleanCategory::logs, detail, true);
    }
    for (const std::string_view mozilla : LinuxPlaces::mozillaFolders) {
        for (const std::string_view crashes : {"Crash Reports/pending", "Crash Reports/submitted"})
            appendFolder(items, join(root, mozilla) + "/" + std::string(crashes),
                labelled(std::string(mozilla.substr(mozilla.rfind('/') + 1)), crashes), CleanCategory::logs, detail,
                true);
    }
    // What a crashed Java program leaves in the folder it ran in: a report and a heap dump,
    // which someone may still want to read.
    const QString javaDetail = Localization::tr("Hlášení o pádu Javy – zkontroluj, jestli ho ještě potřebuješ");
    for (const std::string &name : FileWalker::listChildren(root)) {
        const bool report = name.starts_with("hs_err_pid") && name.ends_with(".log");
        const bool dump = name.starts_with("java_pid") && name.ends_with(".hprof");
        if (report || dump)
            appendFile(join(root, name), false, javaDetail);
    }
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
    const QString offlineDetail
        = Localization::tr("Stáhne se znovu podle potřeby, ale sestavení bez připojení ho potřebuje");
    for (const ToolCache &cache : kMacToolCaches)
        appendFolder(
            items, join(root, cache.folder), Localization::tr(cache.name), CleanCategory::developer, detail, true);
    for (const LinuxPlaces::ToolCache &cache : LinuxPlaces::toolCaches)
        appendFolder(items, join(root, cache.folder), Localization::tr(cache.name), CleanCategory::developer,
            cache.isSafe ? detail : offlineDetail, cache.isSafe);
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
