#include "core/SizeText.h"

#include <array>
#include <cmath>

namespace pelmo {
namespace {

struct Unit
{
    const char *symbol;
    int decimals;
};

constexpr std::array<Unit, 6> kUnits = {{{"B", 0}, {"kB", 0}, {"MB", 1}, {"GB", 2}, {"TB", 2}, {"PB", 2}}};

QString number(double value, int decimals, const QLocale &locale)
{
    QString text = locale.toString(value, 'f', decimals);
    if (decimals > 0) {
        const QString separator = locale.decimalPoint();
        while (text.endsWith(locale.zeroDigit()))
            text.chop(locale.zeroDigit().size());
        if (text.endsWith(separator))
            text.chop(separator.size());
    }
    return text;
}

} // namespace

QString formatSize(qint64 bytes, const QLocale &locale)
{
    // Work on the magnitude in double: exact up to 2^53, and rounding is to at most two
    // decimals of a unit of 10^6 or more, far coarser than double's precision.
    const bool negative = bytes < 0;
    double value = std::fabs(static_cast<double>(bytes));
    size_t unit = 0;
    while (unit + 1 < kUnits.size() && value >= 1000.0) {
        value /= 1000.0;
        ++unit;
    }
    // Rounding can carry into the next unit: 999 999 B is "1 MB", not "1000 kB".
    const double scale = std::pow(10.0, kUnits[unit].decimals);
    double rounded = std::round(value * scale) / scale;
    if (rounded >= 1000.0 && unit + 1 < kUnits.size()) {
        ++unit;
        rounded = std::round(value / 1000.0 * std::pow(10.0, kUnits[unit].decimals))
            / std::pow(10.0, kUnits[unit].decimals);
    }
    QString text = number(rounded, kUnits[unit].decimals, locale);
    if (negative && rounded != 0.0)
        text.prepend(locale.negativeSign());
    return text + QLatin1Char(' ') + QLatin1StringView(kUnits[unit].symbol);
}

} // namespace pelmo
