#pragma once

#include "core/PathBytes.h"
#include "model/CleanItem.h"

#include <QString>

#include <string>
#include <string_view>

// Helpers shared by the scanners. Scanners work on path bytes and turn into text only
// what they report.
namespace pelmo::DiskScanner {

[[nodiscard]] qint64 allocatedSizeOf(std::string_view path);

struct Usage
{
    qint64 allocated = 0;      // as allocatedSizeOf
    qint64 newestModified = 0; // seconds since the epoch: the item's, or anything's inside it
};
// One walk for both; links inside count for neither.
[[nodiscard]] Usage usageOf(std::string_view path);

[[nodiscard]] inline std::string join(std::string_view folder, std::string_view name)
{
    std::string path(folder);
    path.push_back('/');
    path.append(name);
    return path;
}

// The lower-cased text after the last dot of a name, empty when there is none.
[[nodiscard]] std::string lowerExtension(std::string_view name);

// `path` with every occurrence of the home folder's path replaced by "~".
[[nodiscard]] QString tildePath(const QString &path, const QString &home);

// Installer images: dmg, pkg, iso, xip, and on Linux deb and rpm, in any letter case.
[[nodiscard]] bool isInstallerName(std::string_view name);

[[nodiscard]] QString parentOf(std::string_view path);

// An item at `path`, named after its last component.
[[nodiscard]] CleanItem itemAt(
    std::string_view path, qint64 size, CleanCategory category, const QString &detail, bool isSafe);

} // namespace pelmo::DiskScanner
