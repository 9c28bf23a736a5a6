#pragma once

#include "model/CleanCategory.h"
#include "model/CleanItem.h"

#include <QString>

#include <array>
#include <optional>

namespace pelmo {

// The kind of a file an application left behind, in the order the detail lists them.
enum class RelatedGroup { data = 0, caches = 1, settings = 2, state = 3, background = 4 };

namespace RelatedGroups {

inline constexpr std::array<RelatedGroup, 5> all
    = {RelatedGroup::data, RelatedGroup::caches, RelatedGroup::settings, RelatedGroup::state, RelatedGroup::background};

// The group of a related item, from its detail: the first folder below "~/Library/" for a
// Mac place, the XDG folder for a Linux one.
[[nodiscard]] RelatedGroup of(const CleanItem &item);
[[nodiscard]] QString title(RelatedGroup group); // localised
[[nodiscard]] SrgbColor color(RelatedGroup group);
// Only `data` has a note: it may hold the user's own work.
[[nodiscard]] std::optional<QString> note(RelatedGroup group);
// The design's symbol name.
[[nodiscard]] QString symbol(RelatedGroup group);

} // namespace RelatedGroups
} // namespace pelmo
