#pragma once

#include "FakeHome.h"
#include "model/CleanItem.h"
#include "uninstall/InstalledApp.h"

#include <QStringList>

#include <algorithm>
#include <functional>

namespace pelmo::test {

// What `member` gives for each element, in order, or sorted where the order is no contract.
template<typename Items, typename Member>
[[nodiscard]] QStringList fieldOf(const Items &items, Member member, bool sorted = false)
{
    QStringList out;
    for (const auto &item : items)
        out.append(std::invoke(member, item));
    if (sorted)
        out.sort();
    return out;
}

[[nodiscard]] inline QStringList names(const QList<CleanItem> &items, bool sorted = false)
{
    return fieldOf(items, &CleanItem::name, sorted);
}

[[nodiscard]] inline QStringList names(const QList<InstalledApp> &apps, bool sorted = false)
{
    return fieldOf(apps, &InstalledApp::name, sorted);
}

[[nodiscard]] inline QStringList details(const QList<CleanItem> &items)
{
    return fieldOf(items, &CleanItem::detail, true);
}

// The items' paths below the fake home.
[[nodiscard]] inline QStringList relativePaths(const QList<CleanItem> &items, const FakeHome &fake, bool sorted = false)
{
    return fieldOf(
        items, [&](const CleanItem &item) { return item.path.mid(fake.home().size() + 1); }, sorted);
}

} // namespace pelmo::test
