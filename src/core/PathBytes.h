#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <string>
#include <string_view>

namespace pelmo::PathBytes {

// File names are byte strings; QString is text. Bytes that do not decode as UTF-8
// become U+DC00 + byte (the surrogate-escape rule), so every name round-trips:
// toBytes(fromBytes(b)) == b for any b. Never use QFile::encodeName/decodeName on paths.
[[nodiscard]] QString fromBytes(std::string_view bytes);
[[nodiscard]] std::string toBytes(QStringView path);

// The bytes with everything but unreserved characters and "/" written as %XX: the form of
// a path in a file URI and in a Trash info file.
[[nodiscard]] std::string percentEncoded(std::string_view bytes);

// The file URL of a path, every byte kept (percent-encoded), and back. A URL that is not
// a local file gives an empty path.
[[nodiscard]] QUrl toFileUrl(QStringView path);
[[nodiscard]] QString fromFileUrl(const QUrl &url);

// The text a person sees: escaped bytes shown as U+FFFD.
[[nodiscard]] QString display(QStringView path);

} // namespace pelmo::PathBytes
