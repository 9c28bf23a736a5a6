#pragma once

#include <QString>
#include <QStringList>

#include <cstdio>
#include <optional>

// What every headless command shares: argument decoding, paths, exit statuses, output.
namespace pelmo::CommandSupport {

inline constexpr int failed = 1; // the work could not be done, wholly or in part
inline constexpr int badInput = 2;

// argv as text, each argument decoded with the path-bytes rule so that odd names given
// on the command line reach the file system unchanged.
[[nodiscard]] QStringList decodeArguments(int argc, char **argv);

// `path` made absolute against the working directory, "." and ".." resolved as text,
// without a trailing slash.
[[nodiscard]] QString absolutePath(const QString &path);
[[nodiscard]] bool isReadableFolder(const QString &path);

// The folder a command works on: `option` when given (empty `problem` unless it is not a
// readable folder), else the granted home folder, else the user's home folder.
[[nodiscard]] QString homeFolder(const std::optional<QString> &option, QString &problem);

// Asks on the terminal; true only for a yes. False at once when stdin is not a terminal.
[[nodiscard]] bool confirm(const QString &question);
[[nodiscard]] bool canAsk();

// A whole number of megabytes from 0 up; nothing for anything else.
[[nodiscard]] std::optional<qint64> parseMegabytes(const QString &text);

// UTF-8 output; escaped path bytes are written back as the bytes they stand for.
void write(std::FILE *stream, const QString &text);

} // namespace pelmo::CommandSupport
