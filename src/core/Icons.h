#pragma once

#include <QString>

namespace pelmo::Icons {

// The freedesktop icon-theme name that stands for a symbol name of the design; a generic
// icon for names the table lacks.
[[nodiscard]] QString themeName(const QString &symbol);

} // namespace pelmo::Icons
