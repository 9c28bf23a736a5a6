#pragma once

#include <QString>
#include <QStringList>

namespace pelmo::Icons {

// The one symbol set of the window: every symbol name of the design stands for one
// monochrome symbol that Pelmo ships (drawn from the Adwaita symbolic set at build time, a
// few of its own), so the window looks the same under any icon theme. The shipped files are
// named by `themeName`; an unknown name answers "image-missing".
[[nodiscard]] QString themeName(const QString &symbol);

// Every symbol name the table knows, sorted.
[[nodiscard]] QStringList symbolNames();

} // namespace pelmo::Icons
