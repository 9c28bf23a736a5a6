#pragma once

#include <QString>

#include <array>
#include <optional>

namespace pelmo {

// The order of the uninstaller's list; the raw values are stored under "uninstallSort".
enum class AppSort { size, name, lastUsed };

namespace AppSorts {

inline constexpr std::array<AppSort, 3> all = {AppSort::size, AppSort::name, AppSort::lastUsed};

[[nodiscard]] QString rawValue(AppSort sort);
// Nothing for a text that is no raw value.
[[nodiscard]] std::optional<AppSort> fromRawValue(const QString &raw);
// The menu title, localised.
[[nodiscard]] QString title(AppSort sort);

} // namespace AppSorts
} // namespace pelmo
