#include "TrashInfo.h"

#include "core/PathBytes.h"

namespace pelmo::TrashInfo {
namespace {

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

} // namespace pelmo::TrashInfo
