#include "uninstall/AppUninstaller.h"

#include "core/FileIdentity.h"
#include "core/FileWalker.h"
#include "core/PathBytes.h"
#include "core/PosixFile.h"
#include "platform/ApplicationCatalogue.h"
#include "platform/BundleInfo.h"
#include "platform/FlatpakTool.h"
#include "platform/linux/ProcessTable.h"
#include "scan/Confinement.h"
#include "scan/DiskScanner.h"
#include "scan/LinuxPlaces.h"
#include "uninstall/LinuxApplications.h"

#include <QCollator>
#include <QFileInfo>

#include <algorithm>
#include <climits>

namespace pelmo::AppUninstaller {
namespace {

bool isDirectory(const QString &path)
{
    struct stat st
    {
    };
    return PosixFile::statNoFollow(PathBytes::toBytes(path), st) && S_ISDIR(st.st_mode);
}

bool isRegularFile(const QString &path)
{
    struct stat st
    {
    };
    return PosixFile::statNoFollow(PathBytes::toBytes(path), st) && S_ISREG(st.st_mode);
}

bool exists(const QString &path)
{
    struct stat st
    {
    };
    return PosixFile::statNoFollow(PathBytes::toBytes(path), st);
}

std::optional<InstalledApp> describeBundle(const QString &path)
{
    if (!isDirectory(path))
        return std::nullopt;
    const std::optional<BundleInfo> info = readBundleInfo(path);
    if (!info || info->identifier.isEmpty() || info->identifier.startsWith(QLatin1StringView("com.apple.")))
        return std::nullopt;
    InstalledApp app;
    app.path = path;
    app.identity = FileIdentity::of(path).value_or(FileIdentity());
    app.kind = InstalledApp::Kind::bundle;
    app.bundleID = info->identifier;
    if (!info->displayName.isEmpty())
        app.name = info->displayName;
    else if (!info->name.isEmpty())
        app.name = info->name;
    else
        app.name = path.section(u'/', -1).chopped(4);
    if (!info->shortVersion.isEmpty())
        app.version = info->shortVersion;
    // The main executable, when the bundle names a safe one.
    if (!info->executable.isEmpty() && !info->executable.contains(u'/')
        && info->executable != QLatin1StringView("..")) {
        app.lastUsed = LinuxApplications::accessTime(path + QStringLiteral("/Contents/MacOS/") + info->executable);
    }
    return app;
}

QString flatpakAppsFolder(const QString &home)
{
    return LinuxApplications::flatpakInstallation(home) + QStringLiteral("/app");
}

} // namespace

QStringList applicationFolders(const QString &home)
{
    return {QStringLiteral("/Applications"), home + QStringLiteral("/Applications")};
}

QList<InstalledApp> installedApps(const QString &home, const FlatpakTool *flatpak, const QStringList &folders)
{
    QList<InstalledApp> apps;
    std::optional<QHash<QString, LinuxApplications::DesktopEntry>> entries; // read at the first AppImage
    for (const QString &folder : folders) {
        const std::string root = PathBytes::toBytes(folder);
        for (const std::string &bytes : FileWalker::listChildren(root)) {
            const QString name = PathBytes::fromBytes(bytes);
            const QString path = folder + u'/' + name;
            if (name.endsWith(QLatin1StringView(".app")) && name.size() > 4) {
                if (std::optional<InstalledApp> app = describeBundle(path))
                    apps.append(std::move(*app));
            } else if (LinuxApplications::isAppImageName(name) && isRegularFile(path)) {
                if (!entries)
                    entries = LinuxApplications::userEntriesByTarget(home);
                const auto entry = entries->constFind(path);
                apps.append(LinuxApplications::describeAppImage(
                    path, entry == entries->constEnd() ? std::nullopt : std::optional(*entry)));
            }
        }
    }
    if (flatpak && flatpak->isAvailable()) {
        const QString folder = flatpakAppsFolder(home);
        for (const std::string &bytes : FileWalker::listChildren(PathBytes::toBytes(folder))) {
            if (std::optional<InstalledApp> app
                = LinuxApplications::describeFlatpak(folder + u'/' + PathBytes::fromBytes(bytes), home))
                apps.append(std::move(*app));
        }
    }
    return apps;
}

std::optional<InstalledApp> describe(const QString &path, const QString &home, const FlatpakTool *flatpak, bool measure)
{
    std::optional<InstalledApp> app;
    const QString name = path.section(u'/', -1);
    if (name.endsWith(QLatin1StringView(".app")) && name.size() > 4) {
        app = describeBundle(path);
    } else if (LinuxApplications::isAppImageName(name) && isRegularFile(path)) {
        const QHash<QString, LinuxApplications::DesktopEntry> entries = LinuxApplications::userEntriesByTarget(home);
        const auto entry = entries.constFind(path);
        app = LinuxApplications::describeAppImage(
            path, entry == entries.constEnd() ? std::nullopt : std::optional(*entry));
    } else if (flatpak && flatpak->isAvailable() && path.section(u'/', 0, -2) == flatpakAppsFolder(home)) {
        app = LinuxApplications::describeFlatpak(path, home);
    }
    if (app && measure)
        app->size = AppUninstaller::measure(*app);
    return app;
}

std::optional<QString> droppedApplication(const QString &path, const QString &home)
{
    if (path.endsWith(QLatin1StringView(".desktop")))
        return LinuxApplications::applicationOfEntry(path, home);
    return path;
}

qint64 measure(const InstalledApp &app)
{
    return DiskScanner::allocatedSize(app.path);
}

QList<InstalledApp> visible(const QList<InstalledApp> &apps, const QString &query, AppSort sort)
{
    QList<InstalledApp> shown;
    for (const InstalledApp &app : apps) {
        if (query.isEmpty() || app.name.contains(query, Qt::CaseInsensitive))
            shown.append(app);
    }
    switch (sort) {
    case AppSort::size:
        // Unmeasured applications have size 0 and so come last.
        std::ranges::stable_sort(shown, std::greater<>(), &InstalledApp::size);
        break;
    case AppSort::name: {
        QCollator collator;
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        std::ranges::stable_sort(
            shown, [&](const InstalledApp &a, const InstalledApp &b) { return collator.compare(a.name, b.name) < 0; });
        break;
    }
    case AppSort::lastUsed:
        std::ranges::stable_sort(shown, [](const InstalledApp &a, const InstalledApp &b) {
            const qint64 ta = a.lastUsed ? a.lastUsed->toSecsSinceEpoch() : LLONG_MIN;
            const qint64 tb = b.lastUsed ? b.lastUsed->toSecsSinceEpoch() : LLONG_MIN;
            return ta < tb;
        });
        break;
    }
    return shown;
}

bool isSafeComponent(const QString &text)
{
    if (text.isEmpty() || text.startsWith(u'.') || text.contains(QLatin1StringView("..")))
        return false;
    for (const char32_t c : text.toUcs4()) {
        const bool allowed
            = c == U'-' || c == U'_' || c == U'.' || c == U' ' || QChar::isLetterOrNumber(c) || QChar::isMark(c);
        if (!allowed)
            return false;
    }
    return true;
}

namespace {

// One place an application's files may be: a path relative to `base`, written in details
// from `detailBase`.
struct Candidate
{
    QString base;
    QString relative;
    QString detailBase;
    bool listed = false; // found by listing a folder, not named by the rules
    bool byName = false; // named after the application's display name, not its identifier

