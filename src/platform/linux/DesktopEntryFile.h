#pragma once

#include <functional>
#include <string>
#include <string_view>

// The freedesktop key-file format of desktop entries, which Flatpak's installation files
// share.
namespace pelmo::DesktopEntryFile {

using KeyVisitor = std::function<void(std::string_view group, std::string_view key, const std::string &value)>;

// Every "key=value" line with the group it stands in, spaces around "=" dropped and the
// string escapes (\s \n \t \r \\) resolved. Comments, blank lines and lines before the
// first group are passed over; localised keys keep their "[locale]" suffix.
void forEachKey(std::string_view text, const KeyVisitor &visit);

// The name of the program that an Exec value starts: its first argument (quoted or not),
// past an "env" with its settings, without the folder. Empty when there is none.
[[nodiscard]] std::string execProgram(std::string_view exec);
// The same with its folder, as written.
[[nodiscard]] std::string execPath(std::string_view exec);

} // namespace pelmo::DesktopEntryFile
