#include "ScanPaths.h"

#include "LinuxPlaces.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace pelmo::DiskScanner {

std::string lowerExtension(std::string_view name)
{
    const size_t dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return {};
    std::string extension(name.substr(dot + 1));
    for (char &c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

bool isInstallerName(std::string_view name)
{
    static constexpr std::array<std::string_view, 4> kMacExtensions = {"dmg", "pkg", "iso", "xip"};
    const std::string extension = lowerExtension(name);
    return std::ranges::find(kMacExtensions, extension) != kMacExtensions.end()
        || std::ranges::find(LinuxPlaces::installerExtensions, extension) != LinuxPlaces::installerExtensions.end();
}

QString tildePath(const QString &path, const QString &home)
{
    QString out = path;
    return out.replace(home, QStringLiteral("~"));
}

QString parentOf(std::string_view path)
{
    const size_t slash = path.rfind('/');
    return PathBytes::fromBytes(slash == 0 ? std::string_view("/") : path.substr(0, slash));
}

CleanItem itemAt(std::string_view path, qint64 size, CleanCategory category, const QString &detail, bool isSafe)
{
    const size_t slash = path.rfind('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    return CleanItem {PathBytes::fromBytes(path), PathBytes::fromBytes(name), size, category, detail, isSafe};
}

} // namespace pelmo::DiskScanner