    [[nodiscard]] QString path() const { return base + u'/' + relative; }
};

// Folders of the XDG base directories in which programs keep data under their name.
constexpr std::array<QLatin1StringView, 4> kXdgFolders = {QLatin1StringView(".config"), QLatin1StringView(".cache"),
    QLatin1StringView(".local/share"), QLatin1StringView(".local/state")};

// Names in those folders that the desktop and many programs share: an application
// called like one of them does not own it.
constexpr std::array<QLatin1StringView, 40> kSharedNames = {QLatin1StringView("applications"),
    QLatin1StringView("autostart"), QLatin1StringView("backgrounds"), QLatin1StringView("dconf"),
    QLatin1StringView("desktop-directories"), QLatin1StringView("environment.d"), QLatin1StringView("flatpak"),
    QLatin1StringView("fontconfig"), QLatin1StringView("fonts"), QLatin1StringView("gnome-shell"),
    QLatin1StringView("gtk-2.0"), QLatin1StringView("gtk-3.0"), QLatin1StringView("gtk-4.0"),
    QLatin1StringView("gvfs-metadata"), QLatin1StringView("ibus"), QLatin1StringView("icons"),
    QLatin1StringView("keyrings"), QLatin1StringView("kwalletd"), QLatin1StringView("menus"), QLatin1StringView("mime"),
    QLatin1StringView("mimeapps.list"), QLatin1StringView("pipewire"), QLatin1StringView("pulse"),
    QLatin1StringView("recently-used.xbel"), QLatin1StringView("session"), QLatin1StringView("sounds"),
    QLatin1StringView("systemd"), QLatin1StringView("themes"), QLatin1StringView("thumbnails"),
    QLatin1StringView("tracker"), QLatin1StringView("tracker3"), QLatin1StringView("trash"),
    QLatin1StringView("user-dirs.dirs"), QLatin1StringView("user-dirs.locale"), QLatin1StringView("wireplumber"),
    QLatin1StringView("xdg-desktop-portal"), QLatin1StringView("gnupg"), QLatin1StringView("ssh"),
    QLatin1StringView("containers"), QLatin1StringView("nautilus")};

bool isSharedName(const QString &name)
{
    return std::ranges::any_of(
        kSharedNames, [&](QLatin1StringView shared) { return name.compare(shared, Qt::CaseInsensitive) == 0; });
}

QStringList names(const QString &folder, const std::function<bool(const QString &)> &keep)
{
    QStringList kept;
    for (const std::string &bytes : FileWalker::listChildren(PathBytes::toBytes(folder))) {
        const QString name = PathBytes::fromBytes(bytes);
        if (keep(name))
            kept.append(name);
    }
    return kept;
}

bool isGroupContainerOf(const QString &name, const QString &id)
{
    return name == id || name.endsWith(u'.' + id);
}

bool isPreferencesFileOf(const QString &name, const QString &id)
{
    return name.startsWith(id + u'.') && name.endsWith(QLatin1StringView(".plist"));
}

// The places the rules name for an application, in the order they are looked at; with
// `list`, also the entries of the folders that are searched by pattern.
QList<Candidate> candidates(const InstalledApp &app, const QString &home, bool list)
{
    const QString &b = app.bundleID;
    const QString &n = app.name;
    QList<Candidate> out;
    if (!isSafeComponent(b))
        return out;
    const QString homeDetail = QStringLiteral("~/");
    const auto launchers = [&] {
        out.append({home, QStringLiteral(".config/autostart/") + b + QStringLiteral(".desktop"), homeDetail});
        out.append({home, QStringLiteral(".local/share/applications/") + b + QStringLiteral(".desktop"), homeDetail});
        const QString entries = LinuxApplications::userEntryFolder(home) + u'/';
        if (app.desktopEntry.startsWith(entries) && !app.desktopEntry.contains(QLatin1StringView("/../")))
            out.append({home, app.desktopEntry.mid(home.size() + 1), homeDetail});
    };
    // A Flatpak keeps its data in its own folder; anything of that name elsewhere is
    // another installation's (the same program from the system's packages, say).
    if (app.kind == InstalledApp::Kind::flatpak) {
        out.append({home, QStringLiteral(".var/app/") + b, homeDetail});
        launchers();
        return out;
    }
    const QString library = home + QStringLiteral("/Library");
    const QString libraryDetail = QStringLiteral("~/Library/");
    for (const QString &relative : {QStringLiteral("Caches/") + b, QStringLiteral("Application Support/") + b,
             QStringLiteral("Preferences/") + b + QStringLiteral(".plist"), QStringLiteral("Containers/") + b,
             QStringLiteral("Saved Application State/") + b + QStringLiteral(".savedState"),
             QStringLiteral("HTTPStorages/") + b, QStringLiteral("WebKit/") + b,
             QStringLiteral("Application Scripts/") + b,
             QStringLiteral("Cookies/") + b + QStringLiteral(".binarycookies"),
             QStringLiteral("LaunchAgents/") + b + QStringLiteral(".plist")})
        out.append({library, relative, libraryDetail});
    const bool nameIsSafe = isSafeComponent(n);
    if (nameIsSafe) {
        for (const QString &relative :
            {QStringLiteral("Application Support/") + n, QStringLiteral("Caches/") + n, QStringLiteral("Logs/") + n})
            out.append({library, relative, libraryDetail});
    }
    if (list) {
        for (const QString &name : names(library + QStringLiteral("/Group Containers"),
                 [&](const QString &entry) { return isGroupContainerOf(entry, b); }))
            out.append({library, QStringLiteral("Group Containers/") + name, libraryDetail, true});
        for (const QString &name : names(library + QStringLiteral("/Preferences"),
                 [&](const QString &entry) { return isPreferencesFileOf(entry, b); }))
            out.append({library, QStringLiteral("Preferences/") + name, libraryDetail, true});
    }

    QStringList ownNames = {b};
    if (nameIsSafe)
        ownNames << n << n.toLower();
    for (const QLatin1StringView folder : kXdgFolders) {
        for (const QString &name : ownNames) {
            if (!isSharedName(name))
                out.append({home, folder + u'/' + name, homeDetail, false, name != b});
        }
    }
    out.append({home, QStringLiteral(".var/app/") + b, homeDetail});
    launchers();
    return out;
}

bool sameApplication(const InstalledApp &a, const InstalledApp &b)
{
    return a.bundleID.compare(b.bundleID, Qt::CaseInsensitive) == 0;
}

// Whether another application's rules name the place too: exactly, or, for the places
// found by listing, with a longer (more specific) identifier.
bool claimedByAnother(const Candidate &candidate, const InstalledApp &app, const QList<InstalledApp> &others,
    const QHash<QString, QSet<QString>> &othersPlaces)
{
    const QString key = candidate.path().toLower();
    for (const InstalledApp &other : others) {
        if (sameApplication(other, app))
            continue;
        if (othersPlaces.value(other.path).contains(key))
            return true;
        if (candidate.listed && other.bundleID.size() > app.bundleID.size() && isSafeComponent(other.bundleID)) {
            const QString name = candidate.relative.section(u'/', -1);
            if (isGroupContainerOf(name, other.bundleID) || isPreferencesFileOf(name, other.bundleID))
                return true;
        }
    }
    return false;
}

} // namespace

QList<CleanItem> relatedFiles(const InstalledApp &app, const QString &home, const QList<InstalledApp> &others,
    const ApplicationCatalogue *catalogue)
{
    QHash<QString, QSet<QString>> othersPlaces;
    for (const InstalledApp &other : others) {
        if (sameApplication(other, app))
            continue;
        QSet<QString> &places = othersPlaces[other.path];
        for (const Candidate &candidate : candidates(other, home, false))
            places.insert(candidate.path().toLower());
    }
    const Confinement guard(home);
    QSet<QString> seen;
    QList<CleanItem> items;
    for (const Candidate &candidate : candidates(app, home, true)) {
        const QString path = candidate.path();
        if (seen.contains(path))
            continue;
        seen.insert(path);
        if (!exists(path) || !guard.allowsOutsideDocuments(path)
            || claimedByAnother(candidate, app, others, othersPlaces))
            continue;
        // A folder named after the display name may be another program's of that name.
        const QString name = path.section(u'/', -1);
        if (candidate.byName && (!catalogue || catalogue->hasProgram(name) || catalogue->hasApplication(name)))
            continue;
        CleanItem item;
        item.path = path;
        item.name = path.section(u'/', -1);
        item.size = DiskScanner::allocatedSize(path);
        item.category = CleanCategory::leftovers;
        item.detail = candidate.detailBase + candidate.relative;
        item.isSafe = false;
        item.identity = FileIdentity::of(path).value_or(FileIdentity());
        items.append(item);
    }
    std::ranges::stable_sort(items, std::greater<>(), &CleanItem::size);
    return items;
}

bool matchedByNameOnly(const CleanItem &item, const InstalledApp &app)
{
    const QString name = item.path.section(u'/', -1);
    const QString folder = item.detail.section(u'/', 1, -2); // "~/.config/Name" -> ".config"
    return name != app.bundleID && (name == app.name || name == app.name.toLower())
        && std::ranges::any_of(kXdgFolders, [&](QLatin1StringView xdg) { return folder == xdg; });
}

CleanItem bundleItem(const InstalledApp &app)
{
    CleanItem item;
    item.path = app.path;
    item.name = app.name;
    item.size = app.size;
    item.category = CleanCategory::leftovers;
    item.detail = QStringLiteral("Aplikace");
    item.isSafe = false;
    item.identity = app.identity;
    return item;
}

QSet<QString> runningIdentifiers(
    const QList<InstalledApp> &apps, const QList<RunningProcess> &processes, const QStringList &flatpakRunning)
{
    QSet<QString> running;
    for (const InstalledApp &app : apps) {
        const bool runs = std::ranges::any_of(processes, [&](const RunningProcess &process) {
            switch (app.kind) {
            case InstalledApp::Kind::bundle:
                return process.executable.startsWith(app.path + u'/');
            case InstalledApp::Kind::appImage:
                return process.appImage == app.path || process.executable == app.path;
            case InstalledApp::Kind::flatpak:
                return false;
            }
            return false;
        });
        // The path, not the identifier: two versions of one AppImage share an identifier,
        // and only the one whose file runs is running.
        if (runs || (app.kind == InstalledApp::Kind::flatpak && flatpakRunning.contains(app.bundleID)))
            running.insert(app.path);
    }
    return running;
}

namespace {

QList<RunningProcess> systemProcesses()
{
    QList<RunningProcess> processes;
    for (const ProcessTable::Process &process : ProcessTable::ownProcesses())
        processes.append({process.pid, process.executable, process.appImage});
    return processes;
}

} // namespace

QSet<QString> runningIdentifiers(const QList<InstalledApp> &apps, const FlatpakTool *flatpak)
{
    const bool anyFlatpak
        = std::ranges::any_of(apps, [](const InstalledApp &app) { return app.kind == InstalledApp::Kind::flatpak; });
    const QStringList flatpaks = anyFlatpak && flatpak ? flatpak->runningApplications() : QStringList();
    return runningIdentifiers(apps, systemProcesses(), flatpaks);
}

bool quit(const InstalledApp &app, FlatpakTool *flatpak)
{
    if (app.kind == InstalledApp::Kind::flatpak) {
        if (!flatpak || !flatpak->runningApplications().contains(app.bundleID))
            return false;
        return flatpak->kill(app.bundleID).ok;
    }
    bool accepted = false;
    for (const RunningProcess &process : systemProcesses()) {
        if (runningIdentifiers({app}, {process}, {}).isEmpty())
            continue;
        accepted = ProcessTable::terminate(static_cast<pid_t>(process.pid)) || accepted;
    }
    return accepted;
}

} // namespace pelmo::AppUninstaller
