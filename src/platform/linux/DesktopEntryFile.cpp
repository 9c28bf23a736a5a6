#include "DesktopEntryFile.h"

#include <vector>

namespace pelmo::DesktopEntryFile {
namespace {

std::string_view trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::string unescaped(std::string_view value)
{
    std::string out;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out.push_back(value[i]);
            continue;
        }
        switch (value[++i]) {
        case 's':
            out.push_back(' ');
            break;
        case 'n':
            out.push_back('\n');
            break;
        case 't':
            out.push_back('\t');
            break;
        case 'r':
            out.push_back('\r');
            break;
        default: // "\\" is a backslash; any other escape stays as written
            if (value[i] != '\\')
                out.push_back('\\');
            out.push_back(value[i]);
        }
    }
    return out;
}

// The arguments of an Exec value: separated by spaces, double quotes group, and inside
// quotes a backslash takes the next character literally.
std::vector<std::string> arguments(std::string_view exec)
{
    std::vector<std::string> out;
    size_t i = 0;
    while (i < exec.size()) {
        if (exec[i] == ' ') {
            ++i;
            continue;
        }
        std::string argument;
        if (exec[i] == '"') {
            for (++i; i < exec.size() && exec[i] != '"'; ++i) {
                if (exec[i] == '\\' && i + 1 < exec.size())
                    ++i;
                argument.push_back(exec[i]);
            }
            ++i; // the closing quote
        } else {
            for (; i < exec.size() && exec[i] != ' '; ++i)
                argument.push_back(exec[i]);
        }
        out.push_back(std::move(argument));
    }
    return out;
}

std::string_view baseName(std::string_view path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

} // namespace

void forEachKey(std::string_view text, const KeyVisitor &visit)
{
    std::string_view group;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.empty() || line.front() == '#')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            group = line.substr(1, line.size() - 2);
            continue;
        }
        const size_t equals = line.find('=');
        if (group.empty() || equals == std::string_view::npos)
            continue;
        visit(group, trimmed(line.substr(0, equals)), unescaped(trimmed(line.substr(equals + 1))));
    }
}

std::string execPath(std::string_view exec)
{
    const std::vector<std::string> words = arguments(exec);
    size_t at = 0;
    if (at < words.size() && baseName(words[at]) == "env") {
        // Snap and some vendors start through env with variables set.
        for (++at; at < words.size() && (words[at].find('=') != std::string::npos || words[at].starts_with('-'));)
            ++at;
    }
    return at < words.size() ? words[at] : std::string();
}

std::string execProgram(std::string_view exec)
{
    return std::string(baseName(execPath(exec)));
}

} // namespace pelmo::DesktopEntryFile
