#pragma once

#include <QStringList>

namespace pelmo {

// pelmo apps [--related ID] [--json]: the applications the uninstaller offers, largest
// first, or what it would offer to move with one of them.
int runAppsCommand(const QStringList &arguments);

} // namespace pelmo
