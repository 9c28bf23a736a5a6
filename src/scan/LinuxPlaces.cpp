#include "LinuxPlaces.h"

#include "core/PosixFile.h"

namespace pelmo::LinuxPlaces {
namespace {

struct DocumentPlace
{
    std::string_view userDirKey; // empty: no setting names it
    std::string_view defaultName;
    bool hasLargeFiles;
};

constexpr std::array<DocumentPlace, 7> kDocumentPlaces = {{
    {"XDG_DOWNLOAD_DIR", "Downloads", true},
    {"XDG_DESKTOP_DIR", "Desktop", true},
    {"XDG_DOCUMENTS_DIR", "Documents", true},
    {"XDG_VIDEOS_DIR", "Videos", true},
    {{}, "Movies", true},
    {"XDG_PICTURES_DIR", "Pictures", false},
    {"XDG_MUSIC_DIR", "Music", false},
}};

// The file has a few short lines; anything bigger is not it.
constexpr size_t kUserDirsLimit = size_t {64} * 1024;

// A value is "$HOME/rel", "$HOME" or "/absolute", in double quotes with backslash escapes.
std::string resolveValue(std::string_view value, const std::string &home)
{
    if (value.size() < 2 || value.front() != '"' || value.back() != '"')
        return {};
    value = value.substr(1, value.size() - 2);
    std::string unescaped;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size())
            ++i;
        unescaped.push_back(value[i]);
    }
    constexpr std::string_view kHome = "$HOME";
    if (unescaped.starts_with(kHome) && (unescaped.size() == kHome.size() || unescaped[kHome.size()] == '/'))
        return home + unescaped.substr(kHome.size());
    if (unescaped.starts_with('/'))
        return unescaped;
    return {};
}

std::string withoutTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

bool hasDotDotComponent(std::string_view path)
{
    for (size_t at = path.find("/.."); at != std::string_view::npos; at = path.find("/..", at + 1)) {
        if (at + 3 == path.size() || path[at + 3] == '/')
            return true;
    }
    return false;
}

bool isStrictlyInside(const std::string &path, const std::string &folder)
{
    return path.size() > folder.size() + 1 && path.starts_with(folder) && path[folder.size()] == '/'
        && !hasDotDotComponent(path);
}

} // namespace

std::vector<DocumentFolder> documentFolders(const std::string &home)
{
    std::vector<DocumentFolder> folders;
    folders.reserve(kDocumentPlaces.size());
    for (const DocumentPlace &place : kDocumentPlaces)
        folders.push_back({home + '/' + std::string(place.defaultName), place.hasLargeFiles});

    // Followed when it is a link, as dotfile managers (Stow, home-manager) make it.
    const std::string content
        = PosixFile::readSmallFile(home + "/.config/user-dirs.dirs", kUserDirsLimit, true).value_or(std::string());
    std::string_view rest(content);
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        const size_t equals = line.find('=');
        if (line.starts_with('#') || equals == std::string_view::npos)
            continue;
        const std::string_view key = line.substr(0, equals);
        for (size_t i = 0; i < kDocumentPlaces.size(); ++i) {
            if (kDocumentPlaces[i].userDirKey.empty() || key != kDocumentPlaces[i].userDirKey)
                continue;
            const std::string folder = withoutTrailingSlashes(resolveValue(line.substr(equals + 1), home));
            if (isStrictlyInside(folder, home))
                folders[i].path = folder;
        }
    }
    return folders;
}

} // namespace pelmo::LinuxPlaces
