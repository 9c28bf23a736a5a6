#include "TrashInfo.h"

#include "core/PathBytes.h"
#include "core/PosixFile.h"

#include <fcntl.h>
#include <unistd.h>

namespace pelmo::TrashInfo {
namespace {

constexpr size_t kMaxInfoSize = 64 * 1024;

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::string percentDecoded(std::string_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 && hexValue(text[i + 2]) >= 0) {
            out.push_back(static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2])));
            i += 2;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

std::string compose(std::string_view recorded, std::string_view deletionDate)
{
    return "[Trash Info]\nPath=" + PathBytes::percentEncoded(recorded) + "\nDeletionDate=" + std::string(deletionDate)
        + "\n";
}

std::optional<std::string> recordedPath(std::string_view content)
{
    bool inGroup = false;
    while (!content.empty()) {
        const size_t end = content.find('\n');
        std::string_view line = content.substr(0, end);
        content = end == std::string_view::npos ? std::string_view() : content.substr(end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.starts_with('[')) {
            inGroup = line == "[Trash Info]";
            continue;
        }
        if (inGroup && line.starts_with("Path="))
            return percentDecoded(line.substr(5));
    }
    return std::nullopt;
}

std::optional<std::string> read(int infoFd, const std::string &name)
{
    PosixFile::UniqueFd fd(::openat(infoFd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (!fd)
        return std::nullopt;
    std::string content(kMaxInfoSize, '\0');
    size_t filled = 0;
    while (filled < content.size()) {
        const ssize_t n = ::read(fd.get(), content.data() + filled, content.size() - filled);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        filled += static_cast<size_t>(n);
    }
    content.resize(filled);
    return content;
}

} // namespace pelmo::TrashInfo
