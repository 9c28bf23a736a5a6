#pragma once

#include <QString>

// The file-manager scripts, built exactly as the Finder route expects them; the
// platform's file-manager bridge receives these texts.
namespace pelmo::FinderScripts {

// Error numbers the bridge answers with.
inline constexpr int notPermitted = -1743;
inline constexpr int userCancelled = -128;
inline constexpr int otherError = -1;

// Backslashes doubled first, then double quotes escaped; nothing else.
[[nodiscard]] QString escape(const QString &path);
[[nodiscard]] QString moveScript(const QString &path);
[[nodiscard]] QString openScript();

} // namespace pelmo::FinderScripts
