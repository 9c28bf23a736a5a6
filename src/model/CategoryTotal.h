#pragma once

#include "CleanCategory.h"

namespace pelmo {

// One bar of the overview's breakdown; at most one per category.
struct CategoryTotal
{
    CleanCategory category = CleanCategory::caches;
    qint64 size = 0;

    [[nodiscard]] QString id() const { return Category::rawValue(category); }
    friend bool operator==(const CategoryTotal &, const CategoryTotal &) = default;
};

} // namespace pelmo
