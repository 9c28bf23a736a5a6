#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace pelmo {

// Declaration order is the order of every list of categories (sidebar, overview, totals).
enum class CleanCategory { caches, logs, developer, leftovers, installers, duplicates, largeFiles };

inline constexpr std::array<CleanCategory, 7> allCategories
    = {CleanCategory::caches, CleanCategory::logs, CleanCategory::developer, CleanCategory::leftovers,
        CleanCategory::installers, CleanCategory::duplicates, CleanCategory::largeFiles};

// sRGB components in 0...1, opacity 1. The core has no GUI types; views convert.
struct SrgbColor
{
    double red = 0;
    double green = 0;
    double blue = 0;
    friend bool operator==(const SrgbColor &, const SrgbColor &) = default;
};

inline constexpr SrgbColor brandColor {0.05, 0.62, 0.56};

namespace Category {

[[nodiscard]] QString rawValue(CleanCategory category);
// Nothing for a raw value that names no category (for example one stored by another version).
[[nodiscard]] std::optional<CleanCategory> fromRawValue(QStringView raw);
// Localised through the "Pelmo" string table.
[[nodiscard]] QString title(CleanCategory category);
[[nodiscard]] QString subtitle(CleanCategory category);
// A symbol name; the views map it to an icon-theme name.
[[nodiscard]] QString symbol(CleanCategory category);
[[nodiscard]] SrgbColor color(CleanCategory category);

} // namespace Category
} // namespace pelmo
