#include "platform/BundleInfo.h"

#include "core/PathBytes.h"
#include "core/PosixFile.h"

#include <plist/plist.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace pelmo {
namespace {

// A real Info.plist is a few kilobytes.
constexpr size_t kMaxPlistSize = size_t {1024} * 1024;

QString stringAt(plist_t dictionary, const char *key)
{
    plist_t node = plist_dict_get_item(dictionary, key);
    if (!node || plist_get_node_type(node) != PLIST_STRING)
        return {};
    char *value = nullptr;
    plist_get_string_val(node, &value);
    QString text = value ? QString::fromUtf8(value) : QString();
    std::free(value); // libplist 2.2 allocates with malloc and has no free function of its own
    return text;
}

} // namespace

std::optional<BundleInfo> readBundleInfo(const QString &bundlePath)
{
    const std::string data
        = PosixFile::readSmallFile(PathBytes::toBytes(bundlePath) + "/Contents/Info.plist", kMaxPlistSize, false)
              .value_or(std::string());
    if (data.empty())
        return std::nullopt;
    plist_t root = nullptr;
    plist_from_memory(data.data(), static_cast<uint32_t>(data.size()), &root);
    const std::unique_ptr<void, void (*)(plist_t)> owner(root, plist_free);
    if (!root || plist_get_node_type(root) != PLIST_DICT)
        return std::nullopt;
    return BundleInfo {stringAt(root, "CFBundleIdentifier"), stringAt(root, "CFBundleDisplayName"),
        stringAt(root, "CFBundleName"), stringAt(root, "CFBundleShortVersionString"),
        stringAt(root, "CFBundleExecutable")};
}

} // namespace pelmo
