#include "LinuxPlaces.h"

#include "core/PosixFile.h"

#include <fcntl.h>
#include <unistd.h>

namespace pelmo::LinuxPlaces {
namespace {

// xdg-user-dirs keys, index for index with documentFolderNames.
constexpr std::array<std::string_view, 6> kUserDirKeys = {
    "XDG_DOWNLOAD_DIR", "XDG_DESKTOP_DIR", "XDG_DOCUMENTS_DIR", "XDG_VIDEOS_DIR", "XDG_PICTURES_DIR", "XDG_MUSIC_DIR"};

std::string readSmallFile(const std::string &path)
{
    constexpr size_t kLimit = size_t {64} * 1024; // the file has six short lines; anything bigger is not it
    std::string content;
    PosixFile::UniqueFd fd = PosixFile::openPath(path, O_RDONLY | O_NOFOLLOW | O_NONBLOCK);
    if (!fd)
        return content;
    char buffer[4096];
    while (content.size() < kLimit) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n <= 0)
            break;
        content.append(buffer, static_cast<size_t>(n));
    }
    return content;
}

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

std::vector<std::string> documentFolders(const std::string &home)
{
    std::vector<std::string> folders;
    for (std::string_view name : documentFolderNames)
        folders.push_back(home + '/' + std::string(name));

    const std::string content = readSmallFile(home + "/.config/user-dirs.dirs");
    std::string_view rest(content);
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        const size_t equals = line.find('=');
        if (line.starts_with('#') || equals == std::string_view::npos)
            continue;
        const std::string_view key = line.substr(0, equals);
        for (size_t i = 0; i < kUserDirKeys.size(); ++i) {
            if (key != kUserDirKeys[i])
                continue;
            const std::string folder = withoutTrailingSlashes(resolveValue(line.substr(equals + 1), home));
            if (isStrictlyInside(folder, home))
                folders[i] = folder;
        }
    }
    return folders;
}

} // namespace pelmo::LinuxPlaces
