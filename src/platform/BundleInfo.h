#pragma once

#include <QString>

#include <optional>

namespace pelmo {

// The strings of an application bundle's Contents/Info.plist (XML or binary) that Pelmo
// reads. A key whose value is not a string counts as absent (empty here).
struct BundleInfo
{
    QString identifier;   // CFBundleIdentifier
    QString displayName;  // CFBundleDisplayName
    QString name;         // CFBundleName
    QString shortVersion; // CFBundleShortVersionString
    QString executable;   // CFBundleExecutable
};

// Nothing when the bundle has no readable property list whose root is a dictionary. The
// list comes from an untrusted bundle: its size is capped and nothing in it is followed.
[[nodiscard]] std::optional<BundleInfo> readBundleInfo(const QString &bundlePath);

} // namespace pelmo
