#pragma once

#include <QString>

#include <optional>

namespace pelmo {
class ApplicationCatalogue;
}

namespace pelmo::DiskScanner {

// The bundle identifier that a Library entry's name stands for: the name without a
// ".savedState" and then a ".plist" suffix, if it has three or more non-empty dot-separated
// parts of letters, marks, digits, "-" and "_", and is not Apple's own or an app group.
[[nodiscard]] std::optional<QString> bundleIdentifier(const QString &name);

// The application identifier that a folder name of ~/.config or ~/.local/share is, by the
// freedesktop grammar: three or more dot-separated elements of ASCII letters, digits, "_"
// and "-", each beginning with a letter or "_". Names of tools and versions
// (node-v18.17.1-linux-x64) are none.
[[nodiscard]] std::optional<QString> applicationIdentifier(const QString &name);

// Whether the identifier or one of its prefixes of three or more parts is installed.
[[nodiscard]] bool isInstalled(const QString &identifier, const ApplicationCatalogue &catalogue);

} // namespace pelmo::DiskScanner
