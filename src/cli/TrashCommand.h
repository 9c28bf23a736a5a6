#pragma once

#include <QStringList>

namespace pelmo {

// `pelmo trash [list|empty|open] [--yes] [--json]`: the home Trash's items, emptying it
// (asked for like `clean`), or showing it in the file manager.
int runTrashCommand(const QStringList &arguments);

} // namespace pelmo
