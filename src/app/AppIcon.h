#pragma once

#include <QIcon>

namespace pelmo {

// Pelmo's own icon at every size the build drew, from the resources: the window and the
// tray show it also when Pelmo runs from its build folder, uninstalled.
[[nodiscard]] QIcon applicationIcon();

} // namespace pelmo
