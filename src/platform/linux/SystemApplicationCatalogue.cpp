#include "SystemApplicationCatalogue.h"

#include "DesktopEntryFile.h"
#include "core/FileWalker.h"
#include "core/PathBytes.h"
#include "core/PosixFile.h"
#include "platform/BundleInfo.h"

#include <string>

namespace pelmo {
namespace {

// Desktop entries are a few kilobytes, with every translation of the name.
constexpr size_t kMaxDesktopEntrySize = size_t {1024} * 1024;

QString bundleIdentifierOf(const std::string &bundle)
{
    const std::optional<BundleInfo> info = readBundleInfo(PathBytes::fromBytes(bundle));
    return info ? info->identifier : QString();
}

bool endsWith(std::string_view text, std::string_view suffix)
{
    return text.size() > suffix.size() && text.ends_with(suffix);
}

void addTo(QSet<QString> &names, const QString &name)
{
    if (!name.isEmpty())
        names.insert(name.toLower());
}

// The absolute folders of a colon-separated list in the environment; relative entries
// are invalid by the base-directory rules.
QStringList environmentFolders(const char *variable)
{
    QStringList folders;
    const QString value = PathBytes::fromBytes(qgetenv(variable).toStdString());
    for (const QString &folder : value.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (folder.startsWith(QLatin1Char('/')))
            folders.append(folder);
    }
    return folders;
}

// The Path of every [Installation "NAME"] group of the *.conf files in `folder`.
QStringList listedInstallations(const QString &folder)
{
    QStringList installations;
    const std::string root = PathBytes::toBytes(folder);
    for (const std::string &name : FileWalker::listChildren(root)) {
        if (!endsWith(name, ".conf"))
            continue;
        const auto text = PosixFile::readSmallFile(root + '/' + name, kMaxDesktopEntrySize, true);
        DesktopEntryFile::forEachKey(text.value_or(std::string()), [&](auto group, auto key, const std::string &value) {
            if (group.starts_with("Installation \"") && key == "Path" && value.starts_with('/'))
                installations.append(PathBytes::fromBytes(value));
        });
    }
    return installations;
}

} // namespace

SystemApplicationCatalogue::Sources SystemApplicationCatalogue::sourcesFor(const QString &home)
{
    Sources sources;
    sources.bundleFolders = {QStringLiteral("/Applications"), home + QStringLiteral("/Applications")};
    // The scanned home's data folder, and the running user's when it lies elsewhere.
    QStringList dataHomes = {home + QStringLiteral("/.local/share")};
    for (const QString &dataHome : environmentFolders("XDG_DATA_HOME")) {
        if (!dataHomes.contains(dataHome))
            dataHomes.append(dataHome);
    }
    QStringList dataDirs = environmentFolders("XDG_DATA_DIRS");
    if (dataDirs.isEmpty())
        dataDirs = {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")};
    for (const QString &folder : dataHomes + dataDirs)
        sources.desktopEntryFolders.append(folder + QStringLiteral("/applications"));
    sources.desktopEntryFolders.append(QStringLiteral("/var/lib/snapd/desktop/applications"));
    for (const QString &folder : dataHomes)
        sources.flatpakInstallations.append(folder + QStringLiteral("/flatpak"));
    sources.flatpakInstallations.append(environmentFolders("FLATPAK_USER_DIR"));
    sources.flatpakInstallations.append(QStringLiteral("/var/lib/flatpak"));
    sources.flatpakInstallationLists = {QStringLiteral("/etc/flatpak/installations.d")};
    sources.programFolders = environmentFolders("PATH");
    return sources;
}

SystemApplicationCatalogue::SystemApplicationCatalogue(Sources sources)
    : m_sources(std::move(sources))
{ }

bool SystemApplicationCatalogue::hasApplication(const QString &identifier) const
{
    std::call_once(m_loaded, [this] { load(); });
    return m_identifiers.contains(identifier.toLower());
}

bool SystemApplicationCatalogue::hasProgram(const QString &name) const
{
    std::call_once(m_loaded, [this] { load(); });
    return m_programs.contains(name.toLower());
}

void SystemApplicationCatalogue::load() const
{
    loadBundles();
    QStringList desktopEntryFolders = m_sources.desktopEntryFolders;
    QStringList installations = m_sources.flatpakInstallations;
    for (const QString &list : m_sources.flatpakInstallationLists)
        installations += listedInstallations(list);
    for (const QString &installation : installations) {
        for (const std::string &name :
            FileWalker::listChildren(PathBytes::toBytes(installation + QStringLiteral("/app"))))
            addTo(m_identifiers, PathBytes::fromBytes(name));
        // Its entries are on the desktop's data path only when the session was set up for it.
        desktopEntryFolders.append(installation + QStringLiteral("/exports/share/applications"));
    }
    for (const QString &folder : desktopEntryFolders)
        loadDesktopEntries(folder);
    for (const QString &folder : m_sources.programFolders) {
        for (const std::string &name : FileWalker::listChildren(PathBytes::toBytes(folder)))
            addTo(m_programs, PathBytes::fromBytes(name));
    }
}

void SystemApplicationCatalogue::loadBundles() const
{
    for (const QString &folder : m_sources.bundleFolders) {
        const std::string root = PathBytes::toBytes(folder);
        for (const std::string &name : FileWalker::listChildren(root)) {
            const std::string path = root + '/' + name;
            if (endsWith(name, ".app")) {
                addTo(m_identifiers, bundleIdentifierOf(path));
                continue;
            }
            // One folder down, as in /Applications/Utilities.
            for (const std::string &inner : FileWalker::listChildren(path)) {
                if (endsWith(inner, ".app"))
                    addTo(m_identifiers, bundleIdentifierOf(path + '/' + inner));
            }
        }
    }
}

void SystemApplicationCatalogue::loadDesktopEntries(const QString &folder) const
{
    const std::string root = PathBytes::toBytes(folder);
    const auto suffix = static_cast<qsizetype>(std::string_view(".desktop").size());
    FileWalker::walk(root, {.skipHidden = true}, [&](const FileWalker::Entry &entry) {
        // Nix, Guix, home-manager and Stow install entries as links.
        const bool fileOrLink
            = entry.type == FileWalker::EntryType::RegularFile || entry.type == FileWalker::EntryType::Symlink;
        if (!fileOrLink || !endsWith(entry.name, ".desktop"))
            return FileWalker::Action::Continue;
        // The desktop-file ID is the path below the applications folder with "/" as "-";
        // the bare file name counts too, as some programs take theirs from it.
        QString id = PathBytes::fromBytes(std::string_view(entry.path).substr(root.size() + 1));
        id.chop(suffix);
        addTo(m_identifiers, id.replace(QLatin1Char('/'), QLatin1Char('-')));
        addTo(m_identifiers, PathBytes::fromBytes(entry.name).chopped(suffix));
        const auto text = PosixFile::readSmallFile(entry.path, kMaxDesktopEntrySize, true);
        DesktopEntryFile::forEachKey(text.value_or(std::string()), [&](auto group, auto key, const std::string &value) {
            if (group != "Desktop Entry")
                return;
            if (key == "StartupWMClass")
                addTo(m_programs, PathBytes::fromBytes(value));
            else if (key == "Exec")
                addTo(m_programs, PathBytes::fromBytes(DesktopEntryFile::execProgram(value)));
        });
        return FileWalker::Action::Continue;
    });
}

} // namespace pelmo
