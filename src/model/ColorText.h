#pragma once

#include "CleanCategory.h"

#include <QString>

namespace pelmo {

// "#rrggbb" for a colour of the design, the form QML takes for a colour.
[[nodiscard]] inline QString colorText(SrgbColor color)
{
    auto channel = [](double v) { return QStringLiteral("%1").arg(qRound(v * 255), 2, 16, QLatin1Char('0')); };
    return QLatin1Char('#') + channel(color.red) + channel(color.green) + channel(color.blue);
}

} // namespace pelmo
