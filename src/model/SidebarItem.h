#pragma once

#include "CleanCategory.h"

#include <QHashFunctions>

namespace pelmo {

// A section of the main window's sidebar; `category` matters only for Section::category.
struct SidebarItem
{
    enum class Section { overview, category, uninstall, diskMap, trash, history, settings, about };

    Section section = Section::overview;
    CleanCategory category = CleanCategory::caches;

    [[nodiscard]] static SidebarItem forCategory(CleanCategory c) { return {Section::category, c}; }

    friend bool operator==(const SidebarItem &a, const SidebarItem &b)
    {
        return a.section == b.section && (a.section != Section::category || a.category == b.category);
    }
};

inline size_t qHash(const SidebarItem &item, size_t seed = 0)
{
    if (item.section != SidebarItem::Section::category)
        return qHashMulti(seed, static_cast<int>(item.section));
    return qHashMulti(seed, static_cast<int>(item.section), static_cast<int>(item.category));
}

} // namespace pelmo
