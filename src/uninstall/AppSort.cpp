#include "uninstall/AppSort.h"

#include "core/Localization.h"

namespace pelmo::AppSorts {

QString rawValue(AppSort sort)
{
    switch (sort) {
    case AppSort::size:
        return QStringLiteral("size");
    case AppSort::name:
        return QStringLiteral("name");
    case AppSort::lastUsed:
        return QStringLiteral("lastUsed");
    }
    return {};
}

std::optional<AppSort> fromRawValue(const QString &raw)
{
    for (const AppSort sort : all) {
        if (rawValue(sort) == raw)
            return sort;
    }
    return std::nullopt;
}

QString title(AppSort sort)
{
    switch (sort) {
    case AppSort::size:
        return Localization::tr("Podle velikosti");
    case AppSort::name:
        return Localization::tr("Podle názvu");
    case AppSort::lastUsed:
        return Localization::tr("Nejdéle nepoužité");
    }
    return {};
}

} // namespace pelmo::AppSorts
