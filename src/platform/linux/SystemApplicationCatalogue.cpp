#include "SystemApplicationCatalogue.h"

#include "core/FileWalker.h"
#include "core/PathBytes.h"
#include "core/PosixFile.h"

#include <plist/plist.h>

#include <cstdlib>
#include <memory>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace pelmo {
namespace {

// Info.plist files arrive from untrusted bundles; a real one is a few kilobytes.
constexpr size_t kMaxPlistSize = size_t {1024} * 1024;

std::string readFile(const std::string &path, size_t limit)
{
    std::string content;
    PosixFile::UniqueFd fd = PosixFile::openPath(path, O_RDONLY | O_NOFOLLOW | O_NONBLOCK);
    struct stat st
    {
    };
    if (!fd || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || static_cast<size_t>(st.st_size) > limit)
        return content;
    content.resize(static_cast<size_t>(st.st_size));
    size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = ::read(fd.get(), content.data() + done, content.size() - done);
        if (n <= 0)
            break;
        done += static_cast<size_t>(n);
    }
    content.resize(done);
    return content;
}

QString bundleIdentifierOf(const std::string &bundle)
{
    const std::string data = readFile(bundle + "/Contents/Info.plist", kMaxPlistSize);
    if (data.empty())
        return {};
    plist_t root = nullptr;
    plist_from_memory(data.data(), static_cast<uint32_t>(data.size()), &root);
    const std::unique_ptr<void, void (*)(plist_t)> owner(root, plist_free);
    if (!root || plist_get_node_type(root) != PLIST_DICT)
        return {};
    plist_t node = plist_dict_get_item(root, "CFBundleIdentifier");
    if (!node || plist_get_node_type(node) != PLIST_STRING)
        return {};
    char *value = nullptr;
    plist_get_string_val(node, &value);
    QString id = value ? QString::fromUtf8(value) : QString();
    std::free(value); // libplist 2.2 allocates with malloc and has no free function of its own
    return id;
}

bool endsWith(std::string_view text, std::string_view suffix)
{
    return text.size() > suffix.size() && text.ends_with(suffix);
}

} // namespace

SystemApplicationCatalogue::Sources SystemApplicationCatalogue::sourcesFor(const QString &home)
{
    Sources sources;
    sources.bundleFolders = {QStringLiteral("/Applications"), home + QStringLiteral("/Applications")};
    sources.desktopEntryFolders = {home + QStringLiteral("/.local/share/applications")};
    QString dataDirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dataDirs.isEmpty())
        dataDirs = QStringLiteral("/usr/local/share/:/usr/share/");
    for (const QString &dir : dataDirs.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (dir.startsWith(QLatin1Char('/'))) // relative entries are invalid by the base-dir rules
            sources.desktopEntryFolders.append(dir + QStringLiteral("/applications"));
    }
    sources.flatpakFolders
        = {home + QStringLiteral("/.local/share/flatpak/app"), QStringLiteral("/var/lib/flatpak/app")};
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

void SystemApplicationCatalogue::load() const
{
    auto add = [this](const QString &id) {
        if (!id.isEmpty())
            m_identifiers.insert(id.toLower());
    };
    for (const QString &folder : m_sources.bundleFolders) {
        const std::string root = PathBytes::toBytes(folder);
        for (const std::string &name : FileWalker::listChildren(root)) {
            const std::string path = root + '/' + name;
            if (endsWith(name, ".app")) {
                add(bundleIdentifierOf(path));
                continue;
            }
            // One folder down, as in /Applications/Utilities.
            for (const std::string &inner : FileWalker::listChildren(path)) {
                if (endsWith(inner, ".app"))
                    add(bundleIdentifierOf(path + '/' + inner));
            }
        }
    }
    // A desktop-entry ID is the path below the applications folder with "/" as "-".
    for (const QString &folder : m_sources.desktopEntryFolders) {
        const std::string root = PathBytes::toBytes(folder);
        FileWalker::walk(root, {.skipHidden = true}, [&](const FileWalker::Entry &entry) {
            if (entry.stat && endsWith(entry.name, ".desktop")) {
                QString id = PathBytes::fromBytes(std::string_view(entry.path).substr(root.size() + 1));
                id.chop(static_cast<qsizetype>(std::string_view(".desktop").size()));
                add(id.replace(QLatin1Char('/'), QLatin1Char('-')));
            }
            return FileWalker::Action::Continue;
        });
    }
    for (const QString &folder : m_sources.flatpakFolders) {
        for (const std::string &name : FileWalker::listChildren(PathBytes::toBytes(folder)))
            add(PathBytes::fromBytes(name));
    }
}

} // namespace pelmo
