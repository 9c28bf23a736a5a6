#pragma once

#include "uninstall/InstalledApp.h"

#include <QDateTime>
#include <QString>

// The texts and images the uninstall screens show for an application.
namespace pelmo::AppTexts {

// A date relative to `now` in named words: today, yesterday, N days, months or years ago.
[[nodiscard]] QString relativeDate(const QDateTime &date, const QDateTime &now);
// The row's subtitle: the version (when known), then "Použito …" or "Použití neznámé".
[[nodiscard]] QString subtitle(const InstalledApp &app, const QDateTime &now);
// The detail's meta line: "Verze …" and "Použito …", each only when known.
[[nodiscard]] QString metaLine(const InstalledApp &app, const QDateTime &now);
// A QML image source for the application's icon, the generic one when it has none.
[[nodiscard]] QString iconSource(const InstalledApp &app);

} // namespace pelmo::AppTexts
