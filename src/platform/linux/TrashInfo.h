#pragma once

#include <QDateTime>

#include <optional>
#include <string>
#include <string_view>

// The text of a freedesktop Trash info file.
namespace pelmo::TrashInfo {

// "[Trash Info]", the percent-encoded `recorded` path and the local deletion time.
[[nodiscard]] std::string compose(std::string_view recorded, std::string_view deletionDate);

// The bytes of the Path key of the "[Trash Info]" group (the first one when repeated),
// percent-decoded; nothing for an info file without one, however malformed it is.
[[nodiscard]] std::optional<std::string> recordedPath(std::string_view content);

// The DeletionDate, local time, in the extended or the basic form; invalid when there is
// none that reads.
[[nodiscard]] QDateTime deletionDate(std::string_view content);

// %XX sequences turned back into the bytes they stand for.
[[nodiscard]] std::string percentDecoded(std::string_view text);

} // namespace pelmo::TrashInfo
