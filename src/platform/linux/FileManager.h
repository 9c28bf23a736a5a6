#pragma once

#include <QString>

namespace pelmo::FileManager {

// Asks the file manager over D-Bus (org.freedesktop.FileManager1.ShowItems) to show the
// item selected, else opens its folder. False when neither worked. Blocks for seconds at
// most, so callers run it off the main thread.
bool reveal(const QString &path);

} // namespace pelmo::FileManager
