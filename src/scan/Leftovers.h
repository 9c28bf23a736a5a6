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

// Whether the identifier or one of its prefixes of three or more parts is installed.
[[nodiscard]] bool isInstalled(const QString &identifier, const ApplicationCatalogue &catalogue);

} // namespace pelmo::DiskScanner
