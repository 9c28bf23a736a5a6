#pragma once

#include <QLocale>
#include <QString>

namespace pelmo {

// The one rendering of a byte count anywhere in Pelmo: decimal units (1 kB = 1000 B),
// kB without decimals, MB with one, GB and above with two, trailing zeros dropped,
// the locale's decimal separator.
[[nodiscard]] QString formatSize(qint64 bytes, const QLocale &locale = QLocale());

} // namespace pelmo
